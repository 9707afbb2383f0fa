// The chart window on real windows: its caption, the line toggles, the tool
// bar from the settings, the Set line over an overlay and the chart drawn
// in the brush colour.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ChartTest.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/results/QVResult.h"
#include "framework/core/display/ZafDisplay.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"

namespace {

// The chart fixture with a helper for the tests that look at one drawn trial.
class ChartWindow : public ChartTest
{
protected:
    // A window whose chart shows one trial (set 1.52 s), drawn on the screen.
    QVZChartWindow *WindowShowingOneTrial()
    {
        AddTrial(1520, 153, 1500, 800);
        QVZChartWindow *window = MakeWindow();
        Select(0);
        window->Update(KPoint(-1, -1));
        Pump(200);
        return window;
    }
};

std::wstring Caption(QVZChartWindow *window)
{
    return window->ToolBar()->BarText().CStr();
}

int MarkerCount(QVZChartWindow *window)
{
    return window->Pane()->Control()->Model()->Groups()->Count();
}

void Send(QVZChartWindow *window, int code)
{
    window->Event(ZafEventStruct(code, 0));
}

} // namespace

TEST_F(ChartWindow, TheCaptionNamesTheSelectedTrialAndItsSetTime)
{
    AddTrial(1000, 150, 1500, 100);
    AddTrial(-1, 150, 1500, 100);
    AddTrial(1520, 153, 1500, 100);
    QVZChartWindow *window = MakeWindow();
    Select(2);
    window->Update(KPoint(-1, -1));
    EXPECT_EQ(Caption(window), L"Trial 3     (Set Time = 1.52s)");
    window->Update(KPoint(0, 1));
    EXPECT_EQ(Caption(window), L"Trial 2     (Set Time = N/A)");
    window->Update(KPoint(0, 7)); // no trial there
    EXPECT_EQ(Caption(window), L"");
}

TEST_F(ChartWindow, TheTraceIsDrawnInTheBrushColourInsideTheChart)
{
    QVZChartWindow *window = WindowShowingOneTrial();
    ZafChartControl *control = window->Pane()->Control();
    HWND chart = static_cast<HWND>(control->OSWindow());
    ASSERT_NE(chart, nullptr);
    RECT client;
    GetClientRect(chart, &client);
    ASSERT_GT(client.right, 100);
    ASSERT_GT(client.bottom, 100);
    const COLORREF brush = ZafDisplay::Shared()->ColorValue(9);
    int found = 0;
    for (int y = 0; y < client.bottom; y += 1)
        for (int x = 0; x < client.right; x += 4)
            if (PixelOf(chart, x, y) == brush)
                ++found;
    EXPECT_GT(found, 10);
}

TEST_F(ChartWindow, ALineToggleFlipsItsSettingAndPictureAndKeepsTheSeries)
{
    AddTrial(1500, 153, 1500, 100);
    QVZChartWindow *window = MakeWindow();
    Select(0);
    window->Update(KPoint(-1, -1));
    const int values = window->Pane()->Control()->Model()->Group(1)->Count();
    const int markers = MarkerCount(window);
    Send(window, kCmdChartShowGun);
    EXPECT_FALSE(Bool(kKeyChartLineGun));
    EXPECT_EQ(window->Button(kCmdChartShowGun)->BitmapData(), QVZChartWindow::Bitmap(L"HideGunLine"));
    EXPECT_EQ(window->Pane()->Control()->Model()->Group(1)->Count(), values);
    EXPECT_EQ(MarkerCount(window), markers - 1);
    Send(window, kCmdChartShowGun);
    EXPECT_TRUE(Bool(kKeyChartLineGun));
    EXPECT_EQ(window->Button(kCmdChartShowGun)->BitmapData(), QVZChartWindow::Bitmap(L"ShowGunLine"));
    EXPECT_EQ(MarkerCount(window), markers);
}

TEST_F(ChartWindow, WithoutThePrintButtonMaximizeComesFirst)
{
    SetInt(kKeyChartBarPrint, 0);
    QVZChartWindow *window = MakeWindow();
    auto *first = dynamic_cast<KZTBButton *>(window->ToolBar()->FirstChild());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Value(), kCmdChartMaximize);
    EXPECT_EQ(window->Button(kCmdChartPrint), nullptr);
}

TEST_F(ChartWindow, TheSetLineStaysOffOverOverlayTrialsWithDifferentSetTimes)
{
    AddTrial(1500, 153, 1500, 100);
    AddTrial(1600, 160, 1500, 100);
    overlay.Add(0);
    overlay.Add(1);
    SetOverlayMode(true);
    SetBool(kKeyChartLineSet, false);
    QVZChartWindow *window = MakeWindow();
    window->Clear();
    EXPECT_TRUE(window->Button(kCmdChartShowSet)->IsDisabled(false));
    Send(window, kCmdChartShowSet);
    EXPECT_FALSE(Bool(kKeyChartLineSet));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"The 'Set' line cannot be displayed because the traces in the overlay do not have the same 'Set' time");

    overlay.Remove(1);
    Send(window, kCmdChartShowSet);
    EXPECT_TRUE(Bool(kKeyChartLineSet));
    EXPECT_EQ(boxes.size(), 1u);
}

// A plot sets the frame's colours from the settings each time: only a
// colour that changed may redraw the chart (a second redraw on top of the
// plot's own), and such a change is shown.
TEST_F(ChartWindow, TheFrameRedrawsTheChartOnlyWhenItsBackgroundColourChanged)
{
    QVZChartWindow *window = WindowShowingOneTrial();
    HWND chart = static_cast<HWND>(window->Pane()->Control()->OSWindow());
    ASSERT_NE(chart, nullptr);
    const COLORREF white = ZafDisplay::Shared()->ColorValue(15);
    EXPECT_EQ(PixelOf(chart, 2, 2), white);

    ValidateRect(chart, nullptr);
    window->Pane()->SetupFrame();
    EXPECT_FALSE(GetUpdateRect(chart, nullptr, FALSE)) << "the same colours redrew the chart";

    SetInt(kKeyChartBackColor, 4); // blue
    window->Pane()->SetupFrame();
    EXPECT_TRUE(GetUpdateRect(chart, nullptr, FALSE)) << "a new background colour left the chart as it was";
    Pump(200);
    EXPECT_EQ(PixelOf(chart, 2, 2), ZafDisplay::Shared()->ColorValue(9));
}
