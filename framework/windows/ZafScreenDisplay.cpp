#include "framework/windows/ZafScreenDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"

const ZafIChar *const ZafScreenDisplay::cellText = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

namespace {

const BYTE baseColors[17][3] = {
    { 0, 0, 0 }, { 0, 0, 128 }, { 0, 128, 0 }, { 0, 128, 128 }, { 128, 0, 0 }, { 128, 0, 128 },
    { 128, 128, 0 }, { 192, 192, 192 }, { 128, 128, 128 }, { 0, 0, 255 }, { 0, 255, 0 },
    { 0, 255, 255 }, { 255, 0, 0 }, { 255, 0, 255 }, { 255, 255, 0 }, { 255, 255, 255 },
    { 224, 224, 224 },
};

// The nearest colour of the stock default palette.
COLORREF NearestDefaultColor(COLORREF color)
{
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    UINT index = GetNearestPaletteIndex(stock, color);
    PALETTEENTRY entry = {};
    if (index == CLR_INVALID || GetPaletteEntries(stock, index, 1, &entry) != 1)
        return color;
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

} // namespace

COLORREF ZafScreenDisplay::BaseColor(int index)
{
    if (index < 0 || index >= BASE_COLORS)
        return UNUSED_COLOR;
    return NearestDefaultColor(RGB(baseColors[index][0], baseColors[index][1], baseColors[index][2]));
}

HBITMAP ZafScreenDisplay::NewPatternBitmap(int pattern)
{
    static const WORD solid[8] = { 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF };
    static const WORD checker[8] = { 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA };
    return CreateBitmap(8, 8, 1, 1, pattern == 0 ? solid : checker);
}

int ZafScreenDisplay::CellWidth(const ZafRegionStruct &extent)
{
    return (extent.right - extent.left + 20) / 39;
}

int ZafScreenDisplay::CellHeight(const ZafRegionStruct &extent, int spaceAbove, int spaceBelow)
{
    return ((extent.bottom - extent.top + 1) * 13 + 6) / 13 + spaceAbove + spaceBelow + 6;
}

ZafScreenDisplay::ZafScreenDisplay()
{
    for (int i = 0; i < COLOR_TABLE_SIZE; ++i)
        SetColorValue(i, UNUSED_COLOR);
    for (int i = 0; i < FONT_TABLE_SIZE; ++i)
        SetFontHandle(i, nullptr);

    // Fonts.
    SetFontHandle(2, GetStockObject(SYSTEM_FONT));
    SetFontHandle(3, GetStockObject(SYSTEM_FONT));
    SetFontHandle(4, GetStockObject(SYSTEM_FIXED_FONT));
    LOGFONTA iconFont = {};
    SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0);
    HFONT titleFont = CreateFontIndirectA(&iconFont);
    SetFontHandle(0, titleFont);
    SetFontHandle(1, ZafMSWindowsApp::Platform().platform == 2 ? GetStockObject(DEFAULT_GUI_FONT) : titleFont);

    // Colours.
    HDC screen = GetDC(nullptr);
    paletteDevice = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
    for (int i = 0; i < BASE_COLORS; ++i)
        SetColorValue(i, BaseColor(i));
    RebuildPalette();

    // Metrics, with the cell size measured in font 1.
    HGDIOBJ oldFont = SelectObject(screen, FontAt(1));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    columns = GetDeviceCaps(screen, HORZRES);
    lines = GetDeviceCaps(screen, VERTRES);
    dotsPerInchX = GetDeviceCaps(screen, LOGPIXELSX);
    dotsPerInchY = GetDeviceCaps(screen, LOGPIXELSY);
    preSpace = 2;
    postSpace = 3;
    coordinateType = ZAF_PIXEL;
    palette.font = 1;
    deviceContext = screen;
    ZafRegionStruct extent = TextExtent(cellText);
    deviceContext = nullptr;
    cellWidth = CellWidth(extent);
    cellHeight = CellHeight(extent, preSpace, postSpace);
    miniNumeratorX = miniNumeratorY = 1;
    miniDenominatorX = miniDenominatorY = 10;
    SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);

    // Tables and the starting attributes.
    lineStyleTable[0] = PS_SOLID;
    lineStyleTable[1] = PS_DOT;
    patternTable[0] = NewPatternBitmap(0);
    patternTable[1] = NewPatternBitmap(1);
    modeTable[0] = { R2_COPYPEN, SRCCOPY };
    modeTable[1] = { R2_XORPEN, SRCINVERT };
    mode = 0;
    palette = { 0, 0, 0, 15, 0, 2, 1, 8, 5 };
    clipRegion.Assign(0, 0, columns - 1, lines - 1, ZAF_PIXEL);
    SetShared(this);
}

ZafScreenDisplay::~ZafScreenDisplay()
{
    while (drawCount > 0)
        EndDraw();
    if (Shared() == this)
        SetShared(nullptr);
    DeleteObject(patternTable[0]);
    DeleteObject(patternTable[1]);
    patternTable[0] = patternTable[1] = nullptr;
    HFONT font0 = FontAt(0), font1 = FontAt(1);
    if (font0)
        DeleteObject(font0);
    if (font1 && font1 != font0)
        DeleteObject(font1);   // stock fonts ignore the call
    SetFontHandle(0, nullptr);
    SetFontHandle(1, nullptr);
    if (osPalette)
        DeleteObject(static_cast<HGDIOBJ>(osPalette));
    osPalette = nullptr;
}
