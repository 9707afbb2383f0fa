// ZafWindow::OSEvent: raw messages given to a window. It passes events to the
// child they concern, runs the keyboard navigation (Tab, arrows, Enter for
// the default button, hot keys) and reflects notifications, owner-draw,
// command, scroll and colour messages to the child controls that sent them.
#include <windows.h>

#include "framework/controls/ZafButton.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/text/ZafCharacters.h"
#include "framework/core/objects/ZafHelpSystem.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/core/objects/ZafChildObjects.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafWindowsShared.h"

using ZafOSCalls::Handle;
using ZafChildObjects::AsObject;
using ZafOSCalls::Send;

namespace {

ZafRegionStruct PixelRegionOf(const ZafWindowObject *object)
{
    ZafRegionStruct region = object->Region();
    object->ConvertRegion(region, ZAF_PIXEL);
    return region;
}

// Realizes the palette in the window's device context (in the background
// when asked); answers how many entries of the system palette changed.
UINT RealizePaletteIn(HWND window, HPALETTE palette, BOOL background)
{
    HDC context = GetDC(window);
    HPALETTE old = SelectPalette(context, palette, background);
    const UINT changed = RealizePalette(context);
    SelectPalette(context, old, background);
    ReleaseDC(window, context);
    return changed;
}

} // namespace

// ---- Keyboard navigation --------------------------------------------------------

ZafEventType ZafWindow::MoveFocusByTab(bool backwards)
{
    // Inside another window, a group of alternatives (radio buttons, the
    // pages of a notebook) is one stop, and the end of the children lets the
    // window around go on to its next child; only a root window wraps.
    const bool nested = parent && parent->IsAClassID(ZAF_ID_WINDOW);
    if (nested && selectionType == 0)
        return ZAF_NOT_HANDLED;
    ZafWindowObject *current = CurrentChild();
    auto step = [backwards](ZafElement *e) { return backwards ? e->Previous() : e->Next(); };
    ZafElement *start = current ? step(current) : (backwards ? ZafList::Last() : ZafList::First());
    bool wrapped = false;
    for (ZafElement *e = start;; e = step(e))
    {
        if (!e)
        {
            if (!current || wrapped || nested)
                break;
            wrapped = true;
            e = backwards ? ZafList::Last() : ZafList::First();
        }
        if (e == current)
            break;
        if (IsFocusable(AsObject(e)))
        {
            AsObject(e)->SetFocus(true);
            return 0;
        }
    }
    return ZAF_NOT_HANDLED;
}

ZafEventType ZafWindow::MoveFocusByArrow(ZafRawCode key)
{
    ZafWindowObject *current = CurrentChild();
    if (!current)
        return ZAF_NOT_HANDLED;
    const ZafRegionStruct here = PixelRegionOf(current);
    const bool horizontal = (key == VK_LEFT || key == VK_RIGHT);
    ZafWindowObject *best = nullptr, *wrap = nullptr;
    int bestValue = 0, wrapValue = 0;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
    {
        ZafWindowObject *other = AsObject(e);
        if (other == current || !IsFocusable(other))
            continue;
        const ZafRegionStruct there = PixelRegionOf(other);
        bool across = horizontal ? (there.top <= here.bottom && there.bottom >= here.top)
                                 : (there.left <= here.right && there.right >= here.left);
        if (!across)
            continue;
        // For each direction: the edge compared, whether the candidate lies
        // ahead, and whether a larger edge is nearer.
        int edge = 0;
        bool ahead = false, larger = false;
        switch (key)
        {
        case VK_LEFT: edge = there.right; ahead = there.right < here.right; larger = true; break;
        case VK_RIGHT: edge = there.left; ahead = there.left > here.left; larger = false; break;
        case VK_UP: edge = there.bottom; ahead = there.bottom < here.bottom; larger = true; break;
        default: edge = there.top; ahead = there.top > here.top; larger = false; break;
        }
        // Wrapping goes to the far side: the extreme edge of the rest.
        if (ahead)
        {
            if (!best || (larger ? edge > bestValue : edge < bestValue))
                best = other, bestValue = edge;
        }
        else if (!wrap || (larger ? edge > wrapValue : edge < wrapValue))
            wrap = other, wrapValue = edge;
    }
    ZafWindowObject *chosen = best ? best : wrap;
    if (!chosen)
        return ZAF_NOT_HANDLED;
    chosen->SetFocus(true);
    // Among radio buttons the arrow keys choose the button they move to.
    auto *radio = dynamic_cast<ZafButton *>(chosen);
    if (selectionType == 0 && radio && radio->ButtonType() == ZAF_RADIO_BUTTON && !radio->Selected())
        radio->Event(ZafEventStruct(ZAF_L_SELECT, 0));
    return 0;
}

