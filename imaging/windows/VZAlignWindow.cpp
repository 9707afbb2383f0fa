#include "imaging/windows/VZAlignWindow.h"

#include "imaging/windows/VZAlignPane.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/app/KZAppCodes.h"

VZAlignWindow::VZAlignWindow(ZafWindowObject *owner, VHardwareView *hardwareView)
    : KZWindow(0, 0, 0, 0), VZViewedHardware(hardwareView), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    pane = new VZAlignPane(this, hardwareView);
    Add(pane);
    place.Take(hardwareView, this);
    RedisplayLaneBar();
}

ZafEventType VZAlignWindow::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafEventType code = MapEvent(mapped);
    if (code == kEvtIdle) {
        pane->Idle();
        return code;
    }
    return KZWindow::Event(event);
}

void VZAlignWindow::SetCameraNumber(int number)
{
    cameraNumber = number;
    pane->SetCameraNumber(number);
}

void VZAlignWindow::SetView(VHardwareView *view)
{
    place.Take(view, this);
    Follow(view);
    pane->SetView(view);
}

void VZAlignWindow::Align(bool on, int mode)
{
    pane->Align(on, mode);
}

void VZAlignWindow::RedisplayLaneBar()
{
    pane->RedisplayLaneBar();
}
