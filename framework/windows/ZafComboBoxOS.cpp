// The Windows half of ZafComboBox: the COMBOBOX control and its list kept
// equal to the items, the selection and drop-down notifications, the keys,
// owner drawing, and the face drawn without a control.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/controls/ZafComboBox.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafListControl.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafTextControl.h"
#include "framework/windows/ZafWindowsShared.h"
#include "framework/core/objects/ZafChildObjects.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafSystemColors.h"

namespace {

using ZafOSCalls::Handle;
using ZafOSCalls::Send;
using ZafChildObjects::AsObject;

} // namespace

// ---- The control ------------------------------------------------------------------------

void ZafComboBox::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ZafControlStateStyle(this);
    DWORD exStyle = 0;
    ZafAddControlBorder(ZafMSWindowsApp::ThreeDPlatform(), style, exStyle);
    if (!systemDrawn)
        style |= CBS_OWNERDRAWVARIABLE | CBS_DROPDOWNLIST;
    else if (!viewOnly)
        style |= CBS_DROPDOWN | CBS_AUTOHSCROLL;
    else
        style |= CBS_DROPDOWNLIST;
    if (list->VerticalScrollBar())
        style |= WS_VSCROLL;
    const bool changed = selectionChanged;
    osWindow = CreateOSWindow(this, L"COMBOBOX", style, nullptr, nullptr, exStyle);
    if (!osWindow)
        return;
    if (systemDrawn)
    {
        UpdateOSListItem();
        selectionChanged = changed;
    }
    ZafTextControlSetFont(this);
    // The edit part's messages reach the framework through the combo box.
    if (HWND edit = GetWindow(Handle(osWindow), GW_CHILD))
        ZafMSWindowsApp::Entry().setWindowLong(edit, GWL_WNDPROC, LONG(reinterpret_cast<intptr_t>(&ZafChildControlProc)));
}

ZafEventType ZafComboBox::UpdateOSListItem()
{
    if (osWindow)
        ZafTextControlWrite(osWindow, &stringData);
    return 0;
}

void ZafComboBox::ReadOSText()
{
    if (osWindow && ownOSWindow && systemDrawn)
        ZafTextControlRead(osWindow, &stringData);
}

void ZafComboBox::RefillOSList()
{
    if (!osWindow)
        return;
    Send(osWindow, CB_RESETCONTENT);
    int index = 0;
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next(), ++index)
    {
        ZafInsertOSListItem(osWindow, CB_INSERTSTRING, -1, AsObject(e), systemDrawn);
        if (AsObject(e)->Selected())
            Send(osWindow, CB_SETCURSEL, WPARAM(index));
    }
}

void ZafComboBox::Rebuild()
{
    if (!Registered())
        return;
    Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
}

// ---- Items --------------------------------------------------------------------------------

ZafWindowObject *ZafComboBox::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (!object || object->Parent() || object == this)
        return object;
    ZafChildObjects::TakeAsListItem(object);
    const bool support = object->UseParentFrameHandle();
    list->ZafWindow::Add(object, position);
    if (!support)
    {
        if (object->Selected())
            NotifySelection(object, true);
        else if (object == list->CurrentChild())
            object->SetSelected(true);
        if (osWindow)
        {
            const int index = list->Index(object);
            ZafInsertOSListItem(osWindow, CB_INSERTSTRING, index, object, systemDrawn);
            if (object->Selected())
                Send(osWindow, CB_SETCURSEL, WPARAM(index));
        }
    }
    else
        Rebuild();
    return object;
}

ZafWindowObject *ZafComboBox::Subtract(ZafWindowObject *object)
{
    if (!object)
        return object;
    const bool support = object->UseParentFrameHandle();
    if (osWindow && !support && list->Contains(object))
        Send(osWindow, CB_DELETESTRING, WPARAM(list->Index(object)));
    list->ZafWindow::Subtract(object);
    if (osWindow && list->ZafList::Count() == 0)
        Send(osWindow, CB_RESETCONTENT);
    if (support)
        Rebuild();
    return object;
}

void ZafComboBox::NotifyChildrenDestroy()
{
    if (!osWindow)
        return;
    Send(osWindow, CB_RESETCONTENT);
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next())
        AsObject(e)->Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
}

void ZafComboBox::NotifySelection(ZafWindowObject *item, bool selectedValue)
{
    if (!selectedValue || !item || !list->Contains(item))
        return;
    list->SetCurrent(item);
    const ZafIChar *text = item->Text();
    stringData.SetText(text ? text : L"");
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next())
        if (AsObject(e) != item && AsObject(e)->Selected())
            AsObject(e)->SetSelected(false);
    if (osWindow)
    {
        const int index = list->Index(item);
        if (int(Send(osWindow, CB_GETCURSEL)) != index)
        {
            Send(osWindow, CB_SETCURSEL, WPARAM(index));
            SetSelectionChanged(true);
        }
    }
}

