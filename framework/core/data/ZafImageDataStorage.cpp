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

} // namespace

ZafBitmapData::ZafBitmapData(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafBitmapData(ZafBitmapStruct())
{
    ZafReadDataRecord(*this, name, persistence, L"ZafBitmapData", ZAF_ID_BITMAP_DATA,
        [this](ZafFile &file) { return ReadImage(file, bitmap); });
}

ZafError ZafBitmapData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafBitmapData", ZAF_ID_BITMAP_DATA,
        [this](ZafFile &file) { WriteImage(file, bitmap); });
}

ZafIconData::ZafIconData(const ZafIChar *name, ZafObjectPersistence &persistence) : ZafIconData(ZafIconStruct())
{
    ZafReadDataRecord(*this, name, persistence, L"ZafIconData", ZAF_ID_ICON_DATA,
        [this](ZafFile &file) { return ReadImage(file, icon); });
}

ZafError ZafIconData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafIconData", ZAF_ID_ICON_DATA,
        [this](ZafFile &file) { WriteImage(file, icon); });
}

ZafMouseData::ZafMouseData(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafMouseData(ZafMouseStruct())
{
    ZafReadDataRecord(*this, name, persistence, L"ZafMouseData", ZAF_ID_MOUSE_DATA, [this](ZafFile &file) {
        ZafMouseStruct read;
        if (!ReadImage(file, read))
            return false;
        ZafInt32 x, y;
        if (!file.ReadInt32(x) || !file.ReadInt32(y)) {
            delete[] read.array;
            return false;
        }
        if (!mouse.staticArray)
            delete[] mouse.array;
        mouse.width = read.width;
        mouse.height = read.height;
        mouse.array = read.array;
        mouse.staticArray = 0;
        // A hot spot outside the image is moved onto its nearest edge.
        mouse.hotSpotX = x < 0 ? 0 : (read.width > 0 && x >= read.width) ? read.width - 1 : x;
        mouse.hotSpotY = y < 0 ? 0 : (read.height > 0 && y >= read.height) ? read.height - 1 : y;
        return true;
    });
}

ZafError ZafMouseData::Write(ZafObjectPersistence &persistence)
{
    return ZafWriteDataRecord(*this, persistence, L"ZafMouseData", ZAF_ID_MOUSE_DATA, [this](ZafFile &file) {
        WriteImage(file, mouse);
        file.WriteInt32(mouse.hotSpotX);
        file.WriteInt32(mouse.hotSpotY);
    });
}
