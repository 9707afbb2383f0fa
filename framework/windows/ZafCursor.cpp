// The Windows half of the caret device.
#include <windows.h>


#include "framework/core/events/ZafCursor.h"

int ZafCursor::blinkTime = 0;

ZafCursor::ZafCursor(ZafDeviceState state, ZafEventType mode) : ZafDevice(ZAF_CARET, state), mode(mode)
{
    blinkTime = int(GetCaretBlinkTime());
}

ZafCursor::~ZafCursor()
{
    installed = 0;
}

int ZafCursor::SetBlinkTime(int milliseconds)
{
    blinkTime = milliseconds;
    SetCaretBlinkTime(UINT(milliseconds));
    return blinkTime;
}

ZafEventType ZafCursor::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_CARET_INSERT:
    case ZAF_CARET_OVERSTRIKE:
        SetMode(event.type);
        return event.type;
    case ZAF_DEVICE_STATE_QUERY:
        return deviceState;
    case ZAF_DEVICE_ON:
        deviceState = event.type;
        ShowCaret(nullptr);
        return event.type;
    case ZAF_DEVICE_OFF:
        deviceState = event.type;
        HideCaret(nullptr);
        return event.type;
    case ZAF_DEVICE_ADDED:
    case ZAF_DEVICE_REMOVED:
        return ZafDevice::Event(event);
    default:
        return event.type;
    }
}
