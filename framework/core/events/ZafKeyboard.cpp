#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafEventManager.h"


void ZafDropQueuedInput(ZafEventType inputClass)
{
    ZafEventManager *manager = ZafEventManager::Shared();
    if (!manager)
        return;
    manager->DropFrontInput(inputClass);
}

ZafKeyboard::ZafKeyboard(ZafDeviceState state) : ZafDevice(ZAF_KEYBOARD, state)
{
}

ZafKeyboard::~ZafKeyboard()
{
    installed = 0;
}

ZafEventType ZafKeyboard::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_DEVICE_STATE_QUERY:
        return deviceState;
    case ZAF_DEVICE_ON:
    case ZAF_DEVICE_OFF:
        deviceState = event.type;
        return event.type;
    case ZAF_DEVICE_ADDED:
    case ZAF_DEVICE_REMOVED:
        return ZafDevice::Event(event);
    default:
        return event.type;
    }
}

void ZafKeyboard::Poll()
{
    if (deviceState == ZAF_DEVICE_OFF)
        ZafDropQueuedInput(ZAF_INPUT_KEYBOARD);
}
