#include "imaging/windows/VZHardwareWindow.h"

#include "domain/hardware/VHardwareView.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/windows/VZHardwarePane.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/window/KZGeometry.h"

VZHardwareWindow::VZHardwareWindow(VZHardwareMDI *mdi, VHardwareView *hardwareView)
    : KZWindow(0, 0, 0, 0), VZViewedHardware(hardwareView), mdi(mdi)
{
    SetCoordinateType(kCoordPixels);
    place.Take(hardwareView, this);
    pane = new VZHardwarePane(this, hardwareView);
    Add(pane);
    // The pane fills the window.
    auto *geometry = new KZGeomMgr;
    for (uint32_t edge : { kGeomLeft, kGeomTop, kGeomRight, kGeomBottom })
        geometry->Add(new KZGeomAtt(pane, edge, 0));
    Add(geometry);
    RedisplayPane(false);
}

ZafEventType VZHardwareWindow::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafEventType code = MapEvent(mapped);
    if ((code >= kEvtHardwareFirst && code <= kEvtHardwareLast) || code == kEvtMenuOpening || code == kEvtIdle ||
        code == kEvtHardwareRefresh)
        return pane->Event(event);
    return KZWindow::Event(event);
}

void VZHardwareWindow::SetView(VHardwareView *view)
{
    place.Take(view, this);
    Follow(view);
    pane->SetView(view);
}

void VZHardwareWindow::RedisplayPane(bool now)
{
    if (now)
        pane->Redisplay();
}
