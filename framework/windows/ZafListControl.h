#pragma once
// Shared by the list and the combo box on Windows: an item of theirs put
// into the OS list, an item chosen there, owner drawing and measuring of
// their items, and the colours of their items. GUI thread only.
#include <windows.h>

#include "framework/core/base/ZafTypes.h"
#include "framework/core/data/ZafPaletteStruct.h"
#include "framework/core/display/ZafRegionStruct.h"
#include "framework/core/events/ZafEventStruct.h"

#include "framework/windows/ZafGdiDisplay.h"

class ZafWindowObject;

// Inserts the item at index (-1 appends) with LB_INSERTSTRING or
// CB_INSERTSTRING: its text when the OS draws the texts (converted to the
// local code set on an 8-bit platform), else the item object itself.
void ZafInsertOSListItem(ZafOSWindow control, UINT message, int index, ZafWindowObject *item, bool systemDrawn);

// The item's own member function, when it has one, with the code.
void ZafCallItemFunction(ZafWindowObject *item, const ZafEventStruct &event, ZafEventType code);

// The item the user chose in the OS list: it takes the focus and the
// selection, and its member function hears ZAF_L_SELECT.
void ZafChooseListItem(ZafWindowObject *item, const ZafEventStruct &event);

// The size in pixels an owner-drawn item asks for (after computing its
// region).
SIZE ZafListItemSize(ZafWindowObject *item);

// The colours of the items: the highlight for a selected one, the window
// colours otherwise, grey text for a disabled one when greyDisabled. False
// (nothing set) for palettes other than text, face text and background.
bool ZafResolveListItemColors(ZafPaletteStruct &palette, ZafPaletteType type, ZafPaletteState state,
    bool greyDisabled);

// WM_DRAWITEM of an owner-drawn list: the display draws into the item's
// device context while drawItem(draw, area, item) runs with the item's
// area in pixels (item null for the empty list's focus rectangle, or an
// entry without an item). Answers TRUE.
template <class DrawItem>
ZafEventType ZafDrawOwnerListItem(ZafGdiDisplay *display, const ZafEventStruct &event, DrawItem drawItem)
{
    const DRAWITEMSTRUCT *draw = reinterpret_cast<const DRAWITEMSTRUCT *>(event.osEvent.lParam);
    if (!draw || !display)
        return TRUE;
    display->BeginDraw(draw->hDC, draw->hwndItem);
    ZafRegionStruct area;
    area.Assign(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right - 1, draw->rcItem.bottom - 1, ZAF_PIXEL);
    drawItem(*draw, area,
        int(draw->itemID) == -1 ? nullptr : reinterpret_cast<ZafWindowObject *>(draw->itemData));
    display->EndDraw();
    return TRUE;
}
