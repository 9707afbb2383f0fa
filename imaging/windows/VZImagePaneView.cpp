// The image pane's view, scrolling and cursor moves.
#include "imaging/windows/VZImagePane.h"

#include <algorithm>

#include "domain/timing/VRaceTime.h"
#include "foundation/values/KHelpers.h"
#include "framework/controls/ZafScrollBar.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "shell/app/KZAppCodes.h"
#include "imaging/views/VImageView.h"
#include "imaging/printer/VZPrinter.h"
#include "imaging/windows/VZAdjustmentsDialog.h"
#include "imaging/windows/VZImageWindow.h"
#include "imaging/windows/VZLaneBar.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

// Arrow runs: events closer than the gap continue a run; after the run has
// lasted the threshold each event moves by the factor.
constexpr int32_t kArrowGap = 150;
constexpr int32_t kArrowFastAfter = 1500;
constexpr int32_t kArrowFastFactor = 5;

} // namespace

VZImagePane::VZImagePane(VZImageWindow *owner, VImageView *newView) : KZScroller(0, 0, 0, 0), owner(owner)
{
    SetUnitSize(KPoint(1, 1));
    laneBar = new VZLaneBar(nullptr, nullptr, -1);
    Add(new ZafScrollBar(ZafScrollBar::CORNER));
    Add(new ZafScrollBar(ZafScrollBar::HORIZONTAL_BAR));
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    Add(laneBar);
    SetView(newView);
}

VZImagePane::~VZImagePane()
{
    SetView(nullptr);
    overlayLocations.DeleteAll();
}

void VZImagePane::SetView(VImageView *newView)
{
    if (newView == view)
        return;
    cursorDrawn = false;
    drawnHalfWidth = 0;
    laneBar->SetImage(nullptr);
    view = newView;
    image = view ? view->Image() : nullptr;
    if (!view) {
        SetExtent(KPoint(0, 0));
        return;
    }
    laneBar->SetImage(image);
    SetExtent(KPoint(view->Width(), view->Height()));
    KZScroller::SetScrollPosition(view->Position());
    Redisplay();
}

void VZImagePane::Redisplay()
{
    UpdateLaneBar();
    const uint32_t flags = LayoutFlags() & ~kScrollRightAligned;
    SetLayoutFlags(Mirrored() ? flags | kScrollRightAligned : flags);
    if (view)
        SetExtent(KPoint(view->Width(), view->Height()));
    KZScroller::Redisplay();
}

bool VZImagePane::SetScrollPosition(KPoint position)
{
    const bool changed = KZScroller::SetScrollPosition(position);
    if (view && laneBar) {
        view->SetPosition(ScrollPosition());
        if (laneBar->SetRange(ScrollPosition().y, view->Height()))
            laneBar->RedrawClient(kEvtRedisplayNow);
    }
    return changed;
}

void VZImagePane::UpdateLaneBar()
{
    const bool changed = view ? laneBar->SetRange(ScrollPosition().y, view->Height()) : laneBar->SetRange(0, 0);
    if (changed)
        laneBar->RedrawClient(kEvtRedisplayNow);
    else
        laneBar->KZSizer::Redisplay();
}

void VZImagePane::ImageGrown()
{
    if (!view)
        return;
    const int32_t oldWidth = Extent().x;
    if (!SetExtent(KPoint(view->Width(), view->Height())))
        return;
    const int32_t newWidth = Extent().x;
    const int32_t top = 0, bottom = Extent().y - 1;
    if (!Mirrored()) {
        UpdateScrollBars();
        if (newWidth > oldWidth)
            RedrawRect(KRect(oldWidth, top, newWidth - 1, bottom), kEvtRedisplayNow);
        return;
    }
    // The new frames push the picture right: everything held in view
    // columns moves with it, so that what is shown stays where it was.
    const int32_t growth = newWidth - oldWidth;
    const KPoint position = ScrollPosition();
    SetScrollPosition(KPoint(position.x + growth, position.y));
    if (view->ShowTimeTrack()) {
        const KPoint at = view->TimeTrackPoint();
        view->SetTimeTrackPoint(KPoint(at.x + growth, at.y));
    }
    if (view->ShowFirstRect()) {
        KRect rect = view->FirstRect();
        rect += KPoint(growth, 0);
        view->SetFirstRect(rect);
    }
    UpdateScrollBars();
    if (growth > 0)
        RedrawRect(KRect(0, top, growth - 1, bottom), kEvtRedisplayNow);
}

int VZImagePane::HorizontalStep()
{
    return std::max(1, VisibleColumns() / 4);
}

int VZImagePane::VerticalStep()
{
    return std::max(1, KZScroller::VisibleRows() / 4);
}

int VZImagePane::AutoScrollRate(int32_t elapsed)
{
    return elapsed < 1500 ? 300 : 500;
}

