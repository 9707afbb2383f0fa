#pragma once
// bf_Display: the chart library's drawing context for one redraw. It wraps
// the framework's shared display and the window object being drawn (neither
// owned), keeps stacks of selected pens, brushes and fonts (owning what is on
// them), and turns every chart drawing request into framework display calls.
// Coordinates are device pixels. Every drawing operation answers true; the
// framework's answers are not tested. Lives on the stack of one redraw, GUI
// thread only.

#include "chart/backend/bf_Bitmap.h"
#include "chart/backend/bf_Color.h"
#include "chart/backend/bf_Font.h"
#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_Stack.h"

class bf_TextExtents;
class ZafDisplay;
class ZafGdiDisplay;
class ZafWindowObject;

class bf_Display {
public:
    // Selects pen (0, solid, 1), brush (15, solid) and a font for the
    // framework display's current font number.
    bf_Display(ZafDisplay *display, ZafWindowObject *window);
    // Sets the framework font back to the font on top of the font stack and
    // deletes every pen, brush and font still on the stacks.
    ~bf_Display();
    bf_Display(const bf_Display &) = delete;
    bf_Display &operator=(const bf_Display &) = delete;

    ZafDisplay *FrameworkDisplay() const { return display; }
    ZafWindowObject *Window() const { return window; }

    // Selection. The display takes ownership of what is selected; a popped
    // object is handed back to the caller, who deletes it.
    void SelectPen(bf_Pen *pen);
    void SelectPenColor(bf_Color color);
    // Pops the top pen; the pen below, when there is one, is applied again.
    bf_Pen *PopPen();
    bf_Pen *CurrentPen() const { return static_cast<bf_Pen *>(pens.Top()); }
    void SelectBrush(bf_Brush *brush);
    void SelectBrushColor(bf_Color color);
    bf_Brush *PopBrush();
    bf_Brush *CurrentBrush() const { return static_cast<bf_Brush *>(brushes.Top()); }
    // A font with a framework number (not 255) becomes the framework font;
    // popping it puts back the framework font of the nearest numbered font
    // below it.
    void SelectFont(bf_Font *font);
    bf_Font *PopFont();
    bf_Font *CurrentFont() const { return static_cast<bf_Font *>(fonts.Top()); }
    int LineWidth() const { return lineWidth; }

    // The framework colours, read or set directly; setters answer the colour.
    bf_Color Foreground() const;
    bf_Color SetForeground(bf_Color color);
    bf_Color Background() const;
    bf_Color SetBackground(bf_Color color);
    // Framework drawing mode 1 (exclusive or) and back to 0 (copy).
    void SetDrawMode();
    void ResetDrawMode();

    // Drawing, in the current pen, brush and line width.
    // The pixels of count - 1 lines, in one framework poly-line call (a thin
    // run then sets the last point's pixel); wide lines in copy mode on the
    // screen in poly-lines of at most 16 lines that share their end points,
    // in exclusive-or mode one by one. Fewer than two points draw nothing. For a solid
    // pen one or two pixels wide in copy mode only the points that change a
    // pixel are handed on (bf_PolylineReduction): the same pixels, far
    // fewer lines for a trace of many points a column.
    bool Polyline(const cf_2DPoint *points, int count);
    bool Polygon(const cf_2DPoint *points, int count);  // filled
    bool Rectangle(const cf_2DRect &rect);              // four lines
    bool FillRectangle(const cf_2DRect &rect);
    bool Circle(const cf_2DPoint &centre, int radius);  // filled
    bool Ellipse(const cf_2DPoint &corner, const cf_2DPoint &opposite);
    // Pie (filled) and arc over the rectangle, between the directions from
    // its centre to the two points; an end angle of 0 becomes 360.
    bool Pie(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end);
    bool Arc(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end);
    // A pixel in the current colours; answers colour 0 or the given colour.
    bf_Color Pixel(const cf_2DPoint &point);
    bf_Color Pixel(const cf_2DPoint &point, bf_Color color);
    bool Text(const cf_2DPoint &point, const wchar_t *text);
    bool Text(const cf_2DPoint &point, const cf_String &text);
    // Size of a text in the current framework font as (0, 0, w + 1, h + 1).
    // With a store of extents a text met before in the same font is not
    // measured again, and drawing a text takes its size from there too.
    cf_2DRect TextExtent(const wchar_t *text, int length) const;
    cf_2DRect TextExtent(const cf_String &text) const;
    // The store the measurements are kept in (not owned; none by default).
    void UseTextExtents(bf_TextExtents *store) { extents = store; }
    bool DrawBitmap(const cf_2DPoint &, const bf_2DBitmap *) { return true; }

    // The window's region in its OS window: the chart's drawing rectangle.
    void DeviceRect(cf_2DRect &rect) const;
    // Converts a rectangle from pixels to twips (1/1440 inch) on this display.
    bool ConvertRect(cf_2DRect &rect) const;

    // Direction in degrees [0, 360) from centre to point, counter-clockwise
    // from the positive x axis with screen y growing downwards.
    static double AngleOf(const cf_2DPoint &centre, const cf_2DPoint &point);

private:
    // True when Polyline may draw only the points that change a pixel.
    bool ReducesToColumns() const;
    // True on the screen or a bitmap made for it (not a printer, not a
    // recording of drawing calls).
    bool OnScreen() const;
    bool EllipseBetween(const cf_2DRect &rect, const cf_2DPoint &start, const cf_2DPoint &end, bool fill);
    void ApplyPen(const bf_Pen &pen);
    void ApplyBrush(const bf_Brush &brush);

    int lineWidth;
    cf_Stack pens;
    cf_Stack brushes;
    cf_Stack fonts;
    ZafDisplay *display;
    ZafWindowObject *window;
    ZafGdiDisplay *gdi; // the display as a GDI display, or null
    bf_TextExtents *extents = nullptr;
};
