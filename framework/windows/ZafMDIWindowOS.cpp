// The Windows half of ZafMDIWindow: the OS windows of both kinds (a frame
// holding an MDI client; a child made by WM_MDICREATE), the MDI command
// events, focus in step with the active MDI child, and the procedures of
// the "ZafMDIFrame" and "ZafMDIChild" window classes.
#include <windows.h>

#include "framework/controls/ZafMDIWindow.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafFrameStyle.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafSystemColors.h"

namespace {

using ZafOSCalls::Handle;

ZafWindowObject *ObjectOf(HWND window)
{
    return reinterpret_cast<ZafWindowObject *>(
        static_cast<intptr_t>(ZafMSWindowsApp::Entry().getWindowLong(window, GWL_USERDATA)));
}

} // namespace

// ---- Window procedures ----------------------------------------------------------

LRESULT CALLBACK ZafDefaultMDIFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ZafWindowObject *object = ObjectOf(window);
    HWND client = object ? Handle(object->OSWindow()) : nullptr;
    return ZafMSWindowsApp::Entry().defFrameProc(window, client, message, wParam, lParam);
}

LRESULT CALLBACK ZafDefaultMDIChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ZafMSWindowsApp::Entry().defMDIChildProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ZafMDIFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The framework places the MDI client itself.
    if (message == WM_SIZE)
        return 0;
    if (message == WM_COMMAND && LOWORD(wParam) >= 0xF000)
        return ZafDefaultMDIFrameProc(window, message, wParam, lParam);
    return ZafFrameRouter(ZafDefaultMDIFrameProc, window, message, wParam, lParam);
}

LRESULT CALLBACK ZafMDIChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE)
    {
        // Closing goes through the frame's close command, carrying the child.
        // The application may take it as it arrives, as a close of the main
        // window: a system dialog's own loop never reads the queue.
        ZafWindowObject *object = ObjectOf(window);
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (manager && !manager->MayQueueClose(dynamic_cast<ZafWindow *>(object)))
            return 0;
        ZafEventStruct close(ZAF_EV_MDI_CLOSE, 0);
        close.dataObject = object;
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->Put(close, ZAF_QUEUE_BACK);
        return 0;
    }
    if (message == WM_MDIACTIVATE)
    {
        ZafFrameRouter(ZafDefaultMDIChildProc, window, message, wParam, lParam);
        if (HWND(lParam) == window)
            if (ZafWindowObject *object = ObjectOf(window))
                if (!object->Focus())
                    object->SetFocus(true);
        return 0;
    }
    return ZafFrameRouter(ZafDefaultMDIChildProc, window, message, wParam, lParam);
}

// ---- OS windows -------------------------------------------------------------------

ZafOSWindow ZafMDIWindow::ParentClient() const
{
    return parent ? parent->OSWindow() : nullptr;
}

