#include "ui/event/QVZPaneWindows.h"

#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZEventWindow.h"
#include "ui/event/QVZPaneLayout.h"
#include "ui/results/QVZResultsWindow.h"

ZafWindow *QVZMakePaneWindow(int kind, QVZEventMDI &owner)
{
    if (kind == kPaneKindSummary)
        return new QVZEventWindow(&owner, nullptr);
    ZafWindow *window = nullptr;
    if (kind == kPaneKindResults)
        window = new QVZResultsWindow(&owner, nullptr, 0, 0, 0, 0);
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
