// The selector grid on real windows: selection clamping, columns and their
// content areas, mouse selection with tracking and automatic scrolling, and
// the list colours.
#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/strings/KString.h"
#include "shell/app/KZApplication.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/lists/KZSizer.h"

namespace {

class Selector : public ListTest
{
protected:
    static int RowY(int row) { return row * 16 + 8; }
};

TEST_F(Selector, SelectionIsClampedIntoTheRows)
{
    struct Case { int rows; KPoint asked; KPoint stored; };
    const Case cases[] = {
        { 5, KPoint(-1, -1), KPoint(0, 0) },
        { 5, KPoint(0, 9), KPoint(0, 4) },
        { 5, KPoint(3, 2), KPoint(0, 2) },
        { 0, KPoint(0, 2), KPoint(-1, -1) },
        { 0, KPoint(-1, -1), KPoint(-1, -1) },
    };
    for (const Case &c : cases) {
        RecordingSelector list(0, 0, 100, 100);
        list.SetExtent(KPoint(1, c.rows));
        list.SetSelection(c.asked);
        EXPECT_EQ(c.stored, list.Selection()) << c.rows << " rows, asked row " << c.asked.y;
    }
}

TEST_F(Selector, RedisplayClampsTheSelectionIntoAShrunkList)
{
    RecordingSelector *list = MakeList(200, 100, 5);
    list->SetSelection(KPoint(0, 4));
    list->SetExtent(KPoint(1, 2));
    list->Redisplay();
    EXPECT_EQ(KPoint(0, 1), list->Selection());
}

TEST_F(Selector, ColumnWidthsGiveTheCellsTheLastToTheRowEndAndMarginsTheirContent)
{
    RecordingSelector *list = MakeList(200, 100, 3);
    ASSERT_EQ(200, list->UnitSize().x);
    const int widths[] = { 40, 60, 30 };
    list->SetColumnWidths(widths, 3);
    const KRect expected[] = { KRect(0, 16, 39, 31), KRect(40, 16, 99, 31), KRect(100, 16, 199, 31) };
    for (int column = 0; column < 3; ++column) {
        KRect rect;
        list->UnitRect(KPoint(0, 1), rect);
        list->CellRect(KPoint(0, 1), column, rect, kPartCell);
        EXPECT_EQ(expected[column], rect) << column;
    }
    list->SetCellMargins(KRect(1, 1, 1, 1));
    KRect content;
    list->UnitRect(KPoint(0, 1), content);
    list->CellRect(KPoint(0, 1), 1, content, kPartContent);
    EXPECT_EQ(KRect(41, 17, 98, 30), content);

    KPoint point(120, 20);
    int column = -2;
    list->ColumnAt(point, &column);
    EXPECT_EQ(2, column);
    EXPECT_EQ(KPoint(0, 1), point);
}

TEST_F(Selector, TitleBarIsKeptAsLongAsARow)
{
    RecordingSelector *list = MakeList(200, 100, 3);
    KZSizer header(0, 20, 50, 0);
    list->SetHeaderBar(&header);
    list->UpdateLayout();
    EXPECT_EQ(200, header.CellSize());
    list->SetHeaderBar(nullptr);
}

TEST_F(Selector, CellsAreDrawnForRowsInsideTheExtentOnly)
{
    RecordingSelector *list = MakeList(200, 100, 2);
    list->SetColumnCount(2);
    list->SetColumnPosition(1, 50);
    list->text = [](KPoint unit, int column) { return std::to_wstring(unit.y * 10 + column); };
    list->ClearRecords();
    list->RedrawRect(KRect(0, 0, 0, 3), kEvtRedisplay);
    ASSERT_EQ(4u, list->drawnCells.size());
    EXPECT_EQ(1, list->drawnCells[3].unit.y);
    EXPECT_EQ(1, list->drawnCells[3].column);
}

TEST_F(Selector, PressSelectsTheRowAndRedrawsOnlyTheOldAndNewRows)
{
    RecordingSelector *list = MakeList(200, 100, 5);
    ListHand hand(list);
    hand.Click(50, RowY(1));
    ASSERT_EQ(KPoint(0, 1), list->Selection());
    list->ClearRecords();
    hand.Click(50, RowY(3));
    EXPECT_EQ(KPoint(0, 3), list->Selection());
    EXPECT_EQ((std::vector<int>{ 1, 3 }), list->DrawnRows());
    EXPECT_EQ(0u, list->SelectorFlags() & kSelectorTracking);
}

TEST_F(Selector, PressOutsideTheWholeRowsOfTheListIsIgnored)
{
    struct Case { int rows; int y; const char *where; };
    const Case cases[] = {
        { 3, 70, "below the last row" },
        { 10, 98, "on the partly visible row" },
    };
    for (const Case &c : cases) {
        RecordingSelector *list = MakeList(200, 100, c.rows);
        ListHand(list).Press(50, c.y);
        EXPECT_TRUE(list->selections.empty()) << c.where;
        EXPECT_EQ(0u, list->SelectorFlags() & kSelectorTracking) << c.where;
        EXPECT_EQ(nullptr, app->GrabWindow()) << c.where;
        ListHand(list).Release(50, c.y);
    }
}

TEST_F(Selector, DragMovesTheSelectionAndReleaseBelowTheListSelectsTheLastRow)
{
    RecordingSelector *list = MakeList(200, 100, 4);
    ListHand hand(list);
    hand.Press(50, RowY(0));
    EXPECT_EQ(list, app->GrabWindow());
    hand.Move(50, RowY(2));
    EXPECT_EQ(KPoint(0, 2), list->Selection());
    hand.Move(50, 90);
    hand.Release(50, 150);
    EXPECT_EQ(KPoint(0, 3), list->Selection());
    EXPECT_EQ(nullptr, app->GrabWindow());
    EXPECT_EQ(0u, list->SelectorFlags() & kSelectorTracking);
}

TEST_F(Selector, AutomaticScrollingDragKeepsTheSelectionAwayFromTheFirstRow)
{
    RecordingSelector *list = MakeList(200, 100, 20);
    ListHand hand(list);
    hand.Press(50, RowY(5));
    for (int i = 0; i < 4; ++i) {
        hand.Move(50, 130);
        Wait(180);
    }
    hand.Release(50, 130);
    EXPECT_GE(list->ScrollPosition().y, 2);
    EXPECT_EQ(KPoint(0, list->ScrollPosition().y + 5), list->Selection());
    for (const KPoint &selected : list->selections)
        EXPECT_GE(selected.y, 5);
}

TEST_F(Selector, PressOnTheSelectedRowOffersItselfToCellClicked)
{
    RecordingSelector *list = MakeList(200, 100, 5);
    ListHand hand(list);
    hand.Click(50, RowY(2));
    EXPECT_TRUE(list->clicks.empty());
    list->clickAnswer = true;
    hand.Press(60, RowY(2));
    ASSERT_EQ(1u, list->clicks.size());
    EXPECT_EQ(kClickOnSelected, list->clicks[0].mode);
    EXPECT_EQ(KPoint(60, RowY(2)), list->clicks[0].pixel);
    EXPECT_EQ(nullptr, app->GrabWindow());          // a taken press starts no tracking
    hand.Release(60, RowY(2));

    hand.RightPress(70, RowY(4));
    EXPECT_EQ(KPoint(0, 4), list->Selection());
    ASSERT_EQ(2u, list->clicks.size());
    EXPECT_EQ(kClickRight, list->clicks[1].mode);
}

TEST_F(Selector, SelectedRowShowsTheHighlightAndOthersTheWindowColour)
{
    RecordingSelector *list = MakeList(200, 100, 5);
    list->Select(KPoint(0, 1));
    Pump();
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), PixelOf(list, 150, RowY(1)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), PixelOf(list, 150, RowY(2)));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), PixelOf(list, 150, 95));    // background below the rows
}

TEST_F(Selector, CellTextIsDrawnInTheCellAndCutToFit)
{
    RecordingSelector *list = MakeList(200, 100, 2);
    list->SetColumnCount(2);
    list->SetColumnPosition(1, 30);
    list->text = [](KPoint, int column) { return column == 0 ? std::wstring(L"WWWWWWWWWWWW") : std::wstring(); };
    list->Select(KPoint(0, 0));
    list->Redisplay();
    Pump();
    const COLORREF text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    int inside = 0, beyond = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 30; ++x)
            inside += PixelOf(list, x, y) == text ? 1 : 0;
        for (int x = 30; x < 200; ++x)
            beyond += PixelOf(list, x, y) == text ? 1 : 0;
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(0, beyond);
}

} // namespace
