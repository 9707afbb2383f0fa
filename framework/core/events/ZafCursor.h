#pragma once
// ZafCursor: the text caret device (device type ZAF_CARET). It shows and hides the
// caret of the window that owns it and keeps the caret mode (ZAF_CARET_INSERT,
// ZAF_CARET_OVERSTRIKE) for the text controls. Owned by the event manager's
// device list once added. GUI thread only.

#include "framework/core/events/ZafDevice.h"

class ZafCursor : public ZafDevice
{
public:
    ZafCursor(ZafDeviceState state = ZAF_DEVICE_ON, ZafEventType mode = ZAF_CARET_INSERT);
    ~ZafCursor() override;

    ZAF_CLASS_IDENTITY(ZafDevice, ZAF_ID_CURSOR, L"ZafCursor")

    // ZAF_CARET_OVERSTRIKE/ZAF_CARET_INSERT set the mode;
    // ZAF_DEVICE_STATE_QUERY answers the state; ZAF_DEVICE_ON shows and
    // ZAF_DEVICE_OFF hides the caret. Other codes are answered unchanged.
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
