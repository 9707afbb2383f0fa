#include "framework/windows/ZafGdiDisplay.h"

#include <algorithm>

// ---- The shared cache -------------------------------------------------------

ZafCache &ZafGdiDisplay::Cache()
{
    static ZafCache cache(32, &ZafGdiDisplay::CreateCachedObject, &ZafGdiDisplay::DeleteCachedObject);
    return cache;
}

void *ZafGdiDisplay::CreateCachedObject(ZafUInt32 key1, ZafUInt32 key2)
{
    switch (key1 & 0xFF)
    {
    case ZAF_CACHE_PEN:
    {
        int style = int((key1 >> 8) & 0xFF);
        int width = ZafInt16(key1 >> 16);
        if (width == -1)
            return CreatePen(style, 0, key2);
        if (width == 0)
            return CreatePen(PS_NULL, 0, key2);
        return CreatePen(style, width, key2);
    }
    case ZAF_CACHE_BRUSH:
        if (ZafInt16(key1 >> 16) != 0)
            return CreatePatternBrush(reinterpret_cast<HBITMAP>(key2));
        return CreateSolidBrush(key2);
    default:
        return nullptr;
    }
}

void ZafGdiDisplay::DeleteCachedObject(ZafUInt32, ZafUInt32, void *handle)
{
    if (handle)
        DeleteObject(static_cast<HGDIOBJ>(handle));
}

HPEN ZafGdiDisplay::GetCachedPen(const ZafPaletteStruct &pal, int width)
{
    ZafUInt32 key1 = (LineStyleEntry(pal.lineStyle) & 0xFF) << 8 | ZAF_CACHE_PEN
        | ZafUInt32(ZafUInt16(ZafInt16(width))) << 16;
    ZafUInt32 key2 = ColorReference(CheckedColor(pal.colorForeground, 0), pal.osColorForeground);
    return static_cast<HPEN>(Cache().Get(key1, key2));
}

HBRUSH ZafGdiDisplay::GetCachedBrush(const ZafPaletteStruct &pal)
{
    int pattern = PatternBitmap(pal.fillPattern) && pal.fillPattern < PATTERNS ? pal.fillPattern : 0;
    ZafUInt32 key1 = ZafUInt32(ZafInt32(ZafInt8(pattern))) << 16 | ZAF_CACHE_BRUSH;
    ZafUInt32 key2 = pattern == 0
        ? ColorReference(CheckedColor(pal.colorBackground, 15), pal.osColorBackground)
        : ZafUInt32(reinterpret_cast<uintptr_t>(patternTable[pattern]));
    return static_cast<HBRUSH>(Cache().Get(key1, key2));
}

void ZafGdiDisplay::ReleaseCachedObject(HGDIOBJ object)
{
    if (object)
        Cache().Release(object);
}

namespace {

// Brushes handed to Windows in WM_CTLCOLOR* answers, each holding one use
// of its cache entry so that the cache never deletes it under a control.
std::vector<HBRUSH> &ControlBrushes()
{
    static std::vector<HBRUSH> brushes;
    return brushes;
}

} // namespace

HBRUSH ZafGdiDisplay::ControlColors(HDC context, const ZafPaletteStruct &text, const ZafPaletteStruct &background)
{
    if (osPalette)
        SelectPalette(context, static_cast<HPALETTE>(osPalette), FALSE);
    ::SetTextColor(context, ColorReference(text.colorForeground, text.osColorForeground));
    ::SetBkColor(context, ColorReference(background.colorBackground, background.osColorBackground));
    HBRUSH brush = GetCachedBrush(background);
    if (!brush)
        return nullptr;
    std::vector<HBRUSH> &kept = ControlBrushes();
    if (std::find(kept.begin(), kept.end(), brush) != kept.end())
        ReleaseCachedObject(brush);
    else
        kept.push_back(brush);
    return brush;
}

