#pragma once
// ZafKeyboard: the keyboard device (device type and input class 10). Windows
// delivers key presses as messages that event retrieval queues; the device
// only holds the on/off state, and while it is switched off (-3000) its
// polling drops keyboard input from the head of the queue. Owned by the
// event manager's device list once added. GUI thread only.

#include "framework/core/events/ZafDevice.h"

class ZafKeyboard : public ZafDevice
{
public:
    explicit ZafKeyboard(ZafDeviceState state = ZAF_DEVICE_ON);
    ~ZafKeyboard() override;

    ZAF_CLASS_IDENTITY(ZafDevice, ZAF_ID_KEYBOARD, L"ZafKeyboard")

    // ZAF_DEVICE_STATE_QUERY answers the state; ZAF_DEVICE_ON and
    // ZAF_DEVICE_OFF become the state; every other code is answered
    // unchanged.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Switched off: drops a keyboard event at the head of the queue.
    void Poll() override;
};

// Drops the event at the head of the shared event manager's queue when its
// input class is the given one (a keyboard or mouse event, framework or raw).
// Never waits and never reads the OS queue.
void ZafDropQueuedInput(ZafEventType inputClass);
