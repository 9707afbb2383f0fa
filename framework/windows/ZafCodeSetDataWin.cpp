// The Windows half of ZafCodeSetData: the ANSI code page and the raw
// conversions through WideCharToMultiByte and MultiByteToWideChar.

#include "framework/core/text/ZafCodeSetData.h"

#include <windows.h>

namespace {

constexpr unsigned UTF8_CODE_PAGE = 65001;

// The number of wide units of the character starting at text[0].
int WideCharLength(const ZafIChar *text, int remaining)
{
    if (remaining > 1 && text[0] >= 0xD800 && text[0] <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
        return 2;
    return 1;
}

// The number of bytes of the local character starting at text[0].
int LocalCharLength(unsigned codePage, const char *text, int remaining)
{
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    int length = 1;
    if (codePage == UTF8_CODE_PAGE)
        length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    else if (IsDBCSLeadByteEx(codePage, lead))
        length = 2;
    return length < remaining ? length : remaining;
}

} // namespace

unsigned ZafCodeSetData::SystemCodePage()
{
    return GetACP();
}

int ZafCodeSetData::WideToLocalText(unsigned codePage, const ZafIChar *text, int length, char *out,
                                    int outSize)
{
    if (length <= 0 || outSize <= 0)
        return 0;
    // No best-fit look-alikes: a character the code page lacks becomes its
    // default character, never a different letter.
    int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, length, out, outSize,
                                      nullptr, nullptr);
    if (written > 0)
        return written;
    // Too long for the buffer: convert character by character while it fits.
    written = 0;
    for (int i = 0; i < length;) {
        const int units = WideCharLength(text + i, length - i);
        char piece[8];
        const int bytes = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text + i, units, piece,
                                              sizeof piece, nullptr, nullptr);
        if (bytes <= 0 || written + bytes > outSize)
            break;
        CopyMemory(out + written, piece, size_t(bytes));
        written += bytes;
        i += units;
    }
    return written;
}

int ZafCodeSetData::LocalToWideText(unsigned codePage, const char *text, int length, ZafIChar *out,
                                    int outSize)
{
    if (length <= 0 || outSize <= 0)
        return 0;
    int written = MultiByteToWideChar(codePage, 0, text, length, out, outSize);
    if (written > 0)
        return written;
    written = 0;
    for (int i = 0; i < length;) {
        const int bytes = LocalCharLength(codePage, text + i, length - i);
        ZafIChar piece[4];
        const int units = MultiByteToWideChar(codePage, 0, text + i, bytes, piece, 4);
        if (units <= 0 || written + units > outSize)
            break;
        CopyMemory(out + written, piece, size_t(units) * sizeof(ZafIChar));
        written += units;
        i += bytes;
    }
    return written;
}
