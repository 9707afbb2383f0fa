// ZafWindowObject event handling on Windows: the framework event handler
// (life, drawing, focus flags, geometry, help, activation, drag and drop,
// member callbacks, tips) and the raw OS message handler.
#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;

ZafWindowManager *Manager() { return ZafWindowManager::Shared(); }

UINT_PTR tipsTimer = 0;
HWND droppedComboBox = nullptr;

} // namespace

UINT_PTR ZafTipsTimer() { return tipsTimer; }
UINT_PTR ZafSetTipsTimer(UINT_PTR id) { return tipsTimer = id; }
HWND ZafDroppedComboBox() { return droppedComboBox; }
HWND ZafSetDroppedComboBox(HWND comboBox) { return droppedComboBox = comboBox; }

ZafRegionStruct ZafRegionOfWindowPos(ZafWindowObject *object, const WINDOWPOS &position)
{
    ZafRegionStruct placed;
    placed.Assign(position.x, position.y, position.x + position.cx - 1, position.y + position.cy - 1, ZAF_PIXEL);
    if (ZafWindowObject *reference = object->Parent() ? object->Parent() : ZafWindowObject::WindowManager())
        reference->ConvertFromOSRegion(object, placed);
    return placed;
}

void ZafRedrawByParent(ZafWindowObject *object, const ZafEventStruct &event)
{
    ZafWindowObject *parent = object->Parent();
    ZafRegionStruct area = event.type == ZAF_EV_REDRAW_AREA ? event.region : object->Region();
    if (event.type == ZAF_EV_REDRAW)
        parent->ConvertToOSRegion(object, area);
    parent->Event(ZafEventStruct(ZAF_EV_REDRAW_AREA, 0, area));
}

long ZafCallClassProcedure(const ZafEventStruct &event)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    HWND window = Handle(event.osEvent.hwnd);
    WNDPROC procedure = reinterpret_cast<WNDPROC>(static_cast<uintptr_t>(os.getClassLong(window, GCL_WNDPROC)));
    if (!procedure)
        return long(os.defWindowProc(window, event.osEvent.message, event.osEvent.wParam, event.osEvent.lParam));
    return long(os.callWindowProc(procedure, window, event.osEvent.message, event.osEvent.wParam,
        event.osEvent.lParam));
}

// ---- Framework events -------------------------------------------------------

namespace {

// -9: settle the number id (from the root's counter), the string id and
// pixel coordinates.
void SettleIDs(ZafWindowObject *object, ZafNumberID &ownID, ZafNumberID &rootID, bool topLevel)
{
    if (ownID == 0)
    {
        // A counter of 0 would hand out 0, which means "no id": start at 1.
        if (rootID == 0)
            rootID = 1;
        ownID = rootID;
        rootID = ZafNumberID(rootID + 1);
    }
    else if (!topLevel && rootID <= ownID)
        rootID = ZafNumberID(ownID + 1);
    if (!object->StringID())
    {
        std::wstring name = topLevel ? object->ClassName() : L"FIELD_";
        name += std::to_wstring(ownID);
        object->SetStringID(name.c_str());
    }
}

} // namespace

ZafEventType ZafWindowObject::Event(const ZafEventStruct &event)
{
    if (designMode)
    {
        ZafEventType inputClass = event.InputClass();
        if (inputClass == ZAF_INPUT_KEYBOARD || inputClass == ZAF_INPUT_MOUSE)
        {
            ZafEventStruct copy = event;
            return DesignModeEvent(copy);
        }
    }

    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS: return OSEvent(event);
    case ZAF_EV_SETTLE: return SettleEvent(event);
    case ZAF_EV_REBUILD: return RebuildEvent(event);
    case ZAF_EV_FOCUS_LOST: focus = false; return type;
    case ZAF_EV_FOCUS_GAINED: focus = true; return type;
    case ZAF_EV_REDRAW_DATA: return RedrawDataEvent(event);
    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA: return RedrawEvent(event);
    case ZAF_EV_OS_WINDOW_GONE: return OSWindowGoneEvent(event);
    case ZAF_EV_REGISTER: RegisterWithOS(); return type;
    case ZAF_EV_UNREGISTER: return UnregisterEvent(event);
    case ZAF_EV_HELP: return HelpEvent(event);
    case ZAF_EV_ACTIVATE: return ActivateEvent(event);
    case ZAF_EV_SET_REGION: return SetRegionEvent(event);
    case ZAF_EV_COMPUTE_REGION: return ComputeRegionEvent(event);
    case ZAF_EV_MAY_LEAVE:
    case ZAF_EV_BECAME_CURRENT:
    case ZAF_L_SELECT: return memberFunction ? (this->*memberFunction)(event, type) : 0;
    case ZAF_EV_POINTER_LEFT:
    case ZAF_EV_POINTER_ENTERED: return PointerCrossedEvent(event);
    default:
        if (type >= ZAF_EV_DRAG_FIRST && type <= ZAF_EV_DRAG_LAST)
            return DragDropEvent(event);
        return ZAF_NOT_HANDLED;
    }
}

