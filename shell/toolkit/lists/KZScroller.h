#pragma once
// KZScroller: the toolkit's owner-drawn scrolling window. Its client area
// shows a grid of equal units (cells); the grid (the extent) may be larger
// than the window and the scroll position names the first unit shown in each
// direction. It keeps unit size, extent and position consistent with the
// window, drives the window's framework support scroll bars (which the owner
// or a derived class adds), converts between units and pixels, redraws only
// what a scroll exposes (moving the still-visible pixels with a block copy),
// scrolls by itself while a drag leaves the visible part, paints the
// background outside the grid and can show a text while the grid is empty.
// A derived class draws one unit; everything else happens here. Owned by its
// parent window once added; GUI thread only.
//
// Pixel coordinates are the window's client coordinates; unit coordinates
// are absolute grid coordinates (column, row). Only units visible in full
// count as visible: visibility tests, the scroll range, the bars and the
// automatic scrolling use whole units.

#include <cstdint>

#include "foundation/values/KPoint.h"
#include "foundation/values/KRect.h"
#include "shell/toolkit/window/KZPalette.h"
#include "shell/toolkit/window/KZWindow.h"

class KString;

class KZScroller : public KZWindow
{
public:
    // A rectangle in pixels.
    KZScroller(int left, int top, int width, int height);
    ~KZScroller() override;

    // Bar and scroll events first (answering their code); the rest as
    // KZWindow, with a new client size ending in UpdateLayout.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The framework's draw of a redraw region (pixels, parent coordinates):
    // background outside the grid, the visible whole units, the empty text.
    virtual ZafEventType Draw(const ZafEventStruct &event, ZafEventType code);
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override { return Draw(event, code); }

    // ---- Virtual slots, in order ----
    // After a size change: the unit width follows the client when flagged,
    // the position is clamped again and the window redrawn as needed.
    virtual void UpdateLayout();
    // Recomputes the bars and marks the whole window for repainting.
    void Redisplay() override;
    // Each coordinate at least 1; true when the stored value changed. The
    // position is not clamped again.
    virtual bool SetUnitSize(KPoint size);
    // Each coordinate at least 0, then the position clamped into the new
    // range; true when the extent changed.
    virtual bool SetExtent(KPoint extent);
    // Clamped into ScrollRange; true when the stored position changed.
    virtual bool SetScrollPosition(KPoint position);
    // Line steps of the horizontal and vertical bar (1).
    virtual int HorizontalStep();
    virtual int VerticalStep();
    // Whole units across and down.
    virtual int VisibleColumns();
    virtual int VisibleRows();
    // Automatic scroll steps per second after elapsed milliseconds of
    // automatic scrolling; 0 or less means no step (base 0).
    virtual int AutoScrollRate(int32_t elapsed);
    // The unit's pixel rectangle.
    virtual void UnitRect(KPoint unit, KRect &rect);
    // The window's resolved palette for type and state (extra byte 0).
    virtual KZPaletteEntry UnitPalette(KPoint unit, uint16_t type, uint16_t state);
    // Fills the unit with the background palette.
    virtual void DrawUnit(KPoint unit);
    // DrawUnit for every unit, rows top to bottom, columns left to right.
    virtual void DrawUnits(const KRect &units);

    // ---- State ----
    KPoint UnitSize() const { return unitSize; }
    KPoint Extent() const { return extent; }
    KPoint ScrollPosition() const { return position; }
    uint32_t LayoutFlags() const { return layoutFlags; }
    void SetLayoutFlags(uint32_t flags) { layoutFlags = flags; }
    KPoint ClientSize();
    // Client units: whole (truncated) or partial (a partly visible unit counts).
    KPoint ClientUnits(bool whole);
    KRect VisibleUnitRect(bool whole);
    bool IsUnitVisible(KPoint unit, bool whole);
    // (0, 0) to extent - 1; empty when either extent is 0.
    KRect ExtentRect() const;
    // The positions the scroll position may take.
    KRect ScrollRange();

    // ---- Conversions (client pixels; the Parent forms take parent coordinates) ----
    KPoint UnitToPixel(KPoint unit);
    KRect UnitRectToPixels(const KRect &units);
    KPoint PixelToUnit(KPoint pixel);
    // Every unit the pixel rectangle touches.
    KRect PixelRectToUnits(const KRect &pixels);
    KPoint ParentToUnit(KPoint point);
    KRect ParentRectToUnits(const KRect &rect);

    // ---- Scrolling ----
    // Moves to the position (clamped); a move along one axis by less than
    // the visible units copies the pixels still shown and redraws the
    // exposed strip, anything else redraws the whole window.
    void ScrollTo(KPoint target, bool updateBars);
    void ScrollBy(int dx, int dy, bool updateBars);
    // The smallest move that shows the unit (whole or partly visible).
    void ScrollIntoView(KPoint unit, bool whole, bool byScrolling);
    void CenterOn(KPoint unit, bool byScrolling);
    // Sends kEvtUpdateHorizontalBar, then kEvtUpdateVerticalBar, to the window
    // itself.
    void UpdateScrollBars();

    // ---- Automatic scrolling while a button is held ----
    // True when the unit (clamped into the extent) is not visible in full;
    // the first such answer starts the automatic scrolling, a false one ends it.
    bool AutoScrollNeeded(KPoint unit);
    // One step towards the unit when one is due; false when no scrolling is
    // needed or the rate allows none.
    bool AutoScroll(KPoint unit);

    // ---- Drawing in units (between the caller's BeginDraw and EndDraw) ----
    void RedrawRect(const KRect &units, ZafEventType code);
    void DrawLine(KPoint from, KPoint to, int width);
    void FillUnits(const KRect &units, int lineWidth, bool fill);
    // Pixels as for the leech's DrawImage (15 or 24 bits per pixel, rows of
    // stride bytes, top first).
    void DrawBitmap(const KRect &units, const void *pixels, int bitsPerPixel, int stride);
    // Copies the pixels of the source units so that its first unit lands on destination.
    void MoveUnits(const KRect &source, KPoint destination);
    KRect ClipUnits();
    // Answers the previous clip in units.
    KRect SetClipUnits(const KRect &units);

    // The text shown while the extent is empty; owned by the caller, null for none.
    void SetEmptyText(const KString *text) { emptyText = text; }
    const KString *EmptyText() const { return emptyText; }

protected:
    // Makes the palette the display's current one.
    void UsePalette(const KZPaletteEntry &entry);

private:
    int Shift();
    void UpdateBar(bool vertical);
    void ScrollByBar(const ZafEventStruct &event, bool vertical, bool moveBar);
    void RedrawExposed(const KRect &source, KPoint destination, const KRect &strip);
    void PaintBackground(const KRect &all, const KRect &drawn);

    KPoint unitSize{ 1, 1 };
    KPoint extent{ 0, 0 };
    KPoint position{ 0, 0 };
    uint32_t layoutFlags = 0;
    // Automatic scrolling
    int32_t autoStart = 0;       // tick when it began, 0 none
    int32_t autoNext = 0;        // tick of the next step
    int32_t autoMultiplier = 1;  // 1, 2 or 4
    bool autoStepped = false;
    int32_t autoDue = 0;
    const KString *emptyText = nullptr;
};
