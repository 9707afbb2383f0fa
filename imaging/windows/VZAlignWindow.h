#pragma once
// VZAlignWindow: the plain window that holds the alignment pane of the
// hardware view's camera. It is the view's alignment window, which redraws
// its lane ruler when the camera's lanes change. The module's start-up and
// shut-down have nothing to do. GUI thread.

#include "domain/hardware/VHardwareView.h"
#include "imaging/VZHardwareViewPlace.h"
#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZWindow.h"

class VHardware;
class VZAlignPane;

class VZAlignWindow : public KZWindow, public VHardwareLanesHook, private VZViewedHardware
{
public:
    static void Startup() {}
    static void Shutdown() {}

    VZAlignWindow(ZafWindowObject *owner, VHardwareView *hardwareView);

    // The idle tick runs the pane's idle step; the rest as KZWindow.
    ZafEventType Event(const ZafEventStruct &event) override;
    void LanesChanged() override { RedisplayLaneBar(); }

    void SetCameraNumber(int number);
    int CameraNumber() const { return cameraNumber; }
    void SetView(VHardwareView *view);
    void Align(bool on, int mode);
    void RedisplayLaneBar();

    VZAlignPane *Pane() const { return pane; }

private:
    ZafWindowObject *owner;
    VZAlignPane *pane = nullptr;
    int cameraNumber = -1;
    VZHardwareViewPlace<VHardwareLanesHook> place{ &VHardwareView::AlignWindow, &VHardwareView::SetAlignWindow };
};
