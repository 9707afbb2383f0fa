#include "framework/windows/ZafScreenDisplay.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "ZafGuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);

class ZafGdiDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        display = std::make_unique<ZafScreenDisplay>();
        surface = std::make_unique<DibSurface>(64, 64, white);
        display->BeginDraw(surface->Context(), nullptr);
    }
    void TearDown() override
    {
        while (display->DrawCount() > 0)
            display->EndDraw();
        surface.reset();
        display.reset();
        app.reset();
    }
    COLORREF Color(int index) const { return display->EntryRGB(index); }
    // An inner drawing clipped to (40, 40)-(50, 50) begins and ends; then
    // the whole surface is filled with colour 12 under the clip left.
    void ClipAnInnerDrawingThenFillAll()
    {
        display->BeginDraw(nullptr, nullptr);
        ZafRegionStruct inner;
        inner.Assign(40, 40, 50, 50, ZAF_PIXEL);
        display->SetClipRegion(inner);
        display->EndDraw();
        display->SetBackground(12);
        display->Rectangle(0, 0, 63, 63, 0, true);
    }
    int CountPixels(COLORREF color) const
    {
        int count = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                count += surface->PixelAt(x, y) == color;
        return count;
    }

    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<ZafScreenDisplay> display;
    std::unique_ptr<DibSurface> surface;
};

} // namespace

TEST_F(ZafGdiDisplayTest, OnePixelLineIncludesItsEndPointAndNoMore)
{
    display->Line(0, 0, 10, 5, 1);
    EXPECT_EQ(black, surface->PixelAt(0, 0));
    EXPECT_EQ(black, surface->PixelAt(10, 5));
    EXPECT_EQ(white, surface->PixelAt(11, 5));
    display->Line(20, 30, 20, 20, 1);
    EXPECT_EQ(black, surface->PixelAt(20, 20));
    EXPECT_EQ(white, surface->PixelAt(20, 19));
}

TEST_F(ZafGdiDisplayTest, RectangleOfWidthZeroFillsEvenWithoutTheFillFlag)
{
    display->SetBackground(12);
    display->Rectangle(2, 2, 9, 9, 0, false);
    EXPECT_EQ(Color(12), surface->PixelAt(2, 2));
    EXPECT_EQ(64, CountPixels(Color(12)));   // exactly the 8 x 8 square
}

TEST_F(ZafGdiDisplayTest, OutlinedRectangleLeavesItsInsideAlone)
{
    display->SetBackground(12);
    display->Rectangle(10, 10, 20, 20, 1, false);
    EXPECT_EQ(black, surface->PixelAt(10, 10));
    EXPECT_EQ(black, surface->PixelAt(20, 20));
    EXPECT_EQ(white, surface->PixelAt(15, 15));
    display->Rectangle(30, 30, 40, 40, 1, true);
    EXPECT_EQ(Color(12), surface->PixelAt(35, 35));
}

TEST_F(ZafGdiDisplayTest, FullAnglesDrawAWholeFilledEllipse)
{
    display->SetBackground(9);
    display->Ellipse(0, 0, 31, 31, 0.0f, 360.0f, 1, true);
    EXPECT_EQ(Color(9), surface->PixelAt(16, 16));
    EXPECT_EQ(Color(9), surface->PixelAt(16, 24));   // below the centre: not a pie slice
    EXPECT_EQ(white, surface->PixelAt(1, 1));
    display->Ellipse(32, 32, 63, 63, 450.0f, 90.0f, 1, true);
    EXPECT_EQ(Color(9), surface->PixelAt(48, 56));
    EXPECT_EQ(Color(9), surface->PixelAt(40, 48));
}

TEST_F(ZafGdiDisplayTest, FilledPolygonClosesItself)
{
    display->SetBackground(10);
    const int points[] = { 0, 0, 20, 0, 20, 20, 0, 20 };
    display->Polygon(4, points, 1, true, true);
    EXPECT_EQ(Color(10), surface->PixelAt(10, 10));
    EXPECT_EQ(black, surface->PixelAt(0, 10));   // the closing edge
}

TEST_F(ZafGdiDisplayTest, PixelTakesTheForegroundOrAGivenColour)
{
    display->SetForeground(12);
    display->Pixel(3, 3);
    display->Pixel(4, 4, 9);
    EXPECT_EQ(Color(12), surface->PixelAt(3, 3));
    EXPECT_EQ(Color(9), surface->PixelAt(4, 4));
}

