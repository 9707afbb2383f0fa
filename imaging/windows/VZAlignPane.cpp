#include "imaging/windows/VZAlignPane.h"

#include <algorithm>

#include "domain/camera/VCamera.h"
#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "foundation/errors/KErrorCodes.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/windows/VZLaneBar.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/app/VZApplication.h"

VZAlignPane::VZAlignPane(ZafWindowObject *owner, VHardwareView *hardwareView)
    : KZWindow(0, 0, 0, 0), VZViewedHardware(hardwareView), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    laneBar = new VZLaneBar(nullptr, hardware, -1);
    Add(laneBar);
    place.Take(hardwareView, laneBar);
}

void VZAlignPane::SetView(VHardwareView *view)
{
    place.Take(view, laneBar);
    Follow(view);
}

void VZAlignPane::RedisplayLaneBar()
{
    if (laneBar)
        laneBar->KZSizer::Redisplay();
}

void VZAlignPane::Align(bool on, int mode)
{
    if (!hardware)
        return;
    if (!on) {
        hardware->StopAlignment();
        return;
    }
    VZApplication *application = VZApplication::Instance();
    if (hardware->IsCapturing()) {
        if (application)
            application->ShowMessage(VImagingText(kTextAlignWhileCapturing));
        return;
    }
    Start(mode);
}

void VZAlignPane::Start(int mode)
{
    if (mode == 0)
        rate = kFullRate;
    else if (mode == 2)
        rate = std::max(kSlowestRate, rate - kRateStep);
    VZApplication *application = VZApplication::Instance();
    // Without the camera's settings there is nothing to compute from.
    VCamera camera;
    if (!hardware->GetCameraSettings(cameraNumber, camera)) {
        if (application)
            application->ShowErrorCode(kErrHardwareCapture);
        return;
    }
    const int64_t value = int64_t(camera.FrameHeight()) * camera.Parameter(VCamera::kFrameRate) * 2 / rate;
    if (!hardware->StartAlignment(cameraNumber, int32_t(value)) || !hardware->BeginAlignment()) {
        if (application)
            application->ShowErrorCode(kErrHardwareCapture);
        return;
    }
    if (mode != 0)
        return;
    RedrawClient(ZAF_EV_REDRAW);
    alignColumn = camera.Parameter(VCamera::kOrientation) == 0 ? 0 : ClientRect().Width() - 1;
}
