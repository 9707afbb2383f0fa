// The Windows half of ZafVtList: the LISTBOX control, keeping its items in
// step with the child list, the selection notices and owner drawing.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/controls/ZafScrollBar.h"
#include "framework/controls/ZafVtList.h"
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

// ---- The control and its items ------------------------------------------------------

void ZafVtList::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | ZafControlStateStyle(this);
    DWORD exStyle = 0;
    if (selectionType == 1)
        style |= LBS_MULTIPLESEL;
    else if (selectionType == 2)
        style |= LBS_EXTENDEDSEL | LBS_MULTIPLESEL;
    if (border)
        ZafAddControlBorder(ZafMSWindowsApp::ThreeDPlatform(), style, exStyle);
    if (!systemDrawn)
        style |= LBS_OWNERDRAWVARIABLE;
    if (VerticalScrollBar())
        style |= WS_VSCROLL;
    osWindow = CreateOSWindow(this, L"LISTBOX", style, nullptr, nullptr, exStyle);
    if (osWindow)
        ZafTextControlSetFont(this);
}

void ZafVtList::FillOSList(bool registering)
{
    if (!osWindow || !ownOSWindow)
        return;
    if (!registering)
        Send(osWindow, LB_RESETCONTENT);
    int index = 0;
    for (ZafElement *e = ZafList::First(); e; e = e->Next(), ++index)
    {
        ZafWindowObject *item = AsObject(e);
        ZafInsertOSListItem(osWindow, LB_INSERTSTRING, -1, item, systemDrawn);
        if (!item->Selected())
            continue;
        if (selectionType == 0)
        {
            SetCurrent(item);
            Send(osWindow, LB_SETCURSEL, WPARAM(index));
        }
        else
            Send(osWindow, LB_SETSEL, TRUE, LPARAM(index));
    }
    if (registering && selectionType != 0)
    {
        if (!CurrentChild())
            SetCurrent(ZafList::First());
        if (CurrentChild())
            Send(osWindow, LB_SETCARETINDEX, WPARAM(Index(CurrentChild())));
    }
}

void ZafVtList::RefillOSList()
{
    FillOSList(false);
}

ZafWindowObject *ZafVtList::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    if (!object || object->Parent() || object == this)
        return object;
    ZafChildObjects::TakeAsListItem(object);
    if (object->UseParentFrameHandle())
        return ZafWindow::Add(object, position);
    const EnteredState state = EnterList(*this, object, position);
    if (Registered())
    {
        object->Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
        if (ownOSWindow)
            ZafInsertOSListItem(osWindow, LB_INSERTSTRING, Index(object), object, systemDrawn);
    }
    SettleEntered(object, state, true);
    return object;
}

ZafWindowObject *ZafVtList::Subtract(ZafWindowObject *object)
{
    if (object && osWindow && ownOSWindow && Contains(object) && !object->UseParentFrameHandle())
        Send(osWindow, LB_DELETESTRING, WPARAM(Index(object)));
    return ZafWindow::Subtract(object);
}

void ZafVtList::NotifyChildrenDestroy()
{
    if (!osWindow)
        return;
    if (ownOSWindow)
        Send(osWindow, LB_RESETCONTENT);
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        AsObject(e)->Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
}

// ---- Focus, selection, scrolling ------------------------------------------------------

ZafWindowObject *ZafVtList::NotifyFocus(ZafWindowObject *object, bool gained)
{
    if (!ownOSWindow)
        return parent ? parent->NotifyFocus(object, gained) : nullptr;
    ZafWindowObject *answer = ZafWindow::NotifyFocus(object, gained);
    if (gained && object && object != this && !answer && osWindow && Contains(object))
    {
        const int index = Index(object);
        if (int(Send(osWindow, LB_GETCARETINDEX)) != index)
            Send(osWindow, LB_SETCARETINDEX, WPARAM(index));
    }
    return answer;
}

void ZafVtList::NotifySelection(ZafWindowObject *object, bool value)
{
    ZafWindow::NotifySelection(object, value);
    if (!osWindow || !object || object->Selected() != value || !Contains(object))
        return;
    if (!ownOSWindow)
    {
        if (parent)
            parent->NotifySelection(object, value);
        return;
    }
    const int index = Index(object);
    const bool shown = Send(osWindow, LB_GETSEL, WPARAM(index)) > 0;
    if (shown == value)
        return;
    if (selectionType == 0)
    {
        if (value)
            Send(osWindow, LB_SETCURSEL, WPARAM(index));
    }
    else
        Send(osWindow, LB_SETSEL, value ? TRUE : FALSE, LPARAM(index));
}

ZafEventType ZafVtList::DropHook(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_SCROLL_VERTICAL && osWindow && ownOSWindow)
    {
        const int top = int(Send(osWindow, LB_GETTOPINDEX));
        Send(osWindow, LB_SETTOPINDEX, WPARAM(std::max(0, top + event.scroll.delta)));
    }
    return event.type;
}

// ---- Events -------------------------------------------------------------------------------

