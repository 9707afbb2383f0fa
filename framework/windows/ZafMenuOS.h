#pragma once
// Helpers of the menu classes on Windows: menu handles kept in the portable
// halves' opaque handle fields, entries found by their command id, labels
// in the platform's wide or 8-bit form. GUI thread only.

#include <windows.h>

#include "framework/core/base/ZafTypes.h"

class ZafWindow;
class ZafWindowObject;

inline HMENU ZafMenuHandle(ZafOSWindow handle) { return static_cast<HMENU>(handle); }

// The position of the entry with that command id (a sub-menu entry's id is
// its sub-menu handle); -1 when the menu has none.
int ZafMenuPosition(HMENU menu, ZafUInt32 commandID);
// Removes the entry with that command id; true when one was removed.
bool ZafRemoveMenuEntry(HMENU menu, ZafUInt32 commandID);
// InsertMenu by position (AppendMenu when position is -1), ModifyMenu by
// position, labelled with the text (none when null) with its hot key marked
// for the OS, wide or, on 8-bit platforms, in the local code set.
BOOL ZafInsertMenuEntry(HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *text, int hotKeyIndex);
BOOL ZafModifyMenuEntry(HMENU menu, int position, UINT flags, UINT_PTR id, const wchar_t *text, int hotKeyIndex);
// DrawMenuBar of a window, when it is one.
void ZafRedrawMenuBar(ZafOSWindow window);
// After a WM_MENUSELECT for an entry of menu: the menu gains the focus when
// it had none, else the previous entry's open drop-down loses it; the entry
// found (null for none) becomes current and gains it, the previous entry
// losing it first.
void ZafMoveMenuHighlight(ZafWindow &menu, ZafWindowObject *previous, ZafWindowObject *previousDropDown,
    ZafWindowObject *found);
