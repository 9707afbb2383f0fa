#pragma once
// VZAlignPane: starts and stops the alignment mode of a camera on the
// hardware hub and shows the camera's lanes on a lane ruler. Each start in
// mode 2 lowers the alignment rate, so that the live column moves slower,
// down to a floor; mode 0 starts over at the full rate. Owned by its
// alignment window; GUI thread.

#include <cstdint>

#include "imaging/VZHardwareViewPlace.h"
#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZWindow.h"

class VHardware;
class VHardwareView;
class VZLaneBar;

class VZAlignPane : public KZWindow, private VZViewedHardware
{
public:
    static constexpr int32_t kFullRate = 400000;
    static constexpr int32_t kRateStep = 50000;
    static constexpr int32_t kSlowestRate = 10000;

    VZAlignPane(ZafWindowObject *owner, VHardwareView *hardwareView);

    void SetView(VHardwareView *view);
    void SetCameraNumber(int number) { cameraNumber = number; }
    // Stops (on false) or starts alignment in a mode (0 full rate, 2 slower).
    void Align(bool on, int mode);
    void Idle() {}
    void RedisplayLaneBar();

    VZLaneBar *LaneBar() const { return laneBar; }
    int32_t Rate() const { return rate; }
    int32_t AlignColumn() const { return alignColumn; }

private:
    void Start(int mode);

    ZafWindowObject *owner;
    VZLaneBar *laneBar = nullptr;
    int cameraNumber = -1;
    int32_t alignColumn = 0;
    int32_t rate = kFullRate;
    VZHardwareViewPlace<VHardwareLanesHook> place{ &VHardwareView::LaneBar, &VHardwareView::SetLaneBar };
};
