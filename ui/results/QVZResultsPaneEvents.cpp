// QVZResultsPane: the results commands, the menu states, overlay clicks and
// the photobeam-break pop-up.
#include "ui/results/QVZResultsPane.h"

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/timing/VLeg.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "imaging/printer/VZPrinter.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPopUpMenu.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZResultsWindow.h"

namespace P = QVZResultsPrompts;

namespace {

VLeg *LegOf(const QVResults *results)
{
    return results ? results->Leg() : nullptr;
}

} // namespace

bool QVZResultsPane::InOverlayMode()
{
    return QVZOverlayList::InOverlayMode();
}

void QVZResultsPane::StartOverlayMode()
{
    if (owner)
        owner->SetOverlayButton(true);
    else if (VZApplication *application = VZApplication::Instance())
        application->SetOverlayMode(true);
}

ZafEventType QVZResultsPane::Event(const ZafEventStruct &event)
{
    const ZafEventType code = event.type;
    if (code >= kCmdResultCodeFirst && code <= kCmdResultCodeLast)
    {
        SetResultCode(code - kCmdResultCodeFirst);
        return code;
    }
    switch (code)
    {
    case kCmdResultsAddTimes:
        DownloadTrials(true, false);
        return code;
    case kCmdResultsPrinterSetup:
        if (Printer())
            Printer()->ChoosePrinter();
        return code;
    case kCmdResultsPrint:
        Print();
        return code;
    case kCmdResultsDownloadTraces:
        if (InOverlayMode())
            P::ShowMessage(P::Text(kTextNoAddOverlay));
        else
            DownloadTrials(false, true);
        return code;
    case kCmdResultsDeleteTrial:
        if (InOverlayMode())
            P::ShowMessage(P::Text(kTextNoDeleteOvly));
        else
            DeleteSelected();
        return code;
    case kCmdOverlayMode:
        ToggleOverlayMode();
        return code;
    case kCmdOverlayClear:
        if (VLeg *leg = LegOf(results))
            leg->ClearSelection();
        overlay.Clear();
        return code;
    case kEvtMenuOpening:
        MenuOpening();
        return code;
    default:
        return SelectorEvent(event);
    }
}

// A left press on another row selects it at once; it also shows that trial
// in the chart (or adds it to the overlay), as a second press on the
// selected row would, so that one click does what the user asked for.
ZafEventType QVZResultsPane::SelectorEvent(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const bool press = MapEvent(mapped) == kEvtLeftPress;
    const KPoint before = Selection();
    const ZafEventType answer = KZEditableSelector::Event(event);
    if (press && Selection() != before && ResultAt(Selection().y))
        ShowOrOverlayTrial(Selection());
    return answer;
}

void QVZResultsPane::ShowOrOverlayTrial(KPoint cell)
{
    if (!InOverlayMode())
    {
        if (VLeg *leg = LegOf(results))
            leg->Select(cell);
    }
    else
        ToggleOverlayRow(cell.y);
}

// A result code needs a selected result; without one nothing happens.
void QVZResultsPane::SetResultCode(int32_t code)
{
    QVResult *result = ResultAt(Selection().y);
    if (!result)
        return;
    result->SetResultCode(code);
    SendResults();
}

void QVZResultsPane::DeleteSelected()
{
    QVResult *result = ResultAt(Selection().y);
    if (!result)
        return;
    results->Delete(result);
    Redisplay();
}

void QVZResultsPane::ToggleOverlayMode()
{
    overlay.Clear();
    bool on = !InOverlayMode();
    if (owner)
        owner->SetOverlayButton(on);
    else if (VZApplication *application = VZApplication::Instance())
        application->SetOverlayMode(on);
    if (VLeg *leg = LegOf(results))
        leg->ClearSelection();
}

// The download and the list commands work in any workout that has a list,
// also an empty new one; deleting needs a selected row.
void QVZResultsPane::MenuOpening()
{
    KZPullDownMenu *menu = KZMainMenuBar();
    if (!menu || !results)
        return;
    for (int32_t command : { kCmdResultsAddTimes, kCmdResultsDownloadTraces, kCmdResultsPrinterSetup,
                             kCmdResultsPrint, kCmdOverlayMode })
        menu->EnableItem(command, true);
    menu->EnableItem(kCmdResultsDeleteTrial, ResultAt(Selection().y) != nullptr);
    if (InOverlayMode())
    {
        menu->EnableItem(kCmdOverlayClear, true);
        menu->CheckItem(kCmdOverlayMode, true);
    }
}

bool QVZResultsPane::CellClicked(KPoint pixel, int mode)
{
    if (KZEditableSelector::CellClicked(pixel, mode))
        return true;
    KPoint unit = PixelToUnit(pixel);
    const QVResult *result = ResultAt(unit.y);
    if (!result)
        return true;
    KRect row;
    UnitRect(unit, row);
    FitColumns();
    int across = pixel.x - row.left;
    const bool breaks = view && across >= view->ColumnPosition(kColumnTimeToDistance) &&
                        across < view->ColumnPosition(kColumnTimeToDistance + 1);
    // In overlay mode a press on the selected row takes its trace out; the
    // press that opens the breaks pop-up leaves the overlay as it was.
    if (!breaks || !InOverlayMode())
        ShowOrOverlayTrial(Selection());
    if (breaks)
        ShowBreaks(pixel, *result);
    return true;
}

// A listed row leaves the overlay and the rest are selected again in list
// order; a new row joins while there is room.
void QVZResultsPane::ToggleOverlayRow(int row)
{
    VLeg *leg = LegOf(results);
    if (overlay.Contains(row))
    {
        if (leg)
            leg->ClearSelection();
        overlay.Remove(row);
        for (QVTraceInfo *entry = overlay.Next(); entry; entry = overlay.Next(entry))
            if (leg)
                leg->Select(KPoint(0, entry->Row()));
        return;
    }
    if (!overlay.Add(row))
    {
        P::ShowMessage(P::Text(kTextNoMoreOverlay));
        return;
    }
    if (leg)
        leg->Select(KPoint(0, row));
}

void QVZResultsPane::BreakLines(const QVResult &result, std::vector<KString> &lines)
{
    lines.clear();
    bool listed = false;
    VRaceTime last;
    for (int i = 0; i < result.BreakCount(); ++i)
    {
        VRaceTime time = result.TrialTime(i);
        if (!time.IsValid())
            continue;
        KString line;
        FormatTime(time, line);
        if (listed)
        {
            line.Append(L" (");
            FormatTime(time - last, line);
            line.AppendChar(L')');
        }
        lines.push_back(line);
        last = time;
        listed = true;
    }
    KString final;
    const VRaceTime &distance = result.TimeToDistance();
    FormatTime(distance, final);
    if (listed && distance.IsValid())
    {
        final.Append(L" (");
        FormatTime(distance - last, final);
        final.AppendChar(L')');
    }
    lines.push_back(final);
}

void QVZResultsPane::ShowBreaks(KPoint pixel, const QVResult &result)
{
    std::vector<KString> lines;
    BreakLines(result, lines);
    KPoint screen = pixel;
    ClientToScreen(screen);
    if (breakMenu)
    {
        breakMenu(screen, lines);
        return;
    }
    KZPopUpMenu menu(screen);
    auto *item = new KZPopUpItem(P::Text(kTextPhotobreaks).CStr(), 0);
    for (const KString &line : lines)
        KZAddToMenu(item, new KZPopUpItem(line.CStr(), 0));
    KZAddToMenu(&menu, item);
    menu.Show();
}