void ZafMDIWindow::OSRegisterObject()
{
    DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (visible)
        style |= WS_VISIBLE;
    const DWORD partStyles[5] = { DWORD(sizeable ? WS_THICKFRAME : WS_BORDER), WS_MAXIMIZEBOX, WS_MINIMIZEBOX,
        WS_SYSMENU, WS_CAPTION };
    const ZafFrameStyle parts = ZafSupportFrameStyle(supportList, partStyles);
    style |= parts.frame;
    DWORD clientStyle = IsFrame() ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES
                                  : WS_CHILD | WS_VISIBLE;
    clientStyle |= parts.client;
    if (border && IsFrame() && !(style & (WS_BORDER | WS_THICKFRAME)))
        style |= WS_BORDER;
    if (IsFrame() && !(style & (WS_BORDER | WS_DLGFRAME)))
        style |= WS_POPUP;
    if (maximized)
        style |= WS_MAXIMIZE;
    if (minimized)
        style |= WS_MINIMIZE;
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();

    if (IsFrame())
    {
        HWND ownerWindow = owner && owner->Registered() ? Handle(owner->OSHandle(2)) : nullptr;
        HWND frame = Handle(CreateOSWindow(this, ZafMSWindowsApp::mdiFrameClassName, style, nullptr, ownerWindow));
        if (!frame)
            return;
        frameWindow = frame;
        os.setWindowLong(frame, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(ZafMSWindowsApp::mdiFrameProcedure)));
        CLIENTCREATESTRUCT create = { nullptr, 0x1000 };
        osWindow = CreateOSWindow(this, L"MDICLIENT", clientStyle, nullptr, frame, WS_EX_NOPARENTNOTIFY,
            nullptr, &create);
        if (!osWindow)
            ReleaseFrame();
        return;
    }

    HWND client = Handle(ParentClient());
    if (!client)
        return;
    HWND frame;
    if (ZafMSWindowsApp::Ansi())
    {
        MDICREATESTRUCTA create = { "ZafMDIChild", "", ZafMSWindowsApp::Instance(), 0, 0, 0, 0, style, 0 };
        frame = HWND(os.sendMessage(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
    else
    {
        MDICREATESTRUCTW create = { ZafMSWindowsApp::mdiChildClassName, L"", ZafMSWindowsApp::Instance(),
            0, 0, 0, 0, style, 0 };
        frame = HWND(os.sendMessage(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
    if (!frame)
        return;
    frameWindow = frame;
    // The list order is the z-order: behind the child before this one.
    ZafWindowObject *previous = static_cast<ZafWindowObject *>(Previous());
    if (previous && previous->Registered())
        SetWindowPos(frame, Handle(previous->OSHandle(2)), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW);
    HWND top = GetWindow(client, GW_CHILD);
    if (top && top != HWND(os.sendMessage(client, WM_MDIGETACTIVE, 0, 0)))
        os.sendMessage(client, WM_MDIACTIVATE, WPARAM(top), 0);
    os.setWindowLong(frame, GWL_USERDATA, LONG(reinterpret_cast<intptr_t>(this)));
    ZafCreateFrameClient(this, frame, clientStyle, osWindow);
}

// ---- Events -----------------------------------------------------------------------

ZafEventType ZafMDIWindow::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_SETTLE:
        mdiType = parent ? ZAF_MDI_CHILD : ZAF_MDI_FRAME;
        if (IsFrame())
            return ZafWindow::Event(event);
        ZafWindowObject::Event(event);
        ConvertRegion(clientSize, ZAF_PIXEL);
        BroadcastEvent(event, 0);
        return type;
    case ZAF_EV_REGISTER:
        return RegisterEvent(event);
    case ZAF_EV_UNREGISTER:
        return IsFrame() ? ZafWindow::Event(event) : UnregisterChild(event);
    case ZAF_EV_COMPUTE_REGION:
    {
        ZafEventType answer = ZafWindow::Event(event);
        if (!IsFrame() && modal)
            DisableLaterSiblings();
        return answer;
    }
    case ZAF_EV_MDI_CLOSE:
        return CloseChild(event);
    case ZAF_EV_MDI_MAXIMIZE:
    case ZAF_EV_MDI_MINIMIZE:
    case ZAF_EV_MDI_RESTORE:
    case ZAF_EV_MDI_NEXT:
    case ZAF_EV_MDI_CASCADE:
    case ZAF_EV_MDI_TILE:
        return IsFrame() ? FrameCommand(event) : ChildCommand(event);
    default:
        return ZafWindow::Event(event);
    }
}

ZafEventType ZafMDIWindow::RegisterEvent(const ZafEventStruct &event)
{
    ZafEventType answer = ZafWindowObject::Event(event);
    if (!IsFrame())
    {
        BroadcastEvent(event, 0);
        return answer;
    }
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        static_cast<ZafWindowObject *>(e)->Event(event);
    // The oldest child first, so that the newest ends on top.
    for (ZafElement *e = ZafList::Last(); e; e = e->Previous())
        static_cast<ZafWindowObject *>(e)->Event(event);
    return answer;
}

ZafEventType ZafMDIWindow::UnregisterChild(const ZafEventStruct &event)
{
    if (!Registered() && !frameWindow)
        return event.type;
    HWND frame = Handle(frameWindow);
    if (modal && frame)
        for (HWND next = GetWindow(frame, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
        {
            ZafWindowObject *object = ObjectOf(next);
            if (!object)
                break;
            EnableWindow(next, !object->IsDisabled(true));
            ZafWindow *window = dynamic_cast<ZafWindow *>(object);
            if (window && window->Modal())
                break;
        }
    if (focus)
    {
        ZafWindowManager *manager = ZafWindowManager::Shared();
        if (manager && manager->focusObject)
            for (ZafWindowObject *o = manager->focusObject; o; o = o->Parent())
                if (o == this)
                {
                    manager->focusObject = nullptr;
                    break;
                }
        NotifyFocus(nullptr, false);
    }
    // The children's own windows go first; the MDI client destroys ours.
    BroadcastEvent(event, 0);
    frameWindow = nullptr;
    if (frame && IsWindow(frame))
    {
        ZafMSWindowsApp::Entry().setWindowLong(frame, GWL_USERDATA, 0);
        if (HWND client = Handle(ParentClient()))
            ZafMSWindowsApp::Entry().sendMessage(client, WM_MDIDESTROY, WPARAM(frame), 0);
        else
            DestroyWindow(frame);
    }
    Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
    return event.type;
}

void ZafMDIWindow::DisableLaterSiblings()
{
    for (ZafElement *e = Next(); e; e = e->Next())
    {
        ZafWindowObject *sibling = static_cast<ZafWindowObject *>(e);
        if (sibling->Registered())
            EnableWindow(Handle(sibling->OSHandle(2)), FALSE);
    }
}

ZafEventType ZafMDIWindow::FrameCommand(const ZafEventStruct &event)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    HWND client = Handle(osWindow);
    ZafWindowObject *current = CurrentChild();
    switch (event.type)
    {
    case ZAF_EV_MDI_MAXIMIZE:
    case ZAF_EV_MDI_MINIMIZE:
    case ZAF_EV_MDI_RESTORE:
        if (current)
            current->Event(event);
        break;
    case ZAF_EV_MDI_NEXT:
        if (client && current && current->Registered())
            os.sendMessage(client, WM_MDINEXT, WPARAM(current->OSHandle(2)), 0);
        break;
    case ZAF_EV_MDI_CASCADE:
        if (client)
            os.sendMessage(client, WM_MDICASCADE, 0, 0);
        break;
    case ZAF_EV_MDI_TILE:
        if (client)
            os.sendMessage(client, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    default:
        break;
    }
    return event.type;
}

ZafEventType ZafMDIWindow::ChildCommand(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_EV_MDI_MAXIMIZE:
        SetMaximized(true);
        break;
    case ZAF_EV_MDI_MINIMIZE:
        SetMinimized(true);
        break;
    case ZAF_EV_MDI_RESTORE:
        if (frameWindow && ParentClient())
            ZafMSWindowsApp::Entry().sendMessage(Handle(ParentClient()), WM_MDIRESTORE, WPARAM(frameWindow), 0);
        break;
    default:
        break;
    }
    return event.type;
}

ZafEventType ZafMDIWindow::OSEvent(const ZafEventStruct &event)
{
    switch (event.osEvent.message)
    {
    case WM_MOUSEACTIVATE:
        if (!focus)
        {
            ZafWindowObject *target = (!IsDisabled(true) && !FocusBlocked()) ? this : RootObject();
            target->Event(ZafEventStruct(ZAF_EV_ACTIVATE, 0));
            return MA_ACTIVATE;
        }
        return ZafCallClassProcedure(event);
    case WM_HSCROLL:
    case WM_VSCROLL:
        return ZafCallClassProcedure(event);
    default:
        return ZafWindow::OSEvent(event);
    }
}

// ---- Focus and sizes ------------------------------------------------------------

ZafWindowObject *ZafMDIWindow::NotifyFocus(ZafWindowObject *object, bool gained)
{
    if (!IsFrame() || !gained || !object || object == this || !ZafList::Contains(object))
        return ZafWindow::NotifyFocus(object, gained);
    if (osWindow && object->Registered())
    {
        HWND client = Handle(osWindow);
        HWND child = Handle(object->OSHandle(2));
        if (HWND(ZafMSWindowsApp::Entry().sendMessage(client, WM_MDIGETACTIVE, 0, 0)) != child)
            ZafMSWindowsApp::Entry().sendMessage(client, WM_MDIACTIVATE, WPARAM(child), 0);
    }
    ZafWindowObject *refused = ZafWindow::NotifyFocus(object, gained);
    if (!refused && ZafList::Contains(object) && FirstChild() != object)
    {
        ZafList::Subtract(object);
        ZafList::AddBefore(object, FirstChild());
    }
    if (!refused)
        SetCurrent(object);
    return refused;
}

bool ZafMDIWindow::SetMaximized(bool value)
{
    if (IsFrame())
        return ZafWindow::SetMaximized(value);
    maximized = value;
    if (value)
        minimized = false;
    if (frameWindow && ParentClient())
        ZafMSWindowsApp::Entry().sendMessage(Handle(ParentClient()), value ? WM_MDIMAXIMIZE : WM_MDIRESTORE,
            WPARAM(frameWindow), 0);
    return maximized;
}

void ZafMDIWindow::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (type != ZAF_PT_BACKGROUND)
    {
        ZafWindow::ResolveSystemColors(palette, type, state);
        return;
    }
    const DWORD color = GetSysColor(IsFrame() ? COLOR_APPWORKSPACE : COLOR_BTNFACE);
    ZafFillSystemColors(palette, color, color);
}
