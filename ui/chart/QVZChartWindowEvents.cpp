// QVZChartWindow: its commands.
#include "ui/chart/QVZChartWindow.h"

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/results/QVTraceInfo.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "ui/chart/QVZChartHost.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZOverlayList.h"

namespace {

const wchar_t *LineKey(int code)
{
    switch (code) {
    case kCmdChartShowSet: return kKeyChartLineSet;
    case kCmdChartShowGun: return kKeyChartLineGun;
    case kCmdChartShowLegal: return kKeyChartLineLegal;
    case kCmdChartShowReaction: return kKeyChartLineReaction;
    default: return kKeyChartLinePower;
    }
}

} // namespace

ZafEventType QVZChartWindow::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    switch (code) {
    case kCmdChartShowSet:
        if (!SetLineAllowed())
            return code;
        ToggleLine(code);
        return code;
    case kCmdChartShowGun:
    case kCmdChartShowLegal:
    case kCmdChartShowReaction:
    case kCmdChartShowPower:
        ToggleLine(code);
        return code;
    case kCmdChartMaximize:
    case kCmdChartRestore:
        maximized = code == kCmdChartMaximize ? 1 : 0;
        ResizeInEventWindow(code == kCmdChartMaximize);
        UpdateButtons(false);
        RegisterWithEventWindow();
        return code;
    case kEvtMenuOpening:
    case kCmdChartExportBitmap:
    case kCmdChartPrinterSetup:
    case kCmdChartPrint:
        return pane->Event(event);
    default:
        return KZWindow::Event(event);
    }
}

// Turning the Set line on over an overlay needs one set time for all its
// trials; otherwise the user is told and nothing changes.
bool QVZChartWindow::SetLineAllowed()
{
    KRegistry *settings = VZApplication::Registry();
    const KRBool *line = settings ? settings->GetBool(kKeyChartLineSet) : nullptr;
    if (!QVZOverlayList::InOverlayMode() || !line || line->Value())
        return true;
    QVZChartTrials *source = Trials();
    QVResultsView *resultsView = source ? source->ResultsView() : nullptr;
    const QVZOverlayList *overlay = source ? source->OverlayList() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    if (!overlay || !results)
        return true;
    const VRaceTime *reference = nullptr;
    for (const QVTraceInfo *item = overlay->Next(); item; item = overlay->Next(item)) {
        const QVResult *r = results->MatchingAt(item->Row(), resultsView);
        if (!r || !r->SetCommandTime().IsValid())
            continue;
        if (!reference) {
            reference = &r->SetCommandTime();
        } else if (*reference != r->SetCommandTime()) {
            if (VZApplication *app = VZApplication::Instance())
                app->ShowMessage(settings->GetText(kTextChartNoSetOverlay));
            return false;
        }
    }
    return true;
}

void QVZChartWindow::ToggleLine(int code)
{
    KRegistry *settings = VZApplication::Registry();
    if (KRBool *line = settings ? settings->GetBool(LineKey(code)) : nullptr)
        line->SetValue(!line->Value());
    UpdateButtons(false);
    Replot();
}

void QVZChartWindow::Replot()
{
    pane->Plot(KPoint(-1, -1), false);
}

void QVZChartWindow::ResizeInEventWindow(bool maximize)
{
    if (!host)
        return;
    if (maximize)
        host->MaximizeChart(this);
    else
        host->RestoreChart(this);
}

void QVZChartWindow::RegisterWithEventWindow()
{
    if (host)
        host->SetChartWindow(this);
}
