#include "framework/core/data/ZafImageData.h"

#include <cstring>
#include <cwchar>

namespace {

// Makes the description own a copy of a non-static pixel array.
void OwnPixels(ZafImageStruct &image)
{
    if (image.staticArray || !image.array)
        return;
    const ZafInt32 count = image.PixelCount();
    if (count == 0) {
        image.array = nullptr;
        return;
    }
    ZafInt8 *copy = new ZafInt8[size_t(count)];
    std::memcpy(copy, image.array, size_t(count));
    image.array = copy;
}

void FreePixels(ZafImageStruct &image)
{
    if (!image.staticArray)
        delete[] image.array;
    image.array = nullptr;
}

} // namespace

// ---- ZafBitmapData ----------------------------------------------------------

ZafBitmapData::ZafBitmapData(const ZafBitmapStruct &description) : bitmap(description)
{
    OwnPixels(bitmap);
}

ZafBitmapData::ZafBitmapData(const ZafBitmapData &copy) : ZafData(copy), bitmap(copy.bitmap)
{
    OwnPixels(bitmap);
    if (!bitmap.staticHandle)
        bitmap.osBitmap = bitmap.osMask = nullptr;
}

ZafBitmapData::~ZafBitmapData()
{
    DestroyOSHandles();
    FreePixels(bitmap);
}

// ---- ZafIconData ------------------------------------------------------------

ZafIconData::ZafIconData(const ZafIconStruct &description) : icon(description)
{
    OwnPixels(icon);
}

ZafIconData::ZafIconData(const ZafIconData &copy) : ZafData(copy), icon(copy.icon)
{
    OwnPixels(icon);
    if (!icon.staticHandle)
        icon.osIcon = nullptr;
}

ZafIconData::~ZafIconData()
{
    DestroyOSHandles();
    FreePixels(icon);
}

// ---- ZafMouseData -----------------------------------------------------------

ZafMouseData::ZafMouseData(const ZafMouseStruct &description, ZafNumberID id) : mouse(description)
{
    OwnPixels(mouse);
    SetNumberID(id);
}

ZafMouseData::ZafMouseData(const ZafMouseData &copy) : ZafData(copy), mouse(copy.mouse)
{
    OwnPixels(mouse);
    if (!mouse.staticHandle)
        mouse.osCursor = nullptr;
}

ZafMouseData::~ZafMouseData()
{
    DestroyOSHandles();
    FreePixels(mouse);
}
