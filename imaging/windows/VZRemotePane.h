#pragma once
// VZRemotePane: the remote pad of a camera on the hardware hub: twelve
// buttons that move, turn, focus, zoom and open or close the lens while they
// are held. A press sends the button's command at the slow speed; held over
// half a second the command goes once more at the fast speed, and the
// release then stops the camera. The module's start-up reads the buttons'
// named bitmaps from the program's data file (VZWindowCodes.h lists them);
// its shut-down deletes them. Owned by its remote window; GUI thread.

#include <cstdint>

#include "imaging/VZWindowCodes.h"
#include "shell/toolkit/window/VZModuleBitmaps.h"
#include "imaging/windows/VZViewedHardware.h"
#include "shell/toolkit/window/KZWindow.h"

class VHardware;
class VHardwareView;
class VZRemoteButton;

class VZRemotePane : public KZWindow, public VZModuleBitmaps<kRemotePaneBitmaps>, private VZViewedHardware
{
public:

    static constexpr int kButtonCount = 12;
    // The pad's size in pixels: three buttons across, four down, 10-pixel margins.
    static constexpr int kPadWidth = 106;
    static constexpr int kPadHeight = 136;
    static constexpr int32_t kHoldTime = 500;     // ms after which a held button goes fast
    static constexpr wchar_t kSlowSpeed = L'8';
    static constexpr wchar_t kStop = L'0';

    VZRemotePane(ZafWindowObject *owner, VHardwareView *hardwareView);

    void SetView(VHardwareView *view);
    void SetCameraNumber(int number) { cameraNumber = number; }
    int CameraNumber() const { return cameraNumber; }

    // What the buttons report.
    void Pressed(VZRemoteButton *button);
    void Held();
    void Released(VZRemoteButton *button);

    VZRemoteButton *Button(int index) const { return buttons[index]; }
    int32_t HeldCode() const { return heldCode; }

private:
    void Send(wchar_t command, wchar_t speed);

    ZafWindowObject *owner;
    int cameraNumber = -1;
    int32_t heldCode = -1;
    wchar_t heldCommand = 0;
    int32_t pressTime = 0;
    int32_t fastMode = 0;
    VZRemoteButton *buttons[kButtonCount] = {};
};
