// The Windows half of ZafTitle: the caption of the window's frame.
#include <windows.h>

#include "framework/controls/ZafTitle.h"
#include "framework/windows/ZafWindowsShared.h"

ZafEventType ZafTitle::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_REGISTER && parent)
    {
        osWindow = parent->OSHandle(2);
        UpdateOSListItem();
    }
    else if (event.type == ZAF_EV_OS_WINDOW_GONE)
        osWindow = nullptr;
    return ZAF_NOT_HANDLED;
}

ZafEventType ZafTitle::UpdateOSListItem()
{
    if (Registered() && stringData)
        ZafSetOSWindowText(static_cast<HWND>(osWindow), Text());
    return 0;
}