TEST_F(ZafGdiDisplayTest, OriginAndPointCoordinatesMapToDevicePixels)
{
    display->SetOrigin(10, 20);
    display->Pixel(0, 0);
    EXPECT_EQ(black, surface->PixelAt(10, 20));
    display->SetOrigin(0, 0);
    display->SetCoordinateType(ZAF_POINTS);
    display->Pixel(36, 36);   // half an inch
    int x = display->dotsPerInchX / 2, y = display->dotsPerInchY / 2;
    if (x < 64 && y < 64)
    {
        EXPECT_EQ(black, surface->PixelAt(x, y));
    }
}

TEST_F(ZafGdiDisplayTest, TextIsDrawnInTheForegroundWithinItsExtent)
{
    ZafRegionStruct extent = display->TextExtent(L"Wg");
    EXPECT_EQ(1, extent.left);
    EXPECT_EQ(1, extent.top);
    EXPECT_GT(extent.right, 0);
    EXPECT_GT(extent.bottom, 0);
    display->Text(0, 0, L"Wg");
    int inside = 0, outside = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (surface->PixelAt(x, y) != white)
                (x < extent.right && y < extent.bottom ? inside : outside)++;
    EXPECT_GT(inside, 0);
    EXPECT_EQ(0, outside);
}

TEST_F(ZafGdiDisplayTest, EmptyTextHasAnEmptyPixelExtentInAnyCoordinateType)
{
    display->SetCoordinateType(ZAF_POINTS);
    ZafRegionStruct extent = display->TextExtent(L"");
    ZafRegionStruct empty;
    empty.Assign(1, 1, 0, 0, ZAF_PIXEL);
    EXPECT_EQ(empty, extent);
    EXPECT_EQ(ZAF_PIXEL, extent.coordinateType);
}

TEST_F(ZafGdiDisplayTest, InnerDrawingDoesNotWidenTheOuterClip)
{
    ZafRegionStruct outer;
    outer.Assign(0, 0, 31, 31, ZAF_PIXEL);
    display->SetClipRegion(outer);
    ClipAnInnerDrawingThenFillAll();
    EXPECT_EQ(Color(12), surface->PixelAt(10, 10));
    EXPECT_EQ(32 * 32, CountPixels(Color(12)));
}

TEST_F(ZafGdiDisplayTest, InnerClipWithoutAnOuterOneIsRemovedAtItsEnd)
{
    ClipAnInnerDrawingThenFillAll();
    EXPECT_EQ(64 * 64, CountPixels(Color(12)));
}

TEST_F(ZafGdiDisplayTest, OutOfRangeIndicesFallBackToTheDefaultEntries)
{
    display->SetForeground(100);            // unused colour
    EXPECT_EQ(0, display->Foreground());
    display->SetBackground(ZafInt8(-50));
    EXPECT_EQ(15, display->Background());
    display->SetFont(42);
    EXPECT_EQ(1, display->Font());
    display->SetFont(7);                    // empty slot
    EXPECT_EQ(1, display->Font());
    display->SetLineStyle(12);
    EXPECT_EQ(0, display->LineStyle());
    display->SetPattern(9);                 // no bitmap for it
    EXPECT_EQ(0, display->Pattern());
    // An unset palette (as an object's map may hold) still draws, in black.
    display->SetPalette(ZafPaletteStruct::Unset());
    display->Line(0, 10, 20, 10, 1);
    EXPECT_EQ(black, surface->PixelAt(10, 10));
}

TEST_F(ZafGdiDisplayTest, EndOfTheOutermostDrawingResetsTheAttributes)
{
    display->SetForeground(12);
    display->SetOrigin(5, 5);
    display->SetCoordinateType(ZAF_POINTS);
    display->EndDraw();
    EXPECT_EQ(0, display->DrawCount());
    EXPECT_EQ(nullptr, display->DeviceContext());
    EXPECT_EQ(ZafPaletteStruct::Default(), display->Palette());
    EXPECT_EQ(ZAF_PIXEL, display->CoordinateType());
    EXPECT_EQ(0, display->originX);
}

TEST_F(ZafGdiDisplayTest, AddedColoursNeverTakeTheFirst32Entries)
{
    int index = display->AddColor(-2, 10, 20, 30);
    EXPECT_GE(index, 32);
    int red = 0, green = 0, blue = 0;
    EXPECT_EQ(0, display->PaletteEntries(index, red, green, blue));
    EXPECT_EQ(10, red);
    EXPECT_EQ(30, blue);
    EXPECT_EQ(0, display->RemoveColor(index));
    EXPECT_EQ(19, display->PaletteEntries(index, red, green, blue));
    EXPECT_EQ(19, display->RemoveColor(127));
    EXPECT_EQ(-2, display->AddColor(200, 0, 0, 0));
}

