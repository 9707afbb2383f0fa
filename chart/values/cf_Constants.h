#pragma once
// Numeric constants shared by the whole chart library.

// A span, divisor or projective weight whose magnitude is at most this value
// counts as zero everywhere in the chart library.
constexpr double CF_NUM_ZERO_IF_LT = 0.001;

// Degrees to radians, as the chart library has always converted its angles.
constexpr double CF_DEG_TO_RAD = 0.017453292;

// True when |value| is at most CF_NUM_ZERO_IF_LT.
inline bool cf_IsZero(double value)
{
    return (value < 0 ? -value : value) <= CF_NUM_ZERO_IF_LT;
}

// Device coordinates are kept within this many pixels of the origin.
constexpr double CF_DEVICE_LIMIT = 100000.0;

// Device coordinate of a floating value: truncation toward zero, except that
// a value within 1e-7 of a whole number is that number (so 351.99999999 from
// 3.13 x 50 + 195.5 is pixel 352, as the arithmetic means). Values beyond
// CF_DEVICE_LIMIT are clamped to it and NaN gives 0, so that no conversion
// to int is ever out of range.
inline int cf_Trunc(double value)
{
    if (!(value == value))
        return 0;
    if (value > CF_DEVICE_LIMIT)
        return static_cast<int>(CF_DEVICE_LIMIT);
    if (value < -CF_DEVICE_LIMIT)
        return -static_cast<int>(CF_DEVICE_LIMIT);
    double whole = static_cast<double>(static_cast<long long>(value + (value < 0 ? -0.5 : 0.5)));
    double diff = value - whole;
    if (diff < 1e-7 && diff > -1e-7)
        return static_cast<int>(whole);
    return static_cast<int>(value);
}
