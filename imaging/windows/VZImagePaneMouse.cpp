// The image pane's mouse: the cursor drag (left button), the selection drag
// (right button) and the selection frame.
#include "imaging/windows/VZImagePane.h"

#include <windows.h>

#include <algorithm>

#include "domain/results/QVResults.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "imaging/VZWindowCodes.h"
#include "foundation/strings/KString.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/app/KZApplication.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/window/KZMessageBeep.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// The drags capture the mouse with repeated mouse events, so that the pane
// keeps scrolling while the pointer rests outside it.
constexpr uint32_t kDragGrab = 3;

void GrabFor(ZafWindowObject *window, uint32_t flags)
{
    if (KZApplication *app = KZApplication::Instance())
        app->Grab(window, flags);
}

} // namespace

bool VZImagePane::HasSelection() const
{
    return view && view->ShowFirstRect();
}

void VZImagePane::DrawSelection(const KRect *clip)
{
    if (!HasSelection())
        return;
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow())
        return;
    KRect frame = UnitRectToPixels(view->FirstRect());
    ClientToOS(frame);
    const ZafRegionStruct none = KZMakeRegion(KRect(0, 0, -1, -1), kCoordPixels);
    BeginDraw();
    const KRect previous = clip ? SetClipUnits(*clip) : KRect();
    display->XorRectangle(none, KZMakeRegion(frame, kCoordPixels));
    DrawPrintLines();
    if (clip)
        SetClipUnits(previous);
    EndDraw();
}

void VZImagePane::ClearSelection()
{
    if (!view)
        return;
    DrawSelection();
    if (resultLinesChanged) {
        if (QVResults *results = LegResults())
            results->SetFlagAll(false);
        resultLinesChanged = false;
    }
    view->SetShowFirstRect(false);
}

void VZImagePane::ShowSelectionSize()
{
    KZStatusBar *bar = KZMainStatusBar();
    if (!bar || !view)
        return;
    const KRect frames = image->ViewToImage(view->FirstRect(), view->Zoom());
    KString text;
    text.AppendPoint(KPoint(frames.Width(), frames.Height()));
    bar->SetMessage(text.CStr());
}

void VZImagePane::LeftPress(const ZafEventStruct &event, KPoint at)
{
    if (event.modifiers & ZAF_SHIFT) {
        if (!owner || !owner->ResultPopUp(ScreenPoint(at)))
            KZMessageBeep(0);
        return;
    }
    if (ToggleResultLine(ParentToUnit(at)))
        return;
    ClearSelection();
    GrabFor(this, kDragGrab);
    view->SetRedrawSuspended(kModeCursorDrag);
}

KPoint VZImagePane::DragUnit(KPoint at, void (VZImagePane::*erase)(), bool &scrolled)
{
    KPoint unit = ParentToUnit(at);
    scrolled = false;
    if (AutoScrollNeeded(unit)) {
        (this->*erase)();
        scrolled = AutoScroll(unit);
    }
    unit.ClampTo(ExtentRect());
    return unit;
}

void VZImagePane::TrackCursor(ZafLogicalEvent code, KPoint at)
{
    bool scrolled = false;
    const KPoint unit = DragUnit(at, &VZImagePane::EraseCursor, scrolled);
    if (unit != view->TimeTrackPoint()) {
        EraseCursor();
        view->SetTimeTrackPoint(unit);
    }
    if ((!scrolled || code == ZAF_L_END_SELECT) && !cursorDrawn) {
        view->SetShowTimeTrack(true);
        DrawCursor();
        view->BroadcastTimeTrack();
    }
    if (code == ZAF_L_END_SELECT)
        EndDrag();
}

void VZImagePane::RightPress(KPoint at)
{
    EraseCursor();
    GrabFor(this, kDragGrab);
    view->SetRedrawSuspended(kModeSelectionDrag);
    dragAnchor = ParentToUnit(at);
    dragAnchor.ClampTo(ExtentRect());
    dragLast = KPoint(dragAnchor.x - 1, dragAnchor.y);
}

void VZImagePane::TrackSelection(ZafLogicalEvent code, KPoint at)
{
    bool scrolled = false;
    const KPoint unit = DragUnit(at, &VZImagePane::ClearSelection, scrolled);
    if (unit != dragLast) {
        ClearSelection();
        view->SetFirstRect(KRect(std::min(dragAnchor.x, unit.x), std::min(dragAnchor.y, unit.y),
                                 std::max(dragAnchor.x, unit.x), std::max(dragAnchor.y, unit.y)));
        dragLast = unit;
        ShowSelectionSize();
    }
    if ((!scrolled || code == ZAF_L_END_ALT) && !view->ShowFirstRect()) {
        view->SetShowFirstRect(true);
        DrawSelection();
    }
    if (code == ZAF_L_END_ALT) {
        if (PrintLines() == kPrintLinesOnRelease) {
            ClearSelection();
            view->SetShowFirstRect(true);
            FlagResultsInSelection();
            DrawSelection();
        }
        EndDrag();
    }
}

KPoint VZImagePane::ScreenPoint(KPoint at) const
{
    OSToScreen(at);
    return at;
}

// Back to idle; the cursor and the frame stay as drawn.
void VZImagePane::EndDrag()
{
    GrabFor(nullptr, 0);
    const bool drawn = cursorDrawn;
    view->SetRedrawSuspended(kModeIdle);
    cursorDrawn = drawn;
}
