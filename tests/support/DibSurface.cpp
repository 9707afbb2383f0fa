#include "support/DibSurface.h"

DibSurface::DibSurface(int width, int height, COLORREF fill)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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
