// The frame router: the framework procedure of frame windows. It turns the
// messages Windows sends to a ZafWindow's outer frame into the window's
// framework behaviour (activation, close requests, the system menu, frame
// layout) and passes the rest to a default procedure. The MDI frame and
// child procedures share it with their own defaults.
#include <windows.h>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSEventWin.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/core/objects/ZafChildObjects.h"

namespace {

using ZafChildObjects::AsObject;

} // namespace

// The router's access to the window's frame state.
class ZafFrameRouting
{
public:
    static LRESULT Route(ZafWindow *window, WNDPROC defaultProcedure, HWND handle, UINT message,
        WPARAM wParam, LPARAM lParam);

private:
    static LRESULT SystemCommand(ZafWindow *window, WNDPROC defaultProcedure, HWND handle,
        WPARAM wParam, LPARAM lParam);
    static void MenuSelect(ZafWindow *window, const ZafEventStruct &event);
    static void Layout(ZafWindow *window, const WINDOWPOS &position);
};

LRESULT CALLBACK ZafDefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    WNDPROC procedure = reinterpret_cast<WNDPROC>(os.defWindowProc);
    return os.callWindowProc(procedure, window, message, wParam, lParam);
}

LRESULT CALLBACK ZafWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ZafFrameRouter(ZafDefaultWindowProc, window, message, wParam, lParam);
}

LRESULT ZafFrameRouter(WNDPROC defaultProcedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    ZafElement *element = reinterpret_cast<ZafWindowObject *>(
        static_cast<intptr_t>(os.getWindowLong(handle, GWL_USERDATA)));
    ZafWindow *window = element ? dynamic_cast<ZafWindow *>(static_cast<ZafWindowObject *>(element)) : nullptr;
    if (!window)
        return os.callWindowProc(defaultProcedure, handle, message, wParam, lParam);
    // Nothing thrown may unwind through Windows.
    try
    {
        return ZafFrameRouting::Route(window, defaultProcedure, handle, message, wParam, lParam);
    }
    catch (...)
    {
        return os.callWindowProc(defaultProcedure, handle, message, wParam, lParam);
    }
}

LRESULT ZafFrameRouting::Route(ZafWindow *window, WNDPROC defaultProcedure, HWND handle, UINT message,
    WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    auto callDefault = [&]() { return os.callWindowProc(defaultProcedure, handle, message, wParam, lParam); };
    ZafEventStruct event = ZafRawEventOfMessage(handle, message, wParam, lParam);

    switch (message)
    {
    case WM_MOUSEACTIVATE:
    {
        ZafWindowObject *root = window->RootObject();
        if (root->Focus())
            return callDefault();
        ZafWindowObject *target = (!window->IsDisabled(true) && !window->FocusBlocked()) ? window : root;
        target->Event(ZafEventStruct(ZAF_EV_ACTIVATE, 0));
        return MA_ACTIVATE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_ACTIVE)
            window->SetFocus(true);
        return 0;
    case WM_CLOSE:
    {
        // Closing goes through the window manager's close query: queue it.
        // The application may take a close of its main window at once: a
        // dialog's own loop (a system dialog's) never reads the queue, and
        // what the request meets is known only now.
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (manager && !manager->MayQueueClose(window))
            return 0;
        ZafEventStruct close(ZAF_EV_CLOSE, 0);
        close.dataObject = window;
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->Put(close, ZAF_QUEUE_BACK);
        return 0;
    }
    case WM_QUERYENDSESSION:
        // The main window answers as to an exit request: its exit query
        // may refuse (the user keeps the program, or it cannot end now).
        if (ZafWindowManager *manager = ZafWindowManager::Shared())
            return manager->MayEndSession(window) ? TRUE : FALSE;
        return callDefault();
    case WM_ENDSESSION:
        if (ZafWindowManager *manager = ZafWindowManager::Shared())
            manager->SessionEnds(window, wParam != 0);
        return 0;
    case WM_ACTIVATEAPP:
        if (!wParam && window->Focus())
            if (ZafWindowManager *manager = ZafWindowManager::Shared())
            {
                manager->inactiveFocusObject = manager->focusObject;
                manager->NotifyFocus(nullptr, false);
            }
        return callDefault();
    case WM_QUERYDRAGICON:
        return 0;
    case WM_WINDOWPOSCHANGED:
    {
        LRESULT answer = callDefault();
        const WINDOWPOS *position = reinterpret_cast<const WINDOWPOS *>(lParam);
        if (position && (position->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
            Layout(window, *position);
        return answer;
    }
    case WM_NCDESTROY:
        os.setWindowLong(handle, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(defaultProcedure)));
        return callDefault();
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) && wParam)
        {
            HMENU menu = reinterpret_cast<HMENU>(wParam);
            EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (window->Locked() ? MF_GRAYED : MF_ENABLED));
            EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | (window->Sizeable() ? MF_ENABLED : MF_GRAYED));
            EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | (window->Sizeable() ? MF_ENABLED : MF_GRAYED));
            EnableMenuItem(menu, SC_MOVE, MF_BYCOMMAND | (window->Moveable() ? MF_ENABLED : MF_GRAYED));
        }
        return callDefault();
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    {
        MSG msg = { handle, message, wParam, lParam, event.osEvent.time, { event.osEvent.x, event.osEvent.y } };
        TranslateMessage(&msg);
        return callDefault();
    }
    case WM_COMMAND:
        if (window->OSWindow() && window->OSWindow() != handle)
            return os.sendMessage(static_cast<HWND>(window->OSWindow()), message, wParam, lParam);
        return callDefault();
    case WM_SYSCOMMAND:
        return SystemCommand(window, defaultProcedure, handle, wParam, lParam);
    case WM_MENUSELECT:
        MenuSelect(window, event);
        return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
        return window->Event(event);
    default:
        return callDefault();
    }
}

