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

class ZafChartControlWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<ZafMSWindowsApp>(GetModuleHandleW(nullptr));
        display = std::make_unique<ZafScreenDisplay>();
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
    static COLORREF PixelAt(ZafChartControl *chart, int x, int y)
    {
        HWND window = static_cast<HWND>(chart->OSWindow());
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    std::unique_ptr<ZafMSWindowsApp> app;
    std::unique_ptr<ZafScreenDisplay> display;
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
