// Keyboard and mouse services of the application object: the abort test,
// the key flush, the pointer image and the grab.
#include "shell/app/KZApplication.h"

#include <windows.h>

#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/windows/ZafOSEventWin.h"
#include "shell/app/KZAppCodes.h"

bool KZApplication::UserAbort()
{
    bool abort = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (!mainWindow)
            continue;
        ZafEventStruct event(ZAF_EVENT_OS, ZafOSEventFromMSG(message));
        mainWindow->TranslateInputEvent(event);
        if (mainWindow->MapEvent(event) == kEvtCancelKey)
            abort = true;
    }
    return abort;
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
