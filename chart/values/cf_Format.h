#pragma once
// Bounded number formatting for the chart library: every number the chart
// turns into text (labels, tick values, model entries) goes through here.
//
// A format holds literal text and exactly one conversion for the argument
// kind (floating: e E f F g G; integer: d i u o x X), with optional flags,
// width and precision of at most 99 each, and no "*". A format that does not
// fit these rules (including a null format) is replaced by "%g" or "%d", so
// an argument of the wrong kind is never read. The result always fits: the
// caller gets the whole text, however long.

#include <string>

namespace cf_Format {

// Characters (terminator included) that the formatted result of fmt can
// need at most; 0 when fmt is not a usable format for the kind.
std::size_t Bound(const wchar_t *fmt, bool floating);

// The value formatted by fmt (or by "%g" when fmt is unusable).
std::wstring Double(double value, const wchar_t *fmt);

// The value formatted by fmt (or by "%d" when fmt is unusable).
std::wstring Int(int value, const wchar_t *fmt);

} // namespace cf_Format
