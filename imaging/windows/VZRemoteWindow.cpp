#include "imaging/windows/VZRemoteWindow.h"

#include "domain/hardware/VHardwareView.h"
#include "imaging/windows/VZRemotePane.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/app/KZAppCodes.h"

VZRemoteWindow::VZRemoteWindow(ZafWindowObject *owner, VHardwareView *hardwareView)
    : KZWindow(0, 0, VZRemotePane::kPadWidth, VZRemotePane::kPadHeight), VZViewedHardware(hardwareView), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    pane = new VZRemotePane(this, hardwareView);
    Add(pane);
}

ZafEventType VZRemoteWindow::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    if (MapEvent(mapped) == kEvtMenuOpening)
        return pane->Event(event);
    return KZWindow::Event(event);
}

void VZRemoteWindow::SetView(VHardwareView *view)
{
    Follow(view);
    pane->SetView(view);
}

void VZRemoteWindow::SetCameraNumber(int number)
{
    pane->SetCameraNumber(number);
}
