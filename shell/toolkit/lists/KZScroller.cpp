// KZScroller: state, layout, conversions, scroll bars and events. Drawing,
// scrolling with block copies and automatic scrolling are in
// KZScrollerDraw.cpp.
#include "shell/toolkit/lists/KZScroller.h"

#include <algorithm>

#include "framework/controls/ZafScrollBar.h"
#include "framework/core/data/ZafScrollData.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

// Division rounding towards minus infinity (divisor at least 1).
int32_t FloorDiv(int32_t value, int32_t divisor)
{
    return value >= 0 ? value / divisor : (value - (divisor - 1)) / divisor;
}

int32_t CeilDiv(int32_t value, int32_t divisor)
{
    return value > 0 ? (value + divisor - 1) / divisor : 0;
}

} // namespace

KZScroller::KZScroller(int left, int top, int width, int height) : KZWindow(left, top, width, height)
{
    SetSystemDrawn(false);
    SetCoordinateType(kCoordPixels);
}

KZScroller::~KZScroller()
{
    emptyText = nullptr;
}

// ---- Virtual slots ----------------------------------------------------------------

void KZScroller::UpdateLayout()
{
    // A unit that follows the client width is drawn anew at its new width:
    // the pixels still shown were drawn for the old one.
    bool unitChanged = false;
    if (layoutFlags & kScrollUnitWidthFollows)
        unitChanged = SetUnitSize(KPoint(ClientSize().x, unitSize.y));
    const bool fullRedraw = (LeechFlags() & kFullRedrawAfterResize) != 0;
    if (SetScrollPosition(position)) {
        if (!fullRedraw)
            Redisplay();
    } else if (unitChanged && !fullRedraw) {
        KZScroller::Redisplay();   // the bars and every unit, nothing else
    } else {
        UpdateScrollBars();
    }
    RedisplayIfShown();
}

void KZScroller::Redisplay()
{
    UpdateScrollBars();
    KZWindowLeech::Redisplay();
}

bool KZScroller::SetUnitSize(KPoint size)
{
    const KPoint stored(std::max<int32_t>(1, size.x), std::max<int32_t>(1, size.y));
    if (stored == unitSize)
        return false;
    unitSize = stored;
    return true;
}

bool KZScroller::SetExtent(KPoint newExtent)
{
    const KPoint stored(std::max<int32_t>(0, newExtent.x), std::max<int32_t>(0, newExtent.y));
    const bool changed = stored != extent;
    extent = stored;
    SetScrollPosition(position);
    return changed;
}

bool KZScroller::SetScrollPosition(KPoint newPosition)
{
    const KRect range = ScrollRange();
    newPosition.ClampTo(range);
    if (newPosition == position)
        return false;
    position = newPosition;
    return true;
}

int KZScroller::HorizontalStep() { return 1; }
int KZScroller::VerticalStep() { return 1; }
int KZScroller::VisibleColumns() { return ClientUnits(true).x; }
int KZScroller::VisibleRows() { return ClientUnits(true).y; }
int KZScroller::AutoScrollRate(int32_t) { return 0; }

void KZScroller::UnitRect(KPoint unit, KRect &rect)
{
    rect = UnitRectToPixels(KRect(unit.x, unit.y, unit.x, unit.y));
}

KZPaletteEntry KZScroller::UnitPalette(KPoint, uint16_t type, uint16_t state)
{
    KZPaletteEntry entry;
    KZCopyPalette(entry, ResolvePalette(type, state), 0);
    return entry;
}

// ---- State -----------------------------------------------------------------------

KPoint KZScroller::ClientSize()
{
    const KRect client = ClientRect();
    return KPoint(std::max<int32_t>(0, client.Width()), std::max<int32_t>(0, client.Height()));
}

KPoint KZScroller::ClientUnits(bool whole)
{
    const KPoint size = ClientSize();
    if (whole)
        return KPoint(size.x / unitSize.x, size.y / unitSize.y);
    return KPoint(CeilDiv(size.x, unitSize.x), CeilDiv(size.y, unitSize.y));
}

KRect KZScroller::VisibleUnitRect(bool whole)
{
    const KPoint units = ClientUnits(whole);
    return KRect(position.x, position.y, position.x + units.x - 1, position.y + units.y - 1);
}

bool KZScroller::IsUnitVisible(KPoint unit, bool whole)
{
    return VisibleUnitRect(whole).ContainsPoint(unit);
}

