#ifndef ZAF_SCREENDISPLAY_H
#define ZAF_SCREENDISPLAY_H

#include "framework/windows/ZafGdiDisplay.h"

// ZafScreenDisplay: the display of the whole screen, made once by the
// application object and installed as the framework's shared display. Its
// constructor measures the screen (size, pixels per inch, cell size from
// font 1) and fills the colour, font, line-style, pattern and mode tables; the
// destructor deletes the two pattern bitmaps, fonts 0 and 1 (once when they
// are one font) and the OS palette, and uninstalls the display when it is
// still the shared one. GUI thread only.
class ZafScreenDisplay : public ZafGdiDisplay
{
public:
    ZafScreenDisplay();
    ~ZafScreenDisplay() override;

    const ZafIChar *ClassName() const override { return L"ZafScreenDisplay"; }

    // The cell size of a text extent {left, top, right, bottom} of the 52
    // letters A-Z and a-z in font 1, with the spacing above and below a row.
    static int CellWidth(const ZafRegionStruct &extent);
    static int CellHeight(const ZafRegionStruct &extent, int spaceAbove, int spaceBelow);
    // The 52 letters the cell size is measured with.
    static const ZafIChar *const cellText;
    // The standard tables, shared with the printer: the 17 base colours
    // (0 .. 16, as the default palette shows them) and a new bitmap of
    // pattern 0 (solid) or 1 (checker); the caller deletes the bitmap.
    static constexpr int BASE_COLORS = 17;
    static COLORREF BaseColor(int index);
    static HBITMAP NewPatternBitmap(int pattern);
};

#endif
