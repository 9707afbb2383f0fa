#include "framework/windows/ZafImagePacking.h"

ZafPackedBitmap ZafPackBitmap(const ZafImageStruct &source)
{
    ZafPackedBitmap packed;
    int width = source.width > 0 ? source.width : 0;
    int height = source.height > 0 ? source.height : 0;
    packed.imageRowBytes = (width + 3) & ~3;
    packed.maskRowBytes = (((width + 7) / 8) + 1) & ~1;
    packed.image.assign(size_t(packed.imageRowBytes) * size_t(height), 0);
    packed.mask.assign(size_t(packed.maskRowBytes) * size_t(height), 0);
    if (!source.array)
        return packed;
    int highest = 1;
    for (int y = 0; y < height; ++y)
    {
        uint8_t *imageRow = &packed.image[size_t(height - 1 - y) * size_t(packed.imageRowBytes)];
        uint8_t *maskRow = &packed.mask[size_t(y) * size_t(packed.maskRowBytes)];
        for (int x = 0; x < width; ++x)
        {
            ZafInt8 pixel = source.array[y * width + x];
            if (pixel == -1)
            {
                packed.transparent = true;
                maskRow[x / 8] |= uint8_t(0x80 >> (x % 8));
                continue;
            }
            uint8_t index = uint8_t(pixel);
            imageRow[x] = index;
            if (index > highest)
                highest = index;
        }
    }
    packed.colors = highest + 1;
    return packed;
}

ZafPackedCursor ZafPackCursor(const ZafMouseStruct &mouse, int cursorWidth, int cursorHeight)
{
    ZafPackedCursor packed;
    packed.width = cursorWidth;
    packed.height = cursorHeight;
    packed.rowBytes = ((cursorWidth + 15) / 16) * 2;
    packed.andPlane.assign(size_t(packed.rowBytes) * size_t(cursorHeight), 0xFF);
    packed.xorPlane.assign(size_t(packed.rowBytes) * size_t(cursorHeight), 0x00);
    int offsetX = (cursorWidth - mouse.width) / 2;
    int offsetY = (cursorHeight - mouse.height) / 2;
    for (int y = 0; mouse.array && y < mouse.height; ++y)
    {
        int row = y + offsetY;
        if (row < 0 || row >= cursorHeight)
            continue;
        for (int x = 0; x < mouse.width; ++x)
        {
            int column = x + offsetX;
            if (column < 0 || column >= cursorWidth)
                continue;
            ZafInt8 pixel = mouse.array[y * mouse.width + x];
            if (pixel == -1)
                continue;
            size_t at = size_t(row) * size_t(packed.rowBytes) + size_t(column / 8);
            uint8_t bit = uint8_t(0x80 >> (column % 8));
            packed.andPlane[at] &= uint8_t(~bit);
            if (pixel != 0)
                packed.xorPlane[at] |= bit;
        }
    }
    auto clamp = [](int value, int limit) { return value < 0 ? 0 : value >= limit ? limit - 1 : value; };
    packed.hotSpotX = clamp(mouse.hotSpotX + offsetX, cursorWidth);
    packed.hotSpotY = clamp(mouse.hotSpotY + offsetY, cursorHeight);
    return packed;
}