ZafEventType ZafWindowObject::SettleEvent(const ZafEventStruct &event)
{
    ConvertCoordinates(ZAF_PIXEL);
    ResetRegion(lastRegion);
    ZafWindowObject *root = RootObject();
    bool topLevel = (root == this);
    if (topLevel)
        root = WindowManager();
    ZafNumberID id = numberID;
    ZafNumberID counter = root ? root->numberID : 0;
    SettleIDs(this, id, counter, topLevel);
    numberID = id;
    if (root && root != this)
        root->numberID = counter;
    return event.type;
}

ZafEventType ZafWindowObject::RebuildEvent(const ZafEventStruct &event)
{
    bool wasVisible = visible;
    SetVisible(false);
    Event(ZafEventStruct(ZAF_EV_SETTLE, 0));
    Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
    ApplyPosition();
    SetVisible(wasVisible);
    return event.type;
}

ZafEventType ZafWindowObject::RedrawDataEvent(const ZafEventStruct &event)
{
    if (Registered() && AutomaticUpdate(true))
    {
        if (ownOSWindow && systemDrawn)
        {
            Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
            UpdateWindow(Handle(osWindow));
        }
        else
            Redisplay(event, event.type);
    }
    return event.type;
}

ZafEventType ZafWindowObject::RedrawEvent(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    if (Registered() && AutomaticUpdate(true))
    {
        const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
        RECT rect;
        bool whole = (type == ZAF_EV_REDRAW && ownOSWindow);
        if (!whole)
        {
            ZafRegionStruct area = (type == ZAF_EV_REDRAW) ? OSRegion() : OSRegion(nullptr, &event.region);
            rect = { area.left, area.top, area.right + 2, area.bottom + 2 };
            if (ownOSWindow)
                rect = { event.region.left, event.region.top, event.region.right + 2, event.region.bottom + 2 };
        }
        RedrawWindow(Handle(osWindow), whole ? nullptr : &rect, nullptr, flags);
    }
    return type;
}

ZafEventType ZafWindowObject::OSWindowGoneEvent(const ZafEventStruct &event)
{
    osWindow = nullptr;
    focus = false;
    if (ZafWindowManager *manager = Manager())
        if (manager->tipObject == this)
            manager->tipObject = nullptr;
    return event.type;
}

ZafEventType ZafWindowObject::UnregisterEvent(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    if (manager && manager->focusObject == this)
    {
        manager->focusObject = nullptr;
        NotifyFocus(nullptr, false);
    }
    if (ownOSWindow)
        ReleaseOSWindow();
    else
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
    return event.type;
}

ZafEventType ZafWindowObject::HelpEvent(const ZafEventStruct &event)
{
    const ZafIChar *topic = helpTopic;
    for (ZafWindowObject *object = this; object && !topic; object = object->parent)
        topic = object->helpTopic;
    if (ZafHelpSystem::Shared())
        ZafHelpSystem::Shared()->DisplayHelp(topic ? topic : helpTopic);
    return event.type;
}

ZafEventType ZafWindowObject::ActivateEvent(const ZafEventStruct &event)
{
    ZafEventStruct copy = event;
    copy.windowObject = nullptr;
    copy.dataObject = this;
    if (ZafEventManager *manager = ZafEventManager::Shared())
        manager->Put(copy, ZAF_QUEUE_BACK);
    return event.type;
}

ZafEventType ZafWindowObject::SetRegionEvent(const ZafEventStruct &event)
{
    SetRegion(event.region);
    if (Registered())
    {
        ConvertCoordinates(ZAF_PIXEL);
        Event(ZafEventStruct(ZAF_EV_COMPUTE_REGION, 0));
        ApplyPosition();
    }
    return event.type;
}

ZafEventType ZafWindowObject::ComputeRegionEvent(const ZafEventStruct &event)
{
    if (regionMode != 0)
    {
        ZafWindowObject *area = parent ? parent : WindowManager();
        if (area && area != this)
            SetRegion(area->ClientRegion(this));
    }
    return event.type;
}

