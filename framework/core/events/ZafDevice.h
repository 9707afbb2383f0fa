#pragma once
// ZafDevice: base of the input devices (keyboard, mouse, caret, help tips).
// A device is an element of the event manager's device list, which owns it
// while it is added. It carries an installed flag, its device type and its
// state (-3001 on, -3000 off, or a device-specific mode). The event manager
// gives it events and polls it once in each pass of Get that found the queue
// empty. GUI thread only.

#include "framework/core/base/ZafElement.h"
#include "framework/core/events/ZafEventStruct.h"

class ZafDevice : public ZafElement
{
public:
    ZafDevice(ZafDeviceType type, ZafDeviceState state);
    ~ZafDevice() override = default;

    ZAF_CLASS_IDENTITY(ZafElement, ZAF_ID_DEVICE, L"ZafDevice")

    // ZAF_DEVICE_STATE_QUERY answers the state; ZAF_DEVICE_ON and
    // ZAF_DEVICE_OFF become the state; ZAF_DEVICE_ADDED and ZAF_DEVICE_REMOVED
    // set and clear the installed flag; other types are answered unchanged.
    virtual ZafEventType Event(const ZafEventStruct &event);
    // Called when the queue is empty; a device may queue events. Base: nothing.
    virtual void Poll();
    // Stores the state; answers it.
    virtual ZafDeviceState SetDeviceState(ZafDeviceState state);

    ZafDeviceType DeviceType() const { return deviceType; }
    ZafDeviceState DeviceState() const { return deviceState; }
    bool Installed() const { return installed != 0; }

    ZafDevice *Next() const { return static_cast<ZafDevice *>(next); }

protected:
    ZafUInt8 installed = 0;
    ZafDeviceType deviceType;
    ZafDeviceState deviceState;
};
