#include "framework/windows/ZafScreenDisplay.h"
#include "framework/windows/ZafImagePacking.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ZafImagePacking, BitmapRowsArePaddedAndTheMaskKeepsTopDownOrder)
{
    ZafInt8 pixels[] = { -1, 3, 4,
                         5, 6, 7 };
    ZafImageStruct image(3, 2, pixels, true);
    ZafPackedBitmap packed = ZafPackBitmap(image);
    EXPECT_EQ(4, packed.imageRowBytes);
    EXPECT_EQ(2, packed.maskRowBytes);
    ASSERT_EQ(8u, packed.image.size());
    // Image rows bottom-up: the second pixel row comes first.
    EXPECT_EQ(5, packed.image[0]);
    EXPECT_EQ(7, packed.image[2]);
    EXPECT_EQ(0, packed.image[4]);   // the transparent pixel writes 0
    EXPECT_EQ(3, packed.image[5]);
    // Mask rows top-down: the transparent pixel is in the first mask row.
    EXPECT_EQ(0x80, packed.mask[0]);
    EXPECT_EQ(0x00, packed.mask[2]);
    EXPECT_TRUE(packed.transparent);
    EXPECT_EQ(8, packed.colors);
}

TEST(ZafImagePacking, OpaqueBitmapNeedsNoMaskAndAtLeastTwoColours)
{
    ZafInt8 pixels[] = { 0, 0, 0, 0 };
    ZafPackedBitmap packed = ZafPackBitmap(ZafImageStruct(2, 2, pixels, true));
    EXPECT_FALSE(packed.transparent);
    EXPECT_EQ(2, packed.colors);
}

TEST(ZafImagePacking, CursorImageIsCentredWithItsHotSpot)
{
    ZafInt8 pixels[10 * 16];
    for (ZafInt8 &pixel : pixels)
        pixel = 0;
    pixels[0] = 1;       // white at the image's top-left
    pixels[1] = -1;      // transparent beside it
    ZafMouseStruct mouse(10, 16, pixels, 0, 0, true);
    ZafPackedCursor packed = ZafPackCursor(mouse, 32, 32);
    EXPECT_EQ(11, packed.hotSpotX);
    EXPECT_EQ(8, packed.hotSpotY);
    EXPECT_EQ(4, packed.rowBytes);
    auto bit = [&](const std::vector<uint8_t> &plane, int x, int y) {
        return (plane[size_t(y * packed.rowBytes + x / 8)] >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ(0, bit(packed.andPlane, 11, 8));
    EXPECT_EQ(1, bit(packed.xorPlane, 11, 8));
    EXPECT_EQ(1, bit(packed.andPlane, 12, 8));   // transparent
    EXPECT_EQ(0, bit(packed.andPlane, 13, 8));   // black
    EXPECT_EQ(0, bit(packed.xorPlane, 13, 8));
    EXPECT_EQ(1, bit(packed.andPlane, 0, 0));    // outside the image
}

TEST(ZafImagePacking, ImageLargerThanTheCursorIsClippedNotOverrun)
{
    std::vector<ZafInt8> pixels(40 * 50, 1);
    ZafMouseStruct mouse(40, 50, pixels.data(), 39, 49, true);
    ZafPackedCursor packed = ZafPackCursor(mouse, 32, 32);
    EXPECT_EQ(size_t(4 * 32), packed.andPlane.size());
    EXPECT_EQ(size_t(4 * 32), packed.xorPlane.size());
    for (uint8_t byte : packed.andPlane)
        EXPECT_EQ(0, byte);       // every cursor pixel is covered by the image
    EXPECT_EQ(31, packed.hotSpotX);
    EXPECT_EQ(31, packed.hotSpotY);
}

class ZafGdiImageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        display = std::make_unique<ZafScreenDisplay>();
    }
    void TearDown() override
    {
        display.reset();
        app.reset();
    }
    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<ZafScreenDisplay> display;
};

TEST_F(ZafGdiImageTest, TransparentPixelKeepsTheBackgroundWithoutFlipping)
{
    const COLORREF red = RGB(255, 0, 0);
    DibSurface surface(8, 8, red);
    ZafInt8 pixels[] = { -1, 9,
                         10, 9 };
    ZafBitmapStruct bitmap(2, 2, pixels, true);
    display->BeginDraw(surface.Context(), nullptr);
    display->Bitmap(2, 2, bitmap);
    display->EndDraw();
    EXPECT_EQ(red, surface.PixelAt(2, 2));
    EXPECT_EQ(display->EntryRGB(9), surface.PixelAt(3, 2));
    EXPECT_EQ(display->EntryRGB(10), surface.PixelAt(2, 3));
    EXPECT_EQ(display->EntryRGB(9), surface.PixelAt(3, 3));
    EXPECT_EQ(red, surface.PixelAt(4, 4));
    ASSERT_NE(nullptr, bitmap.osMask);
    display->DestroyOSBitmap(bitmap);
}

TEST_F(ZafGdiImageTest, OpaqueBitmapHasNoMaskAndCopiesWithTheModeOperation)
{
    DibSurface surface(8, 8, RGB(255, 255, 255));
    ZafInt8 pixels[] = { 12, 12, 12, 12 };
    ZafBitmapStruct bitmap(2, 2, pixels, true);
    EXPECT_EQ(0, display->ConvertToOSBitmap(bitmap));
    EXPECT_NE(nullptr, bitmap.osBitmap);
    EXPECT_EQ(nullptr, bitmap.osMask);
    display->BeginDraw(surface.Context(), nullptr);
    display->Bitmap(0, 0, bitmap);
    display->EndDraw();
    EXPECT_EQ(display->EntryRGB(12), surface.PixelAt(1, 1));
    display->DestroyOSBitmap(bitmap);
    EXPECT_EQ(nullptr, bitmap.osBitmap);
}

