#include "ZafLayoutTestSupport.h"

ZafWindowObject *NewPixelChild(int left, int top, int width, int height)
{
    ZafWindowObject *child = new ZafWindowObject(left, top, width, height);
    child->SetCoordinateType(ZAF_PIXEL);
    return child;
}

RECT RectInParent(ZafOSWindow window)
{
    HWND handle = static_cast<HWND>(window);
    RECT rect = {};
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

void ResizeFrame(ZafOSWindow frame, int growX, int growY)
{
    HWND handle = static_cast<HWND>(frame);
    RECT rect;
    GetWindowRect(handle, &rect);
    SetWindowPos(handle, nullptr, 0, 0, rect.right - rect.left + growX, rect.bottom - rect.top + growY,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
