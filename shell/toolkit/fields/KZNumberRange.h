#pragma once
// The range text of the toolkit's number fields: the minimum, two dots and the
// maximum ("0..100"), given to the framework unless both bounds are the
// field's no-bound values.

#include <cstdint>

#include "foundation/strings/KString.h"

// No-bound values.
constexpr int32_t kIntegerNoMinimum = INT32_MIN;
constexpr int32_t kIntegerNoMaximum = INT32_MAX;
constexpr double kRealNoMinimum = 2.2250738585072014e-308;   // the smallest positive normal double
constexpr double kRealNoMaximum = 1.7976931348623157e+308;   // the largest double

// False (out untouched) when both bounds are the no-bound values.
bool KZIntegerRange(int32_t minimum, int32_t maximum, KString &out);
bool KZRealRange(double minimum, double maximum, KString &out);

// Gives field the range text of rangeText (KZIntegerRange or KZRealRange),
// when there is one.
template <class Field, class Number>
void KZApplyRange(Field &field, Number minimum, Number maximum, bool (*rangeText)(Number, Number, KString &))
{
    KString range;
    if (rangeText(minimum, maximum, range))
        field.SetRange(range.CStr());
}
