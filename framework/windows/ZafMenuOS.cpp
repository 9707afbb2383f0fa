#include "framework/windows/ZafMenuOS.h"

#include "framework/core/objects/ZafWindow.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSText.h"

int ZafMenuPosition(HMENU menu, ZafUInt32 commandID)
{
    if (!menu || !IsMenu(menu))
        return -1;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        HMENU sub = GetSubMenu(menu, i);
        if (sub ? reinterpret_cast<uintptr_t>(sub) == commandID : GetMenuItemID(menu, i) == commandID)
            return i;
    }
    return -1;
}

bool ZafRemoveMenuEntry(HMENU menu, ZafUInt32 commandID)
{
    int position = ZafMenuPosition(menu, commandID);
    return position >= 0 && RemoveMenu(menu, UINT(position), MF_BYPOSITION);
}

namespace {

BOOL Insert(bool modify, HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *label)
{
    UINT where = position < 0 ? UINT(-1) : UINT(position);
    if (flags & MF_SEPARATOR)
        label = nullptr;
    if (!ZafMSWindowsApp::Ansi())
        return modify ? ModifyMenuW(menu, where, flags, id, label) : InsertMenuW(menu, where, flags, id, label);
    char *local = label ? ZafNewLocalText(label) : nullptr;
    BOOL done = modify ? ModifyMenuA(menu, where, flags, id, local) : InsertMenuA(menu, where, flags, id, local);
    delete[] local;
    return done;
}

BOOL InsertLabelled(bool modify, HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *text,
    int hotKeyIndex)
{
    wchar_t *label = ZafConvertHotKeyText(text, hotKeyIndex);
    BOOL done = Insert(modify, menu, position, flags | MF_BYPOSITION, id, label);
    delete[] label;
    return done;
}

} // namespace

BOOL ZafInsertMenuEntry(HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *text, int hotKeyIndex)
{
    return InsertLabelled(false, menu, position, flags, id, text, hotKeyIndex);
}

BOOL ZafModifyMenuEntry(HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *text, int hotKeyIndex)
{
    return InsertLabelled(true, menu, position, flags, id, text, hotKeyIndex);
}

void ZafRedrawMenuBar(ZafOSWindow window)
{
    HWND handle = static_cast<HWND>(window);
    if (handle && IsWindow(handle))
        DrawMenuBar(handle);
}

void ZafMoveMenuHighlight(ZafWindow &menu, ZafWindowObject *previous, ZafWindowObject *previousDropDown,
    ZafWindowObject *found)
{
    if (!menu.Focus())
        menu.Event(ZafEventStruct(ZAF_EV_FOCUS_GAINED, 0));
    else if (previousDropDown && previousDropDown->Focus())
        previousDropDown->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
    if (!found || found->Focus())
        return;
    if (previous && previous->Focus())
        previous->Event(ZafEventStruct(ZAF_EV_FOCUS_LOST, 0));
    menu.SetCurrent(found);
    found->Event(ZafEventStruct(ZAF_EV_FOCUS_GAINED, 0));
}
