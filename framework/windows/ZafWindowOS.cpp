// The Windows half of ZafWindow: the framework event handler, the OS
// windows (the frame styles its support objects stand for, the frame and
// client pair), focus and enabling on screen, the client area shared by
// support objects and children, fitting the outer size to a wanted client
// size, and drawing.
#include <windows.h>

#include "framework/controls/ZafNotebook.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/display/ZafRegionList.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafFrameStyle.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/core/objects/ZafChildObjects.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafWindowsShared.h"

using ZafOSCalls::Handle;
using ZafChildObjects::AsObject;

namespace {

ZafRegionStruct PixelRect(const RECT &rect)
{
    ZafRegionStruct region;
    region.Assign(rect.left, rect.top, rect.right - 1, rect.bottom - 1, ZAF_PIXEL);
    return region;
}

} // namespace

// ---- Framework events -------------------------------------------------------

ZafEventType ZafWindow::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS: return OSEvent(event);
    case ZAF_EV_MINIMIZE: SetMinimized(true); return type;
    case ZAF_EV_MAXIMIZE: SetMaximized(true); return type;
    case ZAF_EV_RESTORE: return RestoreEvent(event);
    case ZAF_EV_SETTLE: return SettleEvent(event);
    case ZAF_EV_REBUILD: return RebuildEvent(event);
    case ZAF_EV_CLOSE: return CloseEvent(event);
    case ZAF_EV_REDRAW_DATA: BroadcastEvent(event, 0); return type;
    case ZAF_EV_OS_WINDOW_GONE: return OSWindowGoneEvent(event);
    case ZAF_EV_REGISTER: return RegisterWithChildren(event);
    case ZAF_EV_UNREGISTER: return UnregisterEvent(event);
    case ZAF_EV_HOT_KEY: return HotKeyToChildren(event);
    case ZAF_EV_SET_REGION: return SetRegionEvent(event);
    case ZAF_EV_ADD_OBJECT: Add(event.dataObject); return type;
    case ZAF_EV_SUBTRACT_OBJECT: Subtract(event.dataObject); return type;
    case ZAF_EV_CLOSE_QUERY: return locked ? ZAF_REFUSED : 0;
    case ZAF_EV_SIZED: return SizedEvent(event);
    case ZAF_EV_MOVED: return MovedEvent(event);
    default:
        if (type == ZAF_EV_SCROLL_VERTICAL || type == ZAF_EV_SCROLL_HORIZONTAL
            || (type <= -304 && type >= -307) || type == ZAF_EV_VERTICAL_SCROLLED
            || type == ZAF_EV_HORIZONTAL_SCROLLED)
            return DropHook(event);
        {
            ZafEventType answer = ZafWindowObject::Event(event);
            if (answer == ZAF_NOT_HANDLED)
                if (ZafWindowObject *child = CurrentChild())
                    answer = child->Event(event);
            return answer;
        }
    }
}

ZafEventType ZafWindow::RestoreEvent(const ZafEventStruct &event)
{
    if (maximized)
        SetMaximized(false);
    else if (minimized)
        SetMinimized(false);
    return event.type;
}

// Settles the children too; a modal top-level window disables the other
// top-level windows.
ZafEventType ZafWindow::SettleEvent(const ZafEventStruct &event)
{
    ZafWindowObject::Event(event);
    ConvertRegion(clientSize, ZAF_PIXEL);
    BroadcastEvent(event, 0);
    ZafWindowManager *manager = ZafWindowManager::Shared();
    if (modal && !parent && manager)
        for (ZafElement *e = manager->ZafList::First(); e; e = e->Next())
        {
            ZafWindowObject *other = AsObject(e);
            if (other != this && other->Registered())
                EnableWindow(Handle(other->OSHandle(2)), FALSE);
        }
    return event.type;
}

