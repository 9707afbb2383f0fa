#pragma once
// Shared by the list and the combo box on Windows: an item of theirs put
// into the OS list. GUI thread only.
#include <windows.h>

#include "framework/core/base/ZafTypes.h"

class ZafWindowObject;

// Inserts the item at index (-1 appends) with LB_INSERTSTRING or
// CB_INSERTSTRING: its text when the OS draws the texts (converted to the
// local code set on an 8-bit platform), else the item object itself.
void ZafInsertOSListItem(ZafOSWindow control, UINT message, int index, ZafWindowObject *item, bool systemDrawn);
