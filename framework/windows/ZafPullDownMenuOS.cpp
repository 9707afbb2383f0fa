// ZafPullDownMenu and ZafPullDownItem on Windows: the bar's OS menu on the
// window's frame, the entries in it, the commands the OS sends and the
// highlighted entry.
#include <windows.h>

#include "framework/controls/ZafPullDownItem.h"
#include "framework/controls/ZafPullDownMenu.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafMenuEntryEvents.h"
#include "framework/windows/ZafMenuEvents.h"
#include "framework/windows/ZafMenuOS.h"

// ---- The bar ------------------------------------------------------------------

ZafEventType ZafPullDownMenu::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    ZafEventType answer = type;
    if (ZafMenuEvents<ZafPullDownMenu>::Handle(*this, event, answer))
        return answer;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_REGISTER:
    {
        if (Registered())
            return type;
        osWindow = CreateMenu();
        building = true;
        BroadcastEvent(event, 0);
        building = false;
        if (HWND frame = static_cast<HWND>(FrameWindow()))
            SetMenu(frame, ZafMenuHandle(osWindow));
        return type;
    }
    case ZAF_EV_UNREGISTER:
    {
        HWND frame = static_cast<HWND>(FrameWindow());
        if (frame && IsWindow(frame) && GetMenu(frame) == ZafMenuHandle(osWindow))
            SetMenu(frame, nullptr);
        if (HMENU menu = ZafMenuHandle(osWindow))
            if (IsMenu(menu))
                DestroyMenu(menu);
        Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
        return type;
    }
    case ZAF_EV_OS_WINDOW_GONE:
        osWindow = nullptr;
        focus = false;
        BroadcastEvent(event, 0);
        return type;
    case ZAF_EV_SETTLE:
        ownOSWindow = false;
        ZafWindowObject::Event(event);
        BroadcastEvent(event, 0);
        return type;
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafPullDownMenu::OSEvent(const ZafEventStruct &event)
{
    if (event.osEvent.message == WM_MENUSELECT)
        return MenuSelect(event);
    return ZAF_NOT_HANDLED;
}

ZafEventType ZafPullDownMenu::MenuSelect(const ZafEventStruct &event)
{
    return ZafMenuEvents<ZafPullDownMenu>::Select(*this, event, [this](UINT item, UINT flags) -> ZafWindowObject * {
        const int adjustment = MDIAdjustment();
        int index = 0;
        for (ZafElement *e = ZafList::First(); e; e = e->Next(), ++index)
        {
            ZafWindowObject *entry = static_cast<ZafWindowObject *>(e);
            if (!(flags & MF_POPUP) ? ZafUInt16(entry->NumberID()) == item : UINT(index + adjustment) == item)
                return entry;
        }
        return nullptr;
    });
}

// ---- The entries --------------------------------------------------------------

int ZafPullDownItem::MDIAdjustment() const
{
    ZafWindowObject *root = RootObject();
    if (!root || root == this || !root->IsAClassID(ZAF_ID_MDI_WINDOW) || !root->OSWindow())
        return 0;
    BOOL maximized = FALSE;
    ZafMSWindowsApp::Entry().sendMessage(static_cast<HWND>(root->OSWindow()), WM_MDIGETACTIVE, 0,
        reinterpret_cast<LPARAM>(&maximized));
    return maximized ? 1 : 0;
}

int ZafPullDownItem::OSPosition() const
{
    return ListIndex() + MDIAdjustment();
}

ZafUInt32 ZafPullDownItem::CommandID() const
{
    if (ZafOSWindow sub = subMenu.OSHandle())
        return ZafUInt32(reinterpret_cast<uintptr_t>(sub));
    return ZafUInt16(numberID);
}

namespace {

UINT ItemFlags(const ZafPopUpMenu &subMenu, bool disabled)
{
    UINT flags = 0;
    if (subMenu.Count() > 0 && subMenu.OSHandle())
        flags |= MF_POPUP;
    if (disabled)
        flags |= MF_GRAYED;
    return flags;
}

} // namespace

void ZafPullDownItem::OSRegisterObject()
{
    osWindow = parent ? parent->OSHandle(2) : nullptr;
    HMENU menu = ZafMenuHandle(osWindow);
    if (!menu)
        return;
    const ZafIChar *text = Text();
    // While the bar is built the entries come in list order; an entry made
    // again later goes back to its own position.
    ZafPullDownMenu *bar = dynamic_cast<ZafPullDownMenu *>(parent);
    int position = (bar && bar->Building()) ? -1 : OSPosition();
    ZafInsertMenuEntry(menu, position, ItemFlags(subMenu, disabled), CommandID(), text ? text : L"", hotKeyIndex);
}

ZafEventType ZafPullDownItem::UpdateOSListItem()
{
    HMENU menu = ZafMenuHandle(osWindow);
    if (!menu)
        return 0;
    const ZafIChar *text = Text();
    int position = OSPosition();
    ZafModifyMenuEntry(menu, position, ItemFlags(subMenu, disabled), CommandID(), text ? text : L"", hotKeyIndex);
    EnableMenuItem(menu, UINT(position), MF_BYPOSITION | (disabled ? MF_GRAYED : MF_ENABLED));
    if (parent && parent->Parent())
        ZafRedrawMenuBar(parent->Parent()->OSHandle(2));
    return 0;
}

bool ZafPullDownItem::SetDisabled(bool value)
{
    if (value == disabled)
        return disabled;
    disabled = value;
    if (HMENU menu = ZafMenuHandle(osWindow))
    {
        EnableMenuItem(menu, UINT(OSPosition()), MF_BYPOSITION | (disabled ? MF_GRAYED : MF_ENABLED));
        ZafRedrawMenuBar(RootObject()->OSHandle(2));
    }
    return disabled;
}

ZafEventType ZafPullDownItem::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    if (type == ZAF_EVENT_OS)
        return OSEvent(event);
    if (type == ZAF_EV_MENU_CHOSEN)
        return memberFunction ? (this->*memberFunction)(event, type) : 0;
    ZafEventType answer = 0;
    if (ZafMenuEntryEvents<ZafPullDownItem>::Handle(*this, event, answer))
        return answer;
    return ZafWindowObject::Event(event);
}

ZafEventType ZafPullDownItem::OSEvent(const ZafEventStruct &event)
{
    if (event.osEvent.message == WM_COMMAND)
        return Event(ZafEventStruct(ZAF_EV_MENU_CHOSEN, 0));
    return ZAF_NOT_HANDLED;
}
