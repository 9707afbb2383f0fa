#include "chart/harness/MemoryDC.h"

MemoryDC::MemoryDC(int w, int h) : width(w), height(h)
{
    previousShared = ZafDisplay::Shared();
    display.reset(new ZafScreenDisplay());
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixels = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint32_t *>(pixels);
    previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    GdiFlush();
}

MemoryDC::~MemoryDC()
{
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    display.reset();
    ZafDisplay::SetShared(previousShared);
}

void MemoryDC::Begin()
{
    display->BeginDraw(dc, nullptr);
}

void MemoryDC::End()
{
    display->EndDraw();
    GdiFlush();
}

uint32_t MemoryDC::Pixel(int x, int y) const
{
    if (!bits || x < 0 || y < 0 || x >= width || y >= height)
        return 0xFFFFFFFFu;
    return bits[y * width + x] & 0x00FFFFFFu;
}
