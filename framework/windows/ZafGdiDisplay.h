#ifndef ZAF_GDIDISPLAY_H
#define ZAF_GDIDISPLAY_H

#include <windows.h>
#include <vector>

#include "framework/core/display/ZafDisplay.h"
#include "framework/core/data/ZafImageStruct.h"
#include "framework/windows/ZafCache.h"

// Display answers.
constexpr int ZAF_DISPLAY_OK = 0;
constexpr int ZAF_DISPLAY_NO_OS_IMAGE = 11;   // no OS image to convert back
constexpr int ZAF_DISPLAY_BAD_INDEX = 19;     // bad colour or font index

// Cache key types (low byte of key1).
constexpr ZafUInt32 ZAF_CACHE_PEN = 1;
constexpr ZafUInt32 ZAF_CACHE_BRUSH = 2;

// ZafGdiDisplay: the framework's drawing engine on Windows GDI, base of the
// screen display and the printer. Between BeginDraw and EndDraw it draws on
// one device context with the current drawing attributes (a ZafPaletteStruct)
// turned into GDI pens, brushes, fonts and colours; pens and brushes come from
// the process-wide cache of GDI objects and are held only while drawing. All
// coordinates given to drawing operations are in the display's current
// coordinate type and go through its origin and scale. The display owns its
// pattern bitmaps, fonts and OS palette (released by the derived display).
// GUI thread only.
//
// Colour, font, pattern and line-style indices are checked by every setter:
// a value outside its table (or an unused entry) falls back to the default
// entry (foreground colour 0, background colour 15, font 1, style 0,
// pattern 0) instead of indexing outside the tables. Nested BeginDraw and
// EndDraw pairs each keep their own clip region: ending an inner drawing puts
// back the clip of the level that encloses it.
class ZafGdiDisplay : public ZafDisplay
{
public:
    static constexpr int LINE_STYLES = 10;
    static constexpr int PATTERNS = 15;
    static constexpr int MODES = 10;
    static constexpr ZafUInt32 PALETTE_INDEX = 0x01000000u;

    ~ZafGdiDisplay() override;

    // Images (bitmaps, icons and pointer images).
    virtual int Bitmap(int x, int y, ZafBitmapStruct &bitmap);
    virtual int ConvertToOSBitmap(ZafBitmapStruct &bitmap);
    virtual int ConvertToZafBitmap(ZafBitmapStruct &bitmap);
    virtual int DestroyOSBitmap(ZafBitmapStruct &bitmap);
    virtual int DestroyZafBitmap(ZafBitmapStruct &bitmap);
    virtual int Icon(int x, int y, ZafIconStruct &icon);
    virtual int ConvertToOSIcon(ZafIconStruct &icon);
    virtual int ConvertToZafIcon(ZafIconStruct &icon);
    virtual int DestroyOSIcon(ZafIconStruct &icon);
    virtual int DestroyZafIcon(ZafIconStruct &icon);
    virtual int Mouse(int x, int y, ZafMouseStruct &mouse);            // draws nothing
    virtual int ConvertToOSMouse(ZafMouseStruct &mouse);
    virtual int ConvertToZafMouse(ZafMouseStruct &mouse);              // answers 0
    virtual int DestroyOSMouse(ZafMouseStruct &mouse);
    virtual int DestroyZafMouse(ZafMouseStruct &mouse);                // answers 0

    // Text at a point, and in a region with justification (horizontal 0
    // left, 1 right, 2 centre; vertical 0 top, 1 bottom, else centre).
    // length -1 means the whole text; a hot-key index inside the text
    // underlines that character.
    virtual int Text(int x, int y, const ZafIChar *text, int length = -1, int hotKeyIndex = -1, bool fill = false);
    virtual int Text(int left, int top, int right, int bottom, const ZafIChar *text, int length,
        int horizontal, int vertical, int hotKeyIndex = -1, bool fill = false);
    // {1, 1, width, height} in the current coordinate type; {1, 1, 0, 0}
    // in pixels for a null or empty text.
    virtual ZafRegionStruct TextExtent(const ZafIChar *text, int length = -1);

    // Shapes. Angles in degrees, counter-clockwise from the positive x axis.
    virtual int Ellipse(int left, int top, int right, int bottom, float startAngle, float endAngle,
        int width, bool fill);
    virtual int Line(int x1, int y1, int x2, int y2, int width = 1);
    virtual int Pixel(int x, int y, ZafInt8 color = -3);
    // points holds count (x, y) pairs.
    virtual int Polygon(int count, const int *points, int width, bool fill, bool close);
    virtual int Rectangle(int left, int top, int right, int bottom, int width, bool fill);
    // Device pixels.
    virtual int RegionMove(const ZafRegionStruct &region, int newLeft, int newTop);
    virtual int XorRectangle(const ZafRegionStruct &oldRegion, const ZafRegionStruct &newRegion);

    // Getters and setters; each setter answers the previous value.
    virtual ZafRegionStruct ClipRegion();
    ZafInt8 MonoForeground() const { return palette.monoForeground; }
    ZafInt8 MonoBackground() const { return palette.monoBackground; }
    ZafPaletteStruct Palette() const { return palette; }
    virtual ZafInt8 SetBackground(ZafInt8 color);
    virtual ZafRegionStruct SetClipRegion(const ZafRegionStruct &region);
    virtual ZafInt8 SetFont(ZafInt8 font);
    virtual ZafInt8 SetForeground(ZafInt8 color);
    virtual ZafInt8 SetLineStyle(ZafInt8 style);
    virtual ZafUInt8 SetMode(ZafUInt8 newMode);
    virtual ZafPaletteStruct SetPalette(const ZafPaletteStruct &newPalette);
    virtual ZafUInt8 SetPattern(ZafUInt8 pattern);

