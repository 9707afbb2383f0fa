#pragma once
// KZMessageWindow: the program's message box, a KZDialog holding an optional
// icon and the message as a prompt above the standard buttons. The caller runs
// it with DoModal and reads the result (kDialogOk, kDialogYes, ...
// kDialogCancel; kEvtWindowGone when it was closed from its frame). It opens
// with the focus on its default button, so that Enter gives the default answer.
// GUI thread only.

#include <cstdint>

#include "shell/toolkit/dialogs/KZDialog.h"

class KZPrompt;
class ZafIcon;

class KZMessageWindow : public KZDialog
{
public:
    // icon: the number of one of the framework's system icons (kIcon...),
    // 0 for none.
    KZMessageWindow(const wchar_t *title, const wchar_t *message, uint32_t buttons, uint32_t defaultButton,
                    int icon);

    // The dialog's layout, then the default button becomes the current child.
    void Prepare() override;

    ZafIcon *Icon() const { return icon; }
    KZPrompt *Message() const { return message; }

private:
    ZafIcon *icon = nullptr;
    KZPrompt *message = nullptr;
};
