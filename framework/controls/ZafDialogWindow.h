#pragma once
// ZafDialogWindow: the framework's dialog. A window that is modal by
// default, is never deleted by the window manager on its own (whoever made
// it deletes it), cannot be sized and lives in an OS dialog frame. It can run
// its own modal loop (DoModal) that ends with the dialog's result code. The
// message window and the print dialog derive from it. GUI thread only.

#include "framework/core/objects/ZafWindow.h"
#include "framework/controls/ZafFixedSettings.h"

// Dialog result codes: an event of one of these types ends DoModal with it.
constexpr ZafEventType ZAF_DIALOG_OK = -2999;
constexpr ZafEventType ZAF_DIALOG_YES = -2998;
constexpr ZafEventType ZAF_DIALOG_NO = -2997;
constexpr ZafEventType ZAF_DIALOG_ABORT = -2996;
constexpr ZafEventType ZAF_DIALOG_RETRY = -2995;
constexpr ZafEventType ZAF_DIALOG_IGNORE = -2994;
constexpr ZafEventType ZAF_DIALOG_CANCEL = -2993;

class ZafDialogWindow : public ZafWindow
{
public:
    ZafDialogWindow(int left, int top, int width, int height);
    ZafDialogWindow(const ZafDialogWindow &copy);
    // Reads the window part on the dialog's own level; a storage error goes
    // to SetError and the object is still built.
    ZafDialogWindow(const ZafIChar *name, ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY_MEMBERS(ZafWindow, ZAF_ID_DIALOG_WINDOW, L"ZafDialogWindow")

    // A result code (ZAF_DIALOG_OK .. ZAF_DIALOG_CANCEL) is answered with its
    // own type and nothing else happens; everything else is the window's.
    ZafEventType Event(const ZafEventStruct &event) override;
    ZAF_PERSISTENT_CLASS(ZafWindowObject, ZafDialogWindow);
    void Write(ZafObjectPersistence &persistence) override;

    // Shows the dialog through the application's window manager and runs the
    // events (flags go to ZafEventManager::Get) until a result code is
    // answered, the dialog's OS window is gone (ZAF_MODAL_GONE) or the program
    // ends (ZAF_EV_EXIT then ZAF_MODAL_GONE). Answers ZAF_REFUSED at once,
    // showing nothing, for a destroyable dialog. The dialog is taken off the
    // screen again; the caller owns it.
    ZafInt32 DoModal(ZafUInt32 flags = 0);

    // The OS dialog frame (class atom 32770) with the framework's frame
    // procedure, and a "ZafWindow" client (Windows half).
    void OSRegisterObject() override;
    // Escape (with no drop-down list open) presses the dialog's Cancel
    // button, or its only result button (an Ok-only message); everything
    // else is the window's (Windows half).
    ZafEventType OSEvent(const ZafEventStruct &event) override;

    // Settings the class fixes: each stores its value and answers it.
    bool SetDropTarget(bool) override { return dropTarget = false; }
    ZAF_FIXED_TOP_WINDOW_SETTINGS
    bool SetSizeable(bool) override { return sizeable = false; }

private:
    // The enabled button of the dialog's own children that Escape presses.
    ZafWindowObject *EscapeButton() const;
    static bool IsResultCode(ZafEventType type) { return type >= ZAF_DIALOG_OK && type <= ZAF_DIALOG_CANCEL; }
};
