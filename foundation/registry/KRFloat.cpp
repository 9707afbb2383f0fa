// KRFloat: locale-independent number text.
#include "foundation/registry/KRFloat.h"

#include "foundation/strings/KText.h"

#include <cmath>
#include <cwchar>

namespace
{
// Reads the whole text as a number in the C form; false when it is not one.
bool ReadNumber(const wchar_t *text, double &value)
{
    while (KTextIsSpace(*text))
        ++text;
    if (!*text)
        return false;
    wchar_t *end = nullptr;
    double parsed = wcstod(text, &end);
    if (end == text)
        return false;
    while (KTextIsSpace(*end))
        ++end;
    if (*end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
} // namespace

bool KRFloat::ParseValue(const KString &text)
{
    double value = 0.0;
    if (!ReadNumber(text.CStr(), value))
        return false;
    itsValue = value;
    return true;
}

void KRFloat::WriteValue(KString &out) const
{
    wchar_t buffer[64];
    swprintf(buffer, 64, L"%.15g", itsValue);
    double back = 0.0;
    if (!ReadNumber(buffer, back) || back != itsValue)
        swprintf(buffer, 64, L"%.17g", itsValue);
    out.Append(buffer);
}
