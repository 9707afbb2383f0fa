// Scroll bars and sliders on real windows: the 16-bit OS positions and their
// scaling, the scroll steps, who hears of a change, and storage.
#include "ZafControlTestSupport.h"

#include <commctrl.h>

#include "framework/controls/ZafScrollBar.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/storage/ZafMemoryPersistence.h"

namespace {

struct Heard
{
    std::vector<ZafEventStruct> events;
    std::vector<ZafEventType> codes;
};
Heard heard;

ZafEventType RecordUserFunction(ZafWindowObject *, ZafEventStruct &event, ZafEventType code)
{
    heard.events.push_back(event);
    heard.codes.push_back(code);
    return 0;
}

// A window that records the scroll notices its DropHook is given.
class ScrollingWindow : public ZafWindow
{
public:
    ScrollingWindow() : ZafWindow(40, 40, 200, 150) { SetCoordinateType(ZAF_PIXEL); }
    ZafEventType DropHook(const ZafEventStruct &event) override
    {
        notices.push_back(event);
        return event.type;
    }
    std::vector<ZafEventStruct> notices;
};

class ZafScrollBarTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        heard = Heard();
        window = NewTopLevel(300, 200, { -1, -5 });
        manager->Add(window);
    }

    // A free-standing bar or slider on the window, registered.
    ZafScrollBar *AddBar(int type, int minimum, int maximum, int current, int lineStep, int pageSize)
    {
        auto *bar = new ZafScrollBar(10, 10, 150, 20, minimum, maximum, current, lineStep, pageSize, type);
        bar->SetCoordinateType(ZAF_PIXEL);
        bar->SetUseParentFrameHandle(false);
        bar->SetUserFunction(RecordUserFunction);
        window->Add(bar);
        return bar;
    }

    static void Scroll(ZafScrollBar *bar, int code, int position = 0)
    {
        UINT message = (bar->ScrollType() == 2 || bar->ScrollType() == 4) ? WM_VSCROLL : WM_HSCROLL;
        SendMessageW(static_cast<HWND>(bar->OSWindow()), message, MAKEWPARAM(code, WORD(position)),
            reinterpret_cast<LPARAM>(bar->OSWindow()));
    }

    ZafWindow *window = nullptr;
};

SCROLLINFO ControlInfo(ZafScrollBar *bar, int which = SB_CTL)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(static_cast<HWND>(bar->OSWindow()), which, &info);
    return info;
}

} // namespace

