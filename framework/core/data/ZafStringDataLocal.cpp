// The string data's conversions to and from the local 8-bit code set and
// through the code set's wide mappings.

#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafStrings.h"

#include <cstring>
#include <vector>

void ZafStringDataLocalToWide(const char *local, wchar_t *wide, int size)
{
    ZafCodeSetData::Shared()->LocalToWide(local ? local : "", wide, false, size);
}

int ZafStringData::SetLocalText(const char *localText)
{
    wchar_t *wide = ZafCodeSetData::Shared()->LocalToWide(localText ? localText : "", nullptr, true);
    SetText(wide);
    delete[] wide;
    return 0;
}

int ZafStringData::SetMappedText(const wchar_t *mappedText)
{
    wchar_t *wide = ZafCodeSetData::Shared()->MapWideIn(mappedText ? mappedText : L"", nullptr, true);
    SetText(wide);
    delete[] wide;
    return 0;
}

char *ZafStringData::DuplicateLocalText() const
{
    int n = maxLength >= 1 ? maxLength : capacity;
    int length = Length();
    if (n < length)
        n = length;
    int size = 2 * n + 2;
    char *local = new char[size_t(size)];
    std::memset(local, 0, size_t(size));
    ZafCodeSetData::Shared()->WideToLocal(text ? text : L"", local, false, size);
    return local;
}

wchar_t *ZafStringData::DuplicateMappedText() const
{
    // The mapping may change the length, so the result is sized by it.
    return ZafCodeSetData::Shared()->MapWideOut(text ? text : L"", nullptr, true);
}
