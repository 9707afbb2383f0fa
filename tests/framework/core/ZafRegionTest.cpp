#include "framework/core/display/ZafDisplay.h"
#include "framework/core/display/ZafRegionList.h"

#include <gtest/gtest.h>

namespace {

ZafRegionStruct Region(int l, int t, int r, int b, ZafCoordinateType type = ZAF_PIXEL)
{
    ZafRegionStruct region;
    region.Assign(l, t, r, b, type);
    return region;
}

// A display with round metrics: 96 dpi, cells 10 x 20, mini-cells 1/10.
struct TestDisplay : ZafDisplay
{
    TestDisplay()
    {
        cellWidth = 10;
        cellHeight = 20;
    }
};

} // namespace

TEST(ZafDisplayConversion, PointsTwipsMilsAndTenthMillimetresFollowTheDpiRoundingHalfAwayFromZero)
{
    TestDisplay display;
    EXPECT_EQ(display.ConvertXValue(72, ZAF_POINTS, ZAF_PIXEL), 96);
    EXPECT_EQ(display.ConvertYValue(1440, ZAF_TWIPS, ZAF_PIXEL), 96);
    EXPECT_EQ(display.ConvertXValue(1000, ZAF_MILS, ZAF_PIXEL), 96);
    EXPECT_EQ(display.ConvertXValue(254, ZAF_TENTH_MM, ZAF_PIXEL), 96);
    EXPECT_EQ(display.ConvertXValue(96, ZAF_PIXEL, ZAF_TWIPS), 1440);
    EXPECT_EQ(display.ConvertXValue(3, ZAF_CELL, ZAF_PIXEL), 30);
    EXPECT_EQ(display.ConvertYValue(3, ZAF_CELL, ZAF_PIXEL), 60);
    EXPECT_EQ(display.ConvertXValue(25, ZAF_MINICELL, ZAF_PIXEL), 25);
    EXPECT_EQ(display.ConvertXValue(17, ZAF_POINTS, ZAF_POINTS), 17);
    EXPECT_EQ(display.ConvertXValue(15, ZAF_PIXEL, ZAF_CELL), 2);    // 1.5
    EXPECT_EQ(display.ConvertXValue(-15, ZAF_PIXEL, ZAF_CELL), -2);  // -1.5
    display.dotsPerInchX = 120;
    EXPECT_EQ(display.ConvertXValue(1, ZAF_POINTS, ZAF_PIXEL), 2);   // 1.666
}

TEST(ZafDisplayConversion, MissingMetricsOrUnknownTypesLeaveTheValue)
{
    TestDisplay display;
    display.cellWidth = 0;
    display.miniDenominatorY = 0;
    EXPECT_EQ(display.ConvertXValue(7, ZAF_CELL, ZAF_PIXEL), 7);
    EXPECT_EQ(display.ConvertYValue(7, ZAF_MINICELL, ZAF_PIXEL), 7);
    EXPECT_EQ(display.ConvertXValue(7, 42, ZAF_PIXEL), 7);
}

TEST(ZafDisplayTables, IndicesOutsideTheTablesAreRefused)
{
    ZafDisplay display;
    EXPECT_TRUE(display.SetColorValue(126, 0x00FF00));
    EXPECT_EQ(display.ColorValue(126), 0x00FF00u);
    EXPECT_FALSE(display.SetColorValue(127, 1));
    EXPECT_FALSE(display.SetColorValue(-2, 1));
    EXPECT_EQ(display.ColorValue(-2), ZafDisplay::UNUSED_COLOR);
    EXPECT_EQ(display.ColorValue(254), ZafDisplay::UNUSED_COLOR);
    int font = 0;
    EXPECT_TRUE(display.SetFontHandle(9, &font));
    EXPECT_EQ(display.FontHandle(9), &font);
    EXPECT_FALSE(display.SetFontHandle(10, &font));
    EXPECT_EQ(display.FontHandle(-1), nullptr);
    EXPECT_FALSE(display.SetScale(0, 1));
    EXPECT_EQ(display.scaleNumerator, 1);
}

TEST(ZafDisplayShared, ADestroyedDisplayIsNoLongerSharedWhileOthersLeaveItAlone)
{
    ZafDisplay *before = ZafDisplay::Shared();
    ZafDisplay kept;
    EXPECT_EQ(ZafDisplay::SetShared(&kept), before);
    {
        ZafDisplay neverShared;
    }
    EXPECT_EQ(ZafDisplay::Shared(), &kept);
    {
        ZafDisplay temporary;
        EXPECT_EQ(ZafDisplay::SetShared(&temporary), &kept);
    }
    EXPECT_EQ(ZafDisplay::Shared(), nullptr);
    ZafDisplay::SetShared(before);
}

