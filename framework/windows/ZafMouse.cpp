// The Windows half of the mouse device: showing, hiding, moving and shaping
// the OS pointer.
#include <windows.h>


#include "framework/core/data/ZafImageData.h"
#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafMouse.h"

ZafMouse::ZafMouse(ZafDeviceState state, ZafEventType image) : ZafDevice(ZAF_MOUSE, state), image(image)
{
    PointerImage(image);   // builds the table with the first mouse
}

ZafMouse::~ZafMouse()
{
    installed = 0;
}

ZafEventType ZafMouse::Event(const ZafEventStruct &event)
{
    const ZafEventType type = event.type;
    if (type == ZAF_DEVICE_MOVE_POINTER)
    {
        x = event.region.left;
        y = event.region.top;
        SetCursorPos(x, y);
        return type;
    }
    if (type == ZAF_DEVICE_STATE_QUERY)
        return deviceState;
    if (type == ZAF_DEVICE_ON || type == ZAF_DEVICE_OFF)
    {
        // ShowCursor keeps a count: change it only when the state changes.
        if (type != deviceState)
            ShowCursor(type == ZAF_DEVICE_ON ? TRUE : FALSE);
        deviceState = type;
        return type;
    }
    if (type <= ZAF_POINTER_ARROW && type >= ZAF_POINTER_LAST)
    {
        image = type;
        ZafMouseData *data = PointerImage(type);
        if (data && data->Mouse().osCursor)
            SetCursor(static_cast<HCURSOR>(data->Mouse().osCursor));
        return type;
    }
    if (type == ZAF_DEVICE_ADDED || type == ZAF_DEVICE_REMOVED)
        return ZafDevice::Event(event);
    return type;
}

void ZafMouse::Poll()
{
    if (deviceState == ZAF_DEVICE_OFF)
        ZafDropQueuedInput(ZAF_INPUT_MOUSE);
}
