#pragma once
// KPixel: conversions between KBitmap's pixel depths and 0xAARRGGBB values.
// Internal to the bitmap classes; pure functions.

#include <cstdint>

namespace KPixel
{
// Bytes per pixel of a KBitmap format (the deepest depth flag set): 2, 3 or
// 4; 0 when no depth flag is set.
int32_t BytesForFormat(uint32_t formatFlags);
// The depth flag for 2, 3 or 4 bytes per pixel; 0 for anything else.
uint32_t FormatForBytes(int32_t bytes);
// Writes argb as one pixel of that many bytes.
void Store(uint8_t *pixel, int32_t bytes, uint32_t argb);
// Reads one pixel of that many bytes as argb (alpha 0xFF without alpha).
uint32_t Load(const uint8_t *pixel, int32_t bytes);
} // namespace KPixel
