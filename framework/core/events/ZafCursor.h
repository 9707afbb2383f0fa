#pragma once
// ZafCursor: the text caret device (device type 50). It shows and hides the
// caret of the window that owns it and keeps the caret mode (-3100 insert,
// -3101 overstrike) for the text controls. Owned by the event manager's
// device list once added. GUI thread only.

#include "framework/core/events/ZafDevice.h"

class ZafCursor : public ZafDevice
{
public:
    ZafCursor(ZafDeviceState state = ZAF_DEVICE_ON, ZafEventType mode = ZAF_CARET_INSERT);
    ~ZafCursor() override;

    ZAF_CLASS_IDENTITY(ZafDevice, ZAF_ID_CURSOR, L"ZafCursor")

    // -3101/-3100 set the mode; -3005 answers the state; -3001 shows and
    // -3000 hides the caret. Other codes are answered unchanged.
    ZafEventType Event(const ZafEventStruct &event) override;
    // The caret needs no polling.
    void Poll() override { }

    ZafEventType Mode() const { return mode; }
    // Stores the mode only.
    ZafEventType SetMode(ZafEventType value) { return mode = value; }
    int X() const { return x; }
    int Y() const { return y; }

    // The process-wide caret blink time in milliseconds (read from the
    // system when a caret device is made).
    static int BlinkTime() { return blinkTime; }
    // Stores the blink time and hands it to the system; answers it.
    static int SetBlinkTime(int milliseconds);

private:
    int x = 0;
    int y = 0;
    ZafEventType mode;
    ZafInt32 reserved[2] = { 0, 0 };
    static int blinkTime;
};
