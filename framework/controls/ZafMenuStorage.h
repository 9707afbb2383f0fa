#pragma once
// Storage of the menus kept inside menu entries and the system button: the
// entry's record extension names its sub-menu ("menu", empty when it has no
// entries), which is stored as a ZafPopUpMenu in a directory of that name
// inside the entry's own. Reading happens inside the button's constructor,
// so what was read waits in a StoredMenu until the entry's own members exist.

#include <memory>

#include "framework/core/base/ZafTypes.h"

class ZafFile;
class ZafObjectPersistence;
class ZafPopUpMenu;

struct ZafStoredMenu
{
    int type = 0;                    // item type or system menu type
    ZafPopUpMenu *menu = nullptr;    // the read sub-menu, handed over once
    ~ZafStoredMenu();
};

// Writes the sub-menu's name (giving a menu with entries the name "menu")
// and the sub-menu itself when it has entries.
void ZafWriteSubMenu(ZafFile &file, ZafPopUpMenu &subMenu, ZafObjectPersistence &persistence);
// Reads the sub-menu's name and, when there is one, the sub-menu.
void ZafReadSubMenu(ZafFile &file, ZafObjectPersistence &persistence, ZafStoredMenu &stored);
// Moves the entries of the read menu into the entry's own sub-menu.
void ZafTakeSubMenuEntries(ZafStoredMenu &stored, ZafPopUpMenu &subMenu);
