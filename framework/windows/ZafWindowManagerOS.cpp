// The Windows half of the window manager: raw messages that no window
// claimed (the exit on WM_QUIT, a dropped combo box closed by a click
// elsewhere, key dispatch, the tips timer), ending the message loop and
// enabling the windows behind a modal one.
#include <windows.h>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSEventWin.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;

} // namespace

void ZafWindowManager::PostQuitMessageToLoop()
{
    PostQuitMessage(0);
}

void ZafWindowManager::EnableWindowsBehind(ZafWindow *window)
{
    for (ZafElement *e = window->Next(); e; e = e->Next())
    {
        ZafWindow *behind = dynamic_cast<ZafWindow *>(static_cast<ZafWindowObject *>(e));
        if (!behind)
            continue;
        if (behind->Registered())
            EnableWindow(Handle(behind->OSHandle(2)), !behind->IsDisabled(true));
        if (behind->Modal())
            break;
    }
}

ZafEventType ZafWindowManager::Dispatch(const ZafEventStruct &event)
{
    MSG message = ZafMSGFromOSEvent(event.osEvent);
    return ZafEventType(ZafMSWindowsApp::Entry().dispatchMessage(&message));
}

ZafEventType ZafWindowManager::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    switch (message)
    {
    case WM_QUIT:
        return ExitQuery() == 0 ? ZAF_EV_EXIT : 0;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        if (HWND combo = ZafDroppedComboBox())
        {
            POINT point = { ZafInt16(LOWORD(event.osEvent.lParam)), ZafInt16(HIWORD(event.osEvent.lParam)) };
            if (message == WM_LBUTTONDOWN)
                ClientToScreen(Handle(event.osEvent.hwnd), &point);
            HWND under = WindowFromPoint(point);
            if (under != combo && under != GetTopWindow(nullptr))
                ZafMSWindowsApp::Entry().sendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
        }
        return Dispatch(event);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return KeyDispatch(event);
    case WM_TIMER:
        if (ZafTipsTimer() && event.osEvent.wParam == ZafTipsTimer() && !event.osEvent.hwnd)
            return TimerEvent(event);
        return Dispatch(event);
    default:
        return Dispatch(event);
    }
}

ZafEventType ZafWindowManager::KeyDispatch(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM key = event.osEvent.wParam;
    if (dragObject)
    {
        if (key == VK_ESCAPE)
        {
            dragObject = nullptr;
            if (ZafEventManager *events = ZafEventManager::Shared())
                events->DeviceState(ZAF_MOUSE, ZAF_POINTER_ARROW);
        }
        else
        {
            // A fresh mouse move lets the drag pick the pointer for the keys.
            POINT point;
            GetCursorPos(&point);
            SetCursorPos(point.x, point.y);
        }
        return 0;
    }
    ZafWindow *front = FrontWindow();
    if (front && !front->IsAClassID(ZAF_ID_MDI_WINDOW))
    {
        if (key == VK_ESCAPE)
        {
            if (message == WM_KEYUP && front->Temporary())
            {
                Event(ZafEventStruct(ZAF_EV_CLOSE_TEMPORARY, 0));
                return 0;
            }
            return front->Event(event);
        }
    }
    else if (front)
    {
        MSG msg = ZafMSGFromOSEvent(event.osEvent);
        if (TranslateMDISysAccel(Handle(front->OSWindow()), &msg))
            return 0;
    }
    HWND window = Handle(event.osEvent.hwnd);
    if (window && IsWindow(window) && ZafMSWindowsApp::Entry().getWindowLong(window, GWL_USERDATA) == 0)
    {
        MSG msg = ZafMSGFromOSEvent(event.osEvent);
        TranslateMessage(&msg);
    }
    return Dispatch(event);
}

ZafEventType ZafWindowManager::TimerEvent(const ZafEventStruct &event)
{
    if (tipObject)
    {
        HWND window = GetCapture();
        if (!window)
        {
            POINT point;
            GetCursorPos(&point);
            window = WindowFromPoint(point);
        }
        HWND tipWindow = Handle(tipObject->OSWindow());
        if (tipWindow && (window == tipWindow || IsChild(tipWindow, window)))
            return event.type;
        ZafWindowObject *left = tipObject;
        tipObject = nullptr;
        left->Event(ZafEventStruct(ZAF_EV_POINTER_LEFT, 0));
    }
    KillTimer(nullptr, ZafTipsTimer());
    ZafSetTipsTimer(0);
    return event.type;
}