ZafWindowObject *ZafComboBox::NotifyFocus(ZafWindowObject *object, bool gained)
{
    if (object == this || !object)
        return ZafWindowObject::NotifyFocus(object, gained);
    ZafWindowObject *answer = nullptr;
    if (!gained)
    {
        if (ZafWindowObject *current = list->CurrentChild())
            if (current != object)
                current->NotifyFocus(object, false);
        return ZafWindowObject::NotifyFocus(object, false);
    }
    if (!focus)
    {
        answer = ZafWindowObject::NotifyFocus(object, true);
        if (!answer)
            list->SetCurrent(object);
    }
    else
    {
        ZafWindowObject *previous = list->CurrentChild();
        if (previous && previous != object)
            previous->NotifyFocus(this, false);
        list->SetCurrent(object);
    }
    if (!answer && osWindow && list->Contains(object))
    {
        const int index = list->Index(object);
        if (int(Send(osWindow, CB_GETCURSEL)) != index)
            Send(osWindow, CB_SETCURSEL, WPARAM(index));
    }
    return answer;
}

// ---- Events -------------------------------------------------------------------------------

ZafEventType ZafComboBox::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_REGISTER:
    {
        ZafWindowObject::Event(event);
        list->SetOwnOSWindow(false);
        ZafRegionStruct area = list->Region();
        area.right -= area.left;
        area.bottom -= area.top;
        area.left = area.top = 0;
        list->SetRegion(area);
        list->ShareOSWindow(osWindow);
        int index = 0;
        for (ZafElement *e = list->ZafList::First(); e; e = e->Next(), ++index)
        {
            ZafWindowObject *item = AsObject(e);
            item->Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
            ZafInsertOSListItem(osWindow, CB_INSERTSTRING, -1, item, systemDrawn);
            if (item->Selected())
                Send(osWindow, CB_SETCURSEL, WPARAM(index));
        }
        UpdateOSListItem();
        return type;
    }
    case ZAF_EV_MAY_LEAVE:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        ReadOSText();
        return answer;
    }
    case ZAF_EV_ADD_OBJECT:
    case ZAF_EV_SUBTRACT_OBJECT:
        return ZafWindow::Event(event);
    case ZAF_EV_OS_WINDOW_GONE:
    case ZAF_EV_SETTLE:
    {
        ZafEventType answer = ZafWindowObject::Event(event);
        list->Event(event);
        return answer;
    }
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafComboBox::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    const LPARAM lParam = event.osEvent.lParam;
    if (designMode && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_PAINT:
    case WM_ERASEBKGND:
        return ZafEventType(ZafCallClassProcedure(event));
    case WM_WINDOWPOSCHANGED:
        // The control sizes itself to its font; the combo box keeps the
        // region it was given.
        return ZafEventType(ZafCallClassProcedure(event));
    case WM_DRAWITEM:
        return DrawItem(event);
    case WM_MEASUREITEM:
        return MeasureItem(event);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return KeyEvent(event);
    case WM_CHAR:
        if (wParam == VK_TAB || wParam == VK_ESCAPE)
            return 0;
        return ZafWindowObject::OSEvent(event);
    case WM_COMMAND:
        if (lParam)
            return ZafWindowObject::OSEvent(event);
        switch (HIWORD(wParam))
        {
        case CBN_SELCHANGE:
        {
            const int index = int(Send(osWindow, CB_GETCURSEL));
            if (ZafWindowObject *item = static_cast<ZafWindowObject *>(list->Get(index)))
                ZafChooseListItem(item, event);
            break;
        }
        case CBN_DROPDOWN:
            ZafSetDroppedComboBox(Handle(osWindow));
            break;
        case CBN_CLOSEUP:
            if (ZafDroppedComboBox() == Handle(osWindow))
                ZafSetDroppedComboBox(nullptr);
            break;
        default:
            break;
        }
        return event.type;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return ControlColorEvent(event);
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

ZafEventType ZafComboBox::KeyEvent(const ZafEventStruct &event)
{
    const WPARAM key = event.osEvent.wParam;
    ZafEventType answer;
    if (key == VK_RETURN || key == VK_ESCAPE)
    {
        if (Send(osWindow, CB_GETDROPPEDSTATE))
        {
            Send(osWindow, CB_SHOWDROPDOWN, FALSE);
            return 0;
        }
        ZafCallClassProcedure(event);
        answer = ZAF_NOT_HANDLED;
    }
    else if (key == VK_TAB)
        answer = ZAF_NOT_HANDLED;
    else if (key == VK_F1)
        return ZafWindowObject::OSEvent(event);
    else if (Handle(event.osEvent.hwnd) == Handle(osWindow))
        answer = ZafWindowObject::OSEvent(event);
    else
    {
        ZafCallClassProcedure(event);
        answer = ZAF_NOT_HANDLED;
    }
    if (answer == ZAF_NOT_HANDLED && ZafTextControlKeepsKey(key) && key != VK_TAB)
        return 0;
    return answer;
}

// ---- Owner drawing ------------------------------------------------------------------------

ZafEventType ZafComboBox::DrawItem(const ZafEventStruct &event)
{
    return ZafDrawOwnerListItem(DrawDisplay(), event,
        [this, &event](const DRAWITEMSTRUCT &draw, ZafRegionStruct &area, ZafWindowObject *item) {
            const ZafEventType focusCode = (draw.itemState & ODS_FOCUS) ? ZAF_EV_FOCUS_GAINED : ZAF_EV_FOCUS_LOST;
            if (item)
                item->SetRegion(area);
            if (item && !(draw.itemAction & ODA_FOCUS))
                item->OSEvent(event);
            else
                DrawFocus(area, focusCode);
        });
}

ZafEventType ZafComboBox::MeasureItem(const ZafEventStruct &event)
{
    if (systemDrawn)
        return ZafWindowObject::OSEvent(event);
    MEASUREITEMSTRUCT *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(event.osEvent.lParam);
    if (!measure)
        return TRUE;
    int width = 0, height = 0;
    if (int(measure->itemID) == -1)
    {
        for (ZafElement *e = list->ZafList::First(); e; e = e->Next())
        {
            const SIZE size = ZafListItemSize(AsObject(e));
            width = std::max(width, int(size.cx));
            height = std::max(height, int(size.cy));
        }
        if (height == 0)
        {
            ZafDisplay &shown = ZafDisplay::SharedOrDefault();
            height = shown.cellHeight - shown.preSpace - shown.postSpace;
        }
    }
    else if (ZafWindowObject *item = reinterpret_cast<ZafWindowObject *>(measure->itemData))
    {
        const SIZE size = ZafListItemSize(item);
        width = size.cx;
        height = size.cy;
    }
    measure->itemWidth = UINT(width);
    measure->itemHeight = UINT(height);
    return TRUE;
}

// ---- Position, font, colours, drawing -------------------------------------------------------

void ZafComboBox::ApplyPosition()
{
    if (region == lastRegion)
        return;
    if (!ownOSWindow)
    {
        ZafWindow::ApplyPosition();
        return;
    }
    ZafRegionStruct target = region;
    ConvertRegion(target, ZAF_PIXEL);
    if (parent)
        parent->ConvertToOSRegion(this, target);
    else if (ZafWindowObject *manager = WindowManager())
        manager->ConvertToOSRegion(this, target);
    ZafRegionStruct dropped = list->Region();
    list->ConvertRegion(dropped, ZAF_PIXEL);
    target.bottom += dropped.Height();
    if (osWindow)
    {
        MoveWindow(Handle(osWindow), target.left, target.top, target.Width(), target.Height(), TRUE);
        UpdateWindow(Handle(osWindow));
    }
    lastRegion = region;
}

ZafEventType ZafComboBox::ApplyOSFont()
{
    if (!osWindow)
        return 0;
    Send(osWindow, WM_SETREDRAW, FALSE);
    ZafTextControlSetFont(this);
    if (automaticUpdate && visible)
        Send(osWindow, WM_SETREDRAW, TRUE);
    Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return 0;
}

void ZafComboBox::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    // Closed and disabled, it shows the face colour inside, as a field does.
    if ((state & ZAF_PS_DISABLED) && ZafFillFieldBackground(palette, type, state))
        return;
    if (!ZafResolveListItemColors(palette, type, state, false))
        ZafWindow::ResolveSystemColors(palette, type, state);
}

