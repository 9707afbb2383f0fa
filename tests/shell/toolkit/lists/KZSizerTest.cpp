// The column-title bar on real windows: which divider or cell a press takes,
// the focus request to the parent, divider drags and the pointer shapes.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/events/ZafEventManager.h"
#include "framework/core/events/ZafMouse.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/lists/KZSizer.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

// A title bar over fixed dividers that records presses and moves.
class TitleBar : public KZSizer
{
public:
    explicit TitleBar(std::vector<int> dividers) : KZSizer(0, 20, dividers.back(), 0), dividers(std::move(dividers))
    {
        SetSizerFlags(SizerFlags() & ~(kSizerFirstMovable | kSizerLastMovable));
    }
    int ColumnCount() override { return int(dividers.size()) - 1; }
    int DividerPosition(int i) override
    {
        return dividers[size_t(std::max(0, std::min(i, ColumnCount())))];
    }
    void SetDraggedDivider(int divider) override
    {
        if (divider >= 0)
            taken.push_back(divider);
        KZSizer::SetDraggedDivider(divider);
    }
    void MoveDivider(int divider, int position) override { moves.push_back({ divider, position }); }
    void CellClicked(KPoint, int cell) override { cells.push_back(cell); }

    std::vector<int> dividers;
    std::vector<int> taken;
    std::vector<int> cells;
    std::vector<std::pair<int, int>> moves;
};

// A window that records when it is asked to take the focus, and whether the
// bar was dragging at that moment.
class FocusRecorder : public KZWindow
{
public:
    FocusRecorder() : KZWindow(0, 30, 300, 150) { SetCoordinateType(kCoordPixels); }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == kEvtTakeFocus)
            requests.push_back(bar ? bar->DraggedDivider() : -2);
        return KZWindow::Event(event);
    }
    TitleBar *bar = nullptr;
    std::vector<int> requests;     // the bar's dragged divider at each request
};

class ColumnTitles : public ListTest
{
protected:
    TitleBar *MakeBar(std::vector<int> dividers)
    {
        window = new FocusRecorder;
        host->Add(window);
        auto *bar = new TitleBar(std::move(dividers));
        window->bar = bar;
        window->Add(bar);
        Pump();
        return bar;
    }
    ZafEventType PointerImage()
    {
        ZafEventManager *events = app->EventManager();
        for (ZafElement *e = events->First(); e; e = e->Next())
            if (auto *mouse = dynamic_cast<ZafMouse *>(e))
                return mouse->Image();
        return 0;
    }
    FocusRecorder *window = nullptr;
};

TEST_F(ColumnTitles, PressTakesTheNearestMovableDividerOrReportsTheCell)
{
    struct Case { int x; int divider; int cell; };
    const Case cases[] = {
        { 45, 1, -1 }, { 40, 1, -1 }, { 70, -1, 1 }, { 105, 2, -1 }, { 3, -1, 0 },
    };
    for (const Case &c : cases) {
        TitleBar *bar = MakeBar({ 0, 40, 100, 200 });
        ListHand hand(bar);
        hand.Press(c.x, 8);
        hand.Release(c.x, 8);
        if (c.divider >= 0) {
            EXPECT_EQ(std::vector<int>{ c.divider }, bar->taken) << c.x;
            EXPECT_TRUE(bar->cells.empty()) << c.x;
            ASSERT_FALSE(bar->moves.empty()) << c.x;
            EXPECT_EQ(std::make_pair(c.divider, c.x), bar->moves.back()) << c.x;
            EXPECT_EQ(-1, bar->DraggedDivider()) << c.x;
        } else {
            EXPECT_TRUE(bar->taken.empty()) << c.x;
            EXPECT_EQ(std::vector<int>{ c.cell }, bar->cells) << c.x;
        }
        EXPECT_EQ(nullptr, app->GrabWindow()) << c.x;
    }
}

TEST_F(ColumnTitles, OfTwoEquallyNearDividersTheOneBeforeThePointerWins)
{
    TitleBar *bar = MakeBar({ 0, 40, 54, 200 });
    struct Case { int x; int divider; };
    const Case cases[] = { { 47, 1 }, { 48, 2 }, { 33, 1 }, { 61, 2 } };
    for (const Case &c : cases) {
        int divider = -1;
        EXPECT_TRUE(bar->DividerAt(KPoint(c.x, 5), &divider)) << c.x;
        EXPECT_EQ(c.divider, divider) << c.x;
    }
    EXPECT_FALSE(bar->DividerAt(KPoint(32, 5), nullptr));
    EXPECT_FALSE(bar->DividerAt(KPoint(2, 5), nullptr));     // the leading edge stays fixed
    bar->SetSizerFlags(bar->SizerFlags() | kSizerFirstMovable);
    EXPECT_TRUE(bar->DividerAt(KPoint(2, 5), nullptr));
}

TEST_F(ColumnTitles, DragFollowsThePointerWithItHiddenAndEndsAtTheRelease)
{
    TitleBar *bar = MakeBar({ 0, 40, 100, 200 });
    ListHand hand(bar);
    hand.Press(41, 8);
    EXPECT_EQ(bar, app->GrabWindow());
    EXPECT_EQ(1, bar->DraggedDivider());
    hand.Move(60, 8);
    hand.Move(20, 8);
    hand.Release(25, 8);
    const std::vector<std::pair<int, int>> expected = { { 1, 60 }, { 1, 20 }, { 1, 25 } };
    EXPECT_EQ(expected, bar->moves);
    EXPECT_EQ(-1, bar->DraggedDivider());
    EXPECT_EQ(nullptr, app->GrabWindow());
}

TEST_F(ColumnTitles, PressAsksTheParentToTakeTheFocusBeforeAnyDragStarts)
{
    TitleBar *bar = MakeBar({ 0, 40, 100, 200 });
    ListHand hand(bar);
    hand.Click(40, 8);
    hand.Click(70, 8);
    EXPECT_EQ((std::vector<int>{ -1, -1 }), window->requests);

    bar->SetSizerFlags(bar->SizerFlags() & ~kSizerPressFocus);
    hand.Click(40, 8);
    EXPECT_EQ(2u, window->requests.size());
}

TEST_F(ColumnTitles, PointerShowsSizingOnlyOverAMovableDivider)
{
    TitleBar *bar = MakeBar({ 0, 40, 100, 200 });
    ListHand hand(bar);
    hand.Hover(42, 8);
    EXPECT_EQ(kPointerSizeWE, PointerImage());
    hand.Hover(70, 8);
    EXPECT_EQ(kPointerArrow, PointerImage());

    TitleBar *empty = MakeBar({ 0 });
    empty->SetSizerFlags(kSizerFirstMovable | kSizerLastMovable);
    ListHand(empty).Hover(0, 8);
    EXPECT_EQ(kPointerArrow, PointerImage());
}

} // namespace
