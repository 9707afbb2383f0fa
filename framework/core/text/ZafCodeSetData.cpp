#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/base/ZafReplaceOwned.h"

#include <cstring>
#include <cwchar>

namespace {

ZafCodeSetData *sharedCodeSet = nullptr;

// A conversion of text (length characters) into: the caller's buffer
// (bufferSize < 0: as large as needed), else a new array of needed
// characters when allocate, else the object's own buffer. The answer is
// terminated unless it has no room at all.
template <class From, class To, int OwnSize>
To *ConvertInto(const From *text, int length, int needed, To *buffer, bool allocate, int bufferSize,
                To (&own)[OwnSize], unsigned codePage, int (*convert)(unsigned, const From *, int, To *, int))
{
    To *out = buffer;
    int size = bufferSize;
    if (!buffer && allocate) {
        out = new To[needed];
        size = needed;
    } else if (!buffer) {
        out = own;
        size = OwnSize;
    } else if (size < 0) {
        size = needed;
    }
    if (size > 0)
        out[convert(codePage, text, length, out, size - 1)] = To(0);
    return out;
}

// A copy as ConvertInto wants it: at most outSize units (text may lie in
// out), never ending on the first half of a surrogate pair.
int CopyWideText(unsigned, const ZafIChar *text, int length, ZafIChar *out, int outSize)
{
    int count = length < outSize ? length : outSize;
    if (count < length && count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF)
        --count;
    std::wmemmove(out, text, size_t(count));
    return count;
}

} // namespace

ZafCodeSetData::ZafCodeSetData(unsigned codePage)
    : ZafData(false), codePage(codePage ? codePage : SystemCodePage())
{
    localBuffer[0] = '\0';
    wideBuffer[0] = L'\0';
}

ZafCodeSetData::~ZafCodeSetData()
{
    if (sharedCodeSet == this)
        sharedCodeSet = nullptr;
}

ZafCodeSetData *ZafCodeSetData::Shared()
{
    if (!sharedCodeSet)
        sharedCodeSet = new ZafCodeSetData;
    return sharedCodeSet;
}

void ZafCodeSetData::SetShared(ZafCodeSetData *codeSet)
{
    ZafReplaceOwned(sharedCodeSet, codeSet);
}

char *ZafCodeSetData::WideToLocal(const ZafIChar *text, char *buffer, bool allocate, int bufferSize)
{
    if (!text)
        return nullptr;
    const int length = int(std::wcslen(text));
    // A local character takes at most two bytes (double-byte code pages).
    return ConvertInto(text, length, 2 * length + 1, buffer, allocate, bufferSize, localBuffer, codePage,
                       &WideToLocalText);
}

ZafIChar *ZafCodeSetData::LocalToWide(const char *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    if (!text)
        return nullptr;
    const int length = int(std::strlen(text));
    return ConvertInto(text, length, length + 1, buffer, allocate, bufferSize, wideBuffer, codePage,
                       &LocalToWideText);
}

int ZafCodeSetData::LocalCharToWide(char local, ZafIChar &wide) const
{
    wide = 0;
    if (local == '\0')
        return 0;
    ZafIChar converted[2] = { 0, 0 };
    if (LocalToWideText(codePage, &local, 1, converted, 1) != 1)
        return 0;
    wide = converted[0];
    return 1;
}

ZafIChar *ZafCodeSetData::CopyWide(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    if (!text)
        return nullptr;
    const int length = int(std::wcslen(text));
    return ConvertInto(text, length, length + 1, buffer, allocate, bufferSize, wideBuffer, codePage, &CopyWideText);
}

ZafIChar *ZafCodeSetData::MapWideOut(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    return CopyWide(text, buffer, allocate, bufferSize);
}

ZafIChar *ZafCodeSetData::MapWideIn(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    return CopyWide(text, buffer, allocate, bufferSize);
}
