#pragma once
// Conversion between the Windows MSG record and the portable copy of it in
// ZafEventStruct (ZafOSEventStruct), word for word.

#include "framework/core/events/ZafEventStruct.h"

#include <windows.h>

inline ZafOSEventStruct ZafOSEventFromMSG(const MSG &message)
{
    ZafOSEventStruct os;
    os.hwnd = message.hwnd;
    os.message = message.message;
    os.wParam = message.wParam;
    os.lParam = message.lParam;
    os.time = message.time;
    os.x = message.pt.x;
    os.y = message.pt.y;
    return os;
}

inline MSG ZafMSGFromOSEvent(const ZafOSEventStruct &os)
{
    MSG message = {};
    message.hwnd = static_cast<HWND>(os.hwnd);
    message.message = os.message;
    message.wParam = os.wParam;
    message.lParam = os.lParam;
    message.time = os.time;
    message.pt.x = os.x;
    message.pt.y = os.y;
    return message;
}
