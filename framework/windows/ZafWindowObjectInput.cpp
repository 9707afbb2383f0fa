// ZafWindowObject input on Windows: translating keyboard and mouse messages
// into framework input events, mapping them to logical events through the
// class input maps, and the focus protocol.
#include <windows.h>

#include "framework/core/text/ZafCharacters.h"
#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSCalls.h"

namespace {

using ZafOSCalls::Handle;

bool KeyDown(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

ZafUInt32 AsyncModifiers()
{
    ZafUInt32 modifiers = 0;
    if (KeyDown(VK_SHIFT))
        modifiers |= ZAF_SHIFT;
    if (KeyDown(VK_CONTROL))
        modifiers |= ZAF_CTRL;
    if (KeyDown(VK_MENU))
        modifiers |= ZAF_ALT;
    return modifiers;
}

// The character of a key press from the keyboard state.
ZafIChar KeyCharacter(UINT key, UINT scanCode, const BYTE *state)
{
    bool control = (state[VK_CONTROL] & 0x80) != 0;
    bool shift = (state[VK_SHIFT] & 0x80) != 0;
    if (control)
    {
        // A key without a character (F1-F12, the number pad, the arrows)
        // has none with Ctrl either: its virtual-key code would pass for a
        // letter (F4 is 0x73, 's') and set off that letter's Ctrl command.
        UINT mapped = MapVirtualKeyW(key, 2);
        if (!mapped)
            return 0;
        ZafIChar character = ZafIChar(mapped & 0xFFFF);
        return shift ? ZafToUpper(character) : ZafToLower(character);
    }
    WORD characters[2] = { 0, 0 };
    int count = ToAscii(key, scanCode, state, characters, 0);
    unsigned char local = 0;
    if (count < 0)
    {
        local = static_cast<unsigned char>(characters[0]);
        WORD clear[2];
        ToAscii(key, scanCode, state, clear, 0);   // clears the dead-key state
    }
    else if (count == 1)
        local = static_cast<unsigned char>(characters[0]);
    else if (count == 2)
        local = static_cast<unsigned char>(characters[1]);
    if (!local)
        return 0;
    // ToAscii answers the local code set: make it wide.
    char text[2] = { static_cast<char>(local), 0 };
    ZafIChar wide[4] = { 0 };
    MultiByteToWideChar(CP_ACP, 0, text, 1, wide, 4);
    return wide[0];
}

// Raw code of a (client or non-client) mouse message; 0 with held buttons
// for a move. doubleClick tells a double click.
ZafRawCode MouseCode(UINT message, WPARAM wParam, bool &doubleClick)
{
    doubleClick = false;
    bool nonClient = message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
    UINT base = nonClient ? message - WM_NCMOUSEMOVE : message - WM_MOUSEMOVE;
    switch (base)
    {
    case 0:
    {
        ZafRawCode code = 0;
        if (!nonClient)
        {
            if (wParam & MK_LBUTTON) code |= 0x100;
            if (wParam & MK_RBUTTON) code |= 0x200;
            if (wParam & MK_MBUTTON) code |= 0x400;
            return code;
        }
        bool swap = GetSystemMetrics(SM_SWAPBUTTON) != 0;
        if (KeyDown(swap ? VK_RBUTTON : VK_LBUTTON)) code |= 0x100;
        if (KeyDown(swap ? VK_LBUTTON : VK_RBUTTON)) code |= 0x200;
        if (KeyDown(VK_MBUTTON)) code |= 0x400;
        return code;
    }
    case 1: return 0x1100;
    case 2: return 0x1000;
    case 3: doubleClick = true; return 0x1100;
    case 4: return 0x2200;
    case 5: return 0x2000;
    case 6: doubleClick = true; return 0x2200;
    case 7: return 0x4400;
    case 8: return 0x4000;
    case 9: doubleClick = true; return 0x4400;
    default: return 0;
    }
}

ZafWindowManager *Manager() { return ZafWindowManager::Shared(); }

// True when object lies inside outer (not outer itself).
bool Surrounds(const ZafWindowObject *outer, const ZafWindowObject *object)
{
    for (const ZafWindowObject *above = object ? object->Parent() : nullptr; above; above = above->Parent())
        if (above == outer)
            return true;
    return false;
}

} // namespace

const ZafInputMap ZafWindowObject::defaultInputMap[] = {
    { ZAF_L_RIGHT, ZAF_INPUT_KEYBOARD, VK_RIGHT, ZAF_KEY_PRESS },
    { ZAF_L_LEFT, ZAF_INPUT_KEYBOARD, VK_LEFT, ZAF_KEY_PRESS },
    { ZAF_L_UP, ZAF_INPUT_KEYBOARD, VK_UP, ZAF_KEY_PRESS },
    { ZAF_L_DOWN, ZAF_INPUT_KEYBOARD, VK_DOWN, ZAF_KEY_PRESS },
    { ZAF_L_BEGIN_ALT, ZAF_INPUT_MOUSE, 0x2200, 0 },
    { ZAF_L_DOUBLE_CLICK, ZAF_INPUT_MOUSE, 0x1100, ZAF_DOUBLE_CLICK },
    { ZAF_L_BEGIN_SELECT, ZAF_INPUT_MOUSE, 0x1100, 0 },
    { ZAF_L_CANCEL, ZAF_INPUT_KEYBOARD, VK_ESCAPE, ZAF_KEY_PRESS },
    { ZAF_L_CONTINUE_ALT, ZAF_INPUT_MOUSE, 0x200, 0 },
    { ZAF_L_CONTINUE_SELECT, ZAF_INPUT_MOUSE, 0x100, 0 },
    { ZAF_L_END_ALT, ZAF_INPUT_MOUSE, 0x2000, 0 },
    { ZAF_L_END_SELECT, ZAF_INPUT_MOUSE, 0x1000, 0 },
    { ZAF_L_HELP, ZAF_INPUT_KEYBOARD, VK_F1, ZAF_KEY_PRESS },
    { ZAF_L_MOVE, ZAF_INPUT_MOUSE, 0, 0 },
    { ZAF_NO_EVENT, 0, 0, 0 },
};

int ZafWindowObject::TranslateInputEvent(ZafEventStruct &event)
{
    const ZafEventType inputClass = event.InputClass();
    const UINT message = event.osEvent.message;
    if (inputClass == ZAF_INPUT_KEYBOARD && !event.windowObject)
    {
        BYTE state[256];
        GetKeyboardState(state);
        UINT key = UINT(event.osEvent.wParam);
        UINT scanCode = UINT((event.osEvent.lParam >> 16) & 0xFF);
        event.key = KeyCharacter(key, scanCode, state);
        ZafUInt32 modifiers = 0;
        if (state[VK_SHIFT] & 0x80) modifiers |= ZAF_SHIFT;
        if (state[VK_CONTROL] & 0x80) modifiers |= ZAF_CTRL;
        if (state[VK_MENU] & 0x80) modifiers |= ZAF_ALT;
        ZafUInt32 mapModifiers = modifiers;
        if (state[VK_NUMLOCK] & 0x01) modifiers |= ZAF_NUM_LOCK;
        if (state[VK_CAPITAL] & 0x01) modifiers |= ZAF_CAPS_LOCK;
        if (state[VK_INSERT] & 0x80) modifiers |= ZAF_INSERT;
        event.modifiers = modifiers;
        event.rawCode = key;
        bool press = (message == WM_KEYDOWN || message == WM_SYSKEYDOWN);
        event.mapModifiers = mapModifiers | (press ? ZAF_KEY_PRESS : ZAF_KEY_RELEASE);
        event.windowObject = this;
        return 1;
    }
    if (inputClass == ZAF_INPUT_MOUSE && event.windowObject != this)
    {
        bool doubleClick = false;
        event.rawCode = MouseCode(message, event.osEvent.wParam, doubleClick);
        event.modifiers = AsyncModifiers();
        event.mapModifiers = event.modifiers | (doubleClick ? ZAF_DOUBLE_CLICK : 0);
        POINT point = { ZafInt16(LOWORD(event.osEvent.lParam)), ZafInt16(HIWORD(event.osEvent.lParam)) };
        bool client = message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
        if (client)
            ClientToScreen(Handle(event.osEvent.hwnd), &point);
        int x = point.x, y = point.y;
        if (Registered())
        {
            RECT rect;
            GetWindowRect(Handle(OSHandle(2)), &rect);
            x -= rect.left;
            y -= rect.top;
            if (!ownOSWindow)
            {
                ZafRegionStruct own = OSRegion();
                x -= own.left;
                y -= own.top;
            }
        }
        event.region.Assign(x, y, x, y, ZAF_PIXEL);
        event.windowObject = this;
        return 1;
    }
    return 0;
}

ZafLogicalEvent ZafWindowObject::MapInputTable(const ZafInputMap *map, ZafEventStruct &event)
{
    if (event.windowObject != this)
        TranslateInputEvent(event);
    if (event.type < 0 || event.type > 99)
        return event.type;
    const ZafEventType inputClass = event.InputClass();
    for (const ZafInputMap *entry = map; entry && entry->logicalEvent != ZAF_NO_EVENT; ++entry)
        if (entry->rawCode == event.rawCode && entry->inputClass == inputClass
            && entry->modifiers == event.mapModifiers)
            return entry->logicalEvent;
    return ZAF_NO_EVENT;
}

ZafLogicalEvent ZafWindowObject::MapEvent(ZafEventStruct &event)
{
    ZafLogicalEvent logical = MapInputTable(defaultInputMap, event);
    return logical == ZAF_NO_EVENT ? event.type : logical;
}

// ---- Focus protocol ---------------------------------------------------------

bool ZafWindowObject::SetFocus(bool value)
{
    if (IsDisabled(true) || FocusBlocked())
        value = false;
    ZafWindowManager *manager = Manager();
    if (value == focus)
    {
        if (value && Registered() && manager && manager->focusObject == this)
            ::SetFocus(Handle(osWindow));
        return focus;
    }
    if (!Registered())
        return focus = value;
    if (!ownOSWindow)
    {
        if (value && GetFocus() != Handle(osWindow))
            ::SetFocus(Handle(osWindow));
        NotifyFocus(value ? this : parent, value);
        return focus;
    }
    if (value)
        ::SetFocus(Handle(osWindow));
    else if (!NotifyFocus(parent, false) && parent)
        ::SetFocus(Handle(parent->osWindow));
    return focus;
}

ZafWindowObject *ZafWindowObject::NotifyFocus(ZafWindowObject *object, bool gained)
{
    ZafWindowManager *manager = Manager();
    if (!gained)
    {
        ZafEventStruct query(ZAF_EV_MAY_LEAVE, 0);
        query.dataObject = manager ? manager->focusObject : nullptr;
        ZafEventType answer = Event(query);
        if (answer == 0 || answer == 12)
        {
            Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
            return nullptr;
        }
        SetFocus(true);
        if (manager)
            manager->focusObject = this;
        return this;
    }
    ZafWindowObject *previous = manager ? manager->focusObject : nullptr;
    if (object == this && manager)
    {
        manager->previousFocusObject = manager->focusObject;
        manager->focusObject = this;
    }
    ZafWindowObject *above = parent ? parent : static_cast<ZafWindowObject *>(manager);
    ZafWindowObject *refused = (above && above != this) ? above->NotifyFocus(this, true) : nullptr;
    if (!refused && Registered())
    {
        ZafEventStruct gainedEvent(ZAF_EV_FOCUS_GAINED, 0);
        gainedEvent.dataObject = previous;
        Event(gainedEvent);
        if (manager)
            manager->focusObject = this;
        Event(ZafEventStruct(ZAF_EV_BECAME_CURRENT, 0));
        // The focus coming back after a switch to another application passes
        // the windows around the object that had it; any other object ends it.
        if (object == this && manager && !Surrounds(this, manager->inactiveFocusObject))
            manager->inactiveFocusObject = nullptr;
    }
    return refused;
}
