#include "chart/harness/MemoryDC.h"

MemoryDC::MemoryDC(int w, int h) : width(w), height(h), surface(w, h)
{
    previousShared = ZafDisplay::Shared();
    display.reset(new ZafScreenDisplay());
}

MemoryDC::~MemoryDC()
{
    display.reset();
    ZafDisplay::SetShared(previousShared);
}

void MemoryDC::Begin()
{
    display->BeginDraw(surface.Context(), nullptr);
}

void MemoryDC::End()
{
    display->EndDraw();
    GdiFlush();
}

uint32_t MemoryDC::Pixel(int x, int y) const
{
    const uint32_t *bits = surface.Bits();
    if (!bits || x < 0 || y < 0 || x >= width || y >= height)
        return 0xFFFFFFFFu;
    return bits[y * width + x] & 0x00FFFFFFu;
}
