// The Windows half of the image data objects: releasing the OS handles that
// the display made from their descriptions.

#include "framework/core/data/ZafImageData.h"

#include <windows.h>

void ZafBitmapData::DestroyOSHandles()
{
    if (!bitmap.staticHandle) {
        if (bitmap.osBitmap)
            DeleteObject(static_cast<HBITMAP>(bitmap.osBitmap));
        if (bitmap.osMask)
            DeleteObject(static_cast<HBITMAP>(bitmap.osMask));
    }
    bitmap.osBitmap = bitmap.osMask = nullptr;
}

void ZafIconData::DestroyOSHandles()
{
    if (!icon.staticHandle && icon.osIcon)
        DestroyIcon(static_cast<HICON>(icon.osIcon));
    icon.osIcon = nullptr;
}

void ZafMouseData::DestroyOSHandles()
{
    if (!mouse.staticHandle && mouse.osCursor)
        DestroyCursor(static_cast<HCURSOR>(mouse.osCursor));
    mouse.osCursor = nullptr;
}
