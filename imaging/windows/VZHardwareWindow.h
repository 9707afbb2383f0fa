#pragma once
// VZHardwareWindow: the plain window inside the hardware list's MDI child
// that holds the list pane (VZHardwarePane). It is the hub view's window:
// a change of the hub redraws the list. The module's start-up reads the
// window's named bitmaps from the program's data file (VZWindowCodes.h lists
// them); its shut-down deletes them. Owned by its MDI child; GUI thread.

#include "domain/ui/QVWindowHooks.h"
#include "imaging/VZHardwareViewPlace.h"
#include "imaging/VZWindowCodes.h"
#include "shell/toolkit/window/VZModuleBitmaps.h"
#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZWindow.h"

class VHardware;
class VHardwareView;
class VZHardwareMDI;
class VZHardwarePane;

class VZHardwareWindow : public KZWindow,
                         public QVHardwareWindowHook,
                         public VZModuleBitmaps<kHardwareWindowBitmaps>,
                         private VZViewedHardware
{
public:

    VZHardwareWindow(VZHardwareMDI *mdi, VHardwareView *hardwareView);

    // The list's events, the menu opening, the idle tick and the refresh go
    // to the pane; the rest as KZWindow.
    ZafEventType Event(const ZafEventStruct &event) override;
    void HardwareChanged() override { RedisplayPane(true); }

    void SetView(VHardwareView *view);
    // Redraws the pane when now is true.
    void RedisplayPane(bool now);

    VZHardwareMDI *Mdi() const { return mdi; }
    VZHardwarePane *Pane() const { return pane; }

private:
    VZHardwareMDI *mdi;
    VZHardwarePane *pane = nullptr;
    VZHardwareViewPlace<QVHardwareWindowHook> place{ &VHardwareView::Window, &VHardwareView::SetWindow };
};
