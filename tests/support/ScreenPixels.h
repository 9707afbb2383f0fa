#pragma once
// The 32-bit top-down DIB the tests read pixels through, and CopyPixels:
// what a device context shows in an area, copied through such a DIB
// section. Header only, so that any test program can use it without another
// source in its list.
#include "framework/windows/ZafDibHeader.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// The header of a 32-bit top-down DIB of width x height, uncompressed.
inline BITMAPINFO TopDownDibInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader = ZafDibHeader(width, -height, 32);
    return info;
}

// The pixels of width x height at (left, top) of source, top row first,
// each 0x00RRGGBB; empty for an empty area.
inline std::vector<uint32_t> CopyPixels(HDC source, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void *bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
    GdiFlush();
    const auto *first = static_cast<const uint32_t *>(bits);
    std::vector<uint32_t> pixels(first, first + std::size_t(width) * std::size_t(height));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}
