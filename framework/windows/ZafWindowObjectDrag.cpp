// ZafWindowObject on Windows: drag and drop between objects, design mode
// (moving and sizing objects with the mouse) and the pointer tracking that
// drives the help tips.
#include <windows.h>

#include <cstdlib>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;

ZafWindowManager *Manager() { return ZafWindowManager::Shared(); }

void SetPointer(ZafEventType image)
{
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->DeviceState(ZAF_MOUSE, image);
}

// The press point of a pending drag (client pixels of the pressed window).
ZafInt16 pressX = 0;
ZafInt16 pressY = 0;
bool dragPending = false;

constexpr UINT_PTR TIPS_TIMER_ID = 3;
constexpr UINT TIPS_TIMER_PERIOD = 500;

bool IsAncestorOf(const ZafWindowObject *ancestor, const ZafWindowObject *object)
{
    for (; object; object = object->Parent())
        if (object == ancestor)
            return true;
    return false;
}

} // namespace

// ---- Tips -------------------------------------------------------------------

void ZafWindowObject::TrackTips()
{
    ZafWindowManager *manager = Manager();
    if (!manager || manager->tipObject == this)
        return;
    ZafWindowObject *old = manager->tipObject;
    manager->tipObject = this;
    if (old)
        old->Event(ZafEventStruct(ZAF_EV_POINTER_LEFT, 0));
    Event(ZafEventStruct(ZAF_EV_POINTER_ENTERED, 0));
    if (!ZafTipsTimer())
        ZafSetTipsTimer(SetTimer(nullptr, TIPS_TIMER_ID, TIPS_TIMER_PERIOD, nullptr));
}

// ---- Drag and drop ----------------------------------------------------------

void ZafWindowObject::PressForDrag(const ZafEventStruct &event)
{
    if (!Draggable())
        return;
    pressX = ZafInt16(LOWORD(event.osEvent.lParam));
    pressY = ZafInt16(HIWORD(event.osEvent.lParam));
    dragPending = true;
    HWND window = Handle(event.osEvent.hwnd);
    if (GetCapture() != window)
        SetCapture(window);
}

bool ZafWindowObject::MouseMoveDrag(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    if (!manager)
        return false;
    if (dragPending && Draggable() && !manager->dragObject)
    {
        int x = ZafInt16(LOWORD(event.osEvent.lParam));
        int y = ZafInt16(HIWORD(event.osEvent.lParam));
        if (std::abs(x - pressX) >= 4 || std::abs(y - pressY) >= 4)
        {
            dragPending = false;
            ZafEventStruct start(ZAF_EV_BEGIN_DRAG, 0);
            start.region.Assign(x, y, x, y, ZAF_PIXEL);
            Event(start);
        }
    }
    if (!manager->dragObject)
        return false;
    DragTrack(event, false);
    return true;
}

void ZafWindowObject::ReleaseForDrag(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    if (manager && manager->dragObject)
        DragTrack(event, true);
    if (!Draggable())
        return;
    if (GetCapture() == Handle(event.osEvent.hwnd))
        ReleaseCapture();
    dragPending = false;
    if (manager)
        manager->dragObject = nullptr;
}

// Finds the object under the pointer and gives it the move or drop event
// the keys and the drag object's flags choose.
void ZafWindowObject::DragTrack(const ZafEventStruct &event, bool release)
{
    ZafWindowManager *manager = Manager();
    ZafWindowObject *source = manager ? manager->dragObject : nullptr;
    if (!source)
        return;
    POINT point = { ZafInt16(LOWORD(event.osEvent.lParam)), ZafInt16(HIWORD(event.osEvent.lParam)) };
    ClientToScreen(Handle(event.osEvent.hwnd), &point);
    HWND under = WindowFromPoint(point);
    ZafWindowObject *target = nullptr;
    if (under && GetWindowThreadProcessId(under, nullptr) == GetWindowThreadProcessId(Handle(osWindow), nullptr))
    {
        const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
        target = reinterpret_cast<ZafWindowObject *>(static_cast<intptr_t>(os.getWindowLong(under, GWL_USERDATA)));
        if (!target && GetParent(under))
            target = reinterpret_cast<ZafWindowObject *>(
                static_cast<intptr_t>(os.getWindowLong(GetParent(under), GWL_USERDATA)));
    }
    if (!target || (!target->DropTarget() && target != source))
    {
        if (!release)
            SetPointer(ZAF_POINTER_NO_DROP);
        return;
    }
    const WPARAM keys = event.osEvent.wParam;
    const bool shift = (keys & MK_SHIFT) != 0, control = (keys & MK_CONTROL) != 0;
    ZafEventType type;
    if (shift && control && source->DragCtrlShift())
        type = release ? ZAF_EV_DROP_MOVE_COPY : ZAF_EV_DRAG_MOVE_COPY;
    else if (shift && !control && source->DragShift())
        type = release ? ZAF_EV_DROP_MOVE : ZAF_EV_DRAG_MOVE;
    else if (control && !shift && source->DragCtrl())
        type = release ? ZAF_EV_DROP_COPY : ZAF_EV_DRAG_COPY;
    else
        type = release ? ZAF_EV_DROP_DEFAULT : ZAF_EV_DRAG_DEFAULT;
    POINT client = point;
    if (target->OSWindow())
        ScreenToClient(Handle(target->OSWindow()), &client);
    ZafEventStruct dragEvent(type, 0);
    dragEvent.region.Assign(client.x, client.y, client.x, client.y, ZAF_PIXEL);
    if (target->Event(dragEvent) == ZAF_REFUSED)
        SetPointer(ZAF_POINTER_NO_DROP);
}

