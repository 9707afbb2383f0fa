#include "foundation/values/KDateTime.h"

#include "foundation/strings/KString.h"

#include <windows.h>

KDateTime::KDateTime(bool now)
{
    if (now)
        SetNow();
}

KDateTime::KDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second,
                     int32_t millisecond)
    : itsYear(year), itsMonth(month), itsDay(day), itsHour(hour), itsMinute(minute), itsSecond(second),
      itsMillisecond(millisecond)
{
}

void KDateTime::SetNow()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    itsYear = st.wYear;
    itsMonth = st.wMonth;
    itsDayOfWeek = st.wDayOfWeek;
    itsDay = st.wDay;
    itsHour = st.wHour;
    itsMinute = st.wMinute;
    itsSecond = st.wSecond;
    itsMillisecond = st.wMilliseconds;
}

int KDateTime::Compare(const KDateTime &other) const
{
    const int32_t mine[] = {itsYear, itsMonth, itsDay, itsHour, itsMinute, itsSecond, itsMillisecond};
    const int32_t theirs[] = {other.itsYear, other.itsMonth, other.itsDay, other.itsHour,
                              other.itsMinute, other.itsSecond, other.itsMillisecond};
    for (int i = 0; i < 7; ++i) {
        if (mine[i] != theirs[i])
            return mine[i] > theirs[i] ? 1 : -1;
    }
    return 0;
}

namespace {

bool InRange(int32_t v, int32_t low, int32_t high)
{
    return v >= low && v <= high;
}

// The fields as the system wants them; unset time parts count as 0.
SYSTEMTIME ToSystemTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(year);
    st.wMonth = WORD(month);
    st.wDay = WORD(day);
    st.wHour = WORD(hour < 0 ? 0 : hour);
    st.wMinute = WORD(minute < 0 ? 0 : minute);
    st.wSecond = WORD(second < 0 ? 0 : second);
    return st;
}

} // namespace

bool KDateTime::FormatDate(KString &text) const
{
    if (!InRange(itsYear, 1601, 30827) || !InRange(itsMonth, 1, 12) || !InRange(itsDay, 1, 31))
        return false;
    SYSTEMTIME st = ToSystemTime(itsYear, itsMonth, itsDay, 0, 0, 0);
    wchar_t buffer[128];
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128) <= 0)
        return false;
    text.Append(buffer);
    return true;
}

bool KDateTime::FormatTime(KString &text) const
{
    if (!InRange(itsHour, 0, 23) || !InRange(itsMinute, 0, 59) || itsSecond > 59)
        return false;
    SYSTEMTIME st = ToSystemTime(2000, 1, 1, itsHour, itsMinute, itsSecond);
    wchar_t buffer[128];
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128) <= 0)
        return false;
    text.Append(buffer);
    return true;
}

bool KDateTime::Format(KString &text) const
{
    KString date;
    KString time;
    if (!FormatDate(date) || !FormatTime(time))
        return false;
    text.Append(date).AppendChar(L' ').Append(time);
    return true;
}