    // Colours and fonts.
    // index -2 takes the first unused entry from 32 to 126; answers the
    // index, -2 when none is free or the index is invalid.
    virtual int AddColor(int index, int red, int green, int blue);
    // index -1 takes the first empty slot; answers the slot or -1.
    virtual int CreateOSFont(int index, const ZafIChar *faceName, int pointSize, int bold, int italic);
    virtual int RemoveColor(int index);
    virtual int DestroyOSFont(int index);
    virtual int PaletteEntries(int index, int &red, int &green, int &blue);
    virtual int FontMetrics(int index, ZafIChar *faceName, int bufferSize, int &pointSize,
        int &bold, int &italic);

    virtual const ZafIChar *ClassName() const { return L"ZafGdiDisplay"; }

    // Drawing sequences: device context given, or the window's (-1 = the
    // whole screen), or neither (the device context already set).
    virtual void BeginDraw(HDC deviceContext, HWND osWindow);
    virtual void EndDraw();
    virtual HDC DeviceContext() const { return deviceContext; }
    virtual HWND OSWindow() const { return window; }
    virtual void RestoreDisplayContext();
    virtual HDC PrepareDeviceContext(HDC newContext);
    int DrawCount() const { return drawCount; }

    // Cached GDI objects (use counted; give each back with ReleaseCachedObject).
    HPEN GetCachedPen(const ZafPaletteStruct &pal, int width);
    HBRUSH GetCachedBrush(const ZafPaletteStruct &pal);
    static void ReleaseCachedObject(HGDIOBJ object);
    // The colours and brush of a WM_CTLCOLOR* answer: selects the OS
    // palette, sets the text colour (text palette's foreground) and the
    // background colour (background palette's background) on the context
    // and answers the cached brush of the background. Windows paints with
    // that brush after the message returns, so the display keeps it (one
    // use per distinct brush) until the colour table or the OS palette
    // changes; nobody releases it. Null when no brush can be made.
    HBRUSH ControlColors(HDC context, const ZafPaletteStruct &text, const ZafPaletteStruct &background);
    // Gives every kept control brush back to the cache.
    static void ReleaseControlBrushes();
    static int KeptControlBrushes();
    void RebuildPalette();
    static void *CreateCachedObject(ZafUInt32 key1, ZafUInt32 key2);
    static void DeleteCachedObject(ZafUInt32 key1, ZafUInt32 key2, void *handle);
    // The process-wide cache of 32 GDI objects.
    static ZafCache &Cache();

    // Table access.
    bool PaletteDevice() const { return paletteDevice; }
    HBITMAP PatternBitmap(int pattern) const;
    ZafUInt32 LineStyleEntry(int style) const;
    HFONT FontAt(int font) const { return static_cast<HFONT>(FontHandle(font)); }
    // The colour-table index of an OS palette slot (-1 when none).
    int PaletteSlotColor(int slot) const;
    // The COLORREF a colour byte stands for (explicit word for -3).
    ZafUInt32 ColorReference(ZafInt8 color, ZafUInt32 explicitColor) const;
    // The RGB value of a colour-table entry (resolving palette indices).
    COLORREF EntryRGB(int index) const;

    // Coordinate mapping to device values.
    int MapX(int value) const;
    int MapY(int value) const;
    int ScaleX(int size) const;
    int ScaleY(int size) const;
    int MapWidth(int width) const;
    // Maps two corners (or a line's two ends) in place.
    void MapCorners(int &x1, int &y1, int &x2, int &y2) const;
    bool FullScale() const { return scaleNumerator * 100 / scaleDenominator == 100; }

protected:
    ZafGdiDisplay();

    ZafUInt32 lineStyleTable[LINE_STYLES] = {};
    HBITMAP patternTable[PATTERNS] = {};
    struct ModeEntry { ZafUInt32 rop2; ZafUInt32 rasterOperation; };
    ModeEntry modeTable[MODES] = {};
    bool paletteDevice = false;
    HBRUSH brush = nullptr;
    HDC deviceContext = nullptr;
    HPEN pen = nullptr;
    HWND window = nullptr;
    int drawCount = 0;

private:
    struct ClipLevel { ZafRegionStruct region; bool clipped; };
    // A window's device context that excludes its child windows.
    static HDC WindowContext(HWND osWindow);
    ZafInt8 CheckedColor(ZafInt8 color, ZafInt8 fallback) const;
    ZafInt8 CheckedFont(ZafInt8 font) const;
    void ReplacePen();
    void ReplaceBrush();
    // Sets a colour of the palette: the colour byte into its slot, the
    // COLORREF (explicit word for -3) into the device context through
    // apply, and the pen or brush drawn with replaced; answers the old byte.
    ZafInt8 ChangeColor(ZafInt8 &slot, ZafInt8 color, ZafUInt32 explicitColor,
        COLORREF (WINAPI *apply)(HDC, COLORREF), void (ZafGdiDisplay::*replace)());
    // Stores a checked line style or fill pattern in its palette slot and,
    // when it changed, replaces the pen or brush drawn with; answers the old
    // value.
    template <class Value>
    Value ChangeStyle(Value &slot, Value value, void (ZafGdiDisplay::*replace)());
    int DrawTextRaw(HDC dc, const ZafIChar *text, int length, RECT &rect, UINT format);
    int BlendBitmap(int x, int y, ZafBitmapStruct &bitmap);

    std::vector<ClipLevel> clipLevels;   // one per open BeginDraw
    bool clipped = false;                // a clip was set in the current level
    std::vector<int> slotColors;         // OS palette slot -> colour-table index
};

#endif