ZafEventType ZafWindow::RebuildEvent(const ZafEventStruct &event)
{
    if ((maximized || minimized) && restoreRegion.left < restoreRegion.right
        && restoreRegion.top < restoreRegion.bottom)
        region = restoreRegion;
    bool wasVisible = visible, wasMaximized = maximized, wasMinimized = minimized;
    visible = maximized = minimized = false;
    ZafEventType answer = ZafWindowObject::Event(event);
    // The children's OS windows are new and not placed yet; a window
    // made again at its old size gets no size notice that would place
    // them.
    if (Registered())
        Event(ZafEventStruct(ZAF_EV_SIZED, 0, lastRegion));
    // Maximizing or minimizing shows the OS window: the window counts as
    // visible from then on, or the first paint of its bars and children
    // would find it hidden and be validated undrawn. A hidden window is
    // hidden again below.
    if (wasMaximized || wasMinimized)
        visible = true;
    SetMaximized(wasMaximized);
    SetMinimized(wasMinimized);
    SetVisible(wasVisible);
    return answer;
}

ZafEventType ZafWindow::CloseEvent(const ZafEventStruct &event)
{
    ZafEventStruct close = event;
    close.windowObject = nullptr;
    close.dataObject = RootObject();
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->Put(close, ZAF_QUEUE_BACK);
    return event.type;
}

ZafEventType ZafWindow::OSWindowGoneEvent(const ZafEventStruct &event)
{
    ZafWindowManager *manager = ZafWindowManager::Shared();
    if (!parent && manager && manager->statusObject && manager->statusObject->RootObject() == this)
    {
        manager->statusObject = nullptr;
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->BroadcastToDevices(ZafEventStruct(ZAF_TIPS_FOLLOW_OBJECT, 0), ZAF_HELP_TIPS);
    }
    BroadcastEvent(event, 0);
    frameWindow = nullptr;
    return ZafWindowObject::Event(event);
}

ZafEventType ZafWindow::RegisterWithChildren(const ZafEventStruct &event)
{
    ZafEventType answer = ZafWindowObject::Event(event);
    BroadcastEvent(event, 0);
    return answer;
}

ZafEventType ZafWindow::UnregisterEvent(const ZafEventStruct &event)
{
    // The children leave the screen first; their OS windows go with ours.
    if (!ownOSWindow)
    {
        ZafWindowObject::Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
        BroadcastEvent(event, 0);
        ZafWindowObject::Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
        return event.type;
    }
    BroadcastEvent(event, 0);
    // Destroying the frame takes the client window with it.
    ReleaseFrame();
    return ZafWindowObject::Event(event);
}

// The support objects, then the children, until one takes the key.
ZafEventType ZafWindow::HotKeyToChildren(const ZafEventStruct &event)
{
    ZafEventType answer = ZAF_NOT_HANDLED;
    for (int pass = 0; pass < 2; ++pass)
        for (ZafElement *e = pass ? ZafList::First() : supportList.First(); e; e = e->Next())
        {
            answer = AsObject(e)->Event(event);
            if (answer != ZAF_REFUSED && answer != ZAF_NOT_HANDLED)
                return answer;
        }
    return answer;
}

ZafEventType ZafWindow::SetRegionEvent(const ZafEventStruct &event)
{
    if (useParentFrameHandle && Registered() && parent)
    {
        region = event.region;
        ConvertCoordinates(ZAF_PIXEL);
        static_cast<ZafWindow *>(parent)->RelayoutFrame();
        return event.type;
    }
    return ZafWindowObject::Event(event);
}

ZafEventType ZafWindow::SizedEvent(const ZafEventStruct &event)
{
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    if (ZafWindowObject *geometry = GeometryManager())
        geometry->Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->ApplyPosition();
    return event.type;
}

// Children drawn in this window's OS window move with it; those with an OS
// window of their own are moved to their place in it.
ZafEventType ZafWindow::MovedEvent(const ZafEventStruct &event)
{
    if (ownOSWindow)
        return event.type;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
    {
        ZafWindowObject *child = AsObject(e);
        if (!child->OwnOSWindow())
            child->Event(event);
        else if (child->Registered())
        {
            ZafRegionStruct target = child->Region();
            ConvertToOSRegion(child, target);
            MoveWindow(Handle(child->OSHandle(2)), target.left, target.top, target.Width(), target.Height(), TRUE);
            UpdateWindow(Handle(child->OSHandle(2)));
        }
    }
    return event.type;
}

