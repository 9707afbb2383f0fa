// The Windows half of the image descriptions: releasing the OS handles that
// the display made from them (for the display and the image data objects).

#include "framework/core/data/ZafImageStruct.h"

#include <windows.h>

void ZafDestroyOSHandles(ZafBitmapStruct &bitmap)
{
    if (!bitmap.staticHandle) {
        if (bitmap.osBitmap)
            DeleteObject(static_cast<HBITMAP>(bitmap.osBitmap));
        if (bitmap.osMask)
            DeleteObject(static_cast<HBITMAP>(bitmap.osMask));
    }
    bitmap.osBitmap = bitmap.osMask = nullptr;
}

void ZafDestroyOSHandles(ZafIconStruct &icon)
{
    if (!icon.staticHandle && icon.osIcon)
        DestroyIcon(static_cast<HICON>(icon.osIcon));
    icon.osIcon = nullptr;
}

void ZafDestroyOSHandles(ZafMouseStruct &mouse)
{
    if (!mouse.staticHandle && mouse.osCursor)
        DestroyCursor(static_cast<HCURSOR>(mouse.osCursor));
    mouse.osCursor = nullptr;
}
