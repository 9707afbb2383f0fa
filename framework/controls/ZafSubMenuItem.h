#ifndef ZAF_SUB_MENU_ITEM_H
#define ZAF_SUB_MENU_ITEM_H

// What the two menu items that carry a drop-down menu (ZafPopUpItem in a
// pop-up menu, ZafPullDownItem in a menu bar) do alike: the lookups (the item
// itself when it matches, else whatever its drop-down finds) and the changes
// to the drop-down. GUI thread only.
#include "framework/controls/ZafPopUpMenu.h"

// The item when its number is id, else the drop-down's object of that number.
ZafWindowObject *ZafSubMenuByNumberID(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafNumberID id);
// The item when its string id is id, else the drop-down's object of that id.
ZafWindowObject *ZafSubMenuByStringID(ZafWindowObject &item, ZafPopUpMenu &subMenu, const ZafIChar *id);
// The item's string-id lookup with a narrow text (null finds nothing named).
ZafWindowObject *ZafSubMenuByText(ZafWindowObject &item, const char *text);
// The drop-down's focus object (the drop-down itself when none inside has
// it) while the drop-down has the focus; else the item when focused.
ZafWindowObject *ZafSubMenuFocusObject(const ZafWindowObject &item, bool focus, const ZafPopUpMenu &subMenu);

// Adds to / removes from the drop-down. An item on screen whose form changes
// (plain to drop-down or back) is unregistered first and rebuilt after, so
// it keeps its position in its OS menu. Both answer the object.
ZafWindowObject *ZafSubMenuAdd(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafWindowObject *object,
    ZafWindowObject *position);
ZafWindowObject *ZafSubMenuSubtract(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafWindowObject *object);

#endif
