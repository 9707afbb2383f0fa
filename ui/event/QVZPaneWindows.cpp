#include "ui/event/QVZPaneWindows.h"

#include "domain/charts/QVChart.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/KZWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZPaneLayout.h"

ZafWindow *QVZMakePaneWindow(int, QVZEventMDI &)
{
    // Stand-in for every kind: a plain window that the layout places.
    auto *window = new KZWindow(0, 0, 0, 0);
    window->SetCoordinateType(kCoordPixels);
    return window;
}

bool QVZSetPaneView(int kind, ZafWindow *, QVZEventMDI &owner)
{
    QVEvent *event = owner.Event();
    VLeg *leg = event ? event->Leg(0) : nullptr;
    switch (kind) {
    case kPaneKindSummary:
        return event != nullptr;
    case kPaneKindResults:
        return leg && leg->Results() && leg->Results()->NextView(nullptr);
    case kPaneKindChart:
        return leg && leg->Chart(0) && leg->Chart(0)->View(0, true);
    default:
        return false;
    }
}
