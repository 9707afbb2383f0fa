// The message box on the program's message window, run in the
// application's own modal loop.
#include "shell/app/KZMessageBox.h"

#include "foundation/strings/KString.h"
#include "framework/controls/ZafMessageWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/KZMessageWindow.h"

namespace {

KZMessageBoxHook &Hook()
{
    static KZMessageBoxHook hook;
    return hook;
}

struct ButtonPair
{
    uint32_t ours;
    ZafUInt16 framework;
};

const ButtonPair kButtons[] = {
    { kButtonOk, ZAF_MESSAGE_OK },         { kButtonYes, ZAF_MESSAGE_YES },
    { kButtonNo, ZAF_MESSAGE_NO },         { kButtonCancel, ZAF_MESSAGE_CANCEL },
    { kButtonAbort, ZAF_MESSAGE_ABORT },   { kButtonRetry, ZAF_MESSAGE_RETRY },
    { kButtonIgnore, ZAF_MESSAGE_IGNORE },
};

ZafUInt16 FrameworkButtons(uint32_t buttons)
{
    ZafUInt16 flags = 0;
    for (const ButtonPair &pair : kButtons)
        if (buttons & pair.ours)
            flags |= pair.framework;
    return flags ? flags : ZAF_MESSAGE_OK;
}

// The answer of a box that went away without a button: its Cancel, else
// its default button's.
int32_t ClosedAnswer(uint32_t buttons, uint32_t defaultButton)
{
    if (buttons & kButtonCancel)
        return kDialogCancel;
    return int32_t(ZafMessageWindow::ButtonResult(FrameworkButtons(defaultButton ? defaultButton : kButtonOk)));
}

} // namespace

int32_t KZMessageBox(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton, int icon)
{
    if (Hook())
        return Hook()(caption, text, buttons, defaultButton, icon);
    KZApplication *application = KZApplication::Instance();
    ZafWindowManager *manager = application ? application->WindowManager() : nullptr;
    if (!manager)
        return ClosedAnswer(buttons, defaultButton);
    KZMessageWindow box(caption.CStr(), text.CStr(), buttons, defaultButton, icon);
    const int32_t result = box.DoModal();
    if (result >= kDialogOk && result <= kDialogCancel)
        return result;
    // Closed from its frame: the Cancel it offers, else no answer at all
    // (-3), which confirms nothing.
    return (buttons & kButtonCancel) ? kDialogCancel : kEvtWindowGone;
}

void KZSetMessageBoxHook(KZMessageBoxHook hook)
{
    Hook() = std::move(hook);
}