ZafEventType ZafVtList::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_REGISTER:
    {
        ZafEventType answer = ZafWindow::Event(event);
        FillOSList(true);
        return answer;
    }
    case ZAF_EV_REDRAW_DATA:
        ZafWindowObject::Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
        return event.type;
    case ZAF_EV_HOT_KEY:
        return ZAF_NOT_HANDLED;
    case ZAF_EV_SIZED:
        return event.type;
    default:
        return ZafWindow::Event(event);
    }
}

// The selection of the OS list after a change there: the items' flags
// follow it, each changed item hears once.
static void FollowOSSelection(ZafVtList *list, ZafOSWindow control, const ZafEventStruct &event)
{
    const int caret = int(Send(control, LB_GETCARETINDEX));
    ZafWindowObject *caretItem = static_cast<ZafWindowObject *>(list->Get(caret));
    if (list->SelectionType() == 0)
    {
        if (!caretItem)
            return;
        ZafChooseListItem(caretItem, event);
        return;
    }
    int count = int(Send(control, LB_GETSELCOUNT));
    std::vector<int> indexes(size_t(std::max(count, 0)));
    if (count > 0)
        count = int(Send(control, LB_GETSELITEMS, WPARAM(count), reinterpret_cast<LPARAM>(indexes.data())));
    indexes.resize(size_t(std::max(count, 0)));
    std::sort(indexes.begin(), indexes.end());
    size_t at = 0;
    int i = 0;
    for (ZafElement *e = list->ZafList::First(); e; e = e->Next(), ++i)
    {
        ZafWindowObject *item = static_cast<ZafWindowObject *>(e);
        while (at < indexes.size() && indexes[at] < i)
            ++at;
        const bool inOS = at < indexes.size() && indexes[at] == i;
        if (item == caretItem && item != list->CurrentChild())
            item->NotifyFocus(item, true);
        if (item->IsDisabled(true) || inOS == item->Selected())
            continue;
        item->SetSelected(inOS);
        ZafCallItemFunction(item, event, ZAF_L_SELECT);
    }
}

ZafEventType ZafVtList::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    const LPARAM lParam = event.osEvent.lParam;
    if (designMode && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        return ZafWindowObject::Event(event);
    switch (message)
    {
    case WM_WINDOWPOSCHANGED:
    {
        RECT rect;
        GetClientRect(Handle(osWindow), &rect);
        clientSize.Assign(rect.left, rect.top, rect.right - 1, rect.bottom - 1, ZAF_PIXEL);
        return ZafWindowObject::OSEvent(event);
    }
    case WM_PAINT:
    case WM_ERASEBKGND:
        return ZafEventType(ZafCallClassProcedure(event));
    case WM_DRAWITEM:
        return ZafDrawOwnerListItem(DrawDisplay(), event,
            [this, &event](const DRAWITEMSTRUCT &draw, ZafRegionStruct &area, ZafWindowObject *item) {
                if (int(draw.itemID) == -1)
                    DrawFocus(area, (draw.itemState & ODS_FOCUS) ? ZAF_EV_FOCUS_GAINED : ZAF_EV_FOCUS_LOST);
                else if (item)
                {
                    item->SetRegion(area);
                    item->Event(event);
                }
            });
    case WM_MEASUREITEM:
    {
        if (systemDrawn)
            return ZafWindowObject::OSEvent(event);
        MEASUREITEMSTRUCT *measure = reinterpret_cast<MEASUREITEMSTRUCT *>(lParam);
        if (ZafWindowObject *item = measure ? reinterpret_cast<ZafWindowObject *>(measure->itemData) : nullptr)
        {
            const SIZE size = ZafListItemSize(item);
            measure->itemWidth = UINT(size.cx);
            measure->itemHeight = UINT(size.cy);
        }
        return TRUE;
    }
    case WM_KEYDOWN:
        if ((wParam >= VK_SPACE && wParam <= VK_NEXT) || (wParam >= VK_LEFT && wParam <= VK_DOWN))
            return ZafEventType(ZafCallClassProcedure(event));
        return ZafWindowObject::OSEvent(event);
    case WM_COMMAND:
        if (lParam)
            return ZafWindowObject::OSEvent(event);
        switch (HIWORD(wParam))
        {
        case LBN_SELCHANGE:
        case LBN_SELCANCEL:
            FollowOSSelection(this, osWindow, event);
            break;
        case LBN_DBLCLK:
            if (ZafWindowObject *item = CurrentChild())
                ZafCallItemFunction(item, event, ZAF_L_DOUBLE_CLICK);
            break;
        default:
            break;
        }
        return event.type;
    case WM_CTLCOLORLISTBOX:
        return ControlColorEvent(event);
    default:
        return ZafWindowObject::OSEvent(event);
    }
}

// ---- Colours and fonts ----------------------------------------------------------------------

void ZafVtList::ResolveSystemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state)
{
    if (!ZafResolveListItemColors(palette, type, state, true))
        ZafWindow::ResolveSystemColors(palette, type, state);
}

ZafEventType ZafVtList::ApplyOSFont()
{
    return ZafWindowObject::ApplyOSFont();
}
