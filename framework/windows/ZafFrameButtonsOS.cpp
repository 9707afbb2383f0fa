// The frame buttons on Windows: they remember their window's frame, and the
// system button lends its menu items to the frame's OS system menu.
#include <windows.h>

#include "framework/controls/ZafFrameButtons.h"
#include "framework/windows/ZafMenuOS.h"

ZafEventType ZafFrameButton::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_REGISTER)
        osWindow = parent ? parent->OSHandle(2) : nullptr;
    else if (event.type == ZAF_EV_OS_WINDOW_GONE)
        osWindow = nullptr;
    return ZAF_NOT_HANDLED;
}

ZafEventType ZafSystemButton::Event(const ZafEventStruct &event)
{
    switch (event.type)
    {
    case ZAF_EV_REGISTER:
    {
        osWindow = parent ? parent->OSHandle(2) : nullptr;
        HWND frame = static_cast<HWND>(osWindow);
        if (systemMenuType != 0 && frame)
        {
            HMENU menu = GetSystemMenu(frame, FALSE);
            systemMenu.UseOSMenu(menu);
            while (menu && RemoveMenu(menu, 0, MF_BYPOSITION))
                ;
            systemMenu.Event(event);
        }
        return ZAF_NOT_HANDLED;
    }
    case ZAF_EV_OS_WINDOW_GONE:
    {
        HWND frame = static_cast<HWND>(osWindow);
        if (systemMenuType != 0)
        {
            systemMenu.Event(event);
            if (frame && IsWindow(frame))
                GetSystemMenu(frame, TRUE);
        }
        osWindow = nullptr;
        return ZAF_NOT_HANDLED;
    }
    case ZAF_EV_SETTLE:
        return systemMenu.Event(event);
    default:
        return ZAF_NOT_HANDLED;
    }
}
