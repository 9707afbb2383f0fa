#pragma once
// VZHardwareMDI: the MDI child that lists the hardware hub's devices. It
// holds the hardware window (the list) in its upper part, makes an
// alignment window for the same view, and routes the hub's window events to
// the list, the alignment window and a remote window where there is one.
// Owned by its MDI frame; GUI thread.

#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZMDIChild.h"

class KZGeomMgr;
class VHardware;
class VHardwareView;
class VZAlignWindow;
class VZHardwareWindow;
class VZRemoteWindow;

class VZHardwareMDI : public KZMDIChild, private VZViewedHardware
{
public:
    explicit VZHardwareMDI(VHardwareView *hardwareView);
    ~VZHardwareMDI() override;

    ZafEventType Event(const ZafEventStruct &event) override;

    VHardware *Hardware() const { return hardware; }
    VHardwareView *HardwareView() const { return hardwareView; }
    VZHardwareWindow *HardwareWindow() const { return hardwareWindow; }
    VZRemoteWindow *RemoteWindow() const { return remoteWindow; }
    VZAlignWindow *AlignWindow() const { return alignWindow; }

private:
    VZHardwareWindow *hardwareWindow = nullptr;
    VZRemoteWindow *remoteWindow = nullptr;
    VZAlignWindow *alignWindow = nullptr;
    KZGeomMgr *geometry = nullptr;
};
