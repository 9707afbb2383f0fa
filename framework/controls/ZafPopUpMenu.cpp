// ZafPopUpMenu, portable half: construction, storage and lookups.
#include "framework/controls/ZafPopUpMenu.h"

#include "framework/controls/ZafPopUpItem.h"
#include "framework/core/storage/ZafStorage.h"

#include <cwchar>


ZafPopUpMenu::ZafPopUpMenu(int left, int top) : ZafFramelessWindow(left, top, 0, 0)
{
    region.Assign(left, top, left - 1, top - 1, ZAF_PIXEL);
    coordinateType = ZAF_PIXEL;
    clientSize.Assign(0, 0, -1, -1, ZAF_PIXEL);
    border = true;
    destroyable = false;
    moveable = false;
    altFreeHotKeys = true;
    sizeable = false;
    temporary = true;
    ownOSWindow = false;
}

ZafPopUpMenu::ZafPopUpMenu(const ZafPopUpMenu &copy) : ZafFramelessWindow(copy)
{
    ownOSWindow = false;
    temporary = true;
}

ZafPopUpMenu::ZafPopUpMenu(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafObjectPersistence::PopLevel(persistence);
    ownOSWindow = false;
    temporary = true;
    border = true;
}

ZafPopUpMenu::~ZafPopUpMenu()
{
    // The menu handle goes here, never through the window's handling of
    // OS windows.
    Unregister();
}

void ZafPopUpMenu::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindow::Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
}

ZafPopUpItem *ZafPopUpMenu::CurrentItem() const
{
    ZafWindowObject *current = CurrentChild();
    return current && current->IsAClassID(ZAF_ID_POP_UP_ITEM) ? static_cast<ZafPopUpItem *>(current) : nullptr;
}

ZafWindowObject *ZafMenuOwnerByNumberID(ZafWindowObject &owner, ZafPopUpMenu &menu, ZafNumberID id)
{
    if (owner.NumberID() == id)
        return &owner;
    return menu.GetObjectByNumberID(id);
}

ZafWindowObject *ZafMenuOwnerByStringID(ZafWindowObject &owner, ZafPopUpMenu &menu, const ZafIChar *id)
{
    const ZafIChar *own = owner.StringID();
    if (id && own && std::wcscmp(id, own) == 0)
        return &owner;
    return menu.GetObjectByStringID(id);
}
