#pragma once
// VZViewedHardware: the hardware view that a hardware window, pane or MDI
// child shows, and the hardware behind that view; the two change together.
// A base of those windows. GUI thread only.

#include "domain/hardware/VHardwareView.h"

class VZViewedHardware
{
protected:
    explicit VZViewedHardware(VHardwareView *view) { Follow(view); }

    // Shows view (null: none) and its hardware.
    void Follow(VHardwareView *view)
    {
        hardwareView = view;
        hardware = view ? view->Hardware() : nullptr;
    }

    VHardware *hardware = nullptr;
    VHardwareView *hardwareView = nullptr;
};
