// Pixel depth conversions.
#include "foundation/bitmap/KPixel.h"

#include "foundation/bitmap/KBitmap.h"

int32_t KPixel::BytesForFormat(uint32_t formatFlags)
{
    if (formatFlags & KBitmap::kFormat32Bit)
        return 4;
    if (formatFlags & KBitmap::kFormat24Bit)
        return 3;
    if (formatFlags & KBitmap::kFormat15Bit)
        return 2;
    return 0;
}

uint32_t KPixel::FormatForBytes(int32_t bytes)
{
    switch (bytes) {
    case 2: return KBitmap::kFormat15Bit;
    case 3: return KBitmap::kFormat24Bit;
    case 4: return KBitmap::kFormat32Bit;
    default: return 0;
    }
}

void KPixel::Store(uint8_t *pixel, int32_t bytes, uint32_t argb)
{
    const uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    if (bytes == 2) {
        uint32_t word = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        pixel[0] = uint8_t(word);
        pixel[1] = uint8_t(word >> 8);
        return;
    }
    pixel[0] = uint8_t(b);
    pixel[1] = uint8_t(g);
    pixel[2] = uint8_t(r);
    if (bytes == 4)
        pixel[3] = uint8_t(argb >> 24);
}

uint32_t KPixel::Load(const uint8_t *pixel, int32_t bytes)
{
    if (bytes == 2) {
        uint32_t word = uint32_t(pixel[0]) | (uint32_t(pixel[1]) << 8);
        // Five bits widen to eight by repeating their top bits, so 31 becomes 255.
        auto widen = [](uint32_t v) { return (v << 3) | (v >> 2); };
        return 0xFF000000u | (widen((word >> 10) & 31) << 16) | (widen((word >> 5) & 31) << 8) |
               widen(word & 31);
    }
    uint32_t alpha = bytes == 4 ? uint32_t(pixel[3]) << 24 : 0xFF000000u;
    return alpha | (uint32_t(pixel[2]) << 16) | (uint32_t(pixel[1]) << 8) | pixel[0];
}
