#pragma once
// ZafInputMap: one entry of a class input map, which turns a translated raw
// input event (input class, raw code, map modifier field) into a logical
// event. A class's map is a static array searched front to back (the first
// match wins) and ended by an entry whose logical event is ZAF_NO_EVENT.

#include "framework/core/base/ZafConstants.h"

struct ZafInputMap
{
    ZafLogicalEvent logicalEvent;     // 1000 .. 1099, ZAF_NO_EVENT ends the map
    ZafEventType inputClass;          // 10 keyboard, 30 mouse
    ZafRawCode rawCode;               // virtual key, or the mouse code of TranslateInputEvent
    ZafUInt32 modifiers;              // Shift/Ctrl/Alt | 0x200 press | 0x400 release | 0x800 double click
};
