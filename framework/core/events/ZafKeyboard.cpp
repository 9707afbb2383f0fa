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
    // The keyboard only keeps its state: a switched-off keyboard drops its
    // input in Poll.
    return ZafDevice::Event(event);
}

void ZafKeyboard::Poll()
{
    if (deviceState == ZAF_DEVICE_OFF)
        ZafDropQueuedInput(ZAF_INPUT_KEYBOARD);
}
