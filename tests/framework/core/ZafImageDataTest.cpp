#include "framework/core/data/ZafImageData.h"

#include <gtest/gtest.h>

namespace {

ZafInt8 staticPixels[4] = { 0, 7, -1, 15 };

} // namespace

TEST(ZafImageData, StaticArraysAreUsedInPlaceOthersAreCopied)
{
    ZafBitmapData fixed(ZafBitmapStruct(2, 2, staticPixels, true));
    EXPECT_EQ(fixed.Bitmap().array, staticPixels);

    ZafInt8 pixels[4] = { 1, 2, 3, 4 };
    ZafBitmapData own(ZafBitmapStruct(2, 2, pixels, false));
    ASSERT_NE(own.Bitmap().array, pixels);
    pixels[0] = 9;
    EXPECT_EQ(own.Bitmap().array[0], 1);
}

TEST(ZafImageData, CopiesShareStaticDataAndNeverAnOwnedHandle)
{
    ZafInt8 pixels[4] = { 1, 2, 3, 4 };
    ZafBitmapData original(ZafBitmapStruct(2, 2, pixels, false));
    ZafBitmapData copy(original);
    EXPECT_NE(copy.Bitmap().array, original.Bitmap().array);
    EXPECT_EQ(copy.Bitmap().array[3], 4);
    EXPECT_TRUE(copy.Destroyable());

    ZafIconStruct icon(2, 2, staticPixels, true);
    icon.osIcon = reinterpret_cast<ZafOSIcon>(0x1234);   // not a real handle: static
    icon.staticHandle = 1;
    ZafIconData sharedIcon(icon);
    ZafIconData iconCopy(sharedIcon);
    EXPECT_EQ(iconCopy.Icon().array, staticPixels);
    EXPECT_EQ(iconCopy.Icon().osIcon, icon.osIcon);

    // Handles of the original's own are left to it (fake values, cleared
    // again before the originals go).
    ZafBitmapStruct drawn(2, 2, staticPixels, true);
    drawn.osBitmap = reinterpret_cast<ZafOSBitmap>(0x1234);
    drawn.osMask = reinterpret_cast<ZafOSBitmap>(0x5678);
    ZafBitmapData withHandles(drawn);
    ZafBitmapData bitmapCopy(withHandles);
    EXPECT_EQ(nullptr, bitmapCopy.Bitmap().osBitmap);
    EXPECT_EQ(nullptr, bitmapCopy.Bitmap().osMask);
    EXPECT_EQ(drawn.osMask, withHandles.Bitmap().osMask);
    withHandles.Bitmap().osBitmap = withHandles.Bitmap().osMask = nullptr;

    ZafMouseStruct pointer(2, 2, staticPixels, 1, 1, true);
    pointer.osCursor = reinterpret_cast<ZafOSCursor>(0x1234);
    ZafMouseData withCursor(pointer, 7);
    ZafMouseData cursorCopy(withCursor);
    EXPECT_EQ(nullptr, cursorCopy.Mouse().osCursor);
    EXPECT_EQ(7, cursorCopy.NumberID());
    EXPECT_EQ(1, cursorCopy.Mouse().hotSpotX);
    withCursor.Mouse().osCursor = nullptr;
}