// ---- OS windows -------------------------------------------------------------

void ZafWindow::OSRegisterObject()
{
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    const bool topLevel = (parent == nullptr);
    // A fixed-size frame's edge is a border on old platforms, a dialog
    // frame on newer ones.
    const bool oldPlatform = ZafMSWindowsApp::Platform().platform <= 1;
    const DWORD partStyles[5] = { DWORD(sizeable ? WS_THICKFRAME : oldPlatform ? WS_BORDER : 0),
        DWORD(sizeable ? WS_MAXIMIZEBOX : 0), WS_MINIMIZEBOX, WS_SYSMENU, WS_CAPTION };
    const ZafFrameStyle parts = ZafSupportFrameStyle(supportList, partStyles);
    style |= parts.frame;
    const DWORD clientStyle = WS_CHILD | parts.client;
    DWORD exStyle = (parts.border && !sizeable && !oldPlatform) ? WS_EX_DLGMODALFRAME : 0;
    const bool pair = topLevel || parts.supportWindow;
    if (border && !(style & WS_THICKFRAME) && !(exStyle & WS_EX_DLGMODALFRAME)
        && (supportList.Count() > 0 || systemDrawn))
        ZafAddControlBorder(!topLevel && ZafMSWindowsApp::ThreeDPlatform(), style, exStyle);
    if (topLevel && (style & WS_CAPTION) != WS_CAPTION)
        style |= WS_POPUP;
    style |= ZafControlStateStyle(this);
    if (!topLevel)
        style |= WS_CHILD;
    if (maximized)
        style |= WS_MAXIMIZE;
    if (minimized)
        style |= WS_MINIMIZE;

    if (!pair)
    {
        osWindow = CreateOSWindow(this, ZafMSWindowsApp::windowClassName, style | clientStyle, Text(), nullptr, exStyle);
        return;
    }
    HWND ownerWindow = nullptr;
    if (topLevel && owner && owner->Registered())
        ownerWindow = Handle(owner->OSHandle(2));
    HWND frame = Handle(CreateOSWindow(this, ZafMSWindowsApp::windowClassName, style, Text(), ownerWindow, exStyle));
    if (!frame)
        return;
    frameWindow = frame;
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    os.setWindowLong(frame, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(&ZafWindowProc)));
    if (!ZafCreateFrameClient(this, frame, clientStyle | WS_VISIBLE, osWindow))
        ReleaseFrame();
}

bool ZafCreateFrameClient(ZafWindowObject *object, HWND frame, DWORD style, ZafOSWindow &client)
{
    client = ZafWindowObject::CreateOSWindow(object, ZafMSWindowsApp::windowClassName, style, nullptr, frame,
        WS_EX_NOPARENTNOTIFY);
    if (!client)
        return false;
    // The client's size follows the frame at once (the frame may be sized
    // already when it was made maximized).
    RECT area;
    GetClientRect(frame, &area);
    MoveWindow(Handle(client), 0, 0, area.right, area.bottom, FALSE);
    return true;
}

void ZafWindow::ReleaseFrame()
{
    HWND frame = Handle(frameWindow);
    frameWindow = nullptr;
    if (!frame || !IsWindow(frame))
        return;
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    if (os.getWindowLong(frame, GWL_USERDATA) == LONG(reinterpret_cast<intptr_t>(this)))
        os.setWindowLong(frame, GWL_USERDATA, 0);
    DestroyWindow(frame);
}

ZafOSWindow ZafWindow::OSHandle(int kind) const
{
    if (kind == 2 && frameWindow && ownOSWindow)
        return frameWindow;
    return osWindow;
}

// ---- Client area and position -----------------------------------------------

