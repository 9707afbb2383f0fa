// The chart window inside a real event window of the main window: it fills
// the chart pane, maximises and restores it, and the developer chart modes
// show in the menu.
#include <gtest/gtest.h>

#include <string>

#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/timing/VLeg.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/bars/KZToolBar.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZPaneLayout.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/support/MainWindowTest.h"

namespace {

constexpr int kChartMenu = 1;

class ChartEventWindow : public MainWindowTest
{
protected:
    void TearDown() override
    {
        QVZChartTraces::SetDisplayMode(kCmdChartSummedXY);
        MainWindowTest::TearDown();
    }
    QVZEventMDI *NewWindow()
    {
        control->Event(ZafEventStruct(kCmdFileNew, 0));
        Pump();
        return control->ActiveEventWindow();
    }
    QVZEventMDI::Pane *ChartPane(QVZEventMDI *window)
    {
        for (QVZEventMDI::Pane *pane = window->FirstPane(); pane; pane = window->NextPane(pane))
            if (pane->kind == kPaneKindChart)
                return pane;
        return nullptr;
    }
};

} // namespace

TEST_F(ChartEventWindow, SelectingATrialChartsIt)
{
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(window, nullptr);
    auto *chart = dynamic_cast<QVZChartWindow *>(ChartPane(window)->window);
    ASSERT_NE(chart, nullptr);
    VLeg *leg = window->Event()->Leg(0);
    QVResult *trial = leg->Results()->NewResult();
    trial->StoreSetCommandTime(VRaceTime::FromMilliseconds(1520));
    leg->Results()->NextView(nullptr)->SetSelection(KPoint(0, 0));
    leg->Select(KPoint(0, 0));
    EXPECT_EQ(std::wstring(chart->ToolBar()->BarText().CStr()), L"Trial 1     (Set Time = 1.52s)");
    cf_DataGroup *series = chart->Pane()->Control()->Model()->Group(1);
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->Count(), 5000);
}

TEST_F(ChartEventWindow, MaximizeAndRestoreTakeAndGiveBackTheEventWindow)
{
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(window, nullptr);
    QVZEventMDI::Pane *pane = ChartPane(window);
    ASSERT_NE(pane, nullptr);
    auto *chart = dynamic_cast<QVZChartWindow *>(pane->window);
    ASSERT_NE(chart, nullptr);
    EXPECT_NE(chart->View(), nullptr);

    chart->Event(ZafEventStruct(kCmdChartMaximize, 0));
    EXPECT_EQ(window->MaximizedPane(), pane);
    EXPECT_EQ(window->ChartWindow(), chart);
    EXPECT_EQ(chart->Button(kCmdChartMaximize), nullptr);
    ASSERT_NE(chart->Button(kCmdChartRestore), nullptr);
    EXPECT_EQ(chart->Button(kCmdChartRestore)->BitmapData(), QVZChartWindow::Bitmap(L"RestoreChart"));

    chart->Event(ZafEventStruct(kCmdChartRestore, 0));
    EXPECT_EQ(window->MaximizedPane(), nullptr);
    EXPECT_NE(chart->Button(kCmdChartMaximize), nullptr);
}

TEST_F(ChartEventWindow, ADeveloperDisplayModeIsCheckedOnTheNextMenuOpening)
{
    Restart({ L"-devel" });
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(window, nullptr);
    QVResults *results = window->Event()->Leg(0)->Results();
    results->NewResult();
    results->NextView(nullptr)->SetSelection(KPoint(0, 0));

    control->Event(ZafEventStruct(kCmdChartRawY, 0));
    EXPECT_EQ(QVZChartTraces::DisplayMode(), kCmdChartRawY);
    control->MenuBar()->ResetItems();
    ASSERT_NE(Entry(kChartMenu, kCmdChartRawY), nullptr);
    EXPECT_TRUE(Entry(kChartMenu, kCmdChartRawY)->Selected());
    EXPECT_FALSE(Entry(kChartMenu, kCmdChartSummedXY)->Selected());
    EXPECT_FALSE(Entry(kChartMenu, kCmdChartRawY)->IsDisabled(true));

    control->Event(ZafEventStruct(kCmdChartLocalAlgorithmShow, 0));
    control->MenuBar()->ResetItems();
    EXPECT_TRUE(Entry(kChartMenu, kCmdChartLocalAlgorithmShow)->Selected());
    control->Event(ZafEventStruct(kCmdChartLocalAlgorithmShow, 0));
}
