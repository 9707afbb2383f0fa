// The least event handling a window object needs to live in a real window:
// registration, unregistration, redrawing and the default procedure. The
// object's full event handling (input mapping, focus, design mode, drag and
// drop) builds on these.
#include <windows.h>

#include "framework/core/ZafWindowObject.h"
#include "framework/windows/ZafMSWindowsApp.h"

ZafEventType ZafWindowObject::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_REGISTER:
        RegisterWithOS();
        return event.type;
    case ZAF_EV_UNREGISTER:
        ReleaseOSWindow();
        return event.type;
    case ZAF_EV_OS_WINDOW_GONE:
        osWindow = nullptr;
        return event.type;
    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA:
    case ZAF_EV_REDRAW_DATA:
        if (Registered() && IsVisible(true) && AutomaticUpdate(true))
            Redisplay(event, event.type);
        return event.type;
    default:
        return ZAF_NOT_HANDLED;
    }
}

ZafEventType ZafWindowObject::OSEvent(const ZafEventStruct &event)
{
    HWND window = static_cast<HWND>(event.osEvent.hwnd);
    UINT message = event.osEvent.message;
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    if (message == WM_PAINT && window == osWindow)
    {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (IsVisible(true) && AutomaticUpdate(true))
            Redisplay(event, ZAF_EV_REDRAW);
        return 0;
    }
    if (message == WM_NCDESTROY && window == osWindow)
        osWindow = nullptr;
    return ZafEventType(os.defWindowProc(window, message, event.osEvent.wParam, event.osEvent.lParam));
}
