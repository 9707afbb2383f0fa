#pragma once
// The events both kinds of menu entry (ZafPopUpItem in a pop-up menu,
// ZafPullDownItem in a menu bar) handle alike on Windows: the drop-down's
// life follows the entry's, focus moves into and out of the open drop-down,
// the list operations go to the drop-down, and what a drawn control would
// do is ignored (the OS menu shows the entry). GUI thread only.

#include "framework/core/objects/ZafWindowObject.h"
#include "framework/windows/ZafMenuOS.h"

template <class Entry>
struct ZafMenuEntryEvents
{
    // True when the event is one of them; its reply is then in answer.
    static bool Handle(Entry &entry, const ZafEventStruct &event, ZafEventType &answer);
};

template <class Entry>
bool ZafMenuEntryEvents<Entry>::Handle(Entry &entry, const ZafEventStruct &event, ZafEventType &answer)
{
    const ZafEventType type = event.type;
    answer = type;
    switch (type)
    {
    case ZAF_EV_REBUILD:
    {
        entry.Event(ZafEventStruct(ZAF_EV_SETTLE, 0));
        entry.Event(ZafEventStruct(ZAF_EV_REGISTER, 0));
        ZafWindowObject *root = entry.RootObject();
        if (root != &entry)
            ZafRedrawMenuBar(root->OSHandle(2));
        return true;
    }
    case ZAF_EV_SETTLE:
        entry.subMenu.Event(event);
        answer = entry.ZafWindowObject::Event(event);
        return true;
    case ZAF_EV_REGISTER:
        entry.subMenu.Event(event);
        if (!entry.Registered())
            entry.OSRegisterObject();
        return true;
    case ZAF_EV_OS_WINDOW_GONE:
        entry.subMenu.Event(event);
        entry.osWindow = nullptr;
        entry.focus = false;
        return true;
    case ZAF_EV_UNREGISTER:
        if (HMENU menu = ZafMenuHandle(entry.osWindow))
            ZafRemoveMenuEntry(menu, entry.CommandID());
        entry.subMenu.Event(event);     // destroys the drop-down's OS menu
        entry.Event(ZafEventStruct(ZAF_EV_OS_WINDOW_GONE, 0));
        return true;
    case ZAF_EV_FOCUS_GAINED:
        entry.focus = true;
        entry.Event(ZafEventStruct(ZAF_EV_BECAME_CURRENT, 0));
        return true;
    case ZAF_EV_FOCUS_LOST:
        if (entry.subMenu.Focus())
            entry.subMenu.Event(event);
        entry.Event(ZafEventStruct(ZAF_EV_MAY_LEAVE, 0));
        entry.focus = false;
        return true;
    case ZAF_EV_ADD_OBJECT:
        entry.Add(event.dataObject);
        return true;
    case ZAF_EV_SUBTRACT_OBJECT:
        entry.Subtract(event.dataObject);
        return true;
    case ZAF_EV_REDRAW:
    case ZAF_EV_REDRAW_AREA:
    case ZAF_EV_REDRAW_DATA:
    case ZAF_EV_COMPUTE_REGION:
    case ZAF_EV_SIZED:
    case ZAF_EV_MOVED:
    case ZAF_EV_DEFAULT_BUTTON:
        return true;
    default:
        return false;
    }
}
