#pragma once
// VZKeyboardCaptureDialog: while it is open, the capture key reaches a target
// window: the program's capture key event (kEvtKeyboardCapture) is passed to
// the target as kEvtCaptureKey. A press of the space bar only beeps. Made on
// the stack; GUI thread only.

#include "shell/toolkit/dialogs/KZDialog.h"

class ZafWindowObject;

class VZKeyboardCaptureDialog : public KZDialog
{
public:
    // target: the window the capture key goes to (not owned; may be none).
    explicit VZKeyboardCaptureDialog(ZafWindowObject *target);

    ZafEventType Event(const ZafEventStruct &event) override;

protected:
    // The default system beep.
    virtual void Beep();

private:
    ZafWindowObject *target;
};
