#pragma once
// KInt48: a signed 48-bit integer held in three 16-bit words (low word
// first), the width of race times and image frame times. Arithmetic wraps
// modulo 2^48 like the hardware counters it mirrors; division by zero throws
// KX (kErrUnspecified).

#include <cstdint>

class KInt48
{
public:
    KInt48() = default;
    KInt48(int32_t value) { Set(value); }

    // Keeps the low 48 bits of value, sign-extended.
    static KInt48 FromInt64(int64_t value);
    int64_t ToInt64() const;
    // The value cut to 32 bits (exact when it lies in the 32-bit range).
    int32_t ToInt32() const { return int32_t(ToInt64()); }
    uint16_t Word(int index) const { return index >= 0 && index < 3 ? itsWords[index] : 0; }

    KInt48 &operator=(int32_t value)
    {
        Set(value);
        return *this;
    }
    bool operator==(const KInt48 &other) const;
    bool operator!=(const KInt48 &other) const { return !(*this == other); }
    bool operator<(const KInt48 &other) const { return ToInt64() < other.ToInt64(); }
    bool operator>(const KInt48 &other) const { return other < *this; }
    bool operator<=(const KInt48 &other) const { return !(other < *this); }
    bool operator>=(const KInt48 &other) const { return !(*this < other); }

    KInt48 operator-() const { return FromInt64(-ToInt64()); }
    KInt48 operator+(const KInt48 &other) const { return FromInt64(ToInt64() + other.ToInt64()); }
    KInt48 operator-(const KInt48 &other) const { return FromInt64(ToInt64() - other.ToInt64()); }
    KInt48 operator*(const KInt48 &other) const;
    // Truncates towards zero.
    KInt48 operator/(const KInt48 &other) const;
    KInt48 operator%(const KInt48 &other) const;
    KInt48 &operator+=(const KInt48 &other) { return *this = *this + other; }
    KInt48 &operator-=(const KInt48 &other) { return *this = *this - other; }
    KInt48 &operator*=(const KInt48 &other) { return *this = *this * other; }
    KInt48 &operator/=(const KInt48 &other) { return *this = *this / other; }

private:
    void Set(int64_t value);

    uint16_t itsWords[3] = {0, 0, 0};
};
