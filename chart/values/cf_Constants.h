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
    // One conversion: truncate, then snap a value just short of the next
    // whole number (away from zero) onto it.
    int whole = static_cast<int>(value);
    double rest = value - whole;
    if (rest > 1 - 1e-7)
        return whole + 1;
    if (rest < -(1 - 1e-7))
        return whole - 1;
    return whole;
}
