#pragma once
// A window's child list holds window objects as list elements; AsObject is
// the one cast from the element back to the object, for the sources that
// walk such lists (they bring it in with a using-declaration). TakeAsListItem
// is what the list controls do to an object that becomes one of their items.

#include "framework/core/objects/ZafWindowObject.h"

namespace ZafChildObjects {

inline ZafWindowObject *AsObject(ZafElement *element) { return static_cast<ZafWindowObject *>(element); }

// The item lives in the list's window and takes the list's border, focus
// and palette.
inline void TakeAsListItem(ZafWindowObject *object)
{
    object->SetOwnOSWindow(false);
    object->SetBorderByParent(true);
    object->SetFocusByParent(true);
    object->SetPaletteFromParent(true);
}

} // namespace ZafChildObjects