TEST_F(ZafGdiDisplayTest, FontsAreCreatedInFreeSlotsAndMeasured)
{
    int slot = display->CreateOSFont(-1, L"Tahoma", 12, 1, 0);
    ASSERT_GE(slot, 5);
    int points = 0, bold = 0, italic = 1;
    wchar_t face[32] = {};
    EXPECT_EQ(0, display->FontMetrics(slot, face, 32, points, bold, italic));
    EXPECT_NEAR(12, points, 1);
    EXPECT_EQ(1, bold);
    EXPECT_EQ(0, italic);
    EXPECT_EQ(0, display->DestroyOSFont(slot));
    EXPECT_EQ(19, display->FontMetrics(slot, face, 32, points, bold, italic));
    EXPECT_EQ(-1, display->CreateOSFont(10, L"Tahoma", 12, 0, 0));
}

TEST(ZafGdiCache, HeldEntriesGrowTheCacheAndFreeOnesAreEvictedFromTheEnd)
{
    ZafCache cache(32, &ZafGdiDisplay::CreateCachedObject, &ZafGdiDisplay::DeleteCachedObject);
    std::vector<void *> pens;
    for (int i = 0; i < 33; ++i)
        pens.push_back(cache.Get(ZAF_CACHE_PEN | 0xFFFF0000u, RGB(i, 0, 0)));
    EXPECT_EQ(33, cache.Entries());
    for (void *pen : pens)
        EXPECT_EQ(OBJ_PEN, GetObjectType(pen));
    // Taking one again moves it to the front and counts the use.
    EXPECT_EQ(pens[0], cache.Get(ZAF_CACHE_PEN | 0xFFFF0000u, RGB(0, 0, 0)));
    EXPECT_EQ(2, cache.UseCount(pens[0]));
    EXPECT_EQ(1, cache.Release(pens[0]));
    for (void *pen : pens)
        EXPECT_EQ(0, cache.Release(pen));
    void *last = static_cast<ZafCache::CacheElement *>(cache.Last())->handle;
    void *fresh = cache.Get(ZAF_CACHE_PEN | 0xFFFF0000u, RGB(0, 0, 200));
    EXPECT_NE(nullptr, fresh);
    EXPECT_EQ(33, cache.Entries());
    EXPECT_EQ(-1, cache.UseCount(last));
    EXPECT_EQ(0u, GetObjectType(last));
    EXPECT_EQ(-1, cache.Release(reinterpret_cast<void *>(0x1234)));
}

TEST_F(ZafGdiDisplayTest, DrawingSharesPensAndGivesThemBack)
{
    HPEN pen = display->GetCachedPen(display->Palette(), -1);
    int held = ZafGdiDisplay::Cache().UseCount(pen);
    EXPECT_GE(held, 2);   // the display's own pen and this one
    display->Line(0, 0, 5, 5, 1);
    EXPECT_EQ(held, ZafGdiDisplay::Cache().UseCount(pen));
    ZafGdiDisplay::ReleaseCachedObject(pen);
    display->EndDraw();
    EXPECT_EQ(0, ZafGdiDisplay::Cache().UseCount(pen));
}

TEST(ZafScreenDisplayMetrics, CellSizeFollowsTheMeasuredFont)
{
    ZafRegionStruct extent;
    extent.Assign(1, 1, 390, 16, ZAF_PIXEL);
    EXPECT_EQ(10, ZafScreenDisplay::CellWidth(extent));
    EXPECT_EQ(27, ZafScreenDisplay::CellHeight(extent, 2, 3));

    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay display;
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, display.FontAt(1));
    SIZE size = {};
    GetTextExtentPoint32W(screen, ZafScreenDisplay::cellText, 52, &size);
    SelectObject(screen, old);
    EXPECT_EQ((size.cx - 1 + 20) / 39, display.cellWidth);
    EXPECT_EQ((size.cy * 13 + 6) / 13 + 2 + 3 + 6, display.cellHeight);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), display.columns);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), display.dotsPerInchY);
    ReleaseDC(nullptr, screen);
    ZafRegionStruct clip = display.clipRegion;
    EXPECT_EQ(display.columns - 1, clip.right);
    EXPECT_EQ(display.lines - 1, clip.bottom);
    EXPECT_EQ(&display, ZafDisplay::Shared());
}

