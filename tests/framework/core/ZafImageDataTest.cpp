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
}