ZafEventType ZafComboBox::Redisplay(const ZafEventStruct &event, ZafEventType code)
{
    ZafRegionStruct area = BeginDraw();
    ZafGdiDisplay *display = DrawDisplay();
    if (!display)
    {
        EndDraw();
        return code;
    }
    if (border)
        DrawBorder(area, code);
    ZafRegionStruct button = area;
    button.left = button.right - 15;
    DrawEdge(button, 2, code);
    display->SetBackground(7);
    display->Rectangle(button.left, button.top, button.right, button.bottom, 0, true);
    display->SetForeground(0);
    const int cx = button.left + button.Width() / 2, cy = button.top + button.Height() / 2;
    display->Line(cx - 3, cy - 2, cx + 3, cy - 2);
    display->Line(cx - 2, cy - 1, cx + 2, cy - 1);
    display->Line(cx - 1, cy, cx + 1, cy);
    display->Pixel(cx, cy + 1);
    ZafRegionStruct face = area;
    face.right = area.right - 16;
    display->SetPalette(ResolvePalette(ZAF_PT_BACKGROUND, PaletteState()));
    display->Rectangle(face.left, face.top, face.right, face.bottom, 0, true);
    const ZafIChar *text = Text();
    if (text && (code == ZAF_EV_REDRAW || code == ZAF_EV_REDRAW_AREA || code == ZAF_EV_REDRAW_DATA))
    {
        display->SetPalette(ResolvePalette(ZAF_PT_TEXT, PaletteState()));
        display->Text(face.left, face.top, face.right, face.bottom, text, -1, 0, 1);
    }
    EndDraw();
    (void)event;
    return code;
}
