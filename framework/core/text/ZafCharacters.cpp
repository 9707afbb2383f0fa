#include "framework/core/text/ZafCharacters.h"

#include "framework/core/text/ZafCaseTables.h"

namespace {

using ZafCaseTables::CaseRun;

// The run that holds the code point, or null.
const CaseRun *FindRun(const CaseRun *runs, int count, unsigned code)
{
    int low = 0, high = count - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        if (code < runs[middle].first)
            high = middle - 1;
        else if (code > runs[middle].last)
            low = middle + 1;
        else
            return (code - runs[middle].first) % runs[middle].stride == 0 ? &runs[middle] : nullptr;
    }
    return nullptr;
}

ZafIChar Map(const CaseRun *runs, int count, ZafIChar c)
{
    const CaseRun *run = FindRun(runs, count, unsigned(c) & 0xFFFFu);
    return run ? ZafIChar(int32_t(c) + run->delta) : c;
}

} // namespace

ZafIChar ZafToUpper(ZafIChar c)
{
    // Plain ASCII, most of what is compared (setting names, file types),
    // without the table search.
    if (unsigned(c) < 0x80)
        return c >= L'a' && c <= L'z' ? ZafIChar(c - (L'a' - L'A')) : c;
    return Map(ZafCaseTables::toUpper, ZafCaseTables::toUpperCount, c);
}

ZafIChar ZafToLower(ZafIChar c)
{
    if (unsigned(c) < 0x80)
        return c >= L'A' && c <= L'Z' ? ZafIChar(c + (L'a' - L'A')) : c;
    return Map(ZafCaseTables::toLower, ZafCaseTables::toLowerCount, c);
}

bool ZafIsSpace(ZafIChar c)
{
    return (c >= 0x0009 && c <= 0x000D) || c == 0x0020 || c == 0x00A0 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x3000 ||
           c == 0xFEFF;
}

bool ZafIsUpper(ZafIChar c)
{
    return FindRun(ZafCaseTables::upperLetters, ZafCaseTables::upperLettersCount, unsigned(c)) != nullptr;
}

bool ZafIsLower(ZafIChar c)
{
    return FindRun(ZafCaseTables::lowerLetters, ZafCaseTables::lowerLettersCount, unsigned(c)) != nullptr;
}

int ZafDigitValue(ZafIChar c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'z')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'Z')
        return c - L'A' + 10;
    return 99;
}
