// The image pane's result lines: the time lines of the timed results of the
// image's leg, and the print lines of the results flagged inside the
// selection, which are inverted like the selection's frame so that drawing
// them again removes them.
#include "imaging/windows/VZImagePane.h"

#include <algorithm>

#include "domain/charts/VZoom.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "imaging/image/VImage.h"
#include "imaging/views/VImageView.h"

namespace {

constexpr ZafInt8 kPrintLineColour = 15;   // white, inverting the picture
constexpr ZafUInt8 kModeInvert = 1;        // the display's exclusive-or mode

} // namespace

VLeg *VZImagePane::Leg() const
{
    for (KMessageObject *object = image ? image->GetParent() : nullptr; object; object = object->GetParent())
        if (auto *leg = dynamic_cast<VLeg *>(object))
            return leg;
    return nullptr;
}

QVResults *VZImagePane::LegResults() const
{
    const VLeg *leg = Leg();
    return leg ? leg->Results() : nullptr;
}

int32_t VZImagePane::ColumnOfTime(const VRaceTime &time)
{
    if (!image || !view || !time.IsValid())
        return -1;
    return image->FrameOfTime(time, *view, false);
}

// The times shown run from a step before the first visible column (a frame
// magnified over several columns may begin left of it) to the last one; a
// mirrored image shows them right to left.
void VZImagePane::DrawTimeLines(const KRect &units)
{
    QVResults *results = LegResults();
    if (!results || !view || HashShowLines() == 0)
        return;
    const int32_t width = view->Width();
    const VZoom &zoom = view->Zoom();
    const int32_t denominator = std::max<int32_t>(1, zoom.HorizontalDenominator());
    const int32_t step = std::max<int32_t>(1, (zoom.HorizontalNumerator() + denominator - 1) / denominator);
    const KRect visible = VisibleUnitRect(false);
    const int32_t first = std::max(0, visible.left);
    const int32_t last = std::min(visible.right, width - 1);
    const KPoint early(Mirrored() ? std::min(width - 1, last + step) : std::max(0, first - step), 0);
    const KPoint late(Mirrored() ? first : last, 0);
    const VRaceTime from = image->TimeAt(*view, early, false);
    const VRaceTime to = image->TimeAt(*view, late, false);
    if (!from.IsValid() || !to.IsValid())
        return;
    int32_t top = 0, bottom = 0;
    VisibleRows(top, bottom);
    if (top > bottom)
        return;

    BeginDraw();
    UseHashPalette();
    const KRect previous = SetClipUnits(units);
    for (QVResult *result = results->NextTimed(nullptr); result; result = results->NextTimed(result)) {
        const VRaceTime &time = result->FinishTime();
        if (time < from || to < time)
            continue;
        const int32_t x = ColumnOfTime(time);
        if (x > 0 && x < width - 1)
            FillUnits(KRect(x, top, x, bottom), 0, true);
    }
    SetClipUnits(previous);
    EndDraw();
}

// Between the caller's BeginDraw and EndDraw.
void VZImagePane::InvertColumn(int32_t x, int32_t top, int32_t bottom)
{
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    if (!display || !HasOSWindow() || top > bottom)
        return;
    KZPaletteEntry entry;
    KZInitPalette(entry);
    entry.palette.colorForeground = kPrintLineColour;
    entry.palette.colorBackground = kPrintLineColour;
    UsePalette(entry);
    const ZafUInt8 mode = display->SetMode(kModeInvert);
    DrawLine(KPoint(x, top), KPoint(x, bottom), 1);
    display->SetMode(mode);
}

// Between the caller's BeginDraw and EndDraw, with the selection's clip.
void VZImagePane::DrawPrintLines()
{
    QVResults *results = LegResults();
    if (!results || !resultLinesChanged)
        return;
    const KRect selection = view->FirstRect();
    for (QVResult *result = results->NextFlagged(nullptr); result; result = results->NextFlagged(result)) {
        const int32_t x = ColumnOfTime(result->FinishTime());
        if (x > selection.left && x < selection.right)
            InvertColumn(x, selection.top + 1, selection.bottom - 1);
    }
}

bool VZImagePane::ToggleResultLine(KPoint point)
{
    if (PrintLines() == 0 || !HasSelection())
        return false;
    const KRect selection = view->FirstRect();
    QVResults *results = LegResults();
    if (!results || !selection.ContainsPoint(point))
        return false;
    const VRaceTime time = image->TimeAt(*view, point, false);
    QVResult *nearest = time.IsValid() ? results->NearestTimed(time) : nullptr;
    const int32_t x = nearest ? ColumnOfTime(nearest->FinishTime()) : -1;
    if (x <= selection.left || x >= selection.right)
        return false;
    // Only the flags set during this selection are drawn: older ones go.
    if (!resultLinesChanged)
        results->SetFlagAll(false);
    nearest->SetFlag(!nearest->HasFlag());
    resultLinesChanged = true;
    BeginDraw();
    InvertColumn(x, selection.top + 1, selection.bottom - 1);
    EndDraw();
    return true;
}

// The results are taken by time, so that a list not kept in order of time,
// or a mirrored image whose left edge is the later one, still flags exactly
// the results between the two edges.
void VZImagePane::FlagResultsInSelection()
{
    QVResults *results = LegResults();
    if (!results || !HasSelection())
        return;
    const KRect selection = view->FirstRect();
    const VRaceTime leftTime = image->TimeAt(*view, KPoint(selection.left, selection.top), false);
    const VRaceTime rightTime = image->TimeAt(*view, KPoint(selection.right, selection.top), false);
    results->SetFlagAll(false);
    QVResult *left = leftTime.IsValid() ? results->NearestTimed(leftTime) : nullptr;
    QVResult *right = rightTime.IsValid() ? results->NearestTimed(rightTime) : nullptr;
    if (!left || !right)
        return;
    const VRaceTime first = std::min(left->FinishTime(), right->FinishTime());
    const VRaceTime last = std::max(left->FinishTime(), right->FinishTime());
    for (QVResult *result = results->NextTimed(nullptr); result; result = results->NextTimed(result))
        if (!(result->FinishTime() < first) && !(last < result->FinishTime()))
            result->SetFlag(true);
    resultLinesChanged = true;
}