KRect KZScroller::ExtentRect() const
{
    return KRect(0, 0, extent.x - 1, extent.y - 1);
}

KRect KZScroller::ScrollRange()
{
    return KRect(0, 0, std::max(0, extent.x - VisibleColumns()), std::max(0, extent.y - VisibleRows()));
}

// ---- Conversions -----------------------------------------------------------------

int KZScroller::Shift()
{
    if (!(layoutFlags & kScrollRightAligned))
        return 0;
    const int columns = VisibleColumns();
    return extent.x < columns ? columns - extent.x : 0;
}

KPoint KZScroller::UnitToPixel(KPoint unit)
{
    return KPoint((unit.x - position.x + Shift()) * unitSize.x, (unit.y - position.y) * unitSize.y);
}

KRect KZScroller::UnitRectToPixels(const KRect &units)
{
    const KPoint topLeft = UnitToPixel(KPoint(units.left, units.top));
    const KPoint bottomRight = UnitToPixel(KPoint(units.right, units.bottom));
    return KRect(topLeft.x, topLeft.y, bottomRight.x + unitSize.x - 1, bottomRight.y + unitSize.y - 1);
}

KPoint KZScroller::PixelToUnit(KPoint pixel)
{
    return KPoint(FloorDiv(pixel.x, unitSize.x) - Shift() + position.x, FloorDiv(pixel.y, unitSize.y) + position.y);
}

KRect KZScroller::PixelRectToUnits(const KRect &pixels)
{
    const KPoint topLeft = PixelToUnit(KPoint(pixels.left, pixels.top));
    const KPoint bottomRight = PixelToUnit(KPoint(pixels.right, pixels.bottom));
    return KRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

KPoint KZScroller::ParentToUnit(KPoint point)
{
    ParentToClient(point);
    return PixelToUnit(point);
}

KRect KZScroller::ParentRectToUnits(const KRect &rect)
{
    KRect client = rect;
    ParentToClient(client);
    return PixelRectToUnits(client);
}

// ---- Scroll bars and events ------------------------------------------------------

void KZScroller::UpdateScrollBars()
{
    Event(ZafEventStruct(kEvtUpdateHorizontalBar, 0));
    Event(ZafEventStruct(kEvtUpdateVerticalBar, 0));
}

void KZScroller::UpdateBar(bool vertical)
{
    auto *bar = dynamic_cast<ZafScrollBar *>(vertical ? VerticalScrollBar() : HorizontalScrollBar());
    if (!bar || !bar->ScrollData())
        return;
    const int visible = vertical ? VisibleRows() : VisibleColumns();
    const int units = vertical ? extent.y : extent.x;
    bar->ScrollData()->SetValues(0, std::max(0, units - visible), vertical ? position.y : position.x,
        vertical ? VerticalStep() : HorizontalStep(), visible);
}

// The change comes in the event's fifth scroll word, where the framework's
// bars put it.
void KZScroller::ScrollByBar(const ZafEventStruct &event, bool vertical, bool moveBar)
{
    const int change = event.scroll.delta;
    if (vertical)
        ScrollBy(0, change, false);
    else
        ScrollBy(change, 0, false);
    if (!moveBar)
        return;
    auto *bar = dynamic_cast<ZafScrollBar *>(vertical ? VerticalScrollBar() : HorizontalScrollBar());
    if (bar && bar->ScrollData())
        bar->ScrollData()->SetCurrent(bar->ScrollData()->Current() + change);
}

ZafEventType KZScroller::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    switch (code) {
    case kEvtHorizontalBarMoved:
        ScrollByBar(event, false, false);
        return code;
    case kEvtVerticalBarMoved:
        ScrollByBar(event, true, false);
        return code;
    case kEvtScrollHorizontal:
        ScrollByBar(event, false, true);
        return code;
    case kEvtScrollVertical:
        ScrollByBar(event, true, true);
        return code;
    case kEvtUpdateHorizontalBar:
        UpdateBar(false);
        return code;
    case kEvtUpdateVerticalBar:
        UpdateBar(true);
        return code;
    case kEvtClientResized:
    case kEvtRelayout: {
        if (ZafEventType answer = KZWindowLeech::Event(event))
            return answer;
        const ZafEventType answer = ZafWindow::Event(event);
        UpdateLayout();
        return answer;
    }
    default:
        return KZWindow::Event(event);
    }
}
