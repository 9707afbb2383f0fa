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

// A copy starts without the OS handles unless they are static.
void ForgetOSHandles(ZafBitmapStruct &bitmap)
{
    bitmap.osBitmap = bitmap.osMask = nullptr;
}

void ForgetOSHandles(ZafIconStruct &icon)
{
    icon.osIcon = nullptr;
}

void ForgetOSHandles(ZafMouseStruct &mouse)
{
    mouse.osCursor = nullptr;
}

} // namespace

template <class Derived, class Struct>
ZafImageDataOf<Derived, Struct>::ZafImageDataOf(const Struct &description) : image(description)
{
    OwnPixels(image);
}

template <class Derived, class Struct>
ZafImageDataOf<Derived, Struct>::ZafImageDataOf(const ZafImageDataOf &copy) : ZafData(copy), image(copy.image)
{
    OwnPixels(image);
    if (!image.staticHandle)
        ForgetOSHandles(image);
}

template <class Derived, class Struct>
ZafImageDataOf<Derived, Struct>::~ZafImageDataOf()
{
    ZafDestroyOSHandles(image);
    FreePixels(image);
}

template class ZafImageDataOf<ZafBitmapData, ZafBitmapStruct>;
template class ZafImageDataOf<ZafIconData, ZafIconStruct>;
template class ZafImageDataOf<ZafMouseData, ZafMouseStruct>;

ZafMouseData::ZafMouseData(const ZafMouseStruct &description, ZafNumberID id) : ZafImageDataOf(description)
{
    SetNumberID(id);
}
