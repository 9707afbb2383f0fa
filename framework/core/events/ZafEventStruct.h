#pragma once
// ZafEventStruct: the framework's event record. It is a plain value, copied
// whole into and out of the event queue: event type, a copy of the OS message,
// raw code or value, modifier words, the object the event names and five data
// words (a region or position, an object, a text or the scroll values). It owns
// nothing: a text passed in the data words belongs to the receiver once the
// receiver answers anything other than ZAF_NOT_HANDLED or ZAF_MODAL_GONE, else
// it stays with the sender.

#include "framework/core/display/ZafRegionStruct.h"

class ZafWindowObject;

// The operating-system message, word for word as the Windows MSG record.
struct ZafOSEventStruct
{
    ZafOSWindow hwnd;
    ZafUInt32 message;
    uintptr_t wParam;
    intptr_t lParam;
    ZafUInt32 time;
    ZafInt32 x;                       // cursor position in screen pixels
    ZafInt32 y;
};

// The five scroll values of a scroll event; the fifth word carries the change.
struct ZafScrollStruct
{
    ZafInt32 current;
    ZafInt32 minimum;
    ZafInt32 maximum;
    ZafInt32 pageSize;
    ZafInt32 delta;                   // line step, or the change of a scroll event
};

struct ZafEventStruct
{
    ZafEventType type;
    ZafOSEventStruct osEvent;
    ZafRawCode rawCode;               // raw code (virtual key, mouse code) or value
    ZafUInt32 modifiers;              // Shift 3, Ctrl 4, Alt 8, NumLock 0x20, CapsLock 0x40, Insert 0x80
    ZafUInt32 key;                    // the character of a keyboard event
    ZafWindowObject *windowObject;    // the object the event names (input events)
    ZafUInt32 mapModifiers;           // input-map field: Shift/Ctrl/Alt | 0x200 press | 0x400 release | 0x800 double click
    union
    {
        ZafRegionStruct region;       // also a position: left = x, top = y, coordinateType
        ZafWindowObject *dataObject;  // first data word: the window (ZafEventObject)
        ZafIChar *text;               // first data word: a text (see ownership above)
        ZafScrollStruct scroll;
    };

    // Type 0, every other word cleared.
    ZafEventStruct();
    // Type and value set, every other word cleared.
    ZafEventStruct(ZafEventType type, ZafRawCode value);
    // Type and the seven words of the OS message; every other word cleared.
    ZafEventStruct(ZafEventType type, const ZafOSEventStruct &osEvent);
    // Type, value and the five region words; every other word cleared.
    ZafEventStruct(ZafEventType type, ZafRawCode value, const ZafRegionStruct &region);

    // ZAF_INPUT_KEYBOARD (raw key messages), ZAF_INPUT_MOUSE (raw client and
    // non-client mouse messages), ZAF_INPUT_SYSTEM (types -2999 .. -1),
    // ZAF_INPUT_USER (types 100 .. 9999), else the type itself.
    ZafEventType InputClass() const;

    ZafPositionStruct Position() const { return { region.left, region.top, region.coordinateType }; }
    void SetPosition(const ZafPositionStruct &position)
    {
        region.Assign(position.column, position.line, 0, 0, position.coordinateType);
    }
};
