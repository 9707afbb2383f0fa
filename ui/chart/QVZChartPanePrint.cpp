// QVZChartPane: the chart printer of the module, and printing a chart on one
// page with its header.
#include "imaging/VZWindowCodes.h"
#include "ui/chart/QVZChartPane.h"

#include <algorithm>
#include <optional>

#include "chart/view/ZafChartControl.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KDateTime.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafPrinter.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "foundation/errors/KErrorCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/printing/KZModulePrinter.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTrials.h"

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCentre = 2;
// The chart keeps this many device units clear of the paper's right edge.
constexpr int kChartRightGap = 200;

KZModulePrinter<ZafPrinter> chartPrinter;

// The date and time at which the current print job started.
KString63 printStart;

void HeaderLine(ZafPrinter &printer, int font, int top, const KString &text, int alignment, int *bottom = nullptr)
{
    printer.SetFont(static_cast<ZafInt8>(font));
    const int below = printer.DrawParagraph(0, top, printer.PrintableWidth() - 1, text.CStr(), -1, alignment, false);
    if (bottom)
        *bottom = below;
}

} // namespace

void QVZChartPane::Startup()
{
    if (KZApplication *app = KZApplication::Instance())
        exportPath = app->GetProgramFile().FullName();
    chartPrinter.Start([] { return std::make_unique<ZafPrinter>(); });
}

void QVZChartPane::Shutdown()
{
    chartPrinter.Stop();
}

ZafPrinter *QVZChartPane::Printer()
{
    return chartPrinter.Get();
}

void QVZChartPane::Print()
{
    ZafPrinter *printer = Printer();
    if (!printer || !printer->RunPrintSetup())
        return;
    VZApplication *app = VZApplication::Instance();
    // A job the spooler refuses is ended at once: no page of it is driven.
    if (printer->BeginPrintJob(printTitle.CStr()) != 0) {
        printer->EndPrintJob();
        if (app)
            app->ShowErrorCode(kErrPrinterNotResponding);
        return;
    }
    std::optional<KZLongOperation> work(std::in_place, KZSettingText(kTextChartPrinting, L"Printing Chart..."));
    KDateTime now;
    now.SetNow();
    KString started;
    now.Format(started);
    printStart = started;
    const bool paged = printer->BeginPage() == 0;
    if (paged) {
        const int top = PrintPage(*printer, 1, 1);
        DrawChartOn(*printer, top);
        printer->EndPage();
    }
    printer->EndPrintJob();
    work.reset();
    if (!paged && app)
        app->ShowErrorCode(kErrPrinterNotResponding);
}

int QVZChartPane::PrintPage(ZafPrinter &on, int page, int pageCount)
{
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    const QVEvent *event = results ? results->Event() : nullptr;

    KString title(KZSettingText(kKeyCompetitionName, L""));
    if (!title.IsEmpty())
        title.Append(L" - ");
    if (event) {
        event->FileTitle(title);
        if (event->HasEventRoundHeat()) {
            title.Append(L" (");
            event->CompetitionId(title);
            title.AppendChar(L')');
        }
    }
    KString number(KZSettingText(kTextChartPrintPage, L"Page"));
    number.AppendChar(L' ').AppendInt(page).AppendChar(L' ');
    number.Append(KZSettingText(kTextChartPrintOf, L"of")).AppendChar(L' ').AppendInt(pageCount);
    KString start(KZSettingText(kTextChartPrintStart, L"Start:"));
    start.AppendChar(L' ');
    if (event) {
        event->DateTime().FormatTime(start);
        start.AppendChar(L' ');
        event->DateTime().FormatDate(start);
    }

    int titleBottom = 0;
    int below = 0;
    HeaderLine(on, 0, 0, KString(printStart.CStr()), kLeft);
    HeaderLine(on, 1, 0, title, kCentre, &titleBottom);
    HeaderLine(on, 0, 0, number, kRight);
    HeaderLine(on, 0, titleBottom, start, kCentre, &below);
    return below;
}

void QVZChartPane::DrawChartOn(ZafPrinter &on, int top)
{
    ZafChartControl *own = control;
    const int ownSeries = series, ownScale = scale, ownMultiplier = rangeMultiplier;
    control = new ZafChartControl(33, 7, 33, 7, 4, 1, 1);
    if (!OverlayMode())
        Plot(KPoint(-1, -1), true);
    else
        PlotOverlay();

    // Below the header, from the left margin in (room for the value labels
    // left of the axis) to the gap on the paper's right, within the
    // printable area.
    int left = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
    on.Margins(left, marginTop, marginRight, marginBottom);
    const int right = std::min(on.PrintableWidth(), on.PageWidth() - kChartRightGap - left);
    const int width = right - left;
    const int height = on.PrintableHeight() - top;
    if (width > 0 && height > 0) {
        ZafRegionStruct area;
        area.Assign(0, 0, width - 1, height - 1, ZAF_PIXEL);
        control->SetCoordinateType(ZAF_PIXEL);
        control->SetRegion(area);
        auto *temporary = new ZafWindow(0, 0, 1, 1);
        temporary->Add(control);
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (manager)
            manager->Add(temporary);
        ZafDisplay *previous = ZafDisplay::SetShared(&on);
        on.SetOrigin(left, top);
        control->Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
        on.SetOrigin(0, 0);
        ZafDisplay::SetShared(previous);
        if (manager)
            manager->Subtract(temporary);
        delete temporary;
    } else {
        delete control;
    }
    control = own;
    series = ownSeries;
    scale = ownScale;
    rangeMultiplier = ownMultiplier;
}
