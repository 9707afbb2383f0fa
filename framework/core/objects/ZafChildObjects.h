#pragma once
// A window's child list holds window objects as list elements; AsObject is
// the one cast from the element back to the object, for the sources that
// walk such lists (they bring it in with a using-declaration).

#include "framework/core/objects/ZafWindowObject.h"

namespace ZafChildObjects {

inline ZafWindowObject *AsObject(ZafElement *element) { return static_cast<ZafWindowObject *>(element); }

} // namespace ZafChildObjects
