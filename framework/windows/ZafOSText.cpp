#include "framework/windows/ZafOSText.h"
#include "framework/core/text/ZafCodeSetData.h"

#include <cwchar>

char *ZafNewLocalText(const ZafIChar *text, int length)
{
    if (!text)
        return nullptr;
    int whole = int(std::wcslen(text));
    if (length < 0 || length >= whole)
        return ZafCodeSetData::Shared()->WideToLocal(text, nullptr, true);
    ZafIChar *part = new ZafIChar[size_t(length) + 1];
    std::wmemcpy(part, text, size_t(length));
    part[length] = 0;
    char *local = ZafCodeSetData::Shared()->WideToLocal(part, nullptr, true);
    delete[] part;
    return local;
}

ZafIChar *ZafNewWideText(const char *text)
{
    return text ? ZafCodeSetData::Shared()->LocalToWide(text, nullptr, true) : nullptr;
}
