#include "ZafLayoutTestSupport.h"

#include "framework/controls/ZafStatusBar.h"

namespace {

// A window object that counts how often the bar has it draw itself.
class CountingChild : public ZafWindowObject
{
public:
    CountingChild(int left, int top, int width, int height) : ZafWindowObject(left, top, width, height)
    {
        SetCoordinateType(ZAF_PIXEL);
    }
    ZafEventType Redisplay(const ZafEventStruct &event, ZafEventType code) override
    {
        ++draws;
        return ZafWindowObject::Redisplay(event, code);
    }
    int draws = 0;
};

} // namespace

class ZafStatusBarTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        window = NewTopLevel(200, 120, { -1 });
        bar = new ZafStatusBar(0, 0, 10, 24);
        bar->SetCoordinateType(ZAF_PIXEL);
        child = new CountingChild(4, 2, 40, 16);
        bar->Add(child);
        window->Add(bar);
        manager->Add(window);
        Pump(30);
    }
    RECT BarRect() const
    {
        RECT rect;
        GetWindowRect(static_cast<HWND>(bar->OSWindow()), &rect);
        return rect;
    }
    RECT ClientRect() const
    {
        RECT rect;
        GetClientRect(static_cast<HWND>(window->OSHandle(2)), &rect);
        MapWindowPoints(static_cast<HWND>(window->OSHandle(2)), nullptr, reinterpret_cast<POINT *>(&rect), 2);
        return rect;
    }
    HWND BarHandle() const { return static_cast<HWND>(bar->OSWindow()); }

    ZafWindow *window = nullptr;
    ZafStatusBar *bar = nullptr;
    CountingChild *child = nullptr;
};

TEST_F(ZafStatusBarTest, TheBarKeepsItsHeightAtTheBottomWhenTheFrameIsResized)
{
    for (int grow : { 0, 60, -30 }) {
        SCOPED_TRACE(grow);
        ResizeFrame(window->OSHandle(2), grow, grow);
        Pump(30);
        const RECT place = BarRect(), client = ClientRect();
        EXPECT_EQ(24, place.bottom - place.top);
        EXPECT_EQ(client.bottom, place.bottom);
        EXPECT_EQ(client.right - client.left, place.right - place.left);
    }
    EXPECT_FALSE(child->OwnOSWindow());
    EXPECT_EQ(BarHandle(), static_cast<HWND>(child->OSWindow()));
}

TEST_F(ZafStatusBarTest, NarrowingTheBarInvalidatesTheGripStrip)
{
    ValidateRect(BarHandle(), nullptr);
    ZafRegionStruct wider = bar->Region();
    wider.right += 40;
    bar->Event(ZafEventStruct(ZAF_EV_SIZED, 0, wider));
    RECT invalid;
    ASSERT_TRUE(GetUpdateRect(BarHandle(), &invalid, FALSE));
    const int newRight = bar->Region().Width() - 1;
    EXPECT_EQ(newRight - 13, invalid.left);
    EXPECT_EQ(newRight + 1, invalid.right);    // the rest lies outside the narrowed bar
    EXPECT_EQ(0, invalid.top);
    EXPECT_EQ(24, invalid.bottom);
}

TEST_F(ZafStatusBarTest, OnlyChildrenThatMeetTheUpdateRegionAreDrawn)
{
    UpdateWindow(BarHandle());
    child->draws = 0;
    RECT away = { 120, 0, 160, 24 };
    InvalidateRect(BarHandle(), &away, TRUE);
    UpdateWindow(BarHandle());
    EXPECT_EQ(0, child->draws);
    RECT over = { 10, 8, 20, 12 };   // the child sits at y 4 .. 19 below the 2-pixel edge
    InvalidateRect(BarHandle(), &over, TRUE);
    UpdateWindow(BarHandle());
    EXPECT_EQ(1, child->draws);
}