TEST(ZafScreenDisplayMetrics, BaseColoursComeFromTheDefaultPaletteAndFontOneIsTheTitleFontOnNT)
{
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay display;
    HPALETTE stock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    PALETTEENTRY entry = {};
    GetPaletteEntries(stock, GetNearestPaletteIndex(stock, RGB(224, 224, 224)), 1, &entry);
    EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), display.EntryRGB(16));
    EXPECT_EQ(RGB(0, 0, 0), display.EntryRGB(0));
    EXPECT_EQ(ZafDisplay::UNUSED_COLOR, display.ColorValue(17));
    if (ZafMSWindowsApp::Platform().platform == 3)
    {
        EXPECT_EQ(display.FontAt(0), display.FontAt(1));
    }
    EXPECT_EQ(display.FontAt(2), GetStockObject(SYSTEM_FONT));
}

TEST_F(ZafGdiDisplayTest, XorTextInvertsAndASecondDrawingRestores)
{
    display->SetForeground(15);
    display->SetMode(1);
    display->Text(0, 0, L"Wg");
    int inverted = CountPixels(black);
    EXPECT_GT(inverted, 0);
    display->Text(0, 0, L"Wg");
    EXPECT_EQ(64 * 64, CountPixels(white));
}

TEST_F(ZafGdiDisplayTest, ScaleStretchesCoordinatesAndText)
{
    display->SetScale(2, 1);
    display->Line(0, 0, 10, 0, 1);
    EXPECT_EQ(black, surface->PixelAt(20, 0));
    EXPECT_EQ(white, surface->PixelAt(21, 0));
    ZafRegionStruct extent = display->TextExtent(L"I");
    display->Text(0, 10, L"I");
    int lowest = -1;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (y > 1 && surface->PixelAt(x, y) != white)
                lowest = y;
    // The text's cell is drawn twice as high as it measures.
    EXPECT_GT(lowest, 20 + extent.bottom / 2);
}

TEST_F(ZafGdiDisplayTest, BlockMovesAndXorRectanglesWorkOnDevicePixels)
{
    display->SetForeground(12);
    display->Pixel(1, 1);
    ZafRegionStruct block;
    block.Assign(0, 0, 3, 3, ZAF_PIXEL);
    display->RegionMove(block, 20, 20);
    EXPECT_EQ(Color(12), surface->PixelAt(21, 21));
    ZafRegionStruct first, second;
    first.Assign(30, 30, 40, 40, ZAF_PIXEL);
    second.Assign(30, 30, 40, 40, ZAF_PIXEL);
    int before = CountPixels(white);
    display->XorRectangle(first, second);   // the same rectangle twice: nothing left
    EXPECT_EQ(before, CountPixels(white));
    second.Assign(45, 45, 55, 55, ZAF_PIXEL);
    display->XorRectangle(first, second);
    EXPECT_LT(CountPixels(white), before);
}

namespace {

// A display that reports a palette device, as 8-bit screens do.
class PaletteScreen : public ZafScreenDisplay
{
public:
    PaletteScreen()
    {
        paletteDevice = true;
        RebuildPalette();
    }
};

} // namespace

TEST(ZafGdiPaletteDevice, ColourTableHoldsPaletteIndicesThatStillAnswerTheirColours)
{
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay plain;
    COLORREF gray = plain.EntryRGB(8);
    PaletteScreen display;
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(ZafGdiDisplay::PALETTE_INDEX + ZafUInt32(i), display.ColorValue(i));
    int index = display.AddColor(-2, 1, 2, 3);
    EXPECT_EQ(ZafGdiDisplay::PALETTE_INDEX + 17u, display.ColorValue(index));
    EXPECT_EQ(index, display.PaletteSlotColor(17));
    int red = 0, green = 0, blue = 0;
    display.PaletteEntries(8, red, green, blue);
    EXPECT_EQ(gray, RGB(red, green, blue));
    display.PaletteEntries(index, red, green, blue);
    EXPECT_EQ(RGB(1, 2, 3), RGB(red, green, blue));
}

TEST_F(ZafGdiDisplayTest, HotKeyCharacterIsUnderlinedAndAmpersandsAreShown)
{
    display->Text(0, 0, 63, 20, L"AB", -1, 0, 0, -1, false);
    int plain = CountPixels(black);
    display->SetBackground(15);
    display->Rectangle(0, 0, 63, 63, 0, true);
    display->Text(0, 0, 63, 20, L"AB", -1, 0, 0, 0, false);
    EXPECT_GT(CountPixels(black), plain);
    display->Rectangle(0, 0, 63, 63, 0, true);
    // Without a hot key an ampersand is an ordinary character.
    display->Text(0, 0, 63, 20, L"A&B", -1, 0, 0, -1, false);
    int withAmpersand = CountPixels(black);
    EXPECT_GT(withAmpersand, plain);
}
