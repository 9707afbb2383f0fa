#include "imaging/windows/VZRemotePane.h"

#include "domain/hardware/VHardware.h"
#include "domain/hardware/VHardwareView.h"
#include "foundation/values/KHelpers.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/windows/VZRemoteButton.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/window/KZBitmap.h"

namespace {

struct ButtonPlace
{
    int left;
    int top;
    const wchar_t *bitmap;
    int32_t event;
    wchar_t command;
};

// Up, down, left, right, clockwise, counter-clockwise, iris close and open,
// focus near and far, zoom in and out.
constexpr ButtonPlace kButtons[VZRemotePane::kButtonCount] = {
    { 40, 10, L"PositionUp", 10562, L'A' },   { 40, 40, L"PositionDown", 10563, L'B' },
    { 10, 40, L"PositionLeft", 10564, L'C' }, { 70, 40, L"PositionRight", 10565, L'D' },
    { 10, 10, L"PositionCW", 10566, L'9' },   { 70, 10, L"PositionCCW", 10567, L'8' },
    { 10, 100, L"IrisClose", 10568, L'3' },   { 10, 70, L"IrisOpen", 10569, L'2' },
    { 40, 70, L"FocusNear", 10570, L'7' },    { 40, 100, L"FocusFar", 10571, L'6' },
    { 70, 70, L"ZoomIn", 10572, L'5' },       { 70, 100, L"ZoomOut", 10573, L'4' },
};

// Iris, focus and zoom go fast at '3', position and turn at '6'.
wchar_t FastSpeed(wchar_t command)
{
    return command >= L'2' && command <= L'7' ? L'3' : L'6';
}

} // namespace

VZRemotePane::VZRemotePane(ZafWindowObject *owner, VHardwareView *hardwareView)
    : KZWindow(0, 0, kPadWidth, kPadHeight), VZViewedHardware(hardwareView), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace &place = kButtons[i];
        buttons[i] = new VZRemoteButton(this, place.left, place.top, Bitmaps().Find(place.bitmap), place.event,
                                        place.command);
        Add(buttons[i]);
    }
}

void VZRemotePane::SetView(VHardwareView *view)
{
    Follow(view);
}

void VZRemotePane::Send(wchar_t command, wchar_t speed)
{
    if (hardware)
        hardware->SendRemoteCommand(cameraNumber, command, speed);
}

void VZRemotePane::Pressed(VZRemoteButton *button)
{
    heldCode = button->Code();
    heldCommand = button->Command();
    pressTime = KTickCount();
    fastMode = 0;
    Send(heldCommand, kSlowSpeed);
    if (KZApplication *application = KZApplication::Instance())
        application->Grab(button, kGrabRepeatMouse | kGrabKeepIdle);
    Held();
}

void VZRemotePane::Held()
{
    if (heldCode < 0 || fastMode || KTickElapsed(pressTime) <= kHoldTime)
        return;
    fastMode = 1;
    Send(heldCommand, FastSpeed(heldCommand));
}

void VZRemotePane::Released(VZRemoteButton *button)
{
    if (heldCode < 0)
        return;
    if (fastMode)
        Send(kStop, kStop);
    heldCode = -1;
    fastMode = 0;
    if (KZApplication *application = KZApplication::Instance())
        if (application->GrabWindow() == button)
            application->Grab(nullptr, 0);
    button->SetSelected(false);
}
