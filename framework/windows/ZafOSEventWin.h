#pragma once
// Conversion between the Windows MSG record and the portable copy of it in
// ZafEventStruct (ZafOSEventStruct), word for word, and the raw event of a
// message a window procedure is handling now.

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

// The raw event (ZAF_EVENT_OS) of a message a window procedure is handling:
// its time and pointer position are those of the message being processed.
inline ZafEventStruct ZafRawEventOfMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG record = { window, message, wParam, lParam, DWORD(GetMessageTime()), {} };
    const DWORD position = GetMessagePos();
    record.pt.x = ZafInt16(LOWORD(position));
    record.pt.y = ZafInt16(HIWORD(position));
    return ZafEventStruct(ZAF_EVENT_OS, ZafOSEventFromMSG(record));
}