ZafEventType ZafWindowObject::DragDropEvent(const ZafEventStruct &event)
{
    ZafWindowManager *manager = Manager();
    ZafWindowObject *source = manager ? manager->dragObject : nullptr;
    const ZafEventType type = event.type;
    if (type != ZAF_EV_BEGIN_DRAG && !dropTarget && source != this && !IsAncestorOf(this, source))
        return ZAF_REFUSED;
    switch (type)
    {
    case ZAF_EV_BEGIN_DRAG:
        if (manager)
            manager->dragObject = this;
        return type;
    case ZAF_EV_END_DRAG:
        if (manager)
            manager->dragObject = nullptr;
        return type;
    case ZAF_EV_DRAG_DEFAULT:
    case ZAF_EV_DROP_DEFAULT:
        if (source && source->DragShift())
        {
            if (type == ZAF_EV_DRAG_DEFAULT)
                SetPointer(ZAF_POINTER_DRAG_MOVE);
            return type == ZAF_EV_DRAG_DEFAULT ? ZAF_EV_DRAG_MOVE : DragDropEvent(ZafEventStruct(ZAF_EV_DROP_MOVE, 0));
        }
        if (source && source->DragCtrl())
        {
            if (type == ZAF_EV_DRAG_DEFAULT)
                SetPointer(ZAF_POINTER_DRAG_COPY);
            return type == ZAF_EV_DRAG_DEFAULT ? ZAF_EV_DRAG_COPY : DragDropEvent(ZafEventStruct(ZAF_EV_DROP_COPY, 0));
        }
        return ZAF_REFUSED;
    case ZAF_EV_DRAG_MOVE:
        SetPointer(ZAF_POINTER_DRAG_MOVE);
        return type;
    case ZAF_EV_DRAG_COPY:
        SetPointer(ZAF_POINTER_DRAG_COPY);
        return type;
    case ZAF_EV_DROP_MOVE:
    case ZAF_EV_DROP_COPY:
    {
        if (!source || source == this || IsDisabled(true))
            return ZAF_REFUSED;
        const ZafIChar *text = source->Text();
        if (text && *text)
        {
            // The source may reuse its buffer when its text changes: copy first.
            ZafIChar *copy = CopyText(text);
            SetText(copy);
            if (type == ZAF_EV_DROP_MOVE)
                source->SetText(L"");
            delete[] copy;
        }
        return type;
    }
    default:
        return ZAF_REFUSED;
    }
}

// ---- Design mode ------------------------------------------------------------

ZafEventType ZafWindowObject::DesignModeEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapEvent(event);
    switch (logical)
    {
    case ZAF_L_BEGIN_SELECT:
    case ZAF_L_MOVE:
    {
        if (logical == ZAF_L_BEGIN_SELECT)
            SetFocus(true);
        ZafRegionStruct own = region;
        ConvertRegion(own, ZAF_PIXEL);
        int width = own.Width(), height = own.Height();
        int x = event.region.left, y = event.region.top;
        bool left = x < 4, right = x >= width - 4, top = y < 4, bottom = y >= height - 4;
        ZafEventType image = ZAF_POINTER_MOVE;
        if (left && top) image = ZAF_POINTER_NW_SIZE;
        else if (right && bottom) image = ZAF_POINTER_SE_SIZE;
        else if (right && top) image = ZAF_POINTER_NE_SIZE;
        else if (left && bottom) image = ZAF_POINTER_SW_SIZE;
        else if (left) image = ZAF_POINTER_W_SIZE;
        else if (right) image = ZAF_POINTER_E_SIZE;
        else if (top) image = ZAF_POINTER_N_SIZE;
        else if (bottom) image = ZAF_POINTER_S_SIZE;
        SetPointer(image);
        if (logical == ZAF_L_MOVE)
            return logical;
        HWND window = Handle(event.osEvent.hwnd);
        SetCapture(window);
        MoveSizeEvent(event);
        ReleaseCapture();
        ZafEventStruct created(ZAF_EV_DESIGN_CREATED, ZafRawCode(ClassID()));
        created.dataObject = this;
        Event(created);
        ZafEventStruct placed(ZAF_EV_DESIGN_MOVED, event.rawCode, event.region);
        Event(placed);
        return logical;
    }
    case ZAF_L_SELECT:
    case ZAF_L_DOUBLE_CLICK:
    {
        ZafEventStruct edit(ZAF_EV_DESIGN_EDIT, ZafRawCode(ClassID()));
        edit.dataObject = this;
        Event(edit);
        return logical;
    }
    case ZAF_L_BEGIN_ALT:
        return logical;
    default:
        return event.type == ZAF_EVENT_OS ? ZafCallClassProcedure(event) : ZAF_NOT_HANDLED;
    }
}

