// The Windows half of ZafBorder: the frame width from the system metrics,
// and sharing the window's frame handle.
#include <windows.h>

#include "framework/controls/ZafBorder.h"
#include "framework/core/objects/ZafWindow.h"

ZafEventType ZafBorder::Event(const ZafEventStruct &event)
{
    if (event.type == ZAF_EV_REGISTER && parent)
        osWindow = parent->OSHandle(2);
    else if (event.type == ZAF_EV_OS_WINDOW_GONE)
        osWindow = nullptr;
    return ZAF_NOT_HANDLED;
}

int ZafBorder::Width()
{
    const ZafWindow *window = dynamic_cast<const ZafWindow *>(parent);
    if (!window)
        return width;
    if (window->IsAClassID(ZAF_ID_DIALOG_WINDOW))
        width = GetSystemMetrics(SM_CXDLGFRAME);
    else if (window->Sizeable())
        width = GetSystemMetrics(SM_CXFRAME);
    else
        width = GetSystemMetrics(SM_CXBORDER);
    return width;
}