TEST_F(ZafGdiImageTest, BitmapReadBackGivesTheFrameworkColourIndices)
{
    int added = display->AddColor(-2, 10, 200, 90);
    ASSERT_GE(added, 32);
    ZafInt8 pixels[] = { -1, ZafInt8(added), 4,
                         12, 0, -1 };
    ZafBitmapStruct bitmap(3, 2, pixels, true);
    display->ConvertToOSBitmap(bitmap);
    EXPECT_EQ(0, display->ConvertToZafBitmap(bitmap));
    ASSERT_NE(pixels, bitmap.array);
    EXPECT_EQ(3, bitmap.width);
    EXPECT_EQ(2, bitmap.height);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pixels[i], bitmap.array[i]) << "pixel " << i;
    display->DestroyZafBitmap(bitmap);
    EXPECT_EQ(nullptr, bitmap.array);
    display->DestroyOSBitmap(bitmap);
    EXPECT_EQ(11, display->ConvertToZafBitmap(bitmap));
}

TEST_F(ZafGdiImageTest, StaticHandlesAreClearedButNotDeleted)
{
    ZafInt8 pixels[] = { -1, 1, 2, 3 };
    ZafBitmapStruct bitmap(2, 2, pixels, true);
    display->ConvertToOSBitmap(bitmap);
    HBITMAP image = static_cast<HBITMAP>(bitmap.osBitmap), mask = static_cast<HBITMAP>(bitmap.osMask);
    bitmap.staticHandle = 1;
    display->DestroyOSBitmap(bitmap);
    EXPECT_EQ(nullptr, bitmap.osBitmap);
    EXPECT_EQ(nullptr, bitmap.osMask);
    BITMAP info;
    EXPECT_NE(0, GetObjectW(image, sizeof(info), &info));
    EXPECT_NE(0, GetObjectW(mask, sizeof(info), &info));
    DeleteObject(image);
    DeleteObject(mask);
}

TEST_F(ZafGdiImageTest, IconAlwaysGetsAMaskAndReadsBack)
{
    ZafInt8 pixels[4 * 4];
    for (int i = 0; i < 16; ++i)
        pixels[i] = ZafInt8(i % 3 == 0 ? 12 : 9);
    ZafIconStruct icon(4, 4, pixels, true);
    EXPECT_EQ(0, display->ConvertToOSIcon(icon));
    ASSERT_NE(nullptr, icon.osIcon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon.osIcon), &info));
    EXPECT_TRUE(info.fIcon);
    EXPECT_NE(nullptr, info.hbmMask);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);

    ZafIconStruct copy;
    copy.osIcon = icon.osIcon;
    copy.staticHandle = 1;
    EXPECT_EQ(0, display->ConvertToZafIcon(copy));
    ASSERT_EQ(4, copy.width);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(pixels[i], copy.array[i]);
    display->DestroyZafIcon(copy);
    display->DestroyOSIcon(icon);
    EXPECT_EQ(nullptr, icon.osIcon);
}

TEST_F(ZafGdiImageTest, IconDrawsItsColours)
{
    // DrawIcon shows the icon at the system's icon size.
    int half = GetSystemMetrics(SM_CXICON) / 2;
    DibSurface surface(2 * half + 4, 2 * half + 4, RGB(255, 255, 255));
    ZafInt8 pixels[] = { 12, -1, 12, 12 };
    ZafIconStruct icon(2, 2, pixels, true);
    display->BeginDraw(surface.Context(), nullptr);
    display->Icon(1, 1, icon);
    display->EndDraw();
    EXPECT_EQ(display->EntryRGB(12), surface.PixelAt(1, 1));
    EXPECT_EQ(RGB(255, 255, 255), surface.PixelAt(half + 2, 2));
    EXPECT_EQ(display->EntryRGB(12), surface.PixelAt(half + 2, half + 2));
    display->DestroyOSIcon(icon);
}

TEST_F(ZafGdiImageTest, PointerImageBecomesACursorWithTheShiftedHotSpot)
{
    ZafInt8 pixels[10 * 16] = {};
    ZafMouseStruct mouse(10, 16, pixels, 0, 0, true);
    EXPECT_EQ(0, display->ConvertToOSMouse(mouse));
    ASSERT_NE(nullptr, mouse.osCursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(mouse.osCursor), &info));
    int cursorWidth = GetSystemMetrics(SM_CXCURSOR), cursorHeight = GetSystemMetrics(SM_CYCURSOR);
    EXPECT_EQ(DWORD((cursorWidth - 10) / 2), info.xHotspot);
    EXPECT_EQ(DWORD((cursorHeight - 16) / 2), info.yHotspot);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    display->DestroyOSMouse(mouse);
    EXPECT_EQ(nullptr, mouse.osCursor);

    std::vector<ZafInt8> large(64 * 64, 1);
    ZafMouseStruct big(64, 64, large.data(), 0, 0, true);
    EXPECT_EQ(0, display->ConvertToOSMouse(big));
    EXPECT_NE(nullptr, big.osCursor);
    display->DestroyOSMouse(big);
}