ZafRegionStruct ZafWindow::ClientRegion(ZafWindowObject *object)
{
    ZafRegionList list;
    const bool support = object == this || (object && supportList.Contains(object));
    if (support)
    {
        RECT rect = { 0, 0, 0, 0 };
        if (OSHandle(2))
            GetClientRect(Handle(OSHandle(2)), &rect);
        else
        {
            ZafRegionStruct pixels = region;
            ConvertRegion(pixels, ZAF_PIXEL);
            rect = { 0, 0, pixels.Width(), pixels.Height() };
        }
        list.Add(osWindow, PixelRect(rect));
        for (ZafElement *e = supportList.First(); e && e != object; e = e->Next())
        {
            ZafWindowObject *other = AsObject(e);
            if (other->RegionMode() == 2 && other->OwnOSWindow())
            {
                ZafRegionStruct area = other->Region();
                other->ConvertRegion(area, ZAF_PIXEL);
                list.Split(area);
            }
        }
    }
    else
    {
        ZafRegionStruct size = clientSize;
        ConvertRegion(size, ZAF_PIXEL);
        if (!object || object->RegionMode() != 2)
            return size;
        list.Add(osWindow, size);
        for (ZafElement *e = ZafList::First(); e && e != object; e = e->Next())
        {
            ZafWindowObject *other = AsObject(e);
            if (other->RegionMode() == 2)
            {
                ZafRegionStruct area = other->Region();
                other->ConvertRegion(area, ZAF_PIXEL);
                list.Split(area);
            }
        }
    }
    if (!list.Last())
    {
        ZafRegionStruct empty;
        empty.Assign(0, 0, -1, -1, ZAF_PIXEL);
        return empty;
    }
    return list.Last()->region;
}

void ZafWindow::ApplyPosition()
{
    if (!ownOSWindow)
    {
        ZafRegionStruct pixels = region;
        ConvertRegion(pixels, ZAF_PIXEL);
        clientSize.Assign(0, 0, pixels.Width() - 1, pixels.Height() - 1, ZAF_PIXEL);
        ZafWindowObject::ApplyPosition();
        return;
    }
    if (parent || !fitToClient || !Registered())
    {
        ZafWindowObject::ApplyPosition();
        return;
    }
    ZafRegionStruct wanted = clientSize;
    ConvertRegion(wanted, ZAF_PIXEL);
    const int wantWidth = wanted.Width(), wantHeight = wanted.Height();
    ConvertCoordinates(ZAF_PIXEL);
    region.bottom = region.top + 1000;
    ZafWindowObject::ApplyPosition();
    // A few passes settle menus that wrap; stop when nothing changes.
    for (int pass = 0; pass < 4; ++pass)
    {
        ZafRegionStruct now = clientSize;
        if (now.Width() == wantWidth && now.Height() == wantHeight)
            return;
        region.right += wantWidth - now.Width();
        region.bottom += wantHeight - now.Height();
        ZafWindowObject::ApplyPosition();
        fitToClient = false;
        if (clientSize.Width() == now.Width() && clientSize.Height() == now.Height())
            break;
    }
    RECT rect;
    GetWindowRect(Handle(OSHandle(2)), &rect);
    region = PixelRect(rect);
}

// ---- Focus, enabling, maximizing ----------------------------------------------

bool ZafWindow::SetFocus(bool value)
{
    // The focus moving into a page of a notebook shows that page.
    if (value && parent && parent->IsAClassID(ZAF_ID_NOTEBOOK))
        static_cast<ZafNotebook *>(parent)->SetCurrentPageObject(this);
    if (!Registered())
        return ZafWindowObject::SetFocus(value);
    if (!CurrentChild())
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (IsFocusable(AsObject(e)))
            {
                SetCurrent(e);
                break;
            }
    ZafWindowObject *child = CurrentChild();
    if (value && child)
        child->SetFocus(true);
    else if (!value && !parent)
        SetActiveWindow(GetDesktopWindow());
    else
        ZafWindowObject::SetFocus(value);
    return focus;
}

bool ZafWindow::SetDisabled(bool value)
{
    if (value != disabled)
        ZafWindowObject::SetDisabled(value);
    if (!Registered() || designMode)
        return disabled;
    for (int pass = 0; pass < 2; ++pass)
        for (ZafElement *e = pass ? ZafList::First() : supportList.First(); e; e = e->Next())
        {
            ZafWindowObject *object = AsObject(e);
            if (!object->OwnOSWindow() || !object->SystemDrawn() || object->DesignMode())
                object->SetDisabled(disabled);
            else if (object->Registered())
                EnableWindow(Handle(object->OSHandle(2)), !object->IsDisabled(true));
        }
    return disabled;
}

