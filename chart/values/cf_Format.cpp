#include "chart/values/cf_Format.h"

#include "framework/core/text/ZafPrintf.h"

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kMaxField = 99;        // largest width or precision accepted
constexpr std::size_t kDigits = 330; // enough for any double in %f form

bool IsFlag(wchar_t c)
{
    return c == L'-' || c == L'+' || c == L' ' || c == L'#' || c == L'0';
}

bool IsConversion(wchar_t c, bool floating)
{
    if (c == L'\0')
        return false;
    if (floating)
        return std::wcschr(L"eEfFgG", c) != nullptr;
    return std::wcschr(L"diuoxX", c) != nullptr;
}

// Reads up to two decimal digits of a width or precision; false when longer.
bool ReadField(const wchar_t *&p, int &value)
{
    value = 0;
    int digits = 0;
    while (*p >= L'0' && *p <= L'9') {
        value = value * 10 + (*p - L'0');
        if (++digits > 2)
            return false;
        ++p;
    }
    return value <= kMaxField;
}

// Formats through the framework's wide formatter. The buffer is sized by
// Bound, so the result is never cut; the bounded form guards it anyway.
template <typename T>
std::wstring FormatWith(const wchar_t *fmt, T value, std::size_t bound)
{
    std::vector<wchar_t> buffer(bound, L'\0');
    int n = ZafSNPrintf(buffer.data(), int(buffer.size()), fmt, value);
    if (n < 0)
        return std::wstring();
    return std::wstring(buffer.data(), std::size_t(n));
}

} // namespace

namespace cf_Format {

std::size_t Bound(const wchar_t *fmt, bool floating)
{
    if (fmt == nullptr)
        return 0;
    std::size_t literal = 0;
    int conversions = 0;
    int width = 0;
    int precision = 0;
    for (const wchar_t *p = fmt; *p; ++p) {
        if (*p != L'%') {
            ++literal;
            continue;
        }
        ++p;
        if (*p == L'%') {
            ++literal;
            continue;
        }
        if (++conversions > 1)
            return 0;
        while (IsFlag(*p))
            ++p;
        if (!ReadField(p, width))
            return 0;
        if (*p == L'.') {
            ++p;
            if (!ReadField(p, precision))
                return 0;
        }
        if (!floating && (*p == L'l' || *p == L'h'))
            ++p;
        if (!IsConversion(*p, floating))
            return 0;
    }
    if (conversions != 1)
        return 0;
    return literal + std::size_t(width) + std::size_t(precision) + kDigits + 1;
}

namespace {

// Formats value with fmt, or with the plain format where fmt is no valid
// format for a value of its kind (real or integer).
template <class T> std::wstring FormatOrPlain(T value, const wchar_t *fmt, const wchar_t *plain, bool real)
{
    std::size_t bound = Bound(fmt, real);
    if (bound == 0) {
        fmt = plain;
        bound = Bound(fmt, real);
    }
    return FormatWith(fmt, value, bound);
}

} // namespace

std::wstring Double(double value, const wchar_t *fmt)
{
    // A whole number below a million in "%g" is its digits: the model labels
    // every point of a long series so, and skips the general formatter.
    if (fmt && std::wcscmp(fmt, L"%g") == 0 && std::fabs(value) < 1e6 && value == std::trunc(value) &&
        !(value == 0 && std::signbit(value)))
        return std::to_wstring(static_cast<long>(value));
    return FormatOrPlain(value, fmt, L"%g", true);
}

std::wstring Int(int value, const wchar_t *fmt)
{
    return FormatOrPlain(value, fmt, L"%d", false);
}

} // namespace cf_Format