LRESULT ZafFrameRouting::SystemCommand(ZafWindow *window, WNDPROC defaultProcedure, HWND handle,
    WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    auto callDefault = [&]() { return os.callWindowProc(defaultProcedure, handle, WM_SYSCOMMAND, wParam, lParam); };
    if (wParam < 0xF000)
    {
        ZafWindowObject *object = window->GetObjectByNumberID(ZafNumberID(LOWORD(wParam)));
        if (object)
            return object->Event(ZafRawEventOfMessage(handle, WM_SYSCOMMAND, wParam, lParam));
        return callDefault();
    }
    const WPARAM command = wParam & 0xFFF0;
    if (command == SC_SIZE && !window->Sizeable())
        return 0;
    if (command == SC_MOVE && !window->Moveable())
        return 0;
    if (command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE)
        return callDefault();
    if (!window->maximized && !window->minimized)
        window->restoreRegion = window->Region();
    window->maximized = (command == SC_MAXIMIZE);
    window->minimized = (command == SC_MINIMIZE);
    LRESULT answer = callDefault();
    ZafEventType notice = command == SC_MAXIMIZE ? ZAF_EV_SYSTEM_MAXIMIZED
        : command == SC_MINIMIZE ? ZAF_EV_SYSTEM_MINIMIZED : ZAF_EV_SYSTEM_RESTORED;
    window->Event(ZafEventStruct(notice, 0));
    return answer;
}

void ZafFrameRouting::MenuSelect(ZafWindow *window, const ZafEventStruct &event)
{
    ZafWindowObject *menuBar = window->PullDownMenu();
    ZafWindowObject *systemButton = window->SystemButton();
    const WPARAM wParam = event.osEvent.wParam;
    if (HIWORD(wParam) == 0xFFFF)
    {
        if (menuBar && menuBar->Focus())
            menuBar->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
        else if (systemButton && systemButton->Focus())
            systemButton->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
        return;
    }
    if (HIWORD(wParam) & MF_HILITE)
    {
        if ((HIWORD(wParam) & MF_SYSMENU) && systemButton)
            systemButton->Event(event);
        else if (menuBar)
            menuBar->Event(event);
    }
}

void ZafFrameRouting::Layout(ZafWindow *window, const WINDOWPOS &position)
{
    if (!window->minimized)
    {
        ZafRegionStruct newRegion;
        newRegion.Assign(position.x, position.y, position.x + position.cx - 1, position.y + position.cy - 1, ZAF_PIXEL);
        ZafWindowObject *reference = window->Parent() ? window->Parent() : ZafWindowObject::WindowManager();
        if (reference)
            reference->ConvertFromOSRegion(window, newRegion);
        window->region = newRegion;
    }
    if (!(position.flags & SWP_NOMOVE))
        window->Event(ZafEventStruct(ZAF_EV_MOVED, 0, window->lastRegion));
    if (position.flags & SWP_NOSIZE)
        return;
    for (ZafElement *e = window->supportList.First(); e; e = e->Next())
    {
        ZafWindowObject *support = AsObject(e);
        if (!support->OwnOSWindow())
            continue;
        support->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        support->ApplyPosition();
    }
    if (HWND client = static_cast<HWND>(window->OSWindow()))
    {
        ZafRegionStruct area = window->ClientRegion(window);
        MoveWindow(client, area.left, area.top, area.Width(), area.Height(), TRUE);
        UpdateWindow(client);
    }
}
