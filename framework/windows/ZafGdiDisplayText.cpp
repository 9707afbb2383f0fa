// ZafGdiDisplay: text drawing and text extents.
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSText.h"

#include <cstring>
#include <cwchar>

namespace {

int TextLength(const ZafIChar *text, int length)
{
    int whole = int(std::wcslen(text));
    return length < 0 || length > whole ? whole : length;
}

} // namespace

int ZafGdiDisplay::DrawTextRaw(HDC dc, const ZafIChar *text, int length, RECT &rect, UINT format)
{
    if (!ZafMSWindowsApp::Ansi())
        return ZafDrawTextW(dc, text, length, &rect, format);
    char *local = ZafNewLocalText(text, length);
    int result = DrawTextA(dc, local, -1, &rect, format);
    delete[] local;
    return result;
}

int ZafGdiDisplay::Text(int left, int top, int right, int bottom, const ZafIChar *text, int length,
    int horizontal, int vertical, int hotKeyIndex, bool fill)
{
    if (!text || !*text || !deviceContext)
        return 0;
    UINT format = DT_SINGLELINE | DT_NOCLIP;
    int whole = int(std::wcslen(text));
    ZafIChar *converted = nullptr;
    if (hotKeyIndex > -1 && hotKeyIndex < whole)
    {
        converted = ZafConvertHotKeyText(text, hotKeyIndex);
        // The converted text is longer by its added ampersands.
        if (length >= 0)
            length += int(std::wcslen(converted)) - whole;
        text = converted;
    }
    else
        format |= DT_NOPREFIX;
    if (horizontal == 2)
        format |= DT_CENTER;
    else if (horizontal == 1)
        format |= DT_RIGHT;
    if (vertical == 1)
        format |= DT_BOTTOM;
    else if (vertical != 0)
        format |= DT_VCENTER;
    length = TextLength(text, length);

    if (fill)
        SetBkMode(deviceContext, OPAQUE);
    int mappedLeft = MapX(left), mappedTop = MapY(top);
    int mappedRight = MapX(right), mappedBottom = MapY(bottom);
    if (mode == 0 && FullScale())
    {
        RECT rect = { mappedLeft, mappedTop, mappedRight + 1, mappedBottom + 1 };
        DrawTextRaw(deviceContext, text, length, rect, format);
    }
    else
    {
        // Through a memory bitmap of the unscaled size, then to the place
        // with the mode's raster operation.
        int width = ConvertXValue(right - left + 1, coordinateType, ZAF_PIXEL);
        int height = ConvertYValue(bottom - top + 1, coordinateType, ZAF_PIXEL);
        HDC memory = CreateCompatibleDC(deviceContext);
        HBITMAP bitmap = CreateCompatibleBitmap(deviceContext, width, height);
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        ::SetTextColor(memory, GetTextColor(deviceContext));
        SetBkColor(memory, GetBkColor(deviceContext));
        SetBkMode(memory, GetBkMode(deviceContext));
        HGDIOBJ oldFont = SelectObject(memory, FontAt(palette.font));
        if (mode != 0)
            PatBlt(memory, 0, 0, width, height, BLACKNESS);
        else if (!fill)
            StretchBlt(memory, 0, 0, width, height, deviceContext, mappedLeft, mappedTop,
                mappedRight - mappedLeft + 1, mappedBottom - mappedTop + 1, SRCCOPY);
        RECT rect = { 0, 0, width, height };
        DrawTextRaw(memory, text, length, rect, format);
        DWORD operation = modeTable[mode].rasterOperation;
        if (!FullScale())
            StretchBlt(deviceContext, mappedLeft, mappedTop, mappedRight - mappedLeft + 1,
                mappedBottom - mappedTop + 1, memory, 0, 0, width, height, operation);
        else
            BitBlt(deviceContext, mappedLeft, mappedTop, width, height, memory, 0, 0, operation);
        SelectObject(memory, oldFont);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    if (fill)
        SetBkMode(deviceContext, TRANSPARENT);
    delete[] converted;
    return 0;
}

int ZafGdiDisplay::Text(int x, int y, const ZafIChar *text, int length, int hotKeyIndex, bool fill)
{
    if (!text || !*text)
        return 0;
    ZafRegionStruct extent = TextExtent(text, length);
    return Text(x, y, x + extent.right - 1, y + extent.bottom - 1, text, length, 0, 0, hotKeyIndex, fill);
}

ZafRegionStruct ZafGdiDisplay::TextExtent(const ZafIChar *text, int length)
{
    ZafRegionStruct extent;
    extent.Assign(1, 1, 0, 0, ZAF_PIXEL);
    if (!text || !*text)
        return extent;
    length = TextLength(text, length);
    HDC dc = deviceContext;
    HDC screen = nullptr;
    HGDIOBJ oldFont = nullptr;
    if (!dc)
    {
        // Measure on the screen with the current font when not drawing.
        dc = screen = GetDC(nullptr);
        if (FontAt(palette.font))
            oldFont = SelectObject(dc, FontAt(palette.font));
    }
    SIZE size = {};
    if (ZafMSWindowsApp::Ansi())
    {
        char *local = ZafNewLocalText(text, length);
        GetTextExtentPoint32A(dc, local, int(std::strlen(local)), &size);
        delete[] local;
    }
    else
        GetTextExtentPoint32W(dc, text, length, &size);
    if (screen)
    {
        if (oldFont)
            SelectObject(screen, oldFont);
        ReleaseDC(nullptr, screen);
    }
    extent.Assign(1, 1, ConvertXValue(size.cx, ZAF_PIXEL, coordinateType),
        ConvertYValue(size.cy, ZAF_PIXEL, coordinateType), coordinateType);
    return extent;
}
