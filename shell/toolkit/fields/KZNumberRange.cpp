#include "shell/toolkit/fields/KZNumberRange.h"

#include <cwchar>

namespace {

constexpr int kRangeLength = 63;

void AppendReal(double value, KString &out)
{
    wchar_t text[40];
    std::swprintf(text, 40, L"%.17g", value);
    out.Append(text);
}

} // namespace

bool KZIntegerRange(int32_t minimum, int32_t maximum, KString &out)
{
    if (minimum == kIntegerNoMinimum && maximum == kIntegerNoMaximum)
        return false;
    out.AppendInt(minimum).Append(L"..").AppendInt(maximum);
    out.Truncate(kRangeLength);
    return true;
}

bool KZRealRange(double minimum, double maximum, KString &out)
{
    if (minimum == kRealNoMinimum && maximum == kRealNoMaximum)
        return false;
    AppendReal(minimum, out);
    out.Append(L"..");
    AppendReal(maximum, out);
    out.Truncate(kRangeLength);
    return true;
}
