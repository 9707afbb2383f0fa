// The Windows half of ZafButton: the OS "BUTTON" window (native or
// owner-drawn), its text and styles, the default look, selection on screen,
// raw messages (auto-repeat, keys, the focus-blocked capture, double
// clicks, colours) and the procedure for child controls.
#include <windows.h>

#include "framework/controls/ZafButton.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafControlStyle.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"
#include "framework/windows/ZafOSEventWin.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafWindowsShared.h"

using ZafOSCalls::Handle;

namespace {

constexpr UINT_PTR repeatTimer = 1;

bool IsMark(int type) { return type == ZAF_RADIO_BUTTON || type == ZAF_CHECK_BOX; }

// Whether the button's OS window shows it pushed.
bool Pushed(HWND window)
{
    return window && (ZafMSWindowsApp::Entry().sendMessage(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

} // namespace

LRESULT ZafSetOSWindowText(HWND window, const wchar_t *text)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    if (!ZafMSWindowsApp::Ansi())
        return os.sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L""));
    char *local = ZafNewLocalText(text ? text : L"");
    LRESULT answer = os.sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(local ? local : ""));
    delete[] local;
    return answer;
}

// ---- Registration and text ------------------------------------------------------

void ZafButton::OSRegisterObject()
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ZafControlStateStyle(this);
    const bool native = Native();
    if (systemDrawn && native)
    {
        if (buttonType == ZAF_CHECK_BOX)
            style |= BS_CHECKBOX;
        else if (buttonType == ZAF_RADIO_BUTTON)
            style |= BS_RADIOBUTTON;
        else
            style |= (allowDefault && ownOSWindow && IsDefault()) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }
    else
        style |= BS_OWNERDRAW;
    if (border && systemDrawn && native)
        style |= WS_BORDER;
    osWindow = CreateOSWindow(this, L"BUTTON", style, nullptr, nullptr, WS_EX_NOPARENTNOTIFY);
    if (!osWindow)
        return;
    if (ZafGdiDisplay *display = DrawDisplay())
    {
        ZafPaletteStruct text = ResolvePalette(ZAF_PT_TEXT, ZAF_PS_ENABLED | ZAF_PS_ROOT_CURRENT);
        HFONT font = display->FontAt(ZafDisplay::ValidFontIndex(text.font) ? text.font : 1);
        ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    UpdateOSListItem();
    if (IsMark(buttonType))
        ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

ZafEventType ZafButton::UpdateOSListItem()
{
    if (!Registered())
        return 0;
    if (parent && parent->IsAClassID(ZAF_ID_LIST) && parent->SystemDrawn())
        return ZafWindowObject::UpdateOSListItem();
    if (!ownOSWindow)
        return 0;
    wchar_t *text = ZafConvertHotKeyText(Text() ? Text() : L"", hotKeyIndex);
    ZafSetOSWindowText(Handle(osWindow), text);
    delete[] text;
    if (!(systemDrawn && Native()))
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return 0;
}

ZafEventType ZafButton::ApplyOSFont()
{
    if (systemDrawn && Registered() && ownOSWindow)
    {
        const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
        const LONG style = os.getWindowLong(Handle(osWindow), GWL_STYLE);
        if (!(style & 0x0B) && !Native())
            os.sendMessage(Handle(osWindow), BM_SETSTYLE, BS_OWNERDRAW, FALSE);
    }
    return ZafWindowObject::ApplyOSFont();
}

bool ZafButton::SetSelected(bool value)
{
    if (value == selected)
        return selected;
    ZafWindowObject::SetSelected(value);
    if (!Registered() || !ownOSWindow)
        return selected;
    if (IsMark(buttonType))
    {
        ZafMSWindowsApp::Entry().sendMessage(Handle(osWindow), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        if (!(systemDrawn && Native()))
            Redisplay(ZafEventStruct(ZAF_L_SELECT, 0), ZAF_L_SELECT);
    }
    else if (toggle)
    {
        if (pressed != selected)
            pressed = selected;
        Redisplay(ZafEventStruct(ZAF_L_SELECT, 0), ZAF_L_SELECT);
    }
    return selected;
}

ZafEventType ZafButton::DefaultStateEvent(const ZafEventStruct &event)
{
    if (!allowDefault || !ownOSWindow || !osWindow)
        return event.type;
    if (systemDrawn && Native())
    {
        const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
        const LONG style = os.getWindowLong(Handle(osWindow), GWL_STYLE);
        const LONG wanted = (style & ~0x0F) | (IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        os.sendMessage(Handle(osWindow), BM_SETSTYLE, WPARAM(wanted & 0xFFFF), TRUE);
    }
    else
        Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    return event.type;
}

// ---- Raw messages -----------------------------------------------------------------

ZafEventType ZafButton::OSEvent(const ZafEventStruct &event)
{
    if (designMode && event.InputClass() == ZAF_INPUT_MOUSE)
        return ZafWindowObject::Event(event);
    switch (event.osEvent.message)
    {
    case WM_TIMER: return TimerMessage(event);
    case WM_DRAWITEM: return DrawItemMessage(event);
    case WM_PAINT: return ZafCallClassProcedure(event);
    case WM_ERASEBKGND: return EraseBackgroundMessage(event);
    case WM_KEYDOWN: return KeyDownMessage(event);
    case WM_KEYUP: return KeyUpMessage(event);
    case WM_CTLCOLORBTN: return ControlColorMessage(event);
    case WM_MOUSEMOVE: return MouseMoveMessage(event);
    case WM_LBUTTONDOWN: return ButtonDownMessage(event);
    case WM_LBUTTONUP: return ButtonUpMessage(event);
    case WM_LBUTTONDBLCLK: return DoubleClickMessage(event);
    default: return ZafWindowObject::OSEvent(event);
    }
}

// The auto-repeat timer: selects again while the button is held down.
ZafEventType ZafButton::TimerMessage(const ZafEventStruct &event)
{
    HWND window = Handle(osWindow);
    if (event.osEvent.wParam != repeatTimer)
        return ZafWindowObject::OSEvent(event);
    if (autoRepeat && Pushed(window))
    {
        Select(event, ZAF_L_SELECT);
        SetTimer(window, repeatTimer, UINT(RepeatInterval()), nullptr);
    }
    return 0;
}

ZafEventType ZafButton::DrawItemMessage(const ZafEventStruct &event)
{
    const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(event.osEvent.lParam);
    if (!item)
        return ZafWindowObject::OSEvent(event);
    if (item->CtlType == ODT_BUTTON)
    {
        const bool wasPressed = pressed;
        if (item->itemState & ODS_SELECTED)
            pressed = true;
        else
            pressed = (toggle && !IsMark(buttonType)) ? selected : false;
        if (toggle && item->itemAction == ODA_SELECT && pressed == wasPressed)
            return 1;
        return ZafWindowObject::OSEvent(event);
    }
    DRAWITEMSTRUCT copy = *item;
    if (!IsMark(buttonType) && buttonType != ZAF_FLAT_BUTTON)
        pressed = (item->itemState & ODS_SELECTED) != 0;
    if (copy.itemAction == ODA_SELECT)
        copy.itemAction = ODA_DRAWENTIRE;
    ZafEventStruct changed = event;
    changed.osEvent.lParam = reinterpret_cast<LPARAM>(&copy);
    return ZafWindowObject::OSEvent(changed);
}

ZafEventType ZafButton::EraseBackgroundMessage(const ZafEventStruct &event)
{
    if (systemDrawn && Native())
        return ZafCallClassProcedure(event);
    return ZafWindowObject::OSEvent(event);
}

ZafEventType ZafButton::KeyDownMessage(const ZafEventStruct &event)
{
    const WPARAM wParam = event.osEvent.wParam;
    if (wParam == VK_RETURN)
    {
        if (IsMark(buttonType))
            return ZAF_NOT_HANDLED;
        // The button pressed itself: the window must not press its
        // default button too (one Enter, one press).
        Event(ZafEventStruct(ZAF_L_SELECT, 0));
        return ZAF_L_SELECT;
    }
    if (wParam == VK_SPACE)
    {
        ZafEventType answer = ZafCallClassProcedure(event);
        const bool repeated = (event.osEvent.lParam & 0x40000000) != 0;
        if ((repeated && autoRepeat) || (!repeated && selectOnPress))
            Select(event, ZAF_L_SELECT);
        return answer;
    }
    return ZafWindowObject::OSEvent(event);
}

ZafEventType ZafButton::KeyUpMessage(const ZafEventStruct &event)
{
    const WPARAM wParam = event.osEvent.wParam;
    if (wParam == VK_RETURN)
        return 0;
    if (wParam == VK_SPACE)
    {
        if (!selectOnPress && Pushed(Handle(osWindow)))
            Select(event, ZAF_L_SELECT);
        return ZafCallClassProcedure(event);
    }
    return ZafWindowObject::OSEvent(event);
}

// Check boxes and radio buttons take their text colour and their parent's
// background, drawn transparently.
ZafEventType ZafButton::ControlColorMessage(const ZafEventStruct &event)
{
    if (IsMark(buttonType))
    {
        ZafGdiDisplay *display = DrawDisplay();
        if (!display)
            return ZafCallClassProcedure(event);
        ZafPaletteStruct text = ResolvePalette(ZAF_PT_TEXT, PaletteState());
        ZafPaletteStruct background = parent ? parent->ResolvePalette(ZAF_PT_BACKGROUND, parent->PaletteState())
                                             : ResolvePalette(ZAF_PT_BACKGROUND, PaletteState());
        HDC context = reinterpret_cast<HDC>(event.osEvent.wParam);
        HBRUSH brush = display->ControlColors(context, text, background);
        SetBkMode(context, TRANSPARENT);
        return ZafEventType(reinterpret_cast<intptr_t>(brush));
    }
    return ZafWindowObject::OSEvent(event);
}

// A focus-blocked button holding the capture shows itself pushed only while
// the pointer is over it.
ZafEventType ZafButton::MouseMoveMessage(const ZafEventStruct &event)
{
    HWND window = Handle(osWindow);
    if (FocusBlocked() && GetCapture() == window && (event.osEvent.wParam & MK_LBUTTON))
    {
        POINT point = { ZafInt16(LOWORD(event.osEvent.lParam)), ZafInt16(HIWORD(event.osEvent.lParam)) };
        RECT area;
        GetClientRect(window, &area);
        ZafMSWindowsApp::Entry().sendMessage(window, BM_SETSTATE, PtInRect(&area, point) ? 1 : 0, 0);
        return 0;
    }
    ZafEventType answer = ZafWindowObject::OSEvent(event);
    ZafWindowManager *manager = ZafWindowManager::Shared();
    if (manager && manager->dragObject)
        ZafCallClassProcedure(event);
    return answer;
}

ZafEventType ZafButton::ButtonDownMessage(const ZafEventStruct &event)
{
    HWND window = Handle(osWindow);
    ZafEventType answer = 0;
    if (FocusBlocked())
    {
        SetCapture(window);
        ZafMSWindowsApp::Entry().sendMessage(window, BM_SETSTATE, 1, 0);
    }
    else
        answer = ZafWindowObject::OSEvent(event);
    if (selectOnPress)
        Select(event, ZAF_L_SELECT);
    if (autoRepeat)
        SetTimer(window, repeatTimer, UINT(RepeatDelay()), nullptr);
    return answer;
}

ZafEventType ZafButton::ButtonUpMessage(const ZafEventStruct &event)
{
    HWND window = Handle(osWindow);
    if (autoRepeat)
        KillTimer(window, repeatTimer);
    if (!selectOnPress && Pushed(window))
        Select(event, ZAF_L_SELECT);
    if (FocusBlocked())
    {
        ReleaseCapture();
        ZafMSWindowsApp::Entry().sendMessage(window, BM_SETSTATE, 0, 0);
        return 0;
    }
    return ZafWindowObject::OSEvent(event);
}

ZafEventType ZafButton::DoubleClickMessage(const ZafEventStruct &event)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    os.sendMessage(Handle(osWindow), WM_LBUTTONDOWN, event.osEvent.wParam, event.osEvent.lParam);
    if (selectOnDoubleClick)
        Select(event, ZAF_L_DOUBLE_CLICK);
    return 0;
}

// ---- Child controls -----------------------------------------------------------------

LRESULT CALLBACK ZafChildControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    ZafWindowObject *object = reinterpret_cast<ZafWindowObject *>(
        static_cast<intptr_t>(os.getWindowLong(GetParent(window), GWL_USERDATA)));
    if (!object)
    {
        WNDPROC procedure = reinterpret_cast<WNDPROC>(static_cast<intptr_t>(os.getClassLong(window, GCL_WNDPROC)));
        return os.callWindowProc(procedure, window, message, wParam, lParam);
    }
    ZafEventStruct event = ZafRawEventOfMessage(window, message, wParam, lParam);
    try
    {
        const ZafEventType inputClass = event.InputClass();
        if (object->DesignMode() && (inputClass == ZAF_INPUT_KEYBOARD || inputClass == ZAF_INPUT_MOUSE))
            return object->ZafWindowObject::Event(event);
        if (inputClass == ZAF_INPUT_KEYBOARD)
        {
            event.windowObject = object;
            return object->RootObject()->Event(event);
        }
        return object->Event(event);
    }
    catch (...)
    {
        WNDPROC procedure = reinterpret_cast<WNDPROC>(static_cast<intptr_t>(os.getClassLong(window, GCL_WNDPROC)));
        return os.callWindowProc(procedure, window, message, wParam, lParam);
    }
}
