#include "imaging/hardware/VZKeyboardCaptureDialog.h"

#include <windows.h>

#include "imaging/image/VImagingTexts.h"
#include "imaging/VZWindowCodes.h"
#include "shell/app/KZAppCodes.h"

namespace {

constexpr ZafUInt32 kKeyPress = 0x200;   // input-map flag of a key press

} // namespace

VZKeyboardCaptureDialog::VZKeyboardCaptureDialog(ZafWindowObject *target)
    : KZDialog(VImagingText(kTextKeyboardCaptureTitle).CStr(), kButtonOk, kButtonOk), target(target)
{
    NewLine();
    AddPrompt(VImagingText(kTextKeyboardCaptureSpace).CStr());
    NewLine();
}

ZafEventType VZKeyboardCaptureDialog::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = ZafWindow::MapEvent(mapped);
    if (event.InputClass() == ZAF_INPUT_KEYBOARD && event.key == L' ' && (event.mapModifiers & kKeyPress)) {
        Beep();
        return code;
    }
    if (code == kEvtKeyboardCapture && target)
        return target->Event(ZafEventStruct(kEvtCaptureKey, 0));
    return KZDialog::Event(event);
}

void VZKeyboardCaptureDialog::Beep()
{
    MessageBeep(0);
}
