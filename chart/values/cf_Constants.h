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
