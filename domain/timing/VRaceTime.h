#pragma once
// VRaceTime: a time of the timing model.
//
// A race time is a signed 48-bit count of ticks of 1/80000 s, the resolution
// of the measurement in ticks (-1 = the value holds no time) and a 32-bit tag
// for the caller. Values are plain copies; they own nothing and may be used on
// any thread. Text forms use the separators loaded by LoadSeparators from the
// "\Strings\Time\" texts, with ":" and "." built in.

#include <cstdint>

class KStream;
class KString;

class VRaceTime
{
public:
    // Unit constants in ticks.
    static constexpr int64_t kTick = 1;
    static constexpr int64_t kUnit5 = 5;
    static constexpr int64_t kUnit8 = 8;                 // 0.1 ms
    static constexpr int64_t kMillisecond = 80;
    static constexpr int64_t kHundredth = 800;           // 0.01 s
    static constexpr int64_t kTwentieth = 4000;          // 0.05 s
    static constexpr int64_t kTenth = 8000;              // 0.1 s
    static constexpr int64_t kSecond = 80000;
    static constexpr int64_t kMinute = 60 * kSecond;
    static constexpr int64_t kHour = 60 * kMinute;
    static constexpr int64_t kNoResolution = -1;         // resolution of "no time"
    static constexpr int32_t kNoMilliseconds = INT32_MIN; // 0x80000000 in 32-bit time fields

    // No time.
    VRaceTime();
    // time = count x unit ticks, with the given resolution in ticks and tag.
    VRaceTime(int64_t count, int64_t unit, int64_t resolution, int32_t tag = 0);
    // A race time from a 32-bit millisecond field: 0x80000000 gives no time.
    static VRaceTime FromMilliseconds(int32_t milliseconds, int64_t resolution = kMillisecond);

    int64_t Ticks() const { return m_time; }
    int64_t Resolution() const { return m_resolution; }
    int32_t Tag() const { return m_tag; }
    void SetTag(int32_t tag) { m_tag = tag; }

    // Holds a time, not "no time": the one test of it. Milliseconds() of a
    // time never gives kNoMilliseconds.
    bool IsValid() const { return m_resolution >= 0; }
    void Clear();
    // Whole milliseconds (truncated towards zero); 0x80000000 for no time.
    int32_t Milliseconds() const;

    // Sets the resolution: forced takes unit as it is; otherwise the
    // resolution only becomes coarser. No effect on a value without time.
    void SetResolution(int64_t unit, bool forced);
    // Cuts the time down (towards minus infinity) to a multiple of unit.
    void RoundDown(int64_t unit);

    // Arithmetic: no time when either side holds none; the coarser resolution.
    VRaceTime operator+(const VRaceTime &other) const;
    VRaceTime operator-(const VRaceTime &other) const;
    VRaceTime &operator+=(const VRaceTime &other);
    VRaceTime &operator-=(const VRaceTime &other);

    // Tick-for-tick equality; two values without time are equal.
    bool operator==(const VRaceTime &other) const;
    bool operator!=(const VRaceTime &other) const { return !(*this == other); }
    // Order: earlier times first; values without time after every time.
    bool operator<(const VRaceTime &other) const;
    bool operator>(const VRaceTime &other) const { return other < *this; }
    bool operator<=(const VRaceTime &other) const { return !(other < *this); }
    bool operator>=(const VRaceTime &other) const { return !(*this < other); }

    // Appends the time as [-][h:mm:]ss.fff, minutes and hours only when
    // needed, with as many decimals as displayResolution (ticks) asks for
    // (80 = 3 decimals, 800 = 2). A displayResolution of 0 or less uses the
    // value's own resolution. Appends nothing for no time.
    void Format(KString &text, int64_t displayResolution) const;
    // Reads [-][[h:]m:]s[.f] with the current separators. True and the value
    // set (resolution = the last digit given) when the whole text is a time;
    // false and the value unchanged otherwise (also for an empty text).
    bool Parse(const KString &text);
    bool Parse(const wchar_t *text, int length);

    // Module start-up: takes the separators from "\Strings\Time\Separator"
    // and "\Strings\Time\Decimal" (first character of each) when the program
    // settings hold them, else ":" and ".".
    static void LoadSeparators();
    static void SetSeparators(wchar_t separator, wchar_t decimal);
    static wchar_t Separator();
    static wchar_t DecimalPoint();

    // The stored form: time (low 32 bits, then the high 16 sign-extended),
    // resolution and tag, each a 32-bit word. Read throws KXPersistent
    // kErrFileContents for a resolution below -1.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    static int64_t Clamp48(int64_t value);
    static int DecimalsFor(int64_t resolution);

    int64_t m_time;
    int64_t m_resolution;
    int32_t m_tag;
};
