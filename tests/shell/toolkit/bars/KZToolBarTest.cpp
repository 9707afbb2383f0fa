// The tool bar and its items on real windows: button sizes, the bar's text,
// the focus request after a button release and the colours of a bar's list.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/strings/KString.h"
#include "framework/core/data/ZafImageData.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZTBSelector.h"
#include "shell/toolkit/bars/KZTBSpace.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

class CountingBar : public KZToolBar
{
public:
    explicit CountingBar(int thickness) : KZToolBar(0, thickness) {}
    ZafEventType Draw(const ZafEventStruct &event, ZafEventType code) override
    {
        ++draws;
        return KZToolBar::Draw(event, code);
    }
    int draws = 0;
};

class FocusWindow : public KZWindow
{
public:
    FocusWindow() : KZWindow(0, 40, 300, 150) { SetCoordinateType(kCoordPixels); }
    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == kEvtTakeFocus)
            ++requests;
        return KZWindow::Event(event);
    }
    int requests = 0;
};

class ToolBar : public ListTest
{
protected:
    ZafBitmapData *Bitmap(int width, int height)
    {
        pixels.assign(size_t(width * height), 0);
        return new ZafBitmapData(ZafBitmapStruct(width, height, pixels.data(), true));
    }
    // The leftmost x of a pixel of colour within the rows of the bar.
    int LeftmostOf(ZafWindowObject *bar, COLORREF color, int width, int top, int bottom)
    {
        for (int x = 0; x < width; ++x)
            for (int y = top; y <= bottom; ++y)
                if (PixelOf(bar, x, y) == color)
                    return x;
        return -1;
    }
    std::vector<ZafInt8> pixels;
};

TEST_F(ToolBar, ButtonsTakeTheSizeOfTheirContents)
{
    struct Case { int width, height, extraWidth, extraHeight, expectedWidth, expectedHeight; };
    const Case cases[] = { { 16, 15, 0, 0, 22, 21 }, { 16, 15, 4, 2, 26, 23 } };
    for (const Case &c : cases) {
        ZafBitmapData *bitmap = Bitmap(c.width, c.height);
        KZTBButton button(10100, bitmap, c.extraWidth, c.extraHeight);
        ZafRegionStruct region = button.Region();
        EXPECT_EQ(kCoordPixels, region.coordinateType);
        EXPECT_EQ(c.expectedWidth, region.Width());
        EXPECT_EQ(c.expectedHeight, region.Height());
        EXPECT_EQ(ZAF_TOOL_BAR_BUTTON, button.ButtonType());
        EXPECT_TRUE(button.FocusBlocked());
    }
}

TEST_F(ToolBar, SameTextAgainChangesNothingAndDrawsNothing)
{
    auto *bar = new CountingBar(30);
    host->Add(bar);
    Pump();
    EXPECT_TRUE(bar->SetText(KString(L"Ready")));
    EXPECT_TRUE(bar->LeechFlags() & KZWindowObjectLeech::kFullRedrawAfterResize);
    Pump();
    const int draws = bar->draws;
    EXPECT_GT(draws, 0);
    EXPECT_FALSE(bar->SetText(KString(L"Ready")));
    Pump();
    EXPECT_EQ(draws, bar->draws);
    EXPECT_TRUE(bar->SetText(KString()));
    EXPECT_FALSE(bar->LeechFlags() & KZWindowObjectLeech::kFullRedrawAfterResize);
}

TEST_F(ToolBar, TextStartsAtTheLeftOrThreePixelsRightOfTheLastItem)
{
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    auto *plain = new KZToolBar(0, 30);
    host->Add(plain);
    plain->SetText(KString(L"WWWW"));
    Pump();
    const int plainLeft = LeftmostOf(plain, text, 120, 4, 24);
    EXPECT_GE(plainLeft, 0);
    EXPECT_LT(plainLeft, 6);

    auto *window = new FocusWindow;
    host->Add(window);
    auto *bar = new KZToolBar(0, 30);
    bar->Add(new KZTBSpace(30));
    window->Add(bar);
    bar->SetText(KString(L"WWWW"));
    Pump();
    EXPECT_GE(LeftmostOf(bar, text, 160, 4, 24), 32);
}

TEST_F(ToolBar, ReleasedButtonAsksTheBarsWindowToTakeTheFocusOnlyWhenTheBarSaysSo)
{
    auto *window = new FocusWindow;
    host->Add(window);
    auto *bar = new KZToolBar(0, 30);
    auto *button = new KZTBButton(10100, L"Go", 4);
    bar->Add(button);
    window->Add(bar);
    Pump();
    ListHand hand(button);
    hand.Click(5, 5);
    EXPECT_EQ(1, window->requests);
    bar->SetToolBarFlags(0);
    hand.Click(5, 5);
    EXPECT_EQ(1, window->requests);

    auto *loose = new KZTBButton(10100, L"Go", 4);
    window->Add(loose);
    Pump();
    ListHand(loose).Click(5, 5);
    EXPECT_EQ(1, window->requests);
}

TEST_F(ToolBar, ListInABarHighlightsTheSelectedRowAndKeepsThePanelColourElsewhere)
{
    auto *list = new KZTBSelector(120, 64);
    list->SetUnitSize(KPoint(1, 16));
    host->Add(list);
    list->SetExtent(KPoint(1, 3));
    list->Select(KPoint(0, 0));
    list->Redisplay();
    Pump();
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), PixelOf(list, 100, 8));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), PixelOf(list, 100, 24));
}

} // namespace
