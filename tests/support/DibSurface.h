#pragma once
// DibSurface: a 32-bit top-down DIB section filled with one colour and
// selected into a memory device context, for tests and benchmarks that draw
// off screen and read the pixels back.

#include <windows.h>

#include <cstdint>

class DibSurface
{
public:
    DibSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~DibSurface();
    DibSurface(const DibSurface &) = delete;
    DibSurface &operator=(const DibSurface &) = delete;

    HDC Context() const { return context; }
    COLORREF PixelAt(int x, int y) const { return GetPixel(context, x, y); }
    // The pixel rows, top row first, each pixel 0x00RRGGBB.
    const uint32_t *Bits() const { return bits; }

private:
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ old;
    uint32_t *bits = nullptr;
};
