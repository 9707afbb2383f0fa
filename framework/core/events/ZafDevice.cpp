#include "framework/core/events/ZafDevice.h"


ZafDevice::ZafDevice(ZafDeviceType type, ZafDeviceState state) : deviceType(type), deviceState(state)
{
}

ZafEventType ZafDevice::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case ZAF_DEVICE_STATE_QUERY:
        return deviceState;
    case ZAF_DEVICE_ON:
    case ZAF_DEVICE_OFF:
        return SetDeviceState(event.type);
    case ZAF_DEVICE_ADDED:
        installed = 1;
        return event.type;
    case ZAF_DEVICE_REMOVED:
        installed = 0;
        return event.type;
    default:
        return event.type;
    }
}

void ZafDevice::Poll()
{
}

ZafDeviceState ZafDevice::SetDeviceState(ZafDeviceState state)
{
    deviceState = state;
    return deviceState;
}
