#include "framework/core/text/ZafCodeSetData.h"

#include <cstring>
#include <cwchar>

namespace {

ZafCodeSetData *sharedCodeSet = nullptr;

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
    if (codeSet == sharedCodeSet)
        return;
    ZafCodeSetData *old = sharedCodeSet;
    sharedCodeSet = codeSet;
    delete old;
}

char *ZafCodeSetData::WideToLocal(const ZafIChar *text, char *buffer, bool allocate, int bufferSize)
{
    if (!text)
        return nullptr;
    const int length = int(std::wcslen(text));
    // A local character takes at most two bytes (double-byte code pages).
    const int needed = 2 * length + 1;
    char *out = buffer;
    int size = bufferSize;
    if (!out && allocate) {
        out = new char[needed];
        size = needed;
    } else if (!out) {
        out = localBuffer;
        size = LOCAL_BUFFER_SIZE;
    } else if (size < 0) {
        size = needed;
    }
    if (size <= 0)
        return out;
    int written = WideToLocalText(codePage, text, length, out, size - 1);
    out[written] = '\0';
    return out;
}

ZafIChar *ZafCodeSetData::LocalToWide(const char *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    if (!text)
        return nullptr;
    const int length = int(std::strlen(text));
    const int needed = length + 1;
    ZafIChar *out = buffer;
    int size = bufferSize;
    if (!out && allocate) {
        out = new ZafIChar[needed];
        size = needed;
    } else if (!out) {
        out = wideBuffer;
        size = WIDE_BUFFER_SIZE;
    } else if (size < 0) {
        size = needed;
    }
    if (size <= 0)
        return out;
    int written = LocalToWideText(codePage, text, length, out, size - 1);
    out[written] = L'\0';
    return out;
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
    ZafIChar *out = buffer;
    int size = bufferSize;
    if (!out && allocate) {
        out = new ZafIChar[length + 1];
        size = length + 1;
    } else if (!out) {
        out = wideBuffer;
        size = WIDE_BUFFER_SIZE;
    } else if (size < 0) {
        size = length + 1;
    }
    if (size <= 0)
        return out;
    int count = length < size - 1 ? length : size - 1;
    // Do not leave the first half of a surrogate pair at the end.
    if (count < length && count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF)
        --count;
    std::wmemmove(out, text, size_t(count));
    out[count] = L'\0';
    return out;
}

ZafIChar *ZafCodeSetData::MapWideOut(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    return CopyWide(text, buffer, allocate, bufferSize);
}

ZafIChar *ZafCodeSetData::MapWideIn(const ZafIChar *text, ZafIChar *buffer, bool allocate, int bufferSize)
{
    return CopyWide(text, buffer, allocate, bufferSize);
}
