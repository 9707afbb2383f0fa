#pragma once
// ZafMouse: the mouse device (device type and input class 30): the pointer
// image, the pointer's visibility and its position. Images are selected by
// number id (ZAF_POINTER_ARROW, ZAF_POINTER_BUSY, ... ZAF_POINTER_LAST) from
// the framework's table of pointer images, which the first mouse builds and
// which lives until the framework's static data is released. While switched off
// (ZAF_DEVICE_OFF) the pointer is hidden and polling drops mouse input from the
// head of the queue. Owned by the event manager's device list once added. GUI
// thread.

#include "framework/core/events/ZafDevice.h"

class ZafMouseData;

class ZafMouse : public ZafDevice
{
public:
    ZafMouse(ZafDeviceState state = ZAF_DEVICE_ON, ZafEventType image = ZAF_POINTER_ARROW);
    ~ZafMouse() override;

    ZAF_CLASS_IDENTITY(ZafDevice, ZAF_ID_MOUSE, L"ZafMouse")

    // ZAF_DEVICE_MOVE_POINTER moves the pointer to the event's position (screen
    // pixels); ZAF_DEVICE_STATE_QUERY answers the state;
    // ZAF_DEVICE_ON/ZAF_DEVICE_OFF show or hide the pointer; ZAF_POINTER_LAST
    // .. ZAF_POINTER_ARROW select the pointer image (an unknown number is
    // stored and leaves the pointer as it is). Other codes are answered
    // unchanged.
    ZafEventType Event(const ZafEventStruct &event) override;
    void Poll() override;

    ZafEventType Image() const { return image; }
    // Stores the image number only.
    ZafEventType SetImage(ZafEventType value) { return image = value; }
    int X() const { return x; }
    int Y() const { return y; }

    // The pointer image of that number id from the framework's table, null
    // when there is none. Builds the table on first use.
    static ZafMouseData *PointerImage(ZafEventType id);

private:
    int x = 0;
    int y = 0;
    ZafEventType image;
    ZafInt32 reserved[2] = { 0, 0 };
};