ZafEventType ZafWindowObject::PointerCrossedEvent(const ZafEventStruct &event)
{
    if (tipText && Manager() && Manager()->Focus())
        if (ZafEventManager *manager = ZafEventManager::Shared())
            manager->BroadcastToDevices(event, ZAF_HELP_TIPS);
    return event.type;
}

// ---- Raw OS messages --------------------------------------------------------

ZafEventType ZafWindowObject::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    switch (message)
    {
    case WM_SETFOCUS: return SetFocusMessage(event);
    case WM_PAINT: return PaintMessage(event);
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR: return SetCursorMessage(event);
    case WM_MOUSEACTIVATE: return MouseActivateMessage(event);
    case WM_WINDOWPOSCHANGED: return WindowPosChangedMessage(event);
    case WM_COMMAND: return event.osEvent.lParam ? ZafCallClassProcedure(event) : WM_COMMAND;
    case WM_KEYDOWN:
    case WM_KEYUP: return KeyMessage(event);
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: return ZAF_NOT_HANDLED;
    case WM_NCDESTROY: return NCDestroyMessage(event);
    case WM_NCMOUSEMOVE: return NCMouseMoveMessage(event);
    case WM_DRAWITEM: return DrawItemEvent(event);
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED: return 0;
    case WM_MOUSEMOVE: return MouseMoveMessage(event);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: return ButtonDownMessage(event);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: return ButtonUpMessage(event);
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: return FocusBlocked() ? ZafEventType(message) : ZafCallClassProcedure(event);
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            return ControlColorEvent(event);
        return ZafCallClassProcedure(event);
    }
}

ZafEventType ZafWindowObject::SetFocusMessage(const ZafEventStruct &event)
{
    HWND window = Handle(event.osEvent.hwnd);
    ZafWindowManager *manager = Manager();
    ZafEventType answer = ZafCallClassProcedure(event);
    if (!manager || manager->focusObject != this)
    {
        if (NotifyFocus(this, true))
            return 0;
        HWND focusWindow = GetFocus();
        if (osWindow && focusWindow != Handle(osWindow) && !IsChild(Handle(osWindow), focusWindow))
        {
            ::SetFocus(window);
            ZafMSWindowsApp::Entry().postMessage(Handle(osWindow), WM_LBUTTONUP, 0, 0);
            return 0;
        }
    }
    return answer;
}

ZafEventType ZafWindowObject::PaintMessage(const ZafEventStruct &event)
{
    HWND window = Handle(event.osEvent.hwnd);
    if (window != Handle(osWindow))
        return ZafCallClassProcedure(event);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    if (IsVisible(true) && AutomaticUpdate(true))
    {
        ZafEventStruct redraw = event;
        redraw.region.Assign(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - 1,
            paint.rcPaint.bottom - 1, ZAF_PIXEL);
        Redisplay(redraw, ZAF_EV_REDRAW);
    }
    return 0;
}

ZafEventType ZafWindowObject::SetCursorMessage(const ZafEventStruct &event)
{
    if (designMode && Handle(event.osEvent.hwnd) == Handle(osWindow))
        return 1;
    if (FocusBlocked() && parent)
    {
        if (ZafEventManager *events = ZafEventManager::Shared())
            events->DeviceState(ZAF_MOUSE, ZAF_POINTER_ARROW);
        return 1;
    }
    return ZafCallClassProcedure(event);
}

ZafEventType ZafWindowObject::MouseActivateMessage(const ZafEventStruct &event)
{
    ZafWindowObject *root = RootObject();
    if (!root->focus)
    {
        ZafWindowObject *target = (!IsDisabled(true) && !FocusBlocked()) ? this : root;
        target->Event(ZafEventStruct(ZAF_EV_ACTIVATE, 0));
        return MA_ACTIVATE;
    }
    return ZafCallClassProcedure(event);
}

