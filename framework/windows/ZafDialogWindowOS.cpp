// The Windows half of ZafDialogWindow: an OS dialog frame (class atom 32770)
// driven by the framework's frame procedure, holding a "ZafWindow" client.
#include <windows.h>

#include "framework/controls/ZafDialogWindow.h"
#include "framework/controls/ZafButton.h"
#include "framework/windows/ZafFrameStyle.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"

namespace {

// The OS dialog class by its atom.
const ZafIChar *const dialogClass = reinterpret_cast<const ZafIChar *>(static_cast<uintptr_t>(32770));

} // namespace

void ZafDialogWindow::OSRegisterObject()
{
    DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    static const DWORD partStyles[5] = { WS_DLGFRAME, 0, 0, WS_SYSMENU, WS_CAPTION };
    const ZafFrameStyle parts = ZafSupportFrameStyle(supportList, partStyles);
    style |= parts.frame;
    const DWORD clientStyle = WS_CHILD | WS_VISIBLE | parts.client;
    if (border && !(style & WS_DLGFRAME))
        style |= WS_BORDER;
    if (!parent && !(style & (WS_BORDER | WS_DLGFRAME)))
        style |= WS_POPUP;
    if (visible)
        style |= WS_VISIBLE;
    if (parent)
        style |= WS_CHILD;
    HWND ownerWindow = nullptr;
    if (!parent && owner && owner->Registered())
        ownerWindow = static_cast<HWND>(owner->OSHandle(2));

    HWND frame = static_cast<HWND>(CreateOSWindow(this, dialogClass, style, nullptr, ownerWindow,
        WS_EX_DLGMODALFRAME));
    if (!frame)
        return;
    frameWindow = frame;
    ZafMSWindowsApp::Entry().setWindowLong(frame, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(&ZafWindowProc)));
    if (!ZafCreateFrameClient(this, frame, clientStyle, osWindow))
        ReleaseFrame();
}

ZafWindowObject *ZafDialogWindow::EscapeButton() const
{
    ZafWindowObject *only = nullptr;
    int results = 0;
    for (ZafWindowObject *child = FirstChild(); child; child = static_cast<ZafWindowObject *>(child->Next()))
    {
        auto *button = dynamic_cast<ZafButton *>(child);
        if (!button || button->IsDisabled(true) || !IsResultCode(button->Value()))
            continue;
        if (button->Value() == ZAF_DIALOG_CANCEL)
            return button;
        only = button;
        ++results;
    }
    return results == 1 && only->Value() == ZAF_DIALOG_OK ? only : nullptr;
}

ZafEventType ZafDialogWindow::OSEvent(const ZafEventStruct &event)
{
    if (event.osEvent.message == WM_KEYDOWN && event.osEvent.wParam == VK_ESCAPE && !ZafDroppedComboBox())
        if (ZafWindowObject *button = EscapeButton())
            return button->Event(ZafEventStruct(ZAF_L_SELECT, 0));
    return ZafWindow::OSEvent(event);
}