ZafEventType ZafWindow::HotKeyEvent(const ZafEventStruct &event)
{
    ZafEventStruct hotKey = event;
    hotKey.windowObject = nullptr;
    TranslateInputEvent(hotKey);
    hotKey.type = ZAF_EV_HOT_KEY;
    hotKey.key = ZafToUpper(ZafIChar(hotKey.key));
    if (!hotKey.key)
        return ZAF_NOT_HANDLED;
    ZafWindowObject *current = CurrentChild();
    ZafEventType answer = ZAF_NOT_HANDLED;
    if (current)
        answer = current->Event(hotKey);
    for (int pass = 0; pass < 2 && answer == ZAF_NOT_HANDLED; ++pass)
        for (ZafElement *e = pass ? ZafList::First() : supportList.First(); e && answer == ZAF_NOT_HANDLED; e = e->Next())
            if (AsObject(e) != current)
                answer = AsObject(e)->Event(hotKey);
    return answer;
}

// ---- The raw handler --------------------------------------------------------------

ZafEventType ZafWindow::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    const WPARAM wParam = event.osEvent.wParam;
    const LPARAM lParam = event.osEvent.lParam;

    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);

    ZafEventType answer = ZAF_NOT_HANDLED;
    ZafWindowObject *target = nullptr;
    if (event.windowObject && event.windowObject != this)
    {
        target = DirectChildOf(event.windowObject);
        if (!target)
            return ZAF_NOT_HANDLED;
        answer = target->Event(event);
    }

    if (currentDefault && !currentDefault->IsDisabled(true) && message == WM_KEYDOWN && wParam == VK_RETURN
        && (answer == ZAF_NOT_HANDLED || answer == 0))
        answer = currentDefault->Event(ZafEventStruct(ZAF_L_SELECT, 0));

    if (answer == ZAF_NOT_HANDLED)
    {
        if ((message == WM_SYSKEYDOWN || (message == WM_KEYDOWN && altFreeHotKeys)) && wParam != VK_MENU)
        {
            ZafEventType hot = HotKeyEvent(event);
            if (hot != ZAF_NOT_HANDLED)
                return hot;
        }
        ZafWindowObject *current = CurrentChild();
        if ((message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && !parent)
        {
            MSG msg = { Handle(event.osEvent.hwnd), message, wParam, lParam, event.osEvent.time,
                { event.osEvent.x, event.osEvent.y } };
            TranslateMessage(&msg);
            return ZafCallClassProcedure(event);
        }
        if (message == WM_KEYDOWN && wParam == VK_TAB && !(current && supportList.Contains(current)))
            answer = MoveFocusByTab((GetKeyState(VK_SHIFT) & 0x8000) != 0);
        else if (message == WM_KEYDOWN && wParam >= VK_LEFT && wParam <= VK_DOWN && current)
            answer = MoveFocusByArrow(ZafRawCode(wParam));
        else if (message == WM_KEYDOWN && wParam == VK_F1)
        {
            // Keys reach the root window: F1 asks for the help of the object
            // that holds the focus (its own topic or its nearest ancestor's).
            ZafWindowObject *focusObject = FocusObject();
            if (ZafHelpSystem::Shared() && focusObject && focusObject != this)
            {
                focusObject->Event(ZafEventStruct(ZAF_EV_HELP, 0));
                answer = WM_KEYDOWN;
            }
            else
                answer = ZafWindowObject::OSEvent(event);
        }
        if (answer != ZAF_NOT_HANDLED)
            return answer;
    }
    if (target)
        return answer;

    switch (message)
    {
    case WM_NOTIFY:
    {
        const NMHDR *header = reinterpret_cast<const NMHDR *>(lParam);
        // The control's own object answers its notification (a custom-draw
        // notice answered with -2 would tell a track bar to draw nothing).
        if (header && header->hwndFrom && header->hwndFrom != Handle(osWindow))
            return ZafEventType(Send(header->hwndFrom, message, wParam, lParam));
        return 0;
    }
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        if (item && item->hwndItem && item->hwndItem != Handle(osWindow) && item->hwndItem != Handle(frameWindow))
            return ZafEventType(Send(item->hwndItem, message, wParam, lParam));
        return ZafWindowObject::OSEvent(event);
    }
    case WM_MEASUREITEM:
    {
        const MEASUREITEMSTRUCT *item = reinterpret_cast<const MEASUREITEMSTRUCT *>(lParam);
        ZafWindowObject *object = item ? GetObjectByNumberID(ZafNumberID(item->CtlID)) : nullptr;
        return (object && object != this) ? object->Event(event) : ZAF_NOT_HANDLED;
    }
    case WM_COMMAND:
        if (lParam)
        {
            HWND control = reinterpret_cast<HWND>(lParam);
            if (control == Handle(osWindow) || control == Handle(frameWindow))
                return answer;
            return ZafEventType(Send(control, message, wParam, 0));
        }
        {
            ZafWindowManager *manager = ZafWindowManager::Shared();
            ZafWindow *front = manager ? manager->FrontWindow() : nullptr;
            if (!front || front == this)
            {
                ZafWindowObject *object = GetObjectByNumberID(ZafNumberID(LOWORD(wParam)));
                return (object && object != this) ? object->Event(event) : answer;
            }
            return front->Event(event);
        }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam)
        {
            HWND bar = reinterpret_cast<HWND>(lParam);
            if (bar == Handle(osWindow) || bar == Handle(frameWindow))
                return answer;
            return ZafEventType(Send(bar, message, wParam, lParam));
        }
        if (ZafScrollBar *bar = (message == WM_HSCROLL ? HorizontalScrollBar() : VerticalScrollBar()))
            return bar->Event(event);
        return ZafCallClassProcedure(event);
    case WM_PAINT:
        // A system-drawn window lets the class procedure paint (nothing but
        // validation); others draw their background.
        return systemDrawn ? ZafCallClassProcedure(event) : ZafWindowObject::OSEvent(event);
    case WM_ERASEBKGND:
        return EraseBackground(event);
    case WM_WINDOWPOSCHANGED:
        return WindowPosChanged(event, ZafCallClassProcedure(event));
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
        return PaletteEvent(event);
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            HWND control = reinterpret_cast<HWND>(lParam);
            if (!control || control == Handle(osWindow))
                return ZafWindowObject::OSEvent(event);
            return ZafEventType(Send(control, message, wParam, lParam));
        }
        answer = ZafWindowObject::OSEvent(event);
        if (answer == ZAF_NOT_HANDLED)
            if (ZafWindowObject *current = CurrentChild())
                answer = current->Event(event);
        return answer;
    }
}