TEST_F(ZafScrollBarTest, BarsAndSlidersStartTheirOSPositionsAtMinus32767AndFollowChangesOfTheirData)
{
    ZafScrollBar *bar = AddBar(1, 0, 100, 0, 1, 1);
    ASSERT_TRUE(bar->Registered());
    SCROLLINFO info = ControlInfo(bar);
    EXPECT_EQ(-32767, info.nMin);
    EXPECT_EQ(-32667, info.nMax);
    EXPECT_EQ(-32767, info.nPos);
    EXPECT_EQ(1u, info.nPage);
    EXPECT_EQ(1, bar->ScaleFactor());
    ZafScrollBar *slider = AddBar(3, 0, 100, 40, 1, 10);
    HWND control = static_cast<HWND>(slider->OSWindow());
    EXPECT_EQ(L"msctls_trackbar32", WindowClassName(control));
    EXPECT_EQ(-32767, SendMessageW(control, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(-32667, SendMessageW(control, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(-32767 + 40, SendMessageW(control, TBM_GETPOS, 0, 0));
    bar->ScrollData()->SetCurrent(60);
    EXPECT_EQ(-32767 + 60, ControlInfo(bar).nPos);
}

TEST_F(ZafScrollBarTest, AWideRangeIsScaledAndTheThumbPositionScaledBack)
{
    ZafScrollBar *bar = AddBar(1, 0, 131071, 0, 1, 1);
    EXPECT_EQ(3, bar->ScaleFactor());
    for (int p : { -32767, -30000, 0, 10000 })
    {
        Scroll(bar, SB_THUMBPOSITION, p);
        EXPECT_EQ(3 * (p + 32767), bar->ScrollData()->Current()) << p;
    }
}

TEST_F(ZafScrollBarTest, LineUpRaisesAVerticalSliderAndLowersAVerticalBar)
{
    ZafScrollBar *bar = AddBar(2, 0, 100, 50, 1, 10);
    ZafScrollBar *slider = AddBar(4, 0, 100, 50, 1, 10);
    Scroll(bar, SB_LINEUP);
    Scroll(slider, SB_LINEUP);
    EXPECT_EQ(49, bar->ScrollData()->Current());
    EXPECT_EQ(51, slider->ScrollData()->Current());
    // The slider shows the maximum at the top.
    Scroll(slider, SB_TOP);
    EXPECT_EQ(100, slider->ScrollData()->Current());
}

TEST_F(ZafScrollBarTest, APageStepPastTheEndStopsThereAndReportsTheChangeMade)
{
    ZafScrollBar *bar = AddBar(1, 0, 100, 95, 1, 10);
    Scroll(bar, SB_PAGEDOWN);
    EXPECT_EQ(100, bar->ScrollData()->Current());
    ASSERT_EQ(1u, heard.events.size());
    EXPECT_EQ(ZAF_L_SELECT, heard.codes[0]);
    EXPECT_EQ(ZAF_L_PAGE_DOWN, heard.events[0].type);
    EXPECT_EQ(5, heard.events[0].scroll.delta);
    EXPECT_EQ(100, heard.events[0].scroll.current);
    // Nothing moves any more, so nothing is reported.
    Scroll(bar, SB_PAGEDOWN);
    EXPECT_EQ(1u, heard.events.size());
    EXPECT_EQ(-32767 + 100, ControlInfo(bar).nPos);
}

TEST_F(ZafScrollBarTest, ASupportBarTellsItsWindowAndAFreeBarItsUserFunction)
{
    auto *scrolling = new ScrollingWindow;
    scrolling->Add(new FramePart(-1));
    auto *support = new ZafScrollBar(2);
    support->SetUserFunction(RecordUserFunction);
    support->Event([] { ZafEventStruct e(ZAF_EV_SET_VERTICAL_SCROLL, 0); e.scroll = { 10, 0, 50, 5, 1 }; return e; }());
    scrolling->Add(support);
    manager->Add(scrolling);
    ASSERT_EQ(support, scrolling->VerticalScrollBar());
    EXPECT_STREQ(L"ZAF_VERTICAL_SCROLL", support->StringID());
    HWND client = static_cast<HWND>(scrolling->OSWindow());
    EXPECT_TRUE(GetWindowLongW(client, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(-32767 + 10, ControlInfo(support, SB_VERT).nPos);

    SendMessageW(client, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    ASSERT_EQ(1u, scrolling->notices.size());
    EXPECT_EQ(ZAF_EV_VERTICAL_SCROLLED, scrolling->notices[0].type);
    EXPECT_EQ(1, scrolling->notices[0].scroll.delta);
    EXPECT_EQ(11, support->ScrollData()->Current());
    EXPECT_TRUE(heard.events.empty());

    ZafScrollBar *free = AddBar(2, 0, 50, 10, 1, 5);
    Scroll(free, SB_LINEDOWN);
    EXPECT_EQ(1u, heard.events.size());
    EXPECT_EQ(1u, scrolling->notices.size());
}

TEST_F(ZafScrollBarTest, ReadingBackWhatWasShownGivesTheValueForAnyLineStep)
{
    ZafScrollBar *bar = AddBar(1, 0, 1000, 0, 5, 10);
    ZafScrollBar *slider = AddBar(4, 0, 1000, 0, 5, 10);
    for (ZafScrollBar *b : { bar, slider })
    {
        b->ScrollData()->StoreCurrent(35);
        b->UpdateOSScroll();
        b->ScrollData()->StoreCurrent(0);
        b->ReadOSPosition();
        EXPECT_EQ(35, b->ScrollData()->Current()) << b->ScrollType();
    }
}

TEST_F(ZafScrollBarTest, ScrollingByAnAmountStaysInsideTheRange)
{
    ZafScrollBar *bar = AddBar(1, 0, 100, 90, 1, 10);
    ZafEventStruct event(ZAF_EV_SCROLL_VERTICAL, 0);
    event.scroll.delta = 50;
    bar->Event(event);
    EXPECT_EQ(100, bar->ScrollData()->Current());
    event.scroll.delta = -500;
    bar->Event(event);
    EXPECT_EQ(0, bar->ScrollData()->Current());
    EXPECT_EQ(-32767, ControlInfo(bar).nPos);
}

TEST_F(ZafScrollBarTest, SupportIdsFollowTheTypeAndASliderNeverBecomesASupportObject)
{
    ZafScrollBar corner(0), horizontal(1), turned(2);
    EXPECT_EQ(-8, corner.NumberID());
    EXPECT_STREQ(L"ZAF_CORNER_SCROLL", corner.StringID());
    EXPECT_EQ(-6, horizontal.NumberID());
    EXPECT_STREQ(L"ZAF_HORIZONTAL_SCROLL", horizontal.StringID());
    EXPECT_EQ(3, turned.SetScrollType(3));
    EXPECT_EQ(0, turned.NumberID());
    EXPECT_EQ(nullptr, turned.StringID());
    EXPECT_TRUE(turned.OwnOSWindow());
    EXPECT_FALSE(turned.SetUseParentFrameHandle(true));
}

TEST_F(ZafScrollBarTest, DataObservedByAnotherOutlivesTheBar)
{
    auto *data = new ZafScrollData(0, 10, 3, 1, 1);
    auto *bar = new ZafScrollBar(0, 0, 10, 1, data, 3);
    auto *other = new ZafScrollBar(0, 0, 10, 1, data, 3);
    delete bar;
    EXPECT_EQ(1, data->NotificationCount());
    EXPECT_EQ(3, data->Current());
    delete other;   // the last observer takes the data with it
}

TEST_F(ZafScrollBarTest, AStoredSliderReadsBackWithItsTypeAndData)
{
    ZafMemoryPersistence stored;
    ZafScrollBar slider(5, 6, 100, 23, 10, 90, 40, 2, 8, 4);
    slider.SetStringID(L"volume");
    slider.SetAutoSize(false);
    std::unique_ptr<ZafScrollBar> read = stored.RoundTrip(slider);
    ASSERT_TRUE(read);
    EXPECT_EQ(4, read->ScrollType());
    EXPECT_FALSE(read->AutoSize());
    EXPECT_TRUE(read->OwnOSWindow());
    const ZafScrollData *data = read->ScrollData();
    EXPECT_EQ(10, data->Minimum());
    EXPECT_EQ(90, data->Maximum());
    EXPECT_EQ(40, data->Current());
    EXPECT_EQ(2, data->LineStep());
    EXPECT_EQ(8, data->PageSize());
}

TEST_F(ZafScrollBarTest, ASliderIsDrawnOnItsWindowsBackground)
{
    ZafScrollBar *slider = AddBar(3, 0, 100, 40, 1, 10);
    HWND control = static_cast<HWND>(slider->OSWindow());
    HWND client = static_cast<HWND>(window->OSWindow());
    RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC sliderContext = GetDC(control), clientContext = GetDC(client);
    const COLORREF corner = GetPixel(sliderContext, 1, 1);
    const COLORREF background = GetPixel(clientContext, 250, 150);
    ReleaseDC(control, sliderContext);
    ReleaseDC(client, clientContext);
    EXPECT_EQ(background, corner);
}
