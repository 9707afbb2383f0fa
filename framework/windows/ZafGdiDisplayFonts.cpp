// ZafGdiDisplay: the colour table with its OS palette, and the font table.
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafOSText.h"

#include <vector>

int ZafGdiDisplay::AddColor(int index, int red, int green, int blue)
{
    if (index == -2)
    {
        for (int i = 32; i < COLOR_TABLE_SIZE && index == -2; ++i)
            if (ColorValue(i) == UNUSED_COLOR)
                index = i;
        if (index == -2)
            return -2;
    }
    else if (!ValidColorIndex(index))
        return -2;
    SetColorValue(index, RGB(red & 0xFF, green & 0xFF, blue & 0xFF));
    RebuildPalette();
    return index;
}

int ZafGdiDisplay::RemoveColor(int index)
{
    if (!ValidColorIndex(index))
        return ZAF_DISPLAY_BAD_INDEX;
    SetColorValue(index, UNUSED_COLOR);
    ReleaseControlBrushes();
    return ZAF_DISPLAY_OK;
}

COLORREF ZafGdiDisplay::EntryRGB(int index) const
{
    ZafUInt32 value = ColorValue(index);
    if (value == UNUSED_COLOR)
        return 0;
    if ((value & 0xFF000000u) == PALETTE_INDEX && osPalette)
    {
        PALETTEENTRY entry = {};
        GetPaletteEntries(static_cast<HPALETTE>(osPalette), value & 0xFFFF, 1, &entry);
        return RGB(entry.peRed, entry.peGreen, entry.peBlue);
    }
    return value & 0xFFFFFF;
}

int ZafGdiDisplay::PaletteEntries(int index, int &red, int &green, int &blue)
{
    if (!ValidColorIndex(index) || ColorValue(index) == UNUSED_COLOR)
        return ZAF_DISPLAY_BAD_INDEX;
    COLORREF value = EntryRGB(index);
    red = GetRValue(value);
    green = GetGValue(value);
    blue = GetBValue(value);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::PaletteSlotColor(int slot) const
{
    return slot >= 0 && slot < int(slotColors.size()) ? slotColors[size_t(slot)] : -1;
}

void ZafGdiDisplay::RebuildPalette()
{
    ReleaseControlBrushes();
    std::vector<PALETTEENTRY> entries;
    std::vector<int> slots;
    for (int i = 0; i < COLOR_TABLE_SIZE; ++i)
    {
        ZafUInt32 value = ColorValue(i);
        if (value == UNUSED_COLOR)
            continue;
        PALETTEENTRY entry = {};
        if ((value & 0xFF000000u) == PALETTE_INDEX)
        {
            if (osPalette)
                GetPaletteEntries(static_cast<HPALETTE>(osPalette), value & 0xFFFF, 1, &entry);
            entry.peFlags = 0;
            if (!paletteDevice)
                SetColorValue(i, RGB(entry.peRed, entry.peGreen, entry.peBlue));
        }
        else
        {
            entry.peRed = GetRValue(value);
            entry.peGreen = GetGValue(value);
            entry.peBlue = GetBValue(value);
        }
        entries.push_back(entry);
        slots.push_back(i);
    }
    if (paletteDevice)
        for (size_t slot = 0; slot < slots.size(); ++slot)
            SetColorValue(slots[slot], PALETTE_INDEX + ZafUInt32(slot));
    std::vector<unsigned char> buffer(sizeof(LOGPALETTE) + entries.size() * sizeof(PALETTEENTRY));
    LOGPALETTE *logical = reinterpret_cast<LOGPALETTE *>(buffer.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = WORD(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        logical->palPalEntry[i] = entries[i];
    if (osPalette)
        DeleteObject(static_cast<HGDIOBJ>(osPalette));
    osPalette = entries.empty() ? nullptr : CreatePalette(logical);
    slotColors = slots;
}

int ZafGdiDisplay::CreateOSFont(int index, const ZafIChar *faceName, int pointSize, int bold, int italic)
{
    if (index == -1)
    {
        for (int i = 0; i < FONT_TABLE_SIZE && index == -1; ++i)
            if (!FontHandle(i))
                index = i;
        if (index == -1)
            return -1;
    }
    else if (!ValidFontIndex(index))
        return -1;
    char *face = faceName ? ZafNewLocalText(faceName) : nullptr;
    HFONT font = CreateFontA(-(pointSize * dotsPerInchY) / 72, 0, 0, 0, bold == 1 ? 700 : 0,
        italic == 1, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face ? face : "");
    delete[] face;
    if (!font)
        return -1;
    if (HFONT old = FontAt(index))
        DeleteObject(old);
    SetFontHandle(index, font);
    return index;
}

int ZafGdiDisplay::DestroyOSFont(int index)
{
    if (!ValidFontIndex(index))
        return ZAF_DISPLAY_BAD_INDEX;
    if (HFONT font = FontAt(index))
    {
        // Shared slots (font 1 may be font 0) keep the object while another
        // slot still uses it.
        bool shared = false;
        for (int i = 0; i < FONT_TABLE_SIZE; ++i)
            if (i != index && FontAt(i) == font)
                shared = true;
        if (!shared && GetObjectType(font) == OBJ_FONT)
            DeleteObject(font);
    }
    SetFontHandle(index, nullptr);
    return ZAF_DISPLAY_OK;
}

int ZafGdiDisplay::FontMetrics(int index, ZafIChar *faceName, int bufferSize, int &pointSize,
    int &bold, int &italic)
{
    if (!ValidFontIndex(index) || !FontAt(index))
        return ZAF_DISPLAY_BAD_INDEX;
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, FontAt(index));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    if (faceName && bufferSize > 0)
    {
        char face[LF_FACESIZE] = {};
        GetTextFaceA(screen, LF_FACESIZE, face);
        ZafIChar *wide = ZafNewWideText(face);
        int i = 0;
        for (; wide && wide[i] && i < bufferSize - 1; ++i)
            faceName[i] = wide[i];
        faceName[i] = 0;
        delete[] wide;
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    pointSize = (metrics.tmHeight - metrics.tmInternalLeading) * 72 / dotsPerInchY;
    bold = metrics.tmWeight == 700;
    italic = metrics.tmItalic != 0;
    return ZAF_DISPLAY_OK;
}
