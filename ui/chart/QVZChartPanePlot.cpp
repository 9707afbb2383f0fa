// QVZChartPane: building a plot and clearing the chart.
#include "ui/chart/QVZChartPane.h"

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/attribs/cf_TextAttribs.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/results/QVTraceInfo.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZDelayedBusyPointer.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "ui/chart/QVZChartDataDialog.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/common/QVZOverlayList.h"

#include <vector>

QVZChartPane::PlotScope::PlotScope(QVZChartPane &pane, KZDelayedBusyPointer *pointer)
    : pane(pane), settings(pane.ReadSettings()), outerBusy(pane.busy), outerSettings(pane.plotSettings)
{
    pane.busy = pointer;
    pane.plotSettings = &settings;
}

QVZChartPane::PlotScope::~PlotScope()
{
    pane.busy = outerBusy;
    pane.plotSettings = outerSettings;
}

void QVZChartPane::Plot(KPoint selection, bool redraw)
{
    // A plot adds at most a dozen traces and is mostly over in a few
    // milliseconds, before a wait pointer could be seen.
    KZDelayedBusyPointer pointer;
    PlotScope scope(*this, &pointer);
    BuildPlot(selection, redraw);
}

void QVZChartPane::BuildPlot(KPoint selection, bool redraw)
{
    lastPlotted = KSteadyMilliseconds();
    scale = 0;
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    if (!results || !trials->OverlayList())
        return;
    const bool overlay = OverlayMode();
    cf_ChartModel *model = control->Model();
    if (redraw && (!overlay || series == 1)) {
        model->Reset();
        model->ClearLegend();
    }
    // The power lines are added again below; an overlay plot must not keep
    // the previous ones.
    model->Range()->Clear();
    model->Groups()->Clear();
    if (selection == KPoint(-1, -1))
        selection = resultsView->Selection();

    const QVResult *result = nullptr;
    // Whether the working arrays hold the result's traces already.
    bool computed = true;
    if (overlay) {
        std::vector<const QVResult *> overlaid;
        OverlayResults(overlaid);
        RaiseScaleOverAll(overlaid, true);
        result = results->MatchingAt(selection.y, resultsView);
        computed = !overlaid.empty() && overlaid.back() == result;
    } else {
        raisedOver.trials.clear();
        result = results->MatchingAt(selection.y, resultsView);
        if (result)
            ComputeTraces(result, true);
    }
    if (!result) { // a row without a trial keeps the cleared chart
        RedrawControl();
        return;
    }
    if (redraw) {
        AddSeries(result, computed);
        SetupScales();
        if (overlay)
            AddLegendEntry(selection.y);
    }
    FinishPlot(result);
}

void QVZChartPane::AddSeries(const QVResult *result, bool computed)
{
    SetSeriesStyle(result, series);
    if (!computed)
        ComputeTraces(result, false);
    AddSeriesData(control, series);
}

void QVZChartPane::AddLegendEntry(int row)
{
    KString legend(KZSettingText(kTextChartTrial));
    legend.Append(L" ").AppendInt(row + 1);
    control->AddLegendEntry(legend.CStr(), 115, 100 - 6 * (series - 1), 0);
    cf_ChartModel *model = control->Model();
    if (cf_DataGroup *entry = model->LegendEntry(model->LegendCount()))
        entry->TextAttribs().SetTextColor(control->GroupDispAttribs(series)->FillColor());
    ++series;
}

void QVZChartPane::FinishPlot(const QVResult *result)
{
    AddMarkerLines(result);
    AddPowerLine(result);
    SetupFrame();
    AddAxisTitles();
    RedrawControl();
}

void QVZChartPane::AddAxisTitles()
{
    control->AddAxisTitleAt(KZSettingText(kTextChartAxisTime).CStr(), 2, 0, -117, 0);
    control->AddAxisTitleAt(KZSettingText(kTextChartAxisPower).CStr(), 4, -117, 0, 0);
}

void QVZChartPane::ShowEmptyFrame()
{
    Clear();
    SetupFrame();
    AddAxisTitles();
    RedrawControl();
}

bool QVZChartPane::InOverlay(int row) const
{
    QVZChartTrials *trials = Trials();
    const QVZOverlayList *overlay = trials ? trials->OverlayList() : nullptr;
    return overlay && overlay->Contains(row);
}

bool QVZChartPane::HoldOverlayChange(KPoint selection)
{
    if (!KZLongOperation::Current() || !OverlayMode())
        return false;
    const bool whole = selection == KPoint(-1, -1);
    if (!whole && !InOverlay(selection.y))
        return false;
    // A download's change of the results comes just before the selection
    // of its row: held always, it is drawn with that selection.
    if (whole || KSteadyMilliseconds() - lastPlotted < kBusyRedrawInterval) {
        overlayStale = true;
        raisedOver.trials.clear();
        return true;
    }
    return false;
}

void QVZChartPane::PlotOverlay()
{
    PlotScope scope(*this, nullptr);
    BuildOverlay();
}

void QVZChartPane::BuildOverlay()
{
    overlayStale = false;
    lastPlotted = KSteadyMilliseconds();
    series = 1;
    rangeMultiplier = 1;
    QVZChartTrials *trials = Trials();
    const QVZOverlayList *overlay = trials ? trials->OverlayList() : nullptr;
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    if (!overlay || !overlay->Next()) {
        Clear();
        return;
    }
    if (!results)
        return;
    // The chart each trial's own plot would leave behind, built in one go:
    // every trial computed once for the scale, its series, the lines of the
    // last one and a single redraw.
    KZApplication::ShowPointer(kPointerBusy);
    scale = 0;
    cf_ChartModel *model = control->Model();
    model->Reset();
    model->ClearLegend();
    std::vector<int> rows;
    std::vector<const QVResult *> shown;
    for (const QVTraceInfo *item = overlay->Next(); item; item = overlay->Next(item))
        if (const QVResult *r = results->MatchingAt(item->Row(), resultsView)) {
            rows.push_back(item->Row());
            shown.push_back(r);
        }
    RaiseScaleOverAll(shown, false);
    for (size_t i = 0; i < shown.size(); ++i) {
        AddSeries(shown[i], shown.size() == 1);
        AddLegendEntry(rows[i]);
    }
    if (shown.empty()) {
        RedrawControl();
    } else {
        SetupScales();
        FinishPlot(shown.back());
    }
    KZApplication::ShowPointer(kPointerArrow);
}

void QVZChartPane::Clear()
{
    raisedOver.trials.clear();
    series = 1;
    rangeMultiplier = 1;
    scale = 0;
    control->Model()->Reset();
    control->Model()->ClearLegend();
    SetSeriesStyle(nullptr, 1);
    ComputeTraces(nullptr, false);
    AddSeriesData(control, 1);
    SetupScales();
    RedrawControl();
    series = 1;
    rangeMultiplier = 1;
    scale = 0;
}

void QVZChartPane::ShowChartData()
{
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    if (!results)
        return;
    const QVResult *result = results->MatchingAt(resultsView->Selection().y, resultsView);
    if (!result)
        return;
    ComputeTraces(result, false);
    QVZChartDataDialog dialog;
    dialog.DoModal();
}
