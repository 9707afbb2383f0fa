#include "support/DibSurface.h"

#include "support/ScreenPixels.h"

DibSurface::DibSurface(int width, int height, COLORREF fill)
{
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void *pixels = nullptr;
    context = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint32_t *>(pixels);
    old = SelectObject(context, bitmap);
    RECT all = { 0, 0, width, height };
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(context, &all, brush);
    DeleteObject(brush);
    GdiFlush();
}

DibSurface::~DibSurface()
{
    SelectObject(context, old);
    DeleteObject(bitmap);
    DeleteDC(context);
}
