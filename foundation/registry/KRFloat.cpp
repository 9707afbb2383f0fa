// KRFloat: locale-independent number text.
#include "foundation/registry/KRFloat.h"

#include "foundation/strings/KText.h"

#include <clocale>
#include <cmath>
#include <cwchar>
#include <string>

namespace
{
// The runtime's decimal separator: a locale chosen with setlocale changes it,
// the settings text never does.
wchar_t RuntimePoint()
{
    const char *point = std::localeconv()->decimal_point;
    return point && point[0] ? wchar_t(static_cast<unsigned char>(point[0])) : L'.';
}

// Reads the whole text as a number in the C form; false when it is not one.
bool ReadNumber(const wchar_t *source, double &value)
{
    std::wstring local(source);
    const wchar_t point = RuntimePoint();
    if (point != L'.') {
        if (local.find(point) != std::wstring::npos)
            return false;
        for (wchar_t &c : local)
            if (c == L'.')
                c = point;
    }
    const wchar_t *text = local.c_str();
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
    const wchar_t point = RuntimePoint();
    for (wchar_t *c = buffer; *c; ++c)
        if (*c == point)
            *c = L'.';
    double back = 0.0;
    if (!ReadNumber(buffer, back) || back != itsValue) {
        swprintf(buffer, 64, L"%.17g", itsValue);
        for (wchar_t *c = buffer; *c; ++c)
            if (*c == point)
                *c = L'.';
    }
    out.Append(buffer);
}