ZafEventType ZafWindowObject::WindowPosChangedMessage(const ZafEventStruct &event)
{
    ZafEventType answer = ZafCallClassProcedure(event);
    const WINDOWPOS *position = reinterpret_cast<const WINDOWPOS *>(event.osEvent.lParam);
    if (position && (position->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
    {
        region = ZafRegionOfWindowPos(this, *position);
        if (!(position->flags & SWP_NOMOVE))
            Event(ZafEventStruct(ZAF_EV_MOVED, 0, lastRegion));
        if (!(position->flags & SWP_NOSIZE))
            Event(ZafEventStruct(ZAF_EV_SIZED, 0, lastRegion));
        lastRegion = region;
    }
    return answer;
}

// WM_KEYDOWN and WM_KEYUP: F1 shows the object's help topic; other keys are
// translated into characters.
ZafEventType ZafWindowObject::KeyMessage(const ZafEventStruct &event)
{
    HWND window = Handle(event.osEvent.hwnd);
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    if (message == WM_KEYDOWN && wParam == VK_F1 && ZafHelpSystem::Shared())
    {
        if (parent && !helpTopic)
            return ZAF_NOT_HANDLED;
        ZafHelpSystem::Shared()->DisplayHelp(helpTopic);
        return WM_KEYDOWN;
    }
    // Keys of a child's window pass through its ancestors on their way to
    // it (ZafWindow gives unhandled keys to its current child): only the
    // object of the message's window translates them, once.
    if (window != Handle(osWindow))
        return ZAF_NOT_HANDLED;
    MSG msg = { window, message, wParam, event.osEvent.lParam, event.osEvent.time,
        { event.osEvent.x, event.osEvent.y } };
    TranslateMessage(&msg);
    ZafCallClassProcedure(event);
    return ZAF_NOT_HANDLED;
}

ZafEventType ZafWindowObject::NCDestroyMessage(const ZafEventStruct &event)
{
    HWND window = Handle(event.osEvent.hwnd);
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    os.setWindowLong(window, GWL_WNDPROC, LONG(os.getClassLong(window, GCL_WNDPROC)));
    if (window == Handle(osWindow))
        osWindow = nullptr;
    return ZafCallClassProcedure(event);
}

ZafEventType ZafWindowObject::NCMouseMoveMessage(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    if (manager && manager->tipObject)
    {
        ZafWindowObject *tip = manager->tipObject;
        manager->tipObject = nullptr;
        tip->Event(ZafEventStruct(ZAF_EV_POINTER_LEFT, 0));
    }
    return ZafCallClassProcedure(event);
}

ZafEventType ZafWindowObject::MouseMoveMessage(const ZafEventStruct &event)
{
    TrackTips();
    if (MouseMoveDrag(event))
        return 0;
    return ZafCallClassProcedure(event);
}

ZafEventType ZafWindowObject::ButtonDownMessage(const ZafEventStruct &event)
{
    ZafEventType answer = 0;
    if (!FocusBlocked())
        answer = ZafCallClassProcedure(event);
    PressForDrag(event);
    return answer;
}

// The right button's release goes to the control only when no drag is on.
ZafEventType ZafWindowObject::ButtonUpMessage(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    ZafEventType answer = 0;
    if (!FocusBlocked() && (event.osEvent.message == WM_LBUTTONUP || !manager || !manager->dragObject))
        answer = ZafCallClassProcedure(event);
    ReleaseForDrag(event);
    return answer;
}

// WM_DRAWITEM on an owner-drawn control: its focus and selected state come
// from the item, the drawing from Redisplay.
ZafEventType ZafWindowObject::DrawItemEvent(const ZafEventStruct &event)
{
    const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(event.osEvent.lParam);
    ZafGdiDisplay *display = DrawDisplay();
    if (!item || !display)
        return WM_DRAWITEM;
    bool savedFocus = focus, savedSelected = selected;
    display->BeginDraw(item->hDC, item->hwndItem);
    focus = (item->itemState & ODS_FOCUS) != 0;
    if (!IsDisabled(true) && item->CtlType != ODT_BUTTON)
        selected = (item->itemState & ODS_SELECTED) != 0;
    if (item->itemAction & ODA_DRAWENTIRE)
        Redisplay(event, ZAF_EV_REDRAW);
    else if (item->itemAction & ODA_FOCUS)
        Redisplay(event, focus ? ZAF_EV_FOCUS_GAINED : ZAF_EV_FOCUS_LOST);
    else if (item->itemAction & ODA_SELECT)
        Redisplay(event, ZAF_L_SELECT);
    focus = savedFocus;
    selected = savedSelected;
    display->EndDraw();
    return WM_DRAWITEM;
}

// WM_CTLCOLOR*: the control's text and background colours from its palettes.
ZafEventType ZafWindowObject::ControlColorEvent(const ZafEventStruct &event)
{
    HDC context = reinterpret_cast<HDC>(event.osEvent.wParam);
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
        return ZafCallClassProcedure(event);
    ZafPaletteState state = PaletteState();
    HBRUSH brush = display->ControlColors(context, ResolvePalette(ZAF_PT_TEXT, state),
        ResolvePalette(ZAF_PT_BACKGROUND, state));
    return ZafEventType(reinterpret_cast<intptr_t>(brush));
}
