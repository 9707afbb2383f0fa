#include "framework/controls/ZafMenuImages.h"

#include "framework/core/base/ZafStaticData.h"
#include "framework/core/data/ZafImageData.h"

ZafBitmapData *ZafMenuImages::images[4] = { nullptr, nullptr, nullptr, nullptr };

namespace {

constexpr ZafInt8 T = -1;   // transparent
constexpr ZafInt8 K = 0;    // black

ZafInt8 check[10 * 9] = {
    T, T, T, T, T, T, T, T, T,
    T, T, T, T, T, T, T, K, T,
    T, T, T, T, T, T, K, K, T,
    T, K, T, T, T, K, K, K, T,
    T, K, K, T, K, K, K, T, T,
    T, K, K, K, K, K, T, T, T,
    T, T, K, K, K, T, T, T, T,
    T, T, T, K, T, T, T, T, T,
    T, T, T, T, T, T, T, T, T,
    T, T, T, T, T, T, T, T, T,
};

ZafInt8 radio[10 * 9] = {
    T, T, T, T, T, T, T, T, T,
    T, T, T, T, T, T, T, T, T,
    T, T, T, K, K, K, T, T, T,
    T, T, K, K, K, K, K, T, T,
    T, T, K, K, K, K, K, T, T,
    T, T, K, K, K, K, K, T, T,
    T, T, T, K, K, K, T, T, T,
    T, T, T, T, T, T, T, T, T,
    T, T, T, T, T, T, T, T, T,
    T, T, T, T, T, T, T, T, T,
};

ZafInt8 rightArrow[9 * 5] = {
    K, T, T, T, T,
    K, K, T, T, T,
    K, K, K, T, T,
    K, K, K, K, T,
    K, K, K, K, K,
    K, K, K, K, T,
    K, K, K, T, T,
    K, K, T, T, T,
    K, T, T, T, T,
};

ZafInt8 leftArrow[9 * 5] = {
    T, T, T, T, K,
    T, T, T, K, K,
    T, T, K, K, K,
    T, K, K, K, K,
    K, K, K, K, K,
    T, K, K, K, K,
    T, T, K, K, K,
    T, T, T, K, K,
    T, T, T, T, K,
};

ZafBitmapData *Make(ZafInt32 width, ZafInt32 height, ZafInt8 *pixels)
{
    ZafBitmapData *data = new ZafBitmapData(ZafBitmapStruct(width, height, pixels, true));
    data->SetDestroyable(false);
    return data;
}

} // namespace

void ZafMenuImages::Use()
{
    if (images[0])
        return;
    images[0] = Make(9, 10, check);
    images[1] = Make(9, 10, radio);
    images[2] = Make(5, 9, rightArrow);
    images[3] = Make(5, 9, leftArrow);
    ZafRegisterStaticData(&ZafMenuImages::Release);
}

void ZafMenuImages::Release(bool release)
{
    if (!release)
        return;
    for (ZafBitmapData *&image : images)
    {
        delete image;
        image = nullptr;
    }
}
