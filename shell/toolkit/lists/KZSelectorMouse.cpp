// KZSelector: mouse selection, tracking and automatic scrolling.
#include "shell/toolkit/lists/KZSelector.h"

#include "shell/app/KZApplication.h"
#include "shell/toolkit/lists/KZListCodes.h"

namespace {

void GrabFor(ZafWindowObject *window, uint32_t flags)
{
    if (KZApplication *app = KZApplication::Instance())
        app->Grab(window, flags);
}

} // namespace

bool KZSelector::PressedUnit(KPoint at, KPoint &unit, KPoint &pixel)
{
    unit = ParentToUnit(at);
    pixel = at;
    ParentToClient(pixel);
    return IsUnitVisible(unit, true) && ExtentRect().ContainsPoint(unit);
}

// A press on a unit shown in full inside the extent starts tracking, unless
// it is a press on the selected unit that CellClicked takes.
void KZSelector::Press(KPoint at)
{
    KPoint unit, pixel;
    if (!PressedUnit(at, unit, pixel))
        return;
    if (unit != selection || !CellClicked(pixel, kClickOnSelected)) {
        // The repeated mouse event keeps the automatic scrolling going while
        // the pointer rests outside the list.
        GrabFor(this, kGrabRepeatMouse);
        selectorFlags |= kSelectorTracking;
        pressUnit = unit;
    }
}

void KZSelector::RightPress(KPoint at)
{
    KPoint unit, pixel;
    if (!PressedUnit(at, unit, pixel))
        return;
    Select(unit);
    CellClicked(pixel, kClickRight);
}

// While the view scrolls by itself the selection stays where it is; after
// each step (and at a release outside the view) the unit under the pointer
// is taken as far as it is shown, so the selection never jumps to a unit
// the user did not pass.
void KZSelector::Track(ZafLogicalEvent code, KPoint at)
{
    const KPoint unit = ParentToUnit(at);
    if (AutoScrollNeeded(unit)) {
        AutoScroll(unit);
        KPoint shown = unit;
        shown.ClampTo(VisibleUnitRect(true));
        Select(shown);
    } else {
        Select(unit);
    }
    if (code == kEvtLeftRelease) {
        GrabFor(nullptr, 0);
        selectorFlags &= ~kSelectorTracking;
    }
}

ZafEventType KZSelector::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    const KPoint at(mapped.region.left, mapped.region.top);
    const bool tracking = (selectorFlags & kSelectorTracking) != 0;
    switch (code) {
    case kEvtLeftPress:
        if (!tracking)
            Press(at);
        if (selectorFlags & kSelectorTracking)
            Track(code, at);
        return code;
    case kEvtRightPress:
        if (!tracking)
            RightPress(at);
        return code;
    case kEvtLeftDrag:
    case kEvtLeftRelease:
        if (tracking)
            Track(code, at);
        return code;
    default:
        return KZScroller::Event(event);
    }
}
