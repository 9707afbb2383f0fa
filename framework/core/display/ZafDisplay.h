#pragma once
// ZafDisplay: the device-independent half of every display. It holds the
// metrics that coordinate conversion needs (pixels per inch, cell size,
// mini-cell ratios), the current coordinate type, origin, scale, clip region,
// drawing mode and drawing attributes, and the colour and font tables.
// ZafGdiDisplay derives the screen and printer displays from it.
//
// One display is shared by every window object (the screen display; printing
// swaps a printer display in and back). The shared pointer does not own the
// display. GUI thread only.

#include "framework/core/base/ZafSharedInstance.h"
#include "framework/core/data/ZafPaletteStruct.h"
#include "framework/core/display/ZafRegionStruct.h"

class ZafDisplay : public ZafSharedInstance<ZafDisplay>
{
public:
    static constexpr int COLOR_TABLE_SIZE = 127;
    static constexpr int FONT_TABLE_SIZE = 10;
    static constexpr ZafUInt32 UNUSED_COLOR = 0xFFFFFFFFu;

    // Defaults of a 96-dpi display without fonts: 640 x 480 pixels, cells
    // of 8 x 20 pixels, spacing 2 above and 3 below, mini-cells 1/10,
    // pixel coordinates, every colour unused, every font slot empty.
    ZafDisplay();
    ZafDisplay(const ZafDisplay &) = delete;
    ZafDisplay &operator=(const ZafDisplay &) = delete;
    virtual ~ZafDisplay();

    // Shared(): the display window objects draw on; null before one is
    // made. SetShared installs one (null clears) and answers the one it
    // replaces.
    // The shared display, or a default one when none is installed.
    static ZafDisplay &SharedOrDefault();

    // A horizontal (vertical) value converted between coordinate types,
    // rounded half away from zero; unchanged when the types agree, when a
    // type is unknown or when a needed metric is 0.
    ZafInt32 ConvertXValue(ZafInt32 value, ZafCoordinateType from, ZafCoordinateType to) const;
    ZafInt32 ConvertYValue(ZafInt32 value, ZafCoordinateType from, ZafCoordinateType to) const;

    // Colour table: a COLORREF (or palette index) per logical colour;
    // UNUSED_COLOR outside the table. The setter answers false outside.
    ZafUInt32 ColorValue(int index) const;
    bool SetColorValue(int index, ZafUInt32 value);
    // Font table: the OS font of a slot; null when empty or outside.
    ZafOSFont FontHandle(int index) const;
    bool SetFontHandle(int index, ZafOSFont font);
    static bool ValidColorIndex(int index) { return index >= 0 && index < COLOR_TABLE_SIZE; }
    static bool ValidFontIndex(int index) { return index >= 0 && index < FONT_TABLE_SIZE; }

    // Current drawing attributes.
    ZafInt8 Foreground() const { return palette.colorForeground; }
    ZafInt8 Background() const { return palette.colorBackground; }
    ZafInt8 Font() const { return palette.font; }
    ZafInt8 LineStyle() const { return palette.lineStyle; }
    ZafUInt8 Pattern() const { return palette.fillPattern; }
    ZafUInt8 Mode() const { return mode; }
    ZafCoordinateType CoordinateType() const { return coordinateType; }
    virtual ZafInt8 SetMonoForeground(ZafInt8 color);
    virtual ZafInt8 SetMonoBackground(ZafInt8 color);

    virtual ZafCoordinateType SetCoordinateType(ZafCoordinateType type);
    virtual void SetOrigin(ZafInt32 x, ZafInt32 y);
    // A non-positive numerator or denominator is refused (answers false).
    virtual bool SetScale(ZafInt32 numerator, ZafInt32 denominator);

    // Metrics, in pixels unless noted.
    ZafInt32 columns = 640;           // display width
    ZafInt32 lines = 480;             // display height
    ZafInt32 dotsPerInchX = 96;
    ZafInt32 dotsPerInchY = 96;
    ZafInt32 preSpace = 2;            // spacing above a cell row
    ZafInt32 postSpace = 3;           // spacing below a cell row
    ZafInt32 cellWidth = 8;
    ZafInt32 cellHeight = 20;
    ZafInt32 miniNumeratorX = 1;
    ZafInt32 miniDenominatorX = 10;
    ZafInt32 miniNumeratorY = 1;
    ZafInt32 miniDenominatorY = 10;
    ZafCoordinateType coordinateType = ZAF_PIXEL;
    ZafInt32 originX = 0;
    ZafInt32 originY = 0;
    ZafInt32 scaleNumerator = 1;
    ZafInt32 scaleDenominator = 1;
    ZafRegionStruct clipRegion = { 0, 0, 639, 479, ZAF_PIXEL };
    ZafUInt8 mode = 0;                // drawing mode: 0 copy, 1 xor
    ZafPaletteStruct palette = ZafPaletteStruct::Default();
    ZafOSPalette osPalette = nullptr;
    ZafInt32 backgroundMode = 0;

private:
    ZafUInt32 colorTable[COLOR_TABLE_SIZE];
    ZafOSFont fontTable[FONT_TABLE_SIZE];
};
