#include "ui/event/QVZPaneWindows.h"

#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "ui/chart/QVZChartTrials.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZEventWindow.h"
#include "ui/event/QVZPaneLayout.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"

namespace {

// The trials of the event window's current results window.
class ResultsWindowTrials : public QVZChartTrials
{
public:
    explicit ResultsWindowTrials(QVZEventMDI &owner) : owner(owner) {}

    QVResultsView *ResultsView() override
    {
        QVZResultsWindow *results = Results();
        return results ? results->View() : nullptr;
    }

    const QVZOverlayList *OverlayList() override
    {
        QVZResultsWindow *results = Results();
        return results && results->Pane() ? &results->Pane()->Overlay() : nullptr;
    }

private:
    QVZResultsWindow *Results() const { return dynamic_cast<QVZResultsWindow *>(owner.ResultsWindow()); }

    QVZEventMDI &owner;
};

} // namespace

std::unique_ptr<QVZChartTrials> QVZMakeChartTrials(QVZEventMDI &owner)
{
    return std::make_unique<ResultsWindowTrials>(owner);
}

ZafWindow *QVZMakePaneWindow(int kind, QVZEventMDI &owner)
{
    if (kind == kPaneKindSummary)
        return new QVZEventWindow(&owner, nullptr);
    ZafWindow *window = nullptr;
    if (kind == kPaneKindResults)
    {
        auto *results = new QVZResultsWindow(&owner, nullptr, 0, 0, 0, 0);
        results->SetHost(&owner);
        window = results;
    }
    else if (kind == kPaneKindChart)
        window = new QVZChartWindow(&owner, nullptr);
    else
        window = new KZWindow(0, 0, 0, 0);
    window->SetCoordinateType(kCoordPixels);
    return window;
}

bool QVZSetPaneView(int kind, ZafWindow *window, QVZEventMDI &owner)
{
    QVEvent *event = owner.Event();
    VLeg *leg = event ? event->Leg(0) : nullptr;
    switch (kind) {
    case kPaneKindSummary:
        if (auto *summary = dynamic_cast<QVZEventWindow *>(window); summary && event)
            summary->SetView(&event->View());
        return event != nullptr;
    case kPaneKindResults:
    {
        QVResultsView *view = leg && leg->Results() ? leg->Results()->NextView(nullptr) : nullptr;
        if (auto *results = dynamic_cast<QVZResultsWindow *>(window))
            results->SetView(view);
        return view != nullptr;
    }
    case kPaneKindChart:
    {
        QVChartView *view = leg && leg->Chart(0) ? leg->Chart(0)->View(0, true) : nullptr;
        if (auto *chart = dynamic_cast<QVZChartWindow *>(window))
            chart->SetView(view);
        return view != nullptr;
    }
    default:
        return false;
    }
}
