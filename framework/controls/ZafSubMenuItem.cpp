#include "framework/controls/ZafSubMenuItem.h"

#include "framework/core/data/ZafStringData.h"
#include "framework/windows/ZafOSText.h"

#include <cwchar>

ZafWindowObject *ZafSubMenuByNumberID(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafNumberID id)
{
    if (item.NumberID() == id)
        return &item;
    return subMenu.GetObjectByNumberID(id);
}

ZafWindowObject *ZafSubMenuByStringID(ZafWindowObject &item, ZafPopUpMenu &subMenu, const ZafIChar *id)
{
    const ZafIChar *own = item.StringID();
    if (id && own && std::wcscmp(id, own) == 0)
        return &item;
    return subMenu.GetObjectByStringID(id);
}

ZafWindowObject *ZafSubMenuByText(ZafWindowObject &item, const char *text)
{
    ZafIChar *wide = ZafNewWideText(text);
    ZafStringData name(wide ? wide : L"");
    delete[] wide;
    return item.GetObjectByStringID(name.Text());
}

ZafWindowObject *ZafSubMenuFocusObject(const ZafWindowObject &item, bool focus, const ZafPopUpMenu &subMenu)
{
    if (subMenu.Focus())
    {
        ZafWindowObject *inner = subMenu.FocusObject();
        return inner ? inner : const_cast<ZafPopUpMenu *>(&subMenu);
    }
    return focus ? const_cast<ZafWindowObject *>(&item) : nullptr;
}

ZafWindowObject *ZafSubMenuAdd(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafWindowObject *object,
    ZafWindowObject *position)
{
    const bool formChanges = item.Registered() && subMenu.Count() == 0;
    if (formChanges)
        item.Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    subMenu.ZafWindow::Add(object, position);
    if (formChanges)
        item.Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    return object;
}

ZafWindowObject *ZafSubMenuSubtract(ZafWindowObject &item, ZafPopUpMenu &subMenu, ZafWindowObject *object)
{
    const bool formChanges = item.Registered() && subMenu.Count() == 1 && subMenu.Contains(object);
    if (formChanges)
        item.Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    subMenu.ZafWindow::Subtract(object);
    if (formChanges)
        item.Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    return object;
}
