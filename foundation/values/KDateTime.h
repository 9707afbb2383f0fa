#pragma once
// KDateTime: a local date and time in eight fields (year, month, day of
// week, day, hour, minute, second, millisecond), each -1 while unset. Texts
// are formatted in the user's locale (short date, default time format).

#include <cstdint>

class KString;

class KDateTime
{
public:
    // All fields unset, or with now = true the current local date and time.
    explicit KDateTime(bool now = false);
    KDateTime(int32_t year, int32_t month, int32_t day, int32_t hour = -1, int32_t minute = -1,
              int32_t second = -1, int32_t millisecond = -1);

    int32_t Year() const { return itsYear; }
    int32_t Month() const { return itsMonth; }
    // 0 = Sunday; -1 unless the value came from the clock.
    int32_t DayOfWeek() const { return itsDayOfWeek; }
    int32_t Day() const { return itsDay; }
    int32_t Hour() const { return itsHour; }
    int32_t Minute() const { return itsMinute; }
    int32_t Second() const { return itsSecond; }
    int32_t Millisecond() const { return itsMillisecond; }
    bool IsDateSet() const { return itsYear >= 0 && itsMonth >= 0 && itsDay >= 0; }
    bool IsTimeSet() const { return itsHour >= 0 && itsMinute >= 0; }

    // Takes the current local date and time.
    void SetNow();
    // Field by field (year, month, day, hour, minute, second, millisecond):
    // 1 when this is later, -1 when earlier, 0 when equal. Unset fields (-1)
    // come before every set value.
    int Compare(const KDateTime &other) const;

    // Append the locale's texts; false (nothing appended) when the fields
    // needed are unset or out of range.
    bool FormatDate(KString &text) const;
    bool FormatTime(KString &text) const;
    // Date, a blank, time.
    bool Format(KString &text) const;

private:
    int32_t itsYear = -1;
    int32_t itsMonth = -1;
    int32_t itsDayOfWeek = -1;
    int32_t itsDay = -1;
    int32_t itsHour = -1;
    int32_t itsMinute = -1;
    int32_t itsSecond = -1;
    int32_t itsMillisecond = -1;
};
