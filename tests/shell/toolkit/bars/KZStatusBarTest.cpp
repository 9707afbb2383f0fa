// The status bar: clearing by time on idle ticks (also across the wrap of
// the tick count), the percentage pane's drawing, and the domain's status
// texts reaching the main status bar.
#include <gtest/gtest.h>

#include "framework/core/display/ZafDisplay.h"
#include "framework/windows/ZafGdiDisplay.h"
#include "shell/app/VZUserInterface.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/window/KZPalette.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"

namespace {

// A bar with both panes side by side and a clock the test sets.
class TestStatusBar : public KZStatusBar
{
public:
    explicit TestStatusBar(int32_t timeout) : KZStatusBar(24, timeout)
    {
        auto *message = new KZStatusString;
        message->SetRegion(KZMakeRegion(KRect(4, 0, 203, 19), kCoordPixels));
        auto *progress = new KZProgressBar;
        progress->SetRegion(KZMakeRegion(KRect(210, 0, 313, 19), kCoordPixels));
        SetPanes(message, progress);
    }
    void Idle(int32_t at)
    {
        now = at;
        Event(ZafEventStruct(kEvtIdle, 0));
    }
    void Message(int32_t at, const wchar_t *text)
    {
        now = at;
        SetMessage(text);
    }
    std::wstring Shown() const { return MessagePane()->ShownText().CStr(); }

    int32_t now = 0;

protected:
    int32_t Now() const override { return now; }
};

class KZStatusBarTest : public ToolkitTest
{
protected:
    TestStatusBar *MakeBar(int32_t timeout)
    {
        bar = new TestStatusBar(timeout);
        host->Add(bar);
        Pump();
        return bar;
    }
    TestStatusBar *bar = nullptr;
};

} // namespace

TEST_F(KZStatusBarTest, AMessageGoesOnTheFirstIdleTickAfterTheTimeOut)
{
    MakeBar(3000);
    const int32_t t = 50000;
    bar->Message(t, L"Printing");
    bar->Idle(t + 3000);
    EXPECT_EQ(L"Printing", bar->Shown());
    bar->Idle(t + 3001);
    EXPECT_EQ(L"", bar->Shown());
}

TEST_F(KZStatusBarTest, ANewMessageRenewsTheTimeButTheSameOneDoesNot)
{
    MakeBar(3000);
    const int32_t t = 50000;
    bar->Message(t, L"First");
    bar->Message(t + 2000, L"Second");
    bar->Idle(t + 3001);
    bar->Idle(t + 5000);
    EXPECT_EQ(L"Second", bar->Shown());
    bar->Idle(t + 5001);
    EXPECT_EQ(L"", bar->Shown());

    bar->Message(t, L"Same");
    bar->Message(t + 2000, L"Same");
    bar->Idle(t + 3001);
    EXPECT_EQ(L"", bar->Shown());

    bar->now = t;
    bar->SetProgress(40);
    bar->now = t + 2000;
    bar->SetProgress(40);
    bar->Idle(t + 3001);
    EXPECT_EQ(-1, bar->ProgressPane()->Value());
}

TEST_F(KZStatusBarTest, WithoutATimeOutAMessageStaysUntilCleared)
{
    MakeBar(0);
    bar->Message(1000, L"Stays");
    bar->Idle(1000 + 1000000);
    EXPECT_EQ(L"Stays", bar->Shown());
    bar->Clear();
    EXPECT_EQ(L"", bar->Shown());
}

TEST_F(KZStatusBarTest, TheTimeOutHoldsAtTickZeroAndAcrossTheWrap)
{
    MakeBar(3000);
    const struct
    {
        int32_t set;
    } cases[] = { { 0 }, { int32_t(0xFFFFF000u) }, { int32_t(0x7FFFF000) } };
    for (const auto &c : cases) {
        bar->Message(c.set, L"Downloading");
        bar->Idle(int32_t(uint32_t(c.set) + 2000u));
        EXPECT_EQ(L"Downloading", bar->Shown()) << c.set;
        bar->Idle(int32_t(uint32_t(c.set) + 3001u));
        EXPECT_EQ(L"", bar->Shown()) << c.set;
    }
}

TEST_F(KZStatusBarTest, PercentageAboveAHundredShowsAFullBar)
{
    MakeBar(0);
    auto *display = dynamic_cast<ZafGdiDisplay *>(ZafDisplay::Shared());
    ASSERT_NE(nullptr, display);
    const COLORREF fill = display->EntryRGB(KZProgressBar::kFillColor);
    KZProgressBar *pane = bar->ProgressPane();
    const KRect os = pane->ClientRectOS();
    const int left = os.left + 1, middle = (os.top + os.bottom) / 2;

    bar->SetProgress(150);
    Pump();
    EXPECT_EQ(100, pane->Value());
    EXPECT_EQ(fill, PixelOf(bar, left + 99, os.top + 2));
    EXPECT_NE(fill, PixelOf(bar, left + 100, middle));

    bar->SetProgress(-5);
    Pump();
    EXPECT_EQ(-1, pane->Value());
    EXPECT_NE(fill, PixelOf(bar, left + 99, os.top + 2));
    EXPECT_NE(fill, PixelOf(bar, left, os.top + 2));
}

TEST(KZPalette, EntriesCompareWithoutTheirSystemColours)
{
    KZPaletteEntry a, b;
    a.palette = ZafPaletteStruct::Unset();
    b.palette = ZafPaletteStruct::Default();
    KZInitPalette(a);
    KZInitPalette(b);
    EXPECT_TRUE(KZSamePalette(a, b));
    EXPECT_EQ(1, a.palette.font);
    b.extra = 1;
    EXPECT_FALSE(KZSamePalette(a, b));
    KZCopyPalette(b, a.palette, 0);
    b.palette.osColorBackground = 0x123456;
    EXPECT_TRUE(KZSamePalette(a, b));
    b.palette.colorBackground = 10;
    EXPECT_FALSE(KZSamePalette(a, b));
}

TEST_F(KZStatusBarTest, DomainStatusTextsShowInTheMainStatusBar)
{
    MakeBar(0);
    VZUserInterface ui(*app);
    ui.StatusText(KString(L"Nobody listens"));
    KZSetMainStatusBar(bar);
    ui.StatusText(KString(L"Trial 3 of 8"));
    KZSetMainStatusBar(nullptr);
    EXPECT_EQ(L"Trial 3 of 8", bar->Shown());
}