// Sets one of the two size states (maximized, minimized), clearing the
// other when set; a registered window's frame is shown that way (restored
// when cleared).
static bool SetSizeState(bool &state, bool &other, bool value, HWND frame, int showCommand)
{
    if (value == state)
        return state;
    state = value;
    if (value)
        other = false;
    if (frame)
        ShowWindow(frame, value ? showCommand : SW_RESTORE);
    return state;
}

bool ZafWindow::SetMaximized(bool value)
{
    return SetSizeState(maximized, minimized, value, Registered() ? Handle(OSHandle(2)) : nullptr, SW_MAXIMIZE);
}

bool ZafWindow::SetMinimized(bool value)
{
    return SetSizeState(minimized, maximized, value, Registered() ? Handle(OSHandle(2)) : nullptr, SW_MINIMIZE);
}

// ---- Frame re-layout ----------------------------------------------------------

void ZafWindow::RelayoutFrame()
{
    HWND handle = Handle(OSHandle(2));
    if (!handle)
        return;
    RECT rect;
    GetWindowRect(handle, &rect);
    if (parent && parent->OSWindow())
        MapWindowPoints(nullptr, Handle(parent->OSWindow()), reinterpret_cast<POINT *>(&rect), 2);
    WINDOWPOS position = { handle, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING };
    ZafMSWindowsApp::Entry().sendMessage(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

ZafEventType ZafWindow::FrameStyleChanged()
{
    // The frame styles are taken at creation: build the OS windows again.
    Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    return Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
}

// ---- Drawing and input ----------------------------------------------------------

ZafEventType ZafWindow::ApplyOSFont()
{
    if (Registered() && ownOSWindow && systemDrawn)
    {
        ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), WM_SETREDRAW, FALSE, 0);
        for (int pass = 0; pass < 2; ++pass)
            for (ZafElement *e = pass ? ZafList::First() : supportList.First(); e; e = e->Next())
                if (AsObject(e)->OwnOSWindow())
                    AsObject(e)->ApplyOSFont();
        ZafWindowObject::ApplyOSFont();
        if (AutomaticUpdate(true))
            ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), WM_SETREDRAW, TRUE, 0);
    }
    return Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
}

ZafRegionStruct ZafWindow::BeginDraw()
{
    if (!ownOSWindow || designMode)
        return ZafWindowObject::BeginDraw();
    ZafGdiDisplay *display = DrawDisplay();
    RECT rect = { 0, 0, 0, 0 };
    GetClientRect(Handle(osWindow), &rect);
    ZafRegionStruct drawRegion = PixelRect(rect);
    if (display)
    {
        display->BeginDraw(nullptr, Handle(osWindow));
        display->SetClipRegion(drawRegion);
    }
    return drawRegion;
}

ZafEventType ZafWindow::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        if (AsObject(e)->IsAClassID(ZAF_ID_BACKGROUND_PAINTER))
        {
            AsObject(e)->SetRegion(clientSize);
            return AsObject(e)->Redisplay(event, code);
        }
    ZafRegionStruct drawRegion = BeginDraw();
    DrawBackground(drawRegion, code);
    EndDraw();
    return code;
}

int ZafWindow::TranslateInputEvent(ZafEventStruct &event)
{
    if (event.InputClass() != ZAF_INPUT_MOUSE || (designMode && supportList.Count() == 0))
        return ZafWindowObject::TranslateInputEvent(event);
    const UINT message = event.osEvent.message;
    if (message < WM_MOUSEFIRST || message > WM_MBUTTONDBLCLK)
        return 0;
    ZafWindowObject::TranslateInputEvent(event);
    if (Registered() && ownOSWindow && OSHandle(2) != osWindow)
    {
        RECT rect;
        GetWindowRect(Handle(OSHandle(2)), &rect);
        POINT corner = { rect.left, rect.top };
        ScreenToClient(Handle(osWindow), &corner);
        event.region.left += corner.x;
        event.region.right += corner.x;
        event.region.top += corner.y;
        event.region.bottom += corner.y;
    }
    return 1;
}
