// KZWindowObjectLeech::DrawImage: a top-down device-independent bitmap drawn
// in one operation, or pixel by pixel around a transparent colour.
#include "shell/toolkit/window/KZWindowObjectLeech.h"

#include <cstring>

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"

namespace {

constexpr LONG kPixelsPerMetre = 4000;
constexpr DWORD kRedMask15 = 0x7C00;
constexpr DWORD kGreenMask15 = 0x03E0;
constexpr DWORD kBlueMask15 = 0x001F;

// A bitmap header followed by the three masks of 15-bit pictures.
struct ImageInfo
{
    BITMAPINFOHEADER header;
    DWORD masks[3];
};

int RowBytes(int width, int bitsPerPixel)
{
    const int bytesPerPixel = bitsPerPixel == 15 ? 2 : 3;
    return (width * bytesPerPixel + 3) & ~3;
}

int Expand5(int value) { return (value << 3) | (value >> 2); }

// The 15-bit word of a colour value red | green << 8 | blue << 16.
uint16_t Pack555(uint32_t color)
{
    const uint32_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    return uint16_t(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
}

// Each pixel on its own; pixels equal to transparent are skipped. 15-bit
// pixels are compared as 5-5-5 words, so a transparent colour matches
// whatever its low bits.
void DrawPixels(HDC dc, int left, int top, int width, int height, const uint8_t *pixels,
    int bitsPerPixel, uint32_t transparent)
{
    const int stride = RowBytes(width, bitsPerPixel);
    const uint16_t transparent15 = Pack555(transparent);
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = pixels + size_t(y) * stride;
        for (int x = 0; x < width; ++x) {
            COLORREF color;
            if (bitsPerPixel == 15) {
                const uint16_t word = uint16_t((row[2 * x] | (row[2 * x + 1] << 8)) & 0x7FFF);
                if (word == transparent15)
                    continue;
                color = RGB(Expand5((word >> 10) & 31), Expand5((word >> 5) & 31), Expand5(word & 31));
            } else {
                const uint8_t *p = row + 3 * x;
                color = RGB(p[2], p[1], p[0]);
                if (color == transparent)
                    continue;
            }
            ::SetPixel(dc, left + x, top + y, color);
        }
    }
}

} // namespace

void KZWindowObjectLeech::DrawImage(const KRect &rect, const void *pixels, int bitsPerPixel,
    int32_t transparent)
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow() || !display->DeviceContext() || !pixels)
        return;
    if (bitsPerPixel != 15 && bitsPerPixel != 24)
        return;
    const int width = rect.Width(), height = rect.Height();
    if (width <= 0 || height <= 0)
        return;
    KRect os = rect;
    ClientToOS(os);
    HDC dc = display->DeviceContext();
    if (transparent != -1) {
        DrawPixels(dc, os.left, os.top, width, height, static_cast<const uint8_t *>(pixels), bitsPerPixel,
            uint32_t(transparent));
        return;
    }
    ImageInfo info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biXPelsPerMeter = kPixelsPerMetre;
    if (bitsPerPixel == 15) {
        info.header.biBitCount = 16;
        info.header.biCompression = BI_BITFIELDS;
        info.masks[0] = kRedMask15;
        info.masks[1] = kGreenMask15;
        info.masks[2] = kBlueMask15;
    } else {
        info.header.biBitCount = 24;
        info.header.biCompression = BI_RGB;
    }
    StretchDIBits(dc, os.left, os.top, width, height, 0, 0, width, height, pixels,
        reinterpret_cast<const BITMAPINFO *>(&info), DIB_RGB_COLORS, SRCCOPY);
}
