#include "framework/controls/ZafMenuImages.h"

#include "framework/core/base/ZafStaticData.h"
#include "framework/core/data/ZafImageData.h"

ZafBitmapData *ZafMenuImages::images[4] = { nullptr, nullptr, nullptr, nullptr };

namespace {

constexpr ZafInt8 T = -1;   // transparent
constexpr ZafInt8 K = 0;    // black

// The pictures row by row, top first: bit (width - 1 - x) set makes pixel x
// black, clear leaves it transparent. The left arrow is the right one
// mirrored.
constexpr ZafUInt16 checkRows[10] = { 0x00, 0x02, 0x06, 0x8E, 0xDC, 0xF8, 0x70, 0x20, 0x00, 0x00 };
constexpr ZafUInt16 radioRows[10] = { 0x00, 0x00, 0x38, 0x7C, 0x7C, 0x7C, 0x38, 0x00, 0x00, 0x00 };
constexpr ZafUInt16 arrowRows[9] = { 0x10, 0x18, 0x1C, 0x1E, 0x1F, 0x1E, 0x1C, 0x18, 0x10 };

// The bitmaps keep pointing at these.
ZafInt8 check[10 * 9];
ZafInt8 radio[10 * 9];
ZafInt8 rightArrow[9 * 5];
ZafInt8 leftArrow[9 * 5];

ZafBitmapData *Make(ZafInt32 width, ZafInt32 height, const ZafUInt16 *rows, ZafInt8 *pixels, bool mirrored = false)
{
    for (ZafInt32 y = 0; y < height; ++y)
        for (ZafInt32 x = 0; x < width; ++x)
        {
            const ZafInt32 column = mirrored ? width - 1 - x : x;
            pixels[y * width + x] = (rows[y] >> (width - 1 - column)) & 1 ? K : T;
        }
    ZafBitmapData *data = new ZafBitmapData(ZafBitmapStruct(width, height, pixels, true));
    data->SetDestroyable(false);
    return data;
}

} // namespace

void ZafMenuImages::Use()
{
    if (images[0])
        return;
    images[0] = Make(9, 10, checkRows, check);
    images[1] = Make(9, 10, radioRows, radio);
    images[2] = Make(5, 9, arrowRows, rightArrow);
    images[3] = Make(5, 9, arrowRows, leftArrow, true);
    ZafRegisterStaticData(&ZafMenuImages::Release);
}

void ZafMenuImages::Release(bool release)
{
    ZafReleaseTable(release, images);
}
