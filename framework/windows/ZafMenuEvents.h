#pragma once
// The events both kinds of menu (ZafPopUpMenu, shown by the OS as a pop-up
// menu, and ZafPullDownMenu, a window's menu bar) handle alike on Windows:
// the focus moves in and out of the highlighted entry, what a drawn window
// would do is ignored (the OS draws the menu), and WM_MENUSELECT moves the
// highlight to the entry the OS names. GUI thread only.

#include <windows.h>

#include "framework/core/objects/ZafWindow.h"
#include "framework/windows/ZafMenuOS.h"

template <class Menu>
struct ZafMenuEvents
{
    // True when the event is one of them; its reply is then in answer.
    static bool Handle(Menu &menu, const ZafEventStruct &event, ZafEventType &answer);
    // WM_MENUSELECT: a message about another menu goes down the highlighted
    // entry's open drop-down; else findEntry(item, flags) names the entry
    // to highlight (null for none). Answers 0.
    template <class FindEntry>
    static ZafEventType Select(Menu &menu, const ZafEventStruct &event, FindEntry findEntry);
};

template <class Menu>
bool ZafMenuEvents<Menu>::Handle(Menu &menu, const ZafEventStruct &event, ZafEventType &answer)
{
    answer = event.type;
    switch (event.type)
    {
    case ZAF_EV_FOCUS_GAINED:
        menu.focus = true;
        menu.Event(ZafEventStruct(ZAF_EV_BECAME_CURRENT, 0));
        return true;
    case ZAF_EV_FOCUS_LOST:
        if (ZafWindowObject *current = menu.CurrentChild())
            if (current->Focus())
                current->Event(event);
        menu.SetCurrent(nullptr);
        menu.Event(ZafEventStruct(ZAF_EV_MAY_LEAVE, 0));
        menu.focus = false;
        return true;
    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA:
    case ZAF_EV_REDRAW_DATA:
    case ZAF_EV_SIZED:
    case ZAF_EV_MOVED:
        return true;
    default:
        return false;
    }
}

template <class Menu>
template <class FindEntry>
ZafEventType ZafMenuEvents<Menu>::Select(Menu &menu, const ZafEventStruct &event, FindEntry findEntry)
{
    const UINT item = LOWORD(event.osEvent.wParam);
    const UINT flags = HIWORD(event.osEvent.wParam);
    auto *previous = menu.CurrentItem();
    if (reinterpret_cast<HMENU>(event.osEvent.lParam) != ZafMenuHandle(menu.osWindow))
    {
        // The message travels down the open sub-menus.
        if (previous)
            previous->SubMenu().Event(event);
        return 0;
    }
    ZafWindowObject *found = findEntry(item, flags);
    ZafMoveMenuHighlight(menu, previous, previous ? &previous->SubMenu() : nullptr, found);
    return 0;
}
