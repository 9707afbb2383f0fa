#include "imaging/hardware/VZManualStartDialog.h"

#include <windows.h>

#include "domain/hardware/VHardware.h"
#include "domain/timing/VRaceTime.h"
#include "imaging/image/VImagingTexts.h"
#include "framework/core/events/ZafEventManager.h"
#include "imaging/VZWindowCodes.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

constexpr int kOffsetWidth = 12;    // cells
constexpr int kOffsetLength = 31;   // characters

bool IsSpacePress(const ZafEventStruct &event)
{
    if (event.InputClass() != ZAF_INPUT_KEYBOARD)
        return false;
    const ZafUInt32 message = event.osEvent.message;
    return (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && event.osEvent.wParam == VK_SPACE;
}

} // namespace

VZManualStartDialog::VZManualStartDialog(VHardware *hardware)
    : KZDialog(VImagingText(kTextManualStartTitle).CStr(), kButtonCancel, kButtonCancel), hardware(hardware)
{
    NewLine();
    AddPrompt(VImagingText(kTextManualStartOffset).CStr());
    offsetField = AddString(L"0.0", kOffsetWidth, kOffsetLength);
    NewLine();
    NewLine();
    AddPrompt(VImagingText(kTextManualStartHit).CStr());
    NewLine();
}

int VZManualStartDialog::IsEndCode(const ZafEventStruct &event)
{
    if (!IsSpacePress(event))
        return KZDialog::IsEndCode(event);
    if (!started) {
        started = true;
        Start();
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->Put(ZafEventStruct(kDialogOk, 0));
    }
    return 1;
}

void VZManualStartDialog::Start()
{
    VHardware *hub = hardware ? hardware : VHardware::Instance();
    if (!hub)
        return;
    KString text(offsetField->Text());
    text.Trim();
    VRaceTime offset;
    if (offset.Parse(text)) {
        offset.SetResolution(VRaceTime::kTenth, true);
        hub->ManualStart(&offset);
    } else {
        hub->ManualStart(nullptr);
    }
}
