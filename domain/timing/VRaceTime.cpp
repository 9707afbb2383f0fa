#include "domain/timing/VRaceTime.h"

#include "foundation/strings/KString.h"

namespace
{
wchar_t g_separator = L':';
wchar_t g_decimal = L'.';

constexpr int64_t kLimit48 = (int64_t(1) << 47) - 1;

int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}
}

VRaceTime::VRaceTime() : m_time(0), m_resolution(kNoResolution), m_tag(0) {}

VRaceTime::VRaceTime(int64_t count, int64_t unit, int64_t resolution, int32_t tag)
    : m_time(Clamp48(count * unit)), m_resolution(resolution < 0 ? kNoResolution : resolution), m_tag(tag)
{
    if (m_resolution == kNoResolution)
        m_time = 0;
}

VRaceTime VRaceTime::FromMilliseconds(int32_t milliseconds, int64_t resolution)
{
    if (milliseconds == kNoMilliseconds)
        return VRaceTime();
    return VRaceTime(milliseconds, kMillisecond, resolution);
}

void VRaceTime::Clear()
{
    m_time = 0;
    m_resolution = kNoResolution;
}

int32_t VRaceTime::Milliseconds() const
{
    if (!IsValid())
        return kNoMilliseconds;
    int64_t ms = m_time / kMillisecond;
    if (ms <= INT32_MIN)
        return INT32_MIN + 1;   // never confuse a time with the no-time mark
    if (ms > INT32_MAX)
        return INT32_MAX;
    return int32_t(ms);
}

void VRaceTime::SetResolution(int64_t unit, bool forced)
{
    if (!IsValid() || unit < 0)
        return;
    if (forced || unit > m_resolution)
        m_resolution = unit;
}

void VRaceTime::RoundDown(int64_t unit)
{
    if (IsValid() && unit > 1)
        m_time = FloorDiv(m_time, unit) * unit;
}

int64_t VRaceTime::Clamp48(int64_t value)
{
    if (value > kLimit48)
        return kLimit48;
    if (value < -kLimit48 - 1)
        return -kLimit48 - 1;
    return value;
}

VRaceTime VRaceTime::operator+(const VRaceTime &other) const
{
    VRaceTime r(*this);
    r += other;
    return r;
}

VRaceTime VRaceTime::operator-(const VRaceTime &other) const
{
    VRaceTime r(*this);
    r -= other;
    return r;
}

VRaceTime &VRaceTime::operator+=(const VRaceTime &other)
{
    if (!IsValid() || !other.IsValid()) {
        Clear();
        return *this;
    }
    m_time = Clamp48(m_time + other.m_time);
    if (other.m_resolution > m_resolution)
        m_resolution = other.m_resolution;
    return *this;
}

VRaceTime &VRaceTime::operator-=(const VRaceTime &other)
{
    if (!IsValid() || !other.IsValid()) {
        Clear();
        return *this;
    }
    m_time = Clamp48(m_time - other.m_time);
    if (other.m_resolution > m_resolution)
        m_resolution = other.m_resolution;
    return *this;
}

bool VRaceTime::operator==(const VRaceTime &other) const
{
    if (IsValid() != other.IsValid())
        return false;
    return !IsValid() || m_time == other.m_time;
}

bool VRaceTime::operator<(const VRaceTime &other) const
{
    if (!IsValid())
        return false;
    if (!other.IsValid())
        return true;
    return m_time < other.m_time;
}

int VRaceTime::DecimalsFor(int64_t resolution)
{
    int decimals = 0;
    int64_t step = kSecond;
    while (decimals < 5 && step > resolution) {
        step /= 10;
        ++decimals;
    }
    return decimals;
}

void VRaceTime::Format(KString &text, int64_t displayResolution) const
{
    if (!IsValid())
        return;
    int64_t resolution = displayResolution > 0 ? displayResolution : (m_resolution > 0 ? m_resolution : 1);
    int decimals = DecimalsFor(resolution);
    int64_t magnitude = m_time < 0 ? -m_time : m_time;

    // Count in units of the last decimal, truncated.
    int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    int64_t units = magnitude * scale / kSecond;
    int64_t fraction = units % scale;
    int64_t seconds = units / scale;
    int64_t hours = seconds / 3600;
    int64_t minutes = (seconds / 60) % 60;
    seconds %= 60;

    wchar_t buffer[48];
    int n = 0;
    auto putNumber = [&](int64_t value, int width) {
        wchar_t digits[24];
        int count = 0;
        do {
            digits[count++] = wchar_t(L'0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count < width)
            digits[count++] = L'0';
        while (count > 0)
            buffer[n++] = digits[--count];
    };
    if (m_time < 0 && (units != 0))
        buffer[n++] = L'-';
    if (hours > 0) {
        putNumber(hours, 1);
        buffer[n++] = g_separator;
        putNumber(minutes, 2);
        buffer[n++] = g_separator;
        putNumber(seconds, 2);
    } else if (minutes > 0) {
        putNumber(minutes, 1);
        buffer[n++] = g_separator;
        putNumber(seconds, 2);
    } else {
        putNumber(seconds, 1);
    }
    if (decimals > 0) {
        buffer[n++] = g_decimal;
        putNumber(fraction, decimals);
    }
    buffer[n] = 0;
    text.Append(buffer);
}

bool VRaceTime::Parse(const KString &text)
{
    return Parse(text.CStr(), text.Length());
}

bool VRaceTime::Parse(const wchar_t *text, int length)
{
    int i = 0;
    while (i < length && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    while (length > i && (text[length - 1] == L' ' || text[length - 1] == L'\t'))
        --length;
    bool negative = false;
    if (i < length && (text[i] == L'-' || text[i] == L'+'))
        negative = text[i++] == L'-';

    int64_t fields[3] = {0, 0, 0};
    int fieldCount = 0;
    int64_t fraction = 0;
    int decimals = 0;
    bool inFraction = false;
    bool haveDigit = false;
    for (; i < length; ++i) {
        wchar_t c = text[i];
        if (c >= L'0' && c <= L'9') {
            if (inFraction) {
                if (decimals >= 5)
                    return false;
                fraction = fraction * 10 + (c - L'0');
                ++decimals;
            } else {
                if (fields[fieldCount] > 100000000)
                    return false;
                fields[fieldCount] = fields[fieldCount] * 10 + (c - L'0');
            }
            if (!inFraction)
                haveDigit = true;
        } else if (c == g_separator && !inFraction) {
            if (!haveDigit || fieldCount == 2)
                return false;
            ++fieldCount;
            haveDigit = false;
        } else if (c == g_decimal && !inFraction) {
            if (fieldCount > 0 && !haveDigit)
                return false;
            inFraction = true;
        } else {
            return false;
        }
    }
    if (inFraction ? decimals == 0 : !haveDigit)
        return false;

    int64_t seconds = 0;
    for (int f = 0; f <= fieldCount; ++f) {
        if (f > 0 && fields[f] >= 60)
            return false;
        seconds = seconds * 60 + fields[f];
    }
    int64_t scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    int64_t ticks = seconds * kSecond + fraction * kSecond / scale;
    if (ticks > kLimit48)
        return false;
    m_time = negative ? -ticks : ticks;
    m_resolution = kSecond / scale;
    if (m_resolution < 1)
        m_resolution = 1;
    return true;
}

void VRaceTime::SetSeparators(wchar_t separator, wchar_t decimal)
{
    g_separator = separator ? separator : L':';
    g_decimal = decimal ? decimal : L'.';
}

wchar_t VRaceTime::Separator() { return g_separator; }
wchar_t VRaceTime::DecimalPoint() { return g_decimal; }