bool VZImagePane::MoveCursorTo(KPoint point)
{
    if (!view || (view->ShowTimeTrack() && view->TimeTrackPoint() == point))
        return false;
    const bool hold = view->RedrawSuspended() == 0 && view->ShowTimeTrack();
    if (hold)
        view->SetRedrawSuspended(kModeCursorDrag);
    EraseCursor();
    ClearSelection();
    view->SetTimeTrackPoint(point);
    view->SetShowTimeTrack(true);
    view->ClipMarks();
    if (!view->ShowTimeTrack()) {
        // Outside the image: nothing to show.
        if (hold)
            view->SetRedrawSuspended(kModeIdle);
        return false;
    }
    ScrollIntoView(view->TimeTrackPoint(), true, true);
    UpdateScrollBars();
    DrawCursor();
    if (hold) {
        // Back to idle without the view's own full redraw.
        const bool drawn = cursorDrawn;
        view->SetRedrawSuspended(kModeIdle);
        cursorDrawn = drawn;
    }
    return true;
}

bool VZImagePane::MoveCursorBy(KPoint offset)
{
    if (!view || !view->ShowTimeTrack())
        return false;
    const KPoint at = view->TimeTrackPoint();
    const bool moved = MoveCursorTo(KPoint(at.x + offset.x, at.y + offset.y));
    if (moved)
        view->BroadcastTimeTrack();
    return moved;
}

void VZImagePane::MoveCursorToTime(const VRaceTime &time, int32_t row)
{
    if (!view || !time.IsValid())
        return;
    const int32_t x = ColumnOfTime(time);
    if (x >= 0)
        MoveCursorTo(KPoint(x, row < 0 ? view->TimeTrackPoint().y : row));
}

void VZImagePane::ArrowKey(ZafLogicalEvent code)
{
    static const KPoint steps[] = { KPoint(0, -1), KPoint(0, 1), KPoint(-1, 0), KPoint(1, 0) };
    KPoint step = steps[code - ZAF_L_UP];
    const int32_t now = KTickCount();
    if (code == arrowCode && int32_t(uint32_t(now) - uint32_t(arrowLast)) < kArrowGap) {
        if (int32_t(uint32_t(now) - uint32_t(arrowRunStart)) > kArrowFastAfter)
            step = KPoint(step.x * kArrowFastFactor, step.y * kArrowFastFactor);
    } else {
        arrowCode = code;
        arrowRunStart = now;
    }
    arrowLast = now;
    MoveCursorBy(step);
}

ZafEventType VZImagePane::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    const KPoint at(mapped.region.left, mapped.region.top);
    const int32_t mode = view ? view->RedrawSuspended() : -1;
    switch (code) {
    case ZAF_EV_POINTER_ENTERED:
        if (KZStatusBar *bar = KZMainStatusBar(); bar && image)
            bar->SetMessage(image->CameraName().CStr());
        return KZScroller::Event(event);
    case ZAF_EV_POINTER_LEFT:
        if (KZStatusBar *bar = KZMainStatusBar())
            bar->Clear();
        return KZScroller::Event(event);
    case ZAF_L_UP:
    case ZAF_L_DOWN:
    case ZAF_L_LEFT:
    case ZAF_L_RIGHT:
        ArrowKey(code);
        return code;
    case ZAF_L_BEGIN_SELECT:
        if (mode == kModeIdle)
            LeftPress(event, at);
        return code;
    case ZAF_L_CONTINUE_SELECT:
    case ZAF_L_END_SELECT:
        if (mode == kModeCursorDrag)
            TrackCursor(code, at);
        return code;
    case ZAF_L_BEGIN_ALT:
        if (mode == kModeIdle)
            RightPress(at);
        return code;
    case ZAF_L_CONTINUE_ALT:
    case ZAF_L_END_ALT:
        if (mode == kModeSelectionDrag) {
            TrackSelection(code, at);
            if (code == ZAF_L_END_ALT && owner)
                VZImageWindow::SelectionPopUp(ScreenPoint(at));
        }
        return code;
    default:
        return Command(code) ? code : KZScroller::Event(event);
    }
}

bool VZImagePane::Command(ZafLogicalEvent code)
{
    if (code >= kEvtImagePlaceOverlay && code <= kEvtImagePlaceOverlay + kImageOverlayLastId) {
        PlaceOverlay(code - kEvtImagePlaceOverlay);
        return true;
    }
    switch (code) {
    case kEvtMenuOpening:
        MenuOpening();
        return true;
    case kEvtImageClearOverlays:
        ClearOverlays();
        return true;
    case kEvtImageWhiteBalance:
    case kEvtImageWhiteBalancePopup:
        if (HasSelection()) {
            const KRect rect = view->FirstRect();
            ClearSelection();
            image->WhiteBalance({ image->ViewToImage(rect, view->Zoom()) });
        }
        return true;
    case kEvtImageExport:
    case kEvtImageExportPopup:
        ExportBitmap();
        return true;
    case kEvtImagePrint:
    case kEvtImagePrintPopup:
        return true;
    case kEvtImageAdjustments:
        VZAdjustmentsDialog::Adjust(this, image);
        return true;
    case kEvtImagePageSetup:
        if (VZPrinter *printer = Printer())
            printer->PageSetup(dynamic_cast<ZafWindow *>(RootObject()));
        return true;
    case kEvtImageChoosePrinter:
        if (VZPrinter *printer = Printer())
            printer->ChoosePrinter(OSWindow());
        return true;
    default:
        return false;
    }
}
