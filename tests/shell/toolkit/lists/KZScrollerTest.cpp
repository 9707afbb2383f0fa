// The scrolling unit window on real windows: unit size and extent rules, the
// scroll bar's data, block-copy scrolling checked by the units drawn and by
// pixels, the empty text and automatic scrolling.
#include <gtest/gtest.h>

#include "foundation/strings/KString.h"
#include "framework/controls/ZafScrollBar.h"
#include "framework/core/data/ZafScrollData.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/lists/KZScroller.h"

namespace {

class Scroller : public ListTest
{
protected:
    // A plain scroller of 200 x 100 pixels with units of 20 x 16.
    KZScroller *MakePlain(KPoint extent)
    {
        auto *scroller = new KZScroller(10, 10, 200, 100);
        scroller->SetUnitSize(KPoint(20, 16));
        host->Add(scroller);
        scroller->SetExtent(extent);
        Pump();
        return scroller;
    }
    COLORREF ViewRowPixel(ZafWindowObject *list, int viewRow) { return PixelOf(list, 5, viewRow * 16 + 8); }
};

TEST_F(Scroller, UnitSizeIsAtLeastOneAndReportsOnlyAChange)
{
    KZScroller scroller(0, 0, 100, 100);
    EXPECT_TRUE(scroller.SetUnitSize(KPoint(0, 5)));
    EXPECT_EQ(KPoint(1, 5), scroller.UnitSize());
    EXPECT_FALSE(scroller.SetUnitSize(KPoint(0, 5)));
    EXPECT_FALSE(scroller.SetUnitSize(KPoint(-3, 5)));
}

TEST_F(Scroller, VerticalBarShowsPositionRangePageAndStep)
{
    RecordingSelector *list = MakeList(200, 100, 10, true);
    EXPECT_EQ(6, list->VisibleRows());
    EXPECT_EQ(7, list->ClientUnits(false).y);
    EXPECT_EQ(KRect(0, 0, 0, 4), list->ScrollRange());
    auto *bar = dynamic_cast<ZafScrollBar *>(list->VerticalScrollBar());
    ASSERT_NE(nullptr, bar);
    const ZafScrollData *data = bar->ScrollData();
    EXPECT_EQ(0, data->Current());
    EXPECT_EQ(0, data->Minimum());
    EXPECT_EQ(4, data->Maximum());
    EXPECT_EQ(6, data->PageSize());
    EXPECT_EQ(1, data->LineStep());
}

TEST_F(Scroller, ScrollRequestsMoveTheBarButABarMovedByTheUserIsLeftAlone)
{
    RecordingSelector *list = MakeList(200, 100, 10, true);
    const ZafScrollData *bar = dynamic_cast<ZafScrollBar *>(list->VerticalScrollBar())->ScrollData();
    ZafEventStruct request(kEvtScrollVertical, 0);
    request.scroll.delta = 2;
    list->Event(request);
    EXPECT_EQ(KPoint(0, 2), list->ScrollPosition());
    EXPECT_EQ(2, bar->Current());
    // The change comes in the fifth scroll word, not in the event's value.
    ZafEventStruct moved(kEvtVerticalBarMoved, 7);
    moved.scroll.delta = 1;
    list->Event(moved);
    EXPECT_EQ(KPoint(0, 3), list->ScrollPosition());
    EXPECT_EQ(2, bar->Current());
}

TEST_F(Scroller, ScrollOfTwoRowsCopiesThePixelsAndDrawsOnlyTheExposedRows)
{
    RecordingSelector *list = MakeList(200, 100, 10);
    list->rowColors = true;
    list->Redisplay();
    Pump();
    for (int row = 0; row < 6; ++row)
        ASSERT_TRUE(Near(RecordingSelector::RowColor(row), ViewRowPixel(list, row))) << row;
    list->ClearRecords();

    list->ScrollTo(KPoint(0, 2), true);

    EXPECT_EQ((std::vector<int>{ 6, 7 }), list->DrawnRows());
    for (int row = 0; row < 6; ++row)
        EXPECT_TRUE(Near(RecordingSelector::RowColor(row + 2), ViewRowPixel(list, row))) << row;
    // The partly visible row at the bottom is background.
    EXPECT_TRUE(Near(RecordingSelector::RowColor(-1), PixelOf(list, 5, 98)));
}

TEST_F(Scroller, JumpOfAPageOrAnyDiagonalMoveRedrawsEverything)
{
    RecordingSelector *list = MakeList(200, 100, 20);
    list->ScrollTo(KPoint(0, 6), true);
    Pump();
    EXPECT_EQ((std::vector<int>{ 6, 7, 8, 9, 10, 11 }), list->DrawnRows());
}

TEST_F(Scroller, ShrinkingTheExtentPullsThePositionBackGrowingLeavesIt)
{
    RecordingSelector *list = MakeList(200, 100, 20);
    list->ScrollTo(KPoint(0, 10), true);
    ASSERT_EQ(KPoint(0, 10), list->ScrollPosition());
    EXPECT_TRUE(list->SetExtent(KPoint(1, 12)));
    EXPECT_EQ(KPoint(0, 6), list->ScrollPosition());
    list->SetExtent(KPoint(1, 30));
    EXPECT_EQ(KPoint(0, 6), list->ScrollPosition());
}

TEST_F(Scroller, ScrollIntoViewMakesTheSmallestMove)
{
    RecordingSelector *list = MakeList(200, 100, 20);
    list->ScrollIntoView(KPoint(0, 8), true, true);
    EXPECT_EQ(KPoint(0, 3), list->ScrollPosition());     // row 8 becomes the last whole row
    list->ScrollIntoView(KPoint(0, 1), true, false);
    EXPECT_EQ(KPoint(0, 1), list->ScrollPosition());     // row 1 becomes the first
    list->CenterOn(KPoint(0, 10), false);
    EXPECT_EQ(KPoint(0, 7), list->ScrollPosition());
}

TEST_F(Scroller, ConversionsRoundTowardsMinusInfinityAndFollowRightAlignment)
{
    KZScroller *scroller = MakePlain(KPoint(3, 5));
    EXPECT_EQ(KPoint(-1, -1), scroller->PixelToUnit(KPoint(-1, -1)));
    EXPECT_EQ(KRect(0, 0, 1, 1), scroller->PixelRectToUnits(KRect(19, 15, 20, 16)));
    scroller->SetLayoutFlags(kScrollRightAligned);
    // Ten whole columns show a grid of three: it starts at column 7.
    EXPECT_EQ(KPoint(140, 0), scroller->UnitToPixel(KPoint(0, 0)));
    EXPECT_EQ(KPoint(0, 0), scroller->PixelToUnit(KPoint(145, 3)));
    EXPECT_EQ(KRect(180, 16, 199, 31), scroller->UnitRectToPixels(KRect(2, 1, 2, 1)));
}

TEST_F(Scroller, EmptyGridShowsItsEmptyTextAtTheTopLeft)
{
    RecordingSelector *list = MakeList(200, 100, 0);
    const KString empty(L"WWWW MMMM");
    list->SetEmptyText(&empty);
    list->Redisplay();
    Pump();
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    int found = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            found += Near(text, PixelOf(list, x, y)) ? 1 : 0;
    EXPECT_GT(found, 0);
    EXPECT_TRUE(Near(GetSysColor(COLOR_WINDOW), PixelOf(list, 150, 80)));
    list->SetEmptyText(nullptr);
}

TEST_F(Scroller, AutomaticScrollingWithoutARateMakesNoStep)
{
    KZScroller *scroller = MakePlain(KPoint(1, 20));
    EXPECT_FALSE(scroller->AutoScroll(KPoint(0, 15)));
    EXPECT_EQ(KPoint(0, 0), scroller->ScrollPosition());
}

TEST_F(Scroller, AutomaticScrollingStepsOneUnitWhenAStepIsDue)
{
    RecordingSelector *list = MakeList(200, 100, 20);
    EXPECT_FALSE(list->AutoScrollNeeded(KPoint(0, 3)));
    EXPECT_TRUE(list->AutoScroll(KPoint(0, 15)));
    EXPECT_EQ(KPoint(0, 1), list->ScrollPosition());
    // The next step is due 1000 / 6 ms later.
    EXPECT_TRUE(list->AutoScroll(KPoint(0, 15)));
    EXPECT_EQ(KPoint(0, 1), list->ScrollPosition());
    Wait(200);
    EXPECT_TRUE(list->AutoScroll(KPoint(0, 15)));
    EXPECT_EQ(KPoint(0, 2), list->ScrollPosition());
    EXPECT_TRUE(list->AutoScroll(KPoint(0, -1)));        // the unit is clamped into the extent
    EXPECT_EQ(KPoint(0, 2), list->ScrollPosition());
}

} // namespace