void ZafGdiDisplay::ReleaseControlBrushes()
{
    std::vector<HBRUSH> kept;
    kept.swap(ControlBrushes());
    for (HBRUSH brush : kept)
        ReleaseCachedObject(brush);
}

int ZafGdiDisplay::KeptControlBrushes()
{
    return int(ControlBrushes().size());
}

// ---- Construction -----------------------------------------------------------

ZafGdiDisplay::ZafGdiDisplay()
{
    lineStyleTable[0] = PS_SOLID;
    lineStyleTable[1] = PS_DOT;
    modeTable[0] = { R2_COPYPEN, SRCCOPY };
    modeTable[1] = { R2_XORPEN, SRCINVERT };
}

ZafGdiDisplay::~ZafGdiDisplay()
{
    while (drawCount > 0)
        EndDraw();
    ReleaseControlBrushes();
}

// ---- Tables and checks ------------------------------------------------------

HBITMAP ZafGdiDisplay::PatternBitmap(int pattern) const
{
    return pattern >= 0 && pattern < PATTERNS ? patternTable[pattern] : nullptr;
}

ZafUInt32 ZafGdiDisplay::LineStyleEntry(int style) const
{
    if (style == -2 || style < 0 || style >= LINE_STYLES)
        style = 0;
    return lineStyleTable[style];
}

ZafInt8 ZafGdiDisplay::CheckedColor(ZafInt8 color, ZafInt8 fallback) const
{
    if (color == -3)
        return color;
    if (!ValidColorIndex(color) || ColorValue(color) == UNUSED_COLOR)
        return fallback;
    return color;
}

ZafInt8 ZafGdiDisplay::CheckedFont(ZafInt8 font) const
{
    if (font == -2 || !ValidFontIndex(font) || !FontHandle(font))
        return 1;
    return font;
}

ZafUInt32 ZafGdiDisplay::ColorReference(ZafInt8 color, ZafUInt32 explicitColor) const
{
    if (color == -3)
        return explicitColor == UNUSED_COLOR ? ColorValue(0) : explicitColor;
    ZafUInt32 value = ColorValue(color);
    return value == UNUSED_COLOR ? ColorValue(0) : value;
}

// ---- Coordinate mapping -----------------------------------------------------

int ZafGdiDisplay::MapX(int value) const
{
    return ConvertXValue(value, coordinateType, ZAF_PIXEL) * scaleNumerator / scaleDenominator + originX;
}

int ZafGdiDisplay::MapY(int value) const
{
    return ConvertYValue(value, coordinateType, ZAF_PIXEL) * scaleNumerator / scaleDenominator + originY;
}

int ZafGdiDisplay::ScaleX(int size) const
{
    return size * scaleNumerator / scaleDenominator;
}

int ZafGdiDisplay::ScaleY(int size) const
{
    return size * scaleNumerator / scaleDenominator;
}

int ZafGdiDisplay::MapWidth(int width) const
{
    if (width < 1)
        return width;
    int converted = ConvertXValue(width, coordinateType, ZAF_PIXEL) * scaleNumerator / scaleDenominator;
    if (converted < 1)
        converted = 1;
    return converted == 1 ? -1 : converted;
}

void ZafGdiDisplay::MapCorners(int &x1, int &y1, int &x2, int &y2) const
{
    x1 = MapX(x1), x2 = MapX(x2);
    y1 = MapY(y1), y2 = MapY(y2);
}

// ---- Drawing sequences ------------------------------------------------------

HDC ZafGdiDisplay::PrepareDeviceContext(HDC newContext)
{
    HDC previous = deviceContext;
    deviceContext = newContext;
    if (deviceContext)
    {
        SaveDC(deviceContext);
        if (osPalette)
            SelectPalette(deviceContext, static_cast<HPALETTE>(osPalette), FALSE);
    }
    return previous;
}