ZafEventType ZafWindow::EraseBackground(const ZafEventStruct &event)
{
    if (!systemDrawn)
        return ZafWindowObject::OSEvent(event);
    HDC context = reinterpret_cast<HDC>(event.osEvent.wParam);
    for (ZafElement *e = supportList.First(); e; e = e->Next())
        if (AsObject(e)->IsAClassID(ZAF_ID_BACKGROUND_PAINTER))
        {
            if (ZafGdiDisplay *display = DrawDisplay())
            {
                display->BeginDraw(context, Handle(osWindow));
                AsObject(e)->Redisplay(event, ZAF_EV_REDRAW);
                display->EndDraw();
            }
            return 0;
        }
    ZafGdiDisplay *display = DrawDisplay();
    RECT rect;
    GetClientRect(Handle(event.osEvent.hwnd), &rect);
    ZafPaletteStruct background = ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
    if (!display)
    {
        FillRect(context, &rect, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    if (display->osPalette)
        SelectPalette(context, static_cast<HPALETTE>(display->osPalette), FALSE);
    ::SetTextColor(context, display->ColorReference(background.colorForeground, background.osColorForeground));
    ::SetBkColor(context, display->ColorReference(background.colorBackground, background.osColorBackground));
    HBRUSH brush = display->GetCachedBrush(background);
    HGDIOBJ old = SelectObject(context, brush);
    PatBlt(context, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    SelectObject(context, old);
    ZafGdiDisplay::ReleaseCachedObject(brush);
    return 1;
}

ZafEventType ZafWindow::WindowPosChanged(const ZafEventStruct &event, ZafEventType answer)
{
    const WINDOWPOS *position = reinterpret_cast<const WINDOWPOS *>(event.osEvent.lParam);
    HWND window = Handle(event.osEvent.hwnd);
    if (!position || (position->flags & (SWP_NOSIZE | SWP_NOMOVE)) == (SWP_NOSIZE | SWP_NOMOVE))
        return answer;
    const bool outer = (window == Handle(OSHandle(2)));
    if (outer && !minimized)
    {
        region = ZafRegionOfWindowPos(this, *position);
    }
    // The client window of a pair moves inside its frame: only its size
    // matters here.
    if (!outer && window != Handle(osWindow))
        return answer;
    RECT client;
    GetClientRect(Handle(osWindow), &client);
    bool clientChanged = false;
    if (client.right > 0 && client.bottom > 0
        && (clientSize.Width() != client.right || clientSize.Height() != client.bottom
            || clientSize.coordinateType != ZAF_PIXEL))
    {
        clientSize.Assign(0, 0, client.right - 1, client.bottom - 1, ZAF_PIXEL);
        clientChanged = true;
    }
    bool moved = outer && !(position->flags & SWP_NOMOVE);
    bool sized = (outer && !(position->flags & SWP_NOSIZE)) || clientChanged;
    if (moved)
        Event(ZafEventStruct(ZAF_EV_MOVED, 0, lastRegion));
    if (sized)
        Event(ZafEventStruct(ZAF_EV_SIZED, 0, lastRegion));
    if (outer && (moved || sized))
        lastRegion = region;
    return answer;
}

ZafEventType ZafWindow::PaletteEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    ZafGdiDisplay *display = DrawDisplay();
    HPALETTE palette = display ? static_cast<HPALETTE>(display->osPalette) : nullptr;
    if (message == WM_QUERYNEWPALETTE)
    {
        ZafEventType answer = 0;
        ZafWindowObject *current = CurrentChild();
        if (current)
            answer = current->Event(event);
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (AsObject(e) != current)
                answer = AsObject(e)->Event(event);
        for (ZafElement *e = supportList.First(); e; e = e->Next())
            answer = AsObject(e)->Event(event);
        if (parent || !palette)
            return answer;
        const UINT changed = RealizePaletteIn(Handle(OSHandle(2)), palette, FALSE);
        if (changed)
        {
            InvalidateRect(Handle(osWindow), nullptr, TRUE);
            return ZafEventType(changed);
        }
        Send(Handle(OSHandle(2)), WM_PALETTECHANGED, reinterpret_cast<WPARAM>(OSHandle(2)), 0);
        return 0;
    }
    ZafEventType answer = BroadcastEvent(event, 0);
    if (reinterpret_cast<HWND>(event.osEvent.wParam) == Handle(OSHandle(2)) || !palette)
        return answer;
    const UINT changed = RealizePaletteIn(Handle(OSHandle(2)), palette, TRUE);
    if (changed)
        InvalidateRect(Handle(osWindow), nullptr, TRUE);
    return ZafEventType(changed);
}
