#include "framework/controls/ZafMenuStorage.h"

#include "framework/controls/ZafPopUpMenu.h"
#include "framework/core/storage/ZafStorage.h"

ZafStoredMenu::~ZafStoredMenu()
{
    delete menu;
}

void ZafWriteSubMenu(ZafFile &file, ZafPopUpMenu &subMenu, ZafObjectPersistence &persistence)
{
    const bool entries = subMenu.Count() > 0;
    if (entries && (!subMenu.StringID() || !*subMenu.StringID()))
        subMenu.SetStringID(L"menu");
    file.WriteString(entries ? subMenu.StringID() : L"");
    if (entries)
        subMenu.Write(persistence);
}

void ZafReadSubMenu(ZafFile &file, ZafObjectPersistence &persistence, ZafStoredMenu &stored)
{
    ZafIChar *name = file.ReadNewString();
    if (!file.Error() && !persistence.Error() && name && *name)
        stored.menu = new ZafPopUpMenu(name, persistence);
    delete[] name;
}

void ZafTakeSubMenuEntries(ZafStoredMenu &stored, ZafPopUpMenu &subMenu)
{
    if (!stored.menu)
        return;
    while (ZafWindowObject *entry = stored.menu->FirstChild())
        subMenu.ZafWindow::Add(stored.menu->Subtract(entry));
    if (stored.menu->StringID())
        subMenu.SetStringID(stored.menu->StringID());
}
