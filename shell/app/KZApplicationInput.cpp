// Keyboard and mouse services of the application object: the abort test
// and the closes the user makes while input is held back, the key flush,
// the pointer image and the grab.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafOSEventWin.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"

namespace {

// True when the main window maps the key event to the cancel key (Escape).
bool IsCancelKey(ZafWindow *mainWindow, ZafEventStruct event)
{
    if (!mainWindow)
        return false;
    mainWindow->TranslateInputEvent(event);
    return mainWindow->MapEvent(event) == kEvtCancelKey;
}

// True for a press of F4 that closes a window: with Alt held (the system's
// close of the top-level window) or, asked for ctrl, with Ctrl held and not
// Alt (the MDI close of the active child window).
bool IsF4Close(const ZafOSEventStruct &os, bool ctrl)
{
    const bool alt = (os.lParam & (1 << 29)) != 0;
    if (os.wParam != VK_F4 || alt == ctrl)
        return false;
    return ctrl ? os.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 : os.message == WM_SYSKEYDOWN;
}

// True for a press of the close window command's accelerator (Ctrl+W) or
// of Ctrl+F4.
bool IsChildCloseKey(const ZafEventStruct &event)
{
    if (IsF4Close(event.osEvent, true))
        return true;
    KZPullDownMenu *menu = KZMainMenuBar();
    return menu && menu->IsAcceleratorOf(kEvtCloseChild, event);
}

// True when a press on the main window's menu bar (screen point) hits the
// close box a maximised child window shows there.
bool OnMaximizedChildCloseBox(HWND frame, POINT point)
{
    HMENU menu = GetMenu(frame);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    RECT box;
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == SC_CLOSE && GetMenuItemRect(frame, menu, UINT(i), &box))
            return PtInRect(&box, point) != FALSE;
    return false;
}

// A press on a close box posts the close that box makes (the menu bar's
// box asks the frame to close its maximised child); other mouse messages
// make nothing.
void PostBoxClose(const MSG &message)
{
    if (message.message != WM_NCLBUTTONDOWN || !message.hwnd)
        return;
    const POINT point = { ZafInt16(LOWORD(message.lParam)), ZafInt16(HIWORD(message.lParam)) };
    if (message.wParam == HTCLOSE)
        PostMessageW(message.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (message.wParam == HTMENU && OnMaximizedChildCloseBox(message.hwnd, point))
        PostMessageW(message.hwnd, WM_COMMAND, SC_CLOSE, 0);
}

} // namespace

bool KZApplication::UserAbort()
{
    bool abort = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        abort = TakeHeldBackKey(ZafEventStruct(ZAF_EVENT_OS, ZafOSEventFromMSG(message))) || abort;
    return abort;
}

bool KZApplication::TakeHeldBackKey(const ZafEventStruct &event)
{
    if (IsCancelKey(mainWindow, event))
        return true;
    // The close a key makes takes the way of the same close sent as a
    // message: held, stopping what works on its window.
    if (IsF4Close(event.osEvent, false)) {
        HWND window = static_cast<HWND>(event.osEvent.hwnd);
        HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
        if (top && (GetWindowLongW(top, GWL_STYLE) & WS_SYSMENU))
            PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (IsChildCloseKey(event)) {
        if (ZafEventManager *events = EventManager())
            events->Put(ZafEventStruct(kEvtCloseChild, 0), ZAF_QUEUE_BACK);
    }
    return false;
}

bool KZApplication::RunPendingWithoutInput()
{
    bool abort = UserAbort();
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
        ;
    while (PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE))
        PostBoxClose(message);
    ZafEventManager *events = EventManager();
    ZafWindowManager *manager = WindowManager();
    if (!events || !manager)
        return abort;
    ZafEventStruct event;
    while (events->Get(event, ZAF_NO_WAIT) == 0) {
        const ZafEventType inputClass = event.InputClass();
        if (inputClass == ZAF_INPUT_KEYBOARD) {
            abort = TakeHeldBackKey(event) || abort;
            continue;
        }
        if (inputClass == ZAF_INPUT_MOUSE) {
            PostBoxClose(ZafMSGFromOSEvent(event.osEvent));
            continue;
        }
        if (event.type == ZAF_EVENT_OS && event.osEvent.message == WM_QUIT) {
            // The end of the program never runs inside an operation: it is
            // held and runs after it, else it waits for the main loop.
            if (!HoldClose(CloseRequest::Program))
                PostQuitMessage(int(event.osEvent.wParam));
            break;
        }
        manager->Event(event);
    }
    return abort;
}

bool KZApplication::WaitGoesOn()
{
    // A worker's wait, or one outside a long operation, only waits: pumping
    // there would run the GUI on the wrong thread or drop the user's input.
    if (GetCurrentThreadId() != guiThread)
        return true;
    KZLongOperation *operation = KZLongOperation::Current();
    return operation ? operation->Step() : true;
}

bool KZApplication::FlushKeys()
{
    bool any = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        any = true;
    return any;
}

void KZApplication::SetMousePointer(int32_t image)
{
    if (ZafEventManager *events = EventManager())
        events->DeviceState(ZAF_MOUSE, image);
}

void KZApplication::ShowPointer(int32_t image)
{
    if (KZApplication *application = Instance())
        application->SetMousePointer(image);
}

void KZApplication::Grab(ZafWindowObject *window, uint32_t flags)
{
    if (window) {
        if (!grabWindow) {
            grabWindow = window;
            grabFlags = flags;
            if (flags & kGrabHidePointer)
                ShowCursor(FALSE);
        }
        HWND handle = static_cast<HWND>(grabWindow->OSWindow());
        if (handle && GetCapture() != handle)
            SetCapture(handle);
        return;
    }
    if (!grabWindow)
        return;
    ReleaseCapture();
    if (grabFlags & kGrabHidePointer)
        ShowCursor(TRUE);
    grabWindow = nullptr;
    grabFlags = 0;
}
