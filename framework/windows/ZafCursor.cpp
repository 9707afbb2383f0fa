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
    case ZAF_DEVICE_ON:
        ShowCaret(nullptr);
        break;
    case ZAF_DEVICE_OFF:
        HideCaret(nullptr);
        break;
    }
    // The device keeps the state and the installed flag.
    return ZafDevice::Event(event);
}
