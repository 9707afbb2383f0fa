// Keyboard and mouse services of the application object: the abort test,
// the key flush, the pointer image and the grab.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafOSEventWin.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"

namespace {

// True when the main window maps the key event to the cancel key (Escape).
bool IsCancelKey(ZafWindow *mainWindow, ZafEventStruct event)
{
    if (!mainWindow)
        return false;
    mainWindow->TranslateInputEvent(event);
    return mainWindow->MapEvent(event) == kEvtCancelKey;
}

} // namespace

bool KZApplication::UserAbort()
{
    bool abort = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        if (IsCancelKey(mainWindow, ZafEventStruct(ZAF_EVENT_OS, ZafOSEventFromMSG(message))))
            abort = true;
    return abort;
}

bool KZApplication::RunPendingWithoutInput()
{
    bool abort = UserAbort();
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
        ;
    while (PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE))
        ;
    ZafEventManager *events = EventManager();
    ZafWindowManager *manager = WindowManager();
    if (!events || !manager)
        return abort;
    ZafEventStruct event;
    while (events->Get(event, ZAF_NO_WAIT) == 0) {
        const ZafEventType inputClass = event.InputClass();
        if (inputClass == ZAF_INPUT_KEYBOARD) {
            abort = IsCancelKey(mainWindow, event) || abort;
            continue;
        }
        if (inputClass == ZAF_INPUT_MOUSE)
            continue;
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
