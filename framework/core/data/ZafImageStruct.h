#pragma once
// Image descriptions: device-independent pixel arrays (one signed byte per
// pixel, a colour index, top row first; -1 = transparent) with the OS handles
// made from them when they are drawn or installed. ZafBitmapStruct,
// ZafIconStruct and ZafMouseStruct add the handles of their kind. These are
// plain descriptions: the data objects that hold them (ZafBitmapData,
// ZafIconData, ZafMouseData) free non-static arrays and non-static handles.

#include "framework/core/base/ZafTypes.h"

struct ZafImageStruct
{
    ZafInt32 width = 0;
    ZafInt32 height = 0;
    ZafInt8 *array = nullptr;         // width x height bytes
    ZafUInt8 staticArray = 0;         // 1: the array is never freed

    ZafImageStruct() = default;
    ZafImageStruct(ZafInt32 width, ZafInt32 height, ZafInt8 *array, bool staticArray)
        : width(width), height(height), array(array), staticArray(staticArray ? 1 : 0)
    {
    }
    // Bytes of the pixel array; 0 for a negative size.
    ZafInt32 PixelCount() const { return width > 0 && height > 0 ? width * height : 0; }
};

struct ZafBitmapStruct : ZafImageStruct
{
    ZafOSBitmap osBitmap = nullptr;
    ZafOSBitmap osMask = nullptr;
    ZafUInt8 staticHandle = 0;        // 1: the handles are never deleted

    ZafBitmapStruct() = default;
    // Fills the description; both handles cleared.
    ZafBitmapStruct(ZafInt32 width, ZafInt32 height, ZafInt8 *array, bool staticArray)
        : ZafImageStruct(width, height, array, staticArray)
    {
    }
};

struct ZafIconStruct : ZafImageStruct
{
    ZafOSIcon osIcon = nullptr;
    ZafUInt8 staticHandle = 0;

    ZafIconStruct() = default;
    ZafIconStruct(ZafInt32 width, ZafInt32 height, ZafInt8 *array, bool staticArray)
        : ZafImageStruct(width, height, array, staticArray)
    {
    }
};

// Mouse pointer images: 0 black, -1 (255) transparent, anything else white.
struct ZafMouseStruct : ZafImageStruct
{
    ZafInt32 hotSpotX = 0;
    ZafInt32 hotSpotY = 0;
    ZafOSCursor osCursor = nullptr;
    ZafUInt8 staticHandle = 0;

    ZafMouseStruct() = default;
    ZafMouseStruct(ZafInt32 width, ZafInt32 height, ZafInt8 *array, ZafInt32 hotSpotX,
                   ZafInt32 hotSpotY, bool staticArray)
        : ZafImageStruct(width, height, array, staticArray), hotSpotX(hotSpotX), hotSpotY(hotSpotY)
    {
    }
};

// Windows half (ZafImageDataWin.cpp): deletes a description's OS handles
// unless they are static, then clears them.
void ZafDestroyOSHandles(ZafBitmapStruct &bitmap);
void ZafDestroyOSHandles(ZafIconStruct &icon);
void ZafDestroyOSHandles(ZafMouseStruct &mouse);
