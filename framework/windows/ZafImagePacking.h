#ifndef ZAF_IMAGEPACKING_H
#define ZAF_IMAGEPACKING_H

#include <cstdint>
#include <vector>

#include "framework/core/data/ZafImageStruct.h"

// The byte layouts the operating system takes images in, made from the
// framework's pixel arrays (one signed byte per pixel, top row first, -1
// transparent). Pure functions of their inputs; they touch no device.

// An 8-bit device-independent image with its transparency mask.
struct ZafPackedBitmap
{
    int imageRowBytes = 0;            // width rounded up to a multiple of 4
    int maskRowBytes = 0;             // (width + 7) / 8 rounded up to an even count
    std::vector<uint8_t> image;       // rows bottom-up, as the DIB takes them
    std::vector<uint8_t> mask;        // rows top-down, as CreateBitmap takes them; set bit = transparent
    bool transparent = false;         // any pixel was transparent
    int colors = 2;                   // highest index met + 1, at least 2
};

ZafPackedBitmap ZafPackBitmap(const ZafImageStruct &image);

// The AND and XOR planes of a cursor of the given size with the image
// centred in it. Pixels that fall outside the cursor are left out (an image
// larger than the cursor is clipped to its centre part); the hot spot moves
// with the image and stays inside the cursor.
struct ZafPackedCursor
{
    int width = 0;
    int height = 0;
    int rowBytes = 0;                 // bytes per plane row (word aligned)
    int hotSpotX = 0;
    int hotSpotY = 0;
    std::vector<uint8_t> andPlane;    // 1 = the screen shows through
    std::vector<uint8_t> xorPlane;    // 1 = white
};

ZafPackedCursor ZafPackCursor(const ZafMouseStruct &mouse, int cursorWidth, int cursorHeight);

#endif
