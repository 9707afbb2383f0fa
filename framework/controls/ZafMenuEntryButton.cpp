#include "framework/controls/ZafMenuEntryButton.h"

#include "framework/core/data/ZafStringData.h"
#include "framework/windows/ZafOSText.h"

ZafWindowObject *ZafMenuEntryButton::GetObjectByNumberID(ZafNumberID id)
{
    return ZafMenuOwnerByNumberID(*this, subMenu, id);
}

ZafWindowObject *ZafMenuEntryButton::GetObjectByStringID(const ZafIChar *id)
{
    return ZafMenuOwnerByStringID(*this, subMenu, id);
}

ZafWindowObject *ZafMenuEntryButton::GetObjectByText(const char *text)
{
    ZafIChar *wide = ZafNewWideText(text);
    ZafStringData name(wide ? wide : L"");
    delete[] wide;
    return GetObjectByStringID(name.Text());
}

ZafWindowObject *ZafMenuEntryButton::FocusObject() const
{
    if (subMenu.Focus())
    {
        ZafWindowObject *inner = subMenu.FocusObject();
        return inner ? inner : const_cast<ZafPopUpMenu *>(&subMenu);
    }
    return focus ? const_cast<ZafMenuEntryButton *>(this) : nullptr;
}

ZafWindowObject *ZafMenuEntryButton::Add(ZafWindowObject *object, ZafWindowObject *position)
{
    const bool formChanges = Registered() && subMenu.Count() == 0;
    if (formChanges)
        Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    subMenu.ZafWindow::Add(object, position);
    if (formChanges)
        Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    return object;
}

ZafWindowObject *ZafMenuEntryButton::Subtract(ZafWindowObject *object)
{
    const bool formChanges = Registered() && subMenu.Count() == 1 && subMenu.Contains(object);
    if (formChanges)
        Event(ZafEventStruct(ZAF_EV_UNREGISTER, 0));
    subMenu.ZafWindow::Subtract(object);
    if (formChanges)
        Event(ZafEventStruct(ZAF_EV_REBUILD, 0));
    return object;
}
