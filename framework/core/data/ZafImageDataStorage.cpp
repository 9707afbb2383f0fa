// Storage forms of the image data objects: i32 width, i32 height, then one
// signed byte per pixel, top row first (-1 transparent); a pointer image adds
// i32 hot spot x and y. Images are at most 4096 pixels a side.

#include "framework/core/data/ZafDataRecord.h"
#include "framework/core/data/ZafImageData.h"

namespace {

constexpr ZafInt32 maxImageSide = 4096;

bool ReadImage(ZafFile &file, ZafImageStruct &image)
{
    ZafInt32 width, height;
    if (!file.ReadInt32(width) || !file.ReadInt32(height) || width < 0 || height < 0 ||
        width > maxImageSide || height > maxImageSide || !ZafRecordHolds(file, width * height, 1))
        return false;
    ZafInt8 *pixels = width * height > 0 ? new ZafInt8[size_t(width * height)] : nullptr;
    if (pixels && file.ReadBlock(pixels, 1, width * height) != width * height) {
        delete[] pixels;
        return false;
    }
    if (!image.staticArray)
        delete[] image.array;
    image.width = width;
    image.height = height;
    image.array = pixels;
    image.staticArray = 0;
    return true;
}

void WriteImage(ZafFile &file, const ZafImageStruct &image)
{
    ZafInt32 count = image.array ? image.PixelCount() : 0;
    file.WriteInt32(count ? image.width : 0);
    file.WriteInt32(count ? image.height : 0);
    if (count)
        file.WriteBlock(image.array, 1, count);
}

// A pointer image adds its hot spot; one outside the image is moved onto its
// nearest edge.
bool ReadImage(ZafFile &file, ZafMouseStruct &mouse)
{
    ZafImageStruct read;
    if (!ReadImage(file, read))
        return false;
    ZafInt32 x, y;
    if (!file.ReadInt32(x) || !file.ReadInt32(y)) {
        delete[] read.array;
        return false;
    }
    if (!mouse.staticArray)
        delete[] mouse.array;
    static_cast<ZafImageStruct &>(mouse) = read;
    mouse.hotSpotX = x < 0 ? 0 : (read.width > 0 && x >= read.width) ? read.width - 1 : x;
    mouse.hotSpotY = y < 0 ? 0 : (read.height > 0 && y >= read.height) ? read.height - 1 : y;
    return true;
}

void WriteImage(ZafFile &file, const ZafMouseStruct &mouse)
{
    WriteImage(file, static_cast<const ZafImageStruct &>(mouse));
    file.WriteInt32(mouse.hotSpotX);
    file.WriteInt32(mouse.hotSpotY);
}

} // namespace

template <class Derived, class Struct>
ZafImageDataOf<Derived, Struct>::ZafImageDataOf(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafImageDataOf(Struct())
{
    ZafReadDataRecord(*this, name, persistence, Derived::className, Derived::classID,
        [this](ZafFile &file) { return ReadImage(file, image); });
}

template <class Derived, class Struct>
ZafError ZafImageDataOf<Derived, Struct>::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, Derived::className, Derived::classID,
        [this](ZafFile &file) { WriteImage(file, image); });
}

// The class itself is instantiated with its other members in ZafImageData.cpp.
template ZafImageDataOf<ZafBitmapData, ZafBitmapStruct>::ZafImageDataOf(const ZafIChar *, ZafObjectPersistence &);
template ZafError ZafImageDataOf<ZafBitmapData, ZafBitmapStruct>::Write(ZafObjectPersistence &);
template ZafImageDataOf<ZafIconData, ZafIconStruct>::ZafImageDataOf(const ZafIChar *, ZafObjectPersistence &);
template ZafError ZafImageDataOf<ZafIconData, ZafIconStruct>::Write(ZafObjectPersistence &);
template ZafImageDataOf<ZafMouseData, ZafMouseStruct>::ZafImageDataOf(const ZafIChar *, ZafObjectPersistence &);
template ZafError ZafImageDataOf<ZafMouseData, ZafMouseStruct>::Write(ZafObjectPersistence &);
