// ZafPopUpItem on Windows: the entry in its menu's OS menu, the commands
// the OS sends for it, the highlight and the status texts of the help tips.
#include <windows.h>

#include "framework/controls/ZafPopUpItem.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/text/ZafStrings.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafMenuEntryEvents.h"
#include "framework/windows/ZafMenuOS.h"

namespace {

// The OS system command of an item type; 0 for types without one.
ZafUInt32 SystemCommand(int type)
{
    switch (type)
    {
    case 2: return SC_CLOSE;
    case 3: return SC_MAXIMIZE;
    case 4: return SC_MINIMIZE;
    case 5: return SC_MOVE;
    case 6: return SC_RESTORE;
    case 8: return SC_SIZE;
    default: return 0;
    }
}

} // namespace

ZafUInt32 ZafPopUpItem::CommandID() const
{
    if (ZafOSWindow sub = subMenu.OSHandle())
        return ZafUInt32(reinterpret_cast<uintptr_t>(sub));
    if (InSystemMenu())
        if (ZafUInt32 command = SystemCommand(itemType))
            return command;
    return ZafUInt16(numberID);
}

ZafUInt32 ZafPopUpItem::OSFlags() const
{
    ZafUInt32 flags = MF_BYPOSITION;
    if (itemType == 7)
        flags |= MF_SEPARATOR;
    if (subMenu.Count() > 0 && subMenu.OSHandle())
        flags |= MF_POPUP;
    if (disabled)
        flags |= MF_GRAYED | MF_DISABLED;
    if (selected)
        flags |= MF_CHECKED;
    return flags;
}

void ZafPopUpItem::OSRegisterObject()
{
    osWindow = parent ? parent->OSHandle(2) : nullptr;
    HMENU menu = ZafMenuHandle(osWindow);
    if (!menu)
        return;
    if (InSystemMenu() && SystemCommand(itemType))
    {
        // The OS carries the command out: the entry posts no value.
        memberFunction = &ZafWindowObject::CallUserFunction;
        osCommand = true;
    }
    ZafInsertMenuEntry(menu, ListIndex(), OSFlags(), CommandID(), Text(), hotKeyIndex);
}

ZafEventType ZafPopUpItem::UpdateOSListItem()
{
    HMENU menu = ZafMenuHandle(osWindow);
    if (!menu)
        return 0;
    ZafModifyMenuEntry(menu, ListIndex(), OSFlags(), CommandID(), Text(), hotKeyIndex);
    return 0;
}

// Sets a flag the entry's OS menu shows; when it changed, the entry at that
// position in the menu (when there is one) takes the on or off state through
// apply (CheckMenuItem, EnableMenuItem). Answers the flag.
template <class Apply>
static bool ChangeMenuFlag(bool &flag, bool value, HMENU menu, int position, Apply apply, UINT on, UINT off)
{
    if (value == flag)
        return flag;
    flag = value;
    if (menu)
        apply(menu, UINT(position), MF_BYPOSITION | (flag ? on : off));
    return flag;
}

bool ZafPopUpItem::SetSelected(bool value)
{
    return ChangeMenuFlag(selected, value, ZafMenuHandle(osWindow), ListIndex(), CheckMenuItem, MF_CHECKED,
        MF_UNCHECKED);
}

bool ZafPopUpItem::SetDisabled(bool value)
{
    return ChangeMenuFlag(disabled, value, ZafMenuHandle(osWindow), ListIndex(), EnableMenuItem, MF_GRAYED,
        MF_ENABLED);
}

ZafEventType ZafPopUpItem::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    ZafEventManager *events = ZafEventManager::Shared();
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);

    case ZAF_EV_MENU_CHOSEN:
    {
        if (!SendMessage() || osCommand)
            return memberFunction ? (this->*memberFunction)(event, type) : 0;
        // The user function, then the entry's value as a sending button
        // queues it (the message text's copy first, the entry second).
        ZafEventType answer = CallUserFunction(event, type);
        if (events)
        {
            ZafEventStruct command(value, 0);
            command.text = ZafStrDup(messageText);
            command.region.top = ZafInt32(reinterpret_cast<intptr_t>(static_cast<ZafButton *>(this)));
            events->Put(command, ZAF_QUEUE_BACK);
        }
        return answer;
    }

    case ZAF_EV_BECAME_CURRENT:
        if (tipText2 && RootObject()->Focus() && events)
        {
            ZafEventStruct status = event;
            status.type = ZAF_SHOW_STATUS_TEXT;
            status.dataObject = this;
            events->BroadcastToDevices(status, ZAF_HELP_TIPS);
        }
        return type;

    case ZAF_EV_MAY_LEAVE:
        if (tipText2 && events)
            events->BroadcastToDevices(ZafEventStruct(ZAF_SHOW_STATUS_TEXT, 0), ZAF_HELP_TIPS);
        return type;

    default:
    {
        ZafEventType answer = 0;
        if (ZafMenuEntryEvents<ZafPopUpItem>::Handle(*this, event, answer))
            return answer;
        return ZafWindowObject::Event(event);
    }
    }
}

ZafEventType ZafPopUpItem::OSEvent(const ZafEventStruct &event)
{
    const UINT message = event.osEvent.message;
    if (message == WM_COMMAND || message == WM_SYSCOMMAND)
        return Event(ZafEventStruct(ZAF_EV_MENU_CHOSEN, 0));
    return ZAF_NOT_HANDLED;
}