TEST(ZafRegionStruct, CellRegionBecomesWholeCellsOfPixelsAndBack)
{
    TestDisplay display;
    ZafRegionStruct region = Region(1, 2, 4, 2, ZAF_CELL);   // 4 cells wide, 1 high
    region.ConvertCoordinates(ZAF_PIXEL, &display);
    EXPECT_EQ(region.left, 10);
    EXPECT_EQ(region.top, 40);
    EXPECT_EQ(region.right, 49);
    EXPECT_EQ(region.bottom, 59);
    region.ConvertCoordinates(ZAF_CELL, &display);
    EXPECT_EQ(region, Region(1, 2, 4, 2, ZAF_CELL));
}

TEST(ZafRegionStruct, ConversionAndDifferenceUseTheSharedDisplayWhenNoneIsGivenComparingInTheFirstRegionsType)
{
    TestDisplay display;
    ZafDisplay *before = ZafDisplay::SetShared(&display);
    ZafRegionStruct region = Region(0, 0, 71, 71, ZAF_POINTS);
    region.ConvertCoordinates(ZAF_PIXEL);
    EXPECT_EQ(region.right, 95);
    EXPECT_EQ(region.bottom, 95);
    ZafPositionStruct position = { 1440, 720, ZAF_TWIPS };
    position.ConvertCoordinates(ZAF_PIXEL);
    EXPECT_EQ(position.column, 96);
    EXPECT_EQ(position.line, 48);
    EXPECT_FALSE(Region(0, 0, 9, 19) != Region(0, 0, 0, 0, ZAF_CELL));
    EXPECT_TRUE(Region(0, 0, 9, 18) != Region(0, 0, 0, 0, ZAF_CELL));
    ZafDisplay::SetShared(before);
}

TEST(ZafRegionStruct, ContainsIncludesTheEdgesAndConvertsThePoint)
{
    TestDisplay display;
    ZafRegionStruct region = Region(10, 10, 19, 19);
    EXPECT_TRUE(region.Contains(10, 19));
    EXPECT_FALSE(region.Contains(20, 15));
    // Mini-cells are 1 x 2 pixels on this display.
    EXPECT_TRUE(region.Contains(ZafPositionStruct{ 15, 6, ZAF_MINICELL }, &display));   // (15, 12)
    EXPECT_FALSE(region.Contains(ZafPositionStruct{ 20, 5, ZAF_MINICELL }, &display));  // (20, 10)
    EXPECT_FALSE(region.Contains(ZafPositionStruct{ 1, 1, ZAF_CELL }, &display));       // (10, 20)
}

TEST(ZafRegionStruct, OverlapAnswersTheCommonPartAndConvertsTheOther)
{
    TestDisplay display;
    ZafRegionStruct a = Region(0, 0, 9, 9);
    ZafRegionStruct common;
    EXPECT_TRUE(a.Overlap(Region(9, 5, 20, 20), &common, &display));
    EXPECT_EQ(common, Region(9, 5, 9, 9));
    EXPECT_FALSE(a.Overlap(Region(10, 0, 20, 9), nullptr, &display));
    EXPECT_TRUE(a.Overlap(Region(0, 0, 0, 0, ZAF_CELL), &common, &display));
    EXPECT_EQ(common, Region(0, 0, 9, 9));
}

TEST(ZafRegionList, SubtractingACentralSquareLeavesFourPartsCoveringTheRest)
{
    ZafRegionList list;
    int window = 0;
    list.Add(&window, Region(0, 0, 9, 9));
    const ZafRegionStruct hole = Region(4, 4, 5, 5);
    list.Split(hole);

    ASSERT_EQ(list.Count(), 4);
    // Every pixel of the square is covered exactly once outside the hole.
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            int covered = 0;
            for (ZafRegionElement *e = list.First(); e; e = e->Next()) {
                covered += e->region.Contains(x, y) ? 1 : 0;
                EXPECT_EQ(e->osWindow, &window);
            }
            EXPECT_EQ(covered, hole.Contains(x, y) ? 0 : 1) << x << "," << y;
        }
    }
}

TEST(ZafRegionList, SubtractLeavesUntouchedElementsAndRemovesCoveredOnes)
{
    ZafRegionList list;
    list.Add(nullptr, Region(0, 0, 9, 9));
    list.Add(nullptr, Region(20, 0, 29, 9));
    list.Add(nullptr, Region(5, 5, 4, 4));    // empty: ignored
    EXPECT_EQ(list.Count(), 2);
    list.Split(Region(0, 0, 9, 9));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First()->region, Region(20, 0, 29, 9));
    list.Split(Region(25, 0, 40, 20));        // cuts off the right half
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First()->region, Region(20, 0, 24, 9));
}