ZafEventType ZafWindowObject::MoveSizeEvent(const ZafEventStruct &event)
{
    ZafEventManager *events = ZafEventManager::Shared();
    ZafWindowManager *manager = Manager();
    ZafGdiDisplay *display = DrawDisplay();
    ZafRegionStruct own = region;
    ConvertRegion(own, ZAF_PIXEL);
    const int x = event.region.left, y = event.region.top;
    bool left = x < 5, right = x >= own.right - own.left - 3;
    bool top = y < 5, bottom = y >= own.bottom - own.top - 3;
    if (!left && !right && !top && !bottom)
        left = right = top = bottom = true;   // a move

    HWND handle = Handle(OSHandle(2));
    RECT windowRect;
    GetWindowRect(handle, &windowRect);
    MapWindowPoints(nullptr, handle, reinterpret_cast<POINT *>(&windowRect), 2);
    ZafRegionStruct start;
    start.Assign(windowRect.left, windowRect.top, windowRect.right - 1, windowRect.bottom - 1, ZAF_PIXEL);
    ZafRegionStruct current = start;
    // Pointer positions in the object's own coordinates (TranslateInputEvent);
    // the object stays where it is until the end, so they compare directly.
    const int startX = event.region.left, startY = event.region.top;

    auto draw = [&](const ZafRegionStruct &from, const ZafRegionStruct &to) {
        if (!display)
            return;
        BeginDraw();
        display->XorRectangle(from, to);
        EndDraw();
    };
    ZafRegionStruct none;
    none.Assign(0, 0, -1, -1, ZAF_PIXEL);
    draw(none, current);

    while (events)
    {
        ZafEventStruct next;
        events->Get(next, 0);
        ZafLogicalEvent logical = MapEvent(next);
        if (logical == ZAF_L_CONTINUE_SELECT || logical == ZAF_L_END_SELECT)
        {
            int dx = next.region.left - startX, dy = next.region.top - startY;
            // Snap the offset to the object's coordinate grid.
            ZafRegionStruct offset;
            offset.Assign(0, 0, dx, dy, ZAF_PIXEL);
            ConvertRegion(offset, coordinateType);
            ConvertRegion(offset, ZAF_PIXEL);
            dx = offset.right;
            dy = offset.bottom;
            ZafRegionStruct moved = start;
            if (left) moved.left += dx;
            if (right) moved.right += dx;
            if (top) moved.top += dy;
            if (bottom) moved.bottom += dy;
            if (moved.right - moved.left + 1 < 1) { moved.left = current.left; moved.right = current.right; }
            if (moved.bottom - moved.top + 1 < 1) { moved.top = current.top; moved.bottom = current.bottom; }
            if (moved != current)
            {
                draw(current, moved);
                current = moved;
            }
            if (logical == ZAF_L_END_SELECT)
                break;
        }
        else if (next.type == ZAF_EVENT_OS
            && (next.osEvent.message == WM_PAINT || next.osEvent.message == WM_DRAWITEM))
        {
            draw(current, none);
            if (manager)
                manager->Event(next);
            draw(none, current);
        }
        else if (manager)
            manager->Event(next);
    }
    draw(current, none);

    ZafRegionStruct newRegion = region;
    ConvertRegion(newRegion, ZAF_PIXEL);
    newRegion.left += current.left - start.left;
    newRegion.top += current.top - start.top;
    newRegion.right += current.right - start.right;
    newRegion.bottom += current.bottom - start.bottom;
    ZafRegionStruct oldRegion = region;
    ConvertRegion(oldRegion, ZAF_PIXEL);
    if (newRegion != oldRegion)
    {
        Event(ZafEventStruct(ZAF_EV_SET_REGION, 0, newRegion));
        if (parent)
            parent->Event(ZafEventStruct(ZAF_EV_SIZED, 0));
    }
    return ZAF_L_END_SELECT;
}