// A window's drawing leaves its child windows alone: they paint themselves
// when they are exposed, so drawing over them (the frame and client windows
// have no WS_CLIPCHILDREN, a tool bar holds its buttons) would leave them
// covered until something else invalidates them.
HDC ZafGdiDisplay::WindowContext(HWND osWindow)
{
    DWORD flags = DCX_CACHE | DCX_CLIPCHILDREN;
    if (GetWindowLongW(osWindow, GWL_STYLE) & WS_CLIPSIBLINGS)
        flags |= DCX_CLIPSIBLINGS;
    return GetDCEx(osWindow, nullptr, flags);
}

void ZafGdiDisplay::BeginDraw(HDC newContext, HWND osWindow)
{
    clipLevels.push_back({ clipRegion, clipped });
    if (drawCount++ > 0)
    {
        clipped = false;
        return;
    }
    clipped = false;
    if (newContext)
        PrepareDeviceContext(newContext);
    else if (osWindow == reinterpret_cast<HWND>(-1))
    {
        window = osWindow;
        PrepareDeviceContext(GetDC(nullptr));
    }
    else if (osWindow)
    {
        window = osWindow;
        PrepareDeviceContext(WindowContext(osWindow));
    }
    else if (deviceContext)
    {
        // The device context already set (the printer's): prepare it again
        // so that EndDraw's RestoreDC has a level to restore.
        SaveDC(deviceContext);
        if (osPalette)
            SelectPalette(deviceContext, static_cast<HPALETTE>(osPalette), FALSE);
    }
    if (!deviceContext)
        return;
    SetBkMode(deviceContext, TRANSPARENT);
    if (!pen)
        pen = GetCachedPen(palette, -1);
    if (!brush)
        brush = GetCachedBrush(palette);
    SelectObject(deviceContext, pen);
    SelectObject(deviceContext, brush);
    // Foreground and background always take a fresh pen and brush.
    SetPalette(palette);
}

void ZafGdiDisplay::RestoreDisplayContext()
{
    if (deviceContext)
        RestoreDC(deviceContext, -1);
    deviceContext = nullptr;
    ReleaseCachedObject(pen);
    ReleaseCachedObject(brush);
    pen = nullptr;
    brush = nullptr;
}

void ZafGdiDisplay::EndDraw()
{
    if (drawCount <= 0)
        return;
    ClipLevel outer = clipLevels.back();
    clipLevels.pop_back();
    if (--drawCount > 0)
    {
        // Give the enclosing drawing its own clip back.
        if (clipped)
        {
            if (outer.clipped)
                SetClipRegion(outer.region);
            else
            {
                if (deviceContext)
                    SelectClipRgn(deviceContext, nullptr);
                clipRegion = outer.region;
            }
        }
        clipped = outer.clipped;
        return;
    }
    HDC context = deviceContext;
    RestoreDisplayContext();
    if (window == reinterpret_cast<HWND>(-1))
        ReleaseDC(nullptr, context);
    else if (window)
        ReleaseDC(window, context);
    window = nullptr;
    clipped = false;
    palette = ZafPaletteStruct::Default();
    mode = 0;
    coordinateType = ZAF_PIXEL;
    originX = originY = 0;
    scaleNumerator = scaleDenominator = 1;
}

// ---- Attributes -------------------------------------------------------------

void ZafGdiDisplay::ReplacePen()
{
    if (!deviceContext)
        return;
    HPEN newPen = GetCachedPen(palette, -1);
    SelectObject(deviceContext, newPen);
    ReleaseCachedObject(pen);
    pen = newPen;
}

void ZafGdiDisplay::ReplaceBrush()
{
    if (!deviceContext)
        return;
    HBRUSH newBrush = GetCachedBrush(palette);
    SelectObject(deviceContext, newBrush);
    ReleaseCachedObject(brush);
    brush = newBrush;
}

