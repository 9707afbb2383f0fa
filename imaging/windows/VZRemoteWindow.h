#pragma once
// VZRemoteWindow: the plain window that holds the remote pad of a camera on
// the hardware hub. A host makes one with its owner and the hub's view and
// sets the camera number. The module's start-up and shut-down have nothing
// to do. GUI thread.

#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZWindow.h"

class VHardware;
class VHardwareView;
class VZRemotePane;

class VZRemoteWindow : public KZWindow, private VZViewedHardware
{
public:
    static void Startup() {}
    static void Shutdown() {}

    VZRemoteWindow(ZafWindowObject *owner, VHardwareView *hardwareView);

    // The menu opening goes to the pad; the rest as KZWindow.
    ZafEventType Event(const ZafEventStruct &event) override;

    void SetView(VHardwareView *view);
    void SetCameraNumber(int number);
    VZRemotePane *Pane() const { return pane; }

private:
    ZafWindowObject *owner;
    VZRemotePane *pane = nullptr;
};
