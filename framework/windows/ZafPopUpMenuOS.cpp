// ZafPopUpMenu on Windows: the OS pop-up menu, showing a free-standing menu
// with TrackPopupMenu, and following the highlighted entry.
#include <windows.h>

#include "framework/controls/ZafPopUpItem.h"
#include "framework/controls/ZafPopUpMenu.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafMenuEvents.h"
#include "framework/windows/ZafMenuOS.h"

void ZafPopUpMenu::OSRegisterObject()
{
    if (osWindow || !ZafList::First())
        return;
    osWindow = CreatePopupMenu();
    createdMenu = osWindow != nullptr;
}

void ZafPopUpMenu::Unregister()
{
    HMENU menu = ZafMenuHandle(osWindow);
    if (createdMenu && menu && IsMenu(menu))
        DestroyMenu(menu);
    createdMenu = false;
    osWindow = nullptr;
    for (ZafElement *e = ZafList::First(); e; e = e->Next())
        static_cast<ZafWindowObject *>(e)->Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
}

ZafEventType ZafPopUpMenu::Show()
{
    Event(ZafEventStruct(ZAF_EV_SETTLE, 0));
    Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
    ZafWindowObject *behind = static_cast<ZafWindowObject *>(Next());
    if (parent || !behind)
        return ZAF_EV_REBUILD;
    HWND owner = static_cast<HWND>(behind->OSHandle(2));
    // A menu without entries has nothing to show: it closes at once.
    if (HMENU menu = ZafMenuHandle(osWindow))
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, region.left, region.top, 0, owner, nullptr);
    // The chosen entry's command arrives now, while the menu is still here.
    const ZafOSEntryPoints &os = ZafMSWindowsApp::Entry();
    MSG message;
    while (owner && os.peekMessage(&message, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        os.dispatchMessage(&message);
    if (ZafEventManager *events = ZafEventManager::Shared())
        events->Put(ZafEventStruct(ZAF_EV_CLOSE_TEMPORARY, 0), 0);
    return ZAF_EV_REBUILD;
}

ZafEventType ZafPopUpMenu::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    ZafEventType answer = type;
    if (ZafMenuEvents<ZafPopUpMenu>::Handle(*this, event, answer))
        return answer;
    switch (type)
    {
    case ZAF_EVENT_OS:
        return OSEvent(event);
    case ZAF_EV_REBUILD:
        return Show();
    case ZAF_EV_SETTLE:
        ZafWindowObject::Event(event);
        BroadcastEvent(event, 0);
        return type;
    case ZAF_EV_REGISTER:
        OSRegisterObject();
        BroadcastEvent(event, 0);
        return type;
    case ZAF_EV_UNREGISTER:
        Unregister();
        focus = false;
        return type;
    case ZAF_EV_OS_WINDOW_GONE:
        osWindow = nullptr;
        createdMenu = false;
        focus = false;
        BroadcastEvent(event, 0);
        return type;
    case ZAF_EV_ADD_OBJECT:
    case ZAF_EV_SUBTRACT_OBJECT:
        if (parent)
            return parent->Event(event);
        return ZafWindow::Event(event);
    case ZAF_EV_CLOSE_QUERY:
        return 0;
    case ZAF_EV_COMPUTE_REGION:
        return type;
    default:
        return ZafWindowObject::Event(event);
    }
}

ZafEventType ZafPopUpMenu::OSEvent(const ZafEventStruct &event)
{
    switch (event.osEvent.message)
    {
    case WM_COMMAND:
        return ZafWindow::OSEvent(event);
    case WM_MENUSELECT:
        return MenuSelect(event);
    default:
        return ZAF_NOT_HANDLED;
    }
}

ZafEventType ZafPopUpMenu::MenuSelect(const ZafEventStruct &event)
{
    return ZafMenuEvents<ZafPopUpMenu>::Select(*this, event, [this](UINT item, UINT flags) -> ZafWindowObject * {
        if (flags & MF_POPUP)
            return static_cast<ZafWindowObject *>(ZafList::Get(int(item)));
        for (ZafElement *e = ZafList::First(); e; e = e->Next())
            if (ZafUInt16(static_cast<ZafWindowObject *>(e)->NumberID()) == item)
                return static_cast<ZafWindowObject *>(e);
        return nullptr;
    });
}