ZafPaletteStruct ZafGdiDisplay::SetPalette(const ZafPaletteStruct &newPalette)
{
    ZafPaletteStruct old = palette;
    palette.osColorForeground = newPalette.osColorForeground;
    palette.osColorBackground = newPalette.osColorBackground;
    palette.monoForeground = newPalette.monoForeground;
    palette.monoBackground = newPalette.monoBackground;
    SetLineStyle(newPalette.lineStyle);
    SetPattern(newPalette.fillPattern);
    SetForeground(newPalette.colorForeground);
    SetBackground(newPalette.colorBackground);
    SetFont(newPalette.font);
    return old;
}

ZafInt8 ZafGdiDisplay::ChangeColor(ZafInt8 &slot, ZafInt8 color, ZafUInt32 explicitColor,
    COLORREF (WINAPI *apply)(HDC, COLORREF), void (ZafGdiDisplay::*replace)())
{
    ZafInt8 old = slot;
    slot = color;
    if (deviceContext)
        apply(deviceContext, ColorReference(slot, explicitColor));
    (this->*replace)();
    return old;
}

template <class Value>
Value ZafGdiDisplay::ChangeStyle(Value &slot, Value value, void (ZafGdiDisplay::*replace)())
{
    const Value old = slot;
    if (value == old)
        return old;
    slot = value;
    (this->*replace)();
    return old;
}

ZafInt8 ZafGdiDisplay::SetForeground(ZafInt8 color)
{
    return ChangeColor(palette.colorForeground, CheckedColor(color, 0), palette.osColorForeground, SetTextColor,
        &ZafGdiDisplay::ReplacePen);
}

ZafInt8 ZafGdiDisplay::SetBackground(ZafInt8 color)
{
    return ChangeColor(palette.colorBackground, CheckedColor(color, 15), palette.osColorBackground, SetBkColor,
        &ZafGdiDisplay::ReplaceBrush);
}

ZafInt8 ZafGdiDisplay::SetLineStyle(ZafInt8 style)
{
    if (style == -2 || style < 0 || style >= LINE_STYLES)
        style = 0;
    return ChangeStyle(palette.lineStyle, style, &ZafGdiDisplay::ReplacePen);
}

ZafUInt8 ZafGdiDisplay::SetPattern(ZafUInt8 pattern)
{
    if (pattern == 254 || pattern >= PATTERNS || (pattern != 0 && !patternTable[pattern]))
        pattern = 0;
    return ChangeStyle(palette.fillPattern, pattern, &ZafGdiDisplay::ReplaceBrush);
}

ZafInt8 ZafGdiDisplay::SetFont(ZafInt8 font)
{
    ZafInt8 old = palette.font;
    palette.font = CheckedFont(font);
    if (deviceContext && FontHandle(palette.font))
        SelectObject(deviceContext, FontAt(palette.font));
    return old;
}

ZafUInt8 ZafGdiDisplay::SetMode(ZafUInt8 newMode)
{
    ZafUInt8 old = mode;
    mode = newMode < MODES && modeTable[newMode].rop2 ? newMode : 0;
    if (deviceContext)
        SetROP2(deviceContext, int(modeTable[mode].rop2));
    return old;
}

ZafRegionStruct ZafGdiDisplay::SetClipRegion(const ZafRegionStruct &newRegion)
{
    ZafRegionStruct old = clipRegion;
    if (deviceContext)
    {
        ZafCoordinateType saved = coordinateType;
        coordinateType = newRegion.coordinateType;
        HRGN clip = CreateRectRgn(MapX(newRegion.left), MapY(newRegion.top),
            MapX(newRegion.right) + 1, MapY(newRegion.bottom) + 1);
        coordinateType = saved;
        SelectClipRgn(deviceContext, clip);
        DeleteObject(clip);
        clipped = true;
    }
    clipRegion = newRegion;
    return old;
}

ZafRegionStruct ZafGdiDisplay::ClipRegion()
{
    RECT box = {};
    if (deviceContext)
        GetClipBox(deviceContext, &box);
    ZafRegionStruct result;
    result.Assign(box.left, box.top, box.right, box.bottom, ZAF_PIXEL);
    return result;
}
