// The chart control in a real framework window under Wine.

#include "chart/kernel/cf_Kernel.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/view/ChartScenes.h"
#include "chart/view/ZafChartControl.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/events/ZafKeyboard.h"
#include "framework/core/events/ZafMouse.h"
#include "framework/core/objects/ZafWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafScreenDisplay.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The screen display, counting the texts it is asked to measure.
class MeasuringScreenDisplay : public ZafScreenDisplay {
public:
    ZafRegionStruct TextExtent(const ZafIChar *text, int length = -1) override
    {
        ++measured;
        return ZafScreenDisplay::TextExtent(text, length);
    }
    int measured = 0;
};

class ZafChartControlWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        display = std::make_unique<MeasuringScreenDisplay>();
        events = std::make_unique<ZafEventManager>();
        ZafEventManager::SetShared(events.get());
        events->Add(new ZafKeyboard(ZAF_DEVICE_ON));
        events->Add(new ZafMouse(ZAF_DEVICE_ON, ZAF_POINTER_ARROW));
        manager = std::make_unique<ZafWindowManager>();
    }
    void TearDown() override
    {
        manager.reset();
        Pump();
        ZafEventManager::SetShared(nullptr);
        events.reset();
        display.reset();
        app.reset();
    }
    // A top-level framework window whose client area the control fills.
    ZafChartControl *Show(int chartType, int dimension)
    {
        auto *window = new ZafWindow(40, 40, 400, 300);
        window->SetCoordinateType(ZAF_PIXEL);
        auto *chart = new ZafChartControl(0, 0, 400, 300, chartType, dimension, 2);
        chart->SetCoordinateType(ZAF_PIXEL);
        window->Add(chart);
        return chart;
    }
    void Open(ZafChartControl *chart)
    {
        manager->Add(chart->Parent());
        Pump();
    }
    static void Pump()
    {
        for (int round = 0; round < 20; ++round) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
    }
    // Redraws the chart at once, as an uncovered window does.
    static void Repaint(ZafChartControl *chart)
    {
        HWND window = static_cast<HWND>(chart->OSWindow());
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    static COLORREF PixelAt(ZafChartControl *chart, int x, int y)
    {
        HWND window = static_cast<HWND>(chart->OSWindow());
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<MeasuringScreenDisplay> display;
    std::unique_ptr<ZafEventManager> events;
    std::unique_ptr<ZafWindowManager> manager;
};

} // namespace

TEST_F(ZafChartControlWindow, PaneChartShowsItsTraceOnTheWallInsideThePlot)
{
    ZafChartControl *chart = Show(4, 1);
    BuildPaneChart(*chart);
    Open(chart);
    ASSERT_NE(nullptr, chart->OSWindow());

    // The left margin makes room for the power title beside the labels.
    EXPECT_EQ(cf_2DRect(50, 23, 352, 264), chart->Engine()->Kernel()->PlotRect());
    const COLORREF blue = RGB(0, 0, 255);
    for (int x = 60; x <= 330; x += 30)
        EXPECT_EQ(blue, PixelAt(chart, x, 143)) << x;
    EXPECT_EQ(RGB(192, 192, 192), PixelAt(chart, 100, 60));
    for (int y = 30; y <= 130; y += 20)
        EXPECT_EQ(RGB(0, 0, 0), PixelAt(chart, 50, y)) << y;
    EXPECT_EQ(PixelAt(chart, 2, 2), PixelAt(chart, 20, 5));
    EXPECT_NE(RGB(192, 192, 192), PixelAt(chart, 20, 5));
}

TEST_F(ZafChartControlWindow, SizedEventAnswersItselfAndAsksForARepaint)
{
    ZafChartControl *chart = Show(4, 1);
    BuildPaneChart(*chart, 50);
    Open(chart);
    HWND window = static_cast<HWND>(chart->OSWindow());
    ValidateRect(window, nullptr);
    EXPECT_EQ(ZAF_EV_SIZED, chart->Event(ZafEventStruct(ZAF_EV_SIZED, 0)));
    RECT update;
    EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
}

TEST_F(ZafChartControlWindow, UnknownTypeAndDimensionStillPaint)
{
    ZafChartControl *chart = Show(12, 7);
    BuildPaneChart(*chart, 50);
    Open(chart);
    EXPECT_EQ(6, chart->ChartType());
    EXPECT_EQ(RGB(192, 192, 192), PixelAt(chart, 100, 60));
}

TEST_F(ZafChartControlWindow, TextsAreMeasuredAgainOnlyAfterTheDisplaySizeChanged)
{
    ZafChartControl *chart = Show(4, 1);
    BuildPaneChart(*chart);
    Open(chart);
    // Each text once: eleven time labels, six power values and the title.
    const int first = display->measured;
    ASSERT_EQ(18, first);

    // Uncovered, and with a second trace added: nothing is measured.
    Repaint(chart);
    EXPECT_EQ(first, display->measured);
    for (int i = 0; i < 5001; ++i)
        chart->AddGroupValue(2, 900);
    AddPaneTimeLabels(*chart);
    chart->Event(ZafEventStruct(ZAF_EV_REDRAW, 0));
    Pump();
    Repaint(chart);
    EXPECT_EQ(first, display->measured);
    EXPECT_EQ(2, chart->Model()->GroupCount());

    // Another size: every text once more.
    ZafRegionStruct smaller;
    smaller.Assign(0, 0, 359, 269, ZAF_PIXEL);
    chart->SetRegion(smaller);
    chart->Event(ZafEventStruct(ZAF_EV_SIZED, 0));
    Pump();
    EXPECT_EQ(2 * first, display->measured);
    Repaint(chart);
    EXPECT_EQ(2 * first, display->measured);
}
