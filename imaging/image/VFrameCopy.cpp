#include "imaging/image/VFrameCopy.h"

#include "domain/timing/VGray15.h"
#include "imaging/image/VImage.h"

#include <algorithm>

VFrameCopy::VFrameCopy(const VImage &image, int32_t outputBits, bool table)
    : itsImage(image), itsBits(outputBits), itsTable(table), itsGrey(image.IsGrey())
{
}

void VFrameCopy::Convert(const uint8_t *source, int32_t index, uint8_t *out) const
{
    int32_t r, g, b;  // 5-bit channels, or the grey byte in all three (8-bit)
    int32_t grey;     // 0..255
    if (itsGrey) {
        grey = source[index];
        if (itsTable)
            grey = itsImage.DisplayEntry(grey);
        const uint16_t colour = VGray15Table()[grey];
        r = colour >> 10 & 31;
        g = colour >> 5 & 31;
        b = colour & 31;
    } else {
        const uint16_t p = reinterpret_cast<const uint16_t *>(source)[index];
        r = p >> 10 & 31;
        g = p >> 5 & 31;
        b = p & 31;
        if (itsTable) {
            const int32_t gain = itsImage.DisplayEntry(r + g + b);
            r = std::min(31, r * gain / 32);
            g = std::min(31, g * gain / 32);
            b = std::min(31, b * gain / 32);
        }
        grey = (r + g + b) * 255 / 93;
    }
    switch (itsBits) {
    case 8:
        out[0] = uint8_t(grey);
        break;
    case 15: {
        const uint16_t word = uint16_t(r << 10 | g << 5 | b);
        out[0] = uint8_t(word & 0xFF);
        out[1] = uint8_t(word >> 8);
        break;
    }
    case 16: {
        const uint16_t word = uint16_t(r << 11 | (g << 1 | g >> 4) << 5 | b);
        out[0] = uint8_t(word & 0xFF);
        out[1] = uint8_t(word >> 8);
        break;
    }
    default:
        // 24 and 32 bits: blue, green, red (and a zero byte).
        out[0] = uint8_t(b * 255 / 31);
        out[1] = uint8_t(g * 255 / 31);
        out[2] = uint8_t(r * 255 / 31);
        if (itsBits == 32)
            out[3] = 0;
        break;
    }
}
