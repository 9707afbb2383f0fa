// The message box: the program's message window, or the system's own box
// while there is no window manager to show it (early start-up, late
// shut-down).
#include "shell/app/KZMessageBox.h"

#include <windows.h>

#include "foundation/strings/KString.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/toolkit/dialogs/KZMessageWindow.h"

namespace {

KZMessageBoxHook &Hook()
{
    static KZMessageBoxHook hook;
    return hook;
}

struct ButtonSet
{
    UINT style;
    uint32_t order[3];   // the buttons in the order the box shows them
};

ButtonSet ChooseButtons(uint32_t buttons)
{
    if (buttons & (kButtonAbort | kButtonIgnore))
        return { MB_ABORTRETRYIGNORE, { kButtonAbort, kButtonRetry, kButtonIgnore } };
    if ((buttons & kButtonRetry) && (buttons & kButtonCancel))
        return { MB_RETRYCANCEL, { kButtonRetry, kButtonCancel, 0 } };
    if ((buttons & kButtonYes) && (buttons & kButtonCancel))
        return { MB_YESNOCANCEL, { kButtonYes, kButtonNo, kButtonCancel } };
    if (buttons & (kButtonYes | kButtonNo))
        return { MB_YESNO, { kButtonYes, kButtonNo, 0 } };
    if ((buttons & kButtonOk) && (buttons & kButtonCancel))
        return { MB_OKCANCEL, { kButtonOk, kButtonCancel, 0 } };
    return { MB_OK, { kButtonOk, 0, 0 } };
}

UINT DefaultStyle(const ButtonSet &set, uint32_t defaultButton)
{
    if (set.order[1] == defaultButton)
        return MB_DEFBUTTON2;
    if (set.order[2] == defaultButton)
        return MB_DEFBUTTON3;
    return MB_DEFBUTTON1;
}

UINT IconStyle(int icon)
{
    switch (icon) {
    case kIconAsterisk: return MB_ICONASTERISK;
    case kIconExclamation: return MB_ICONEXCLAMATION;
    case kIconQuestion: return MB_ICONQUESTION;
    default: return 0;
    }
}

int32_t Result(int answer, uint32_t offered)
{
    switch (answer) {
    case IDOK: return kDialogOk;
    case IDYES: return kDialogYes;
    case IDNO: return kDialogNo;
    case IDABORT: return kDialogAbort;
    case IDRETRY: return kDialogRetry;
    // The system box has no Abort-and-Retry pair; its Ignore stands for Abort then.
    case IDIGNORE: return (offered & kButtonIgnore) ? kDialogIgnore : kDialogAbort;
    default: return kDialogCancel;
    }
}

} // namespace

int32_t KZMessageBox(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton, int icon)
{
    if (Hook())
        return Hook()(caption, text, buttons, defaultButton, icon);
    KZApplication *app = KZApplication::Instance();
    if (app && app->WindowManager()) {
        KZMessageWindow box(caption.CStr(), text.CStr(), buttons, defaultButton, icon);
        const int32_t result = box.DoModal();
        // Closed from its frame: the Cancel it offers, else not confirmed (-3).
        if (result == kEvtWindowGone && (buttons & kButtonCancel))
            return kDialogCancel;
        return result;
    }
    const ButtonSet set = ChooseButtons(buttons);
    HWND owner = nullptr;
    if (ZafWindow *main = KZApplication::MainWindow())
        owner = static_cast<HWND>(main->OSWindow());
    const UINT style = set.style | DefaultStyle(set, defaultButton) | IconStyle(icon) | MB_SETFOREGROUND
                       | (owner ? MB_APPLMODAL : MB_TASKMODAL);
    return Result(MessageBoxW(owner, text.CStr(), caption.CStr(), style), buttons);
}

void KZSetMessageBoxHook(KZMessageBoxHook hook)
{
    Hook() = std::move(hook);
}
