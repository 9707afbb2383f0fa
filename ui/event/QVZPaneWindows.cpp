#include "ui/event/QVZPaneWindows.h"

#include "domain/charts/QVChart.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/KZWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZPaneLayout.h"
#include "ui/results/QVZResultsWindow.h"

ZafWindow *QVZMakePaneWindow(int kind, QVZEventMDI &owner)
{
    // The summary and chart panes are plain windows that the layout places
    // until their own windows take their place.
    ZafWindow *window = kind == kPaneKindResults ? static_cast<ZafWindow *>(new QVZResultsWindow(&owner, nullptr, 0, 0, 0, 0))
                                                 : new KZWindow(0, 0, 0, 0);
    window->SetCoordinateType(kCoordPixels);
    return window;
}

bool QVZSetPaneView(int kind, ZafWindow *window, QVZEventMDI &owner)
{
    QVEvent *event = owner.Event();
    VLeg *leg = event ? event->Leg(0) : nullptr;
    switch (kind) {
    case kPaneKindSummary:
        return event != nullptr;
    case kPaneKindResults:
    {
        QVResultsView *view = leg && leg->Results() ? leg->Results()->NextView(nullptr) : nullptr;
        if (auto *results = dynamic_cast<QVZResultsWindow *>(window))
            results->SetView(view);
        return view != nullptr;
    }
    case kPaneKindChart:
        return leg && leg->Chart(0) && leg->Chart(0)->View(0, true);
    default:
        return false;
    }
}
