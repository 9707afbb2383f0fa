// The results window inside a workout window of the main window: the
// Results menu's states and the download command travelling from the main
// window to the results list.
#include <gtest/gtest.h>

#include <windows.h>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResults.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/ScriptedUnitLink.h"
#include "ui/support/MainWindowTest.h"

namespace {

constexpr int kChartMenu = 1, kResultsMenu = 2;

class ResultsInEventWindow : public MainWindowTest
{
protected:
    QVZResultsWindow *NewWorkout()
    {
        control->Event(ZafEventStruct(kCmdFileNew, 0));
        Pump();
        window = control->ActiveEventWindow();
        return window ? dynamic_cast<QVZResultsWindow *>(window->ResultsWindow()) : nullptr;
    }
    // The first serial group: "Lane 1" on the port of kLanePort.
    void AddLane()
    {
        registry->Parse(L"SerialPorts\\1\\:=");
        registry->Parse(L"SerialPorts\\1\\Name:String=Lane 1");
        registry->Parse(L"SerialPorts\\1\\SerialPort:String=7,19200,8,N,1.0");
    }
    static constexpr const wchar_t *kLanePort = L"7,19200,8,N,1.0";
    // The lane's unit, holding trials of 150 and 160 ms, reached through
    // link by the workout's pane, which downloads every trial without
    // asking which; answers the unit as the link keeps it.
    ScriptedUnit &ServeTwoTrials(QVZResultsWindow *results)
    {
        AddLane();
        ScriptedUnit unit;
        unit.trials = { { 150, 2000 }, { 160, 2000 } };
        ScriptedUnit &served = link.Add(kLanePort, unit);
        results->Pane()->SetUnitLink(&link);
        results->Pane()->SetTrialChooser([](QVZUnitLink &, int32_t, const KString &, const KRGroup &, int32_t &choice) {
            choice = -2;
            return kDialogOk;
        });
        return served;
    }
    ScriptedUnitLink link;
    QVZEventMDI *window = nullptr;
};

} // namespace

TEST_F(ResultsInEventWindow, ANewWorkoutOffersTheDownloadsButDeletesOnlyASelectedTrial)
{
    QVZResultsWindow *results = NewWorkout();
    ASSERT_NE(nullptr, results);
    control->MenuBar()->ResetItems();
    for (int32_t command : { kCmdResultsAddTimes, kCmdResultsDownloadTraces, kCmdResultsPrinterSetup, kCmdResultsPrint })
        EXPECT_FALSE(Entry(kResultsMenu, command)->IsDisabled(true)) << command;
    EXPECT_TRUE(Entry(kResultsMenu, kCmdResultsDeleteTrial)->IsDisabled(true));
    EXPECT_FALSE(Entry(kChartMenu, kCmdOverlayMode)->IsDisabled(true));
    EXPECT_TRUE(Entry(kChartMenu, kCmdOverlayClear)->IsDisabled(true));

    results->Results()->NewResult();
    results->Pane()->Redisplay();
    results->Pane()->Select(KPoint(0, 0));
    control->MenuBar()->ResetItems();
    EXPECT_FALSE(Entry(kResultsMenu, kCmdResultsDeleteTrial)->IsDisabled(true));
}

TEST_F(ResultsInEventWindow, DownloadTraceReachesTheListAndTheWorkoutStaysOpenMeanwhile)
{
    QVZResultsWindow *results = NewWorkout();
    ASSERT_NE(nullptr, results);
    ServeTwoTrials(results);
    std::vector<ZafEventType> closeAnswers;
    link.whileDownloading = [&] { closeAnswers.push_back(window->Event(ZafEventStruct(kEvtCloseQuery, 0))); };

    control->Event(ZafEventStruct(kCmdResultsDownloadTraces, 0));
    EXPECT_EQ(2, results->Results()->Count());
    ASSERT_FALSE(closeAnswers.empty());
    for (ZafEventType answer : closeAnswers)
        EXPECT_EQ(0, answer);
    EXPECT_EQ(window, control->ActiveEventWindow());
}

TEST_F(ResultsInEventWindow, EveryWayOutOfADownloadClearsTheStatusBar)
{
    QVZResultsWindow *results = NewWorkout();
    ASSERT_NE(nullptr, results);
    ServeTwoTrials(results).failTrace = 1;
    KZStatusBar *bar = KZMainStatusBar();
    ASSERT_NE(nullptr, bar);
    const struct { int32_t answer; int rows; } cases[] = {
        { kDialogAbort, 1 },    // the first trace given up, the second fetched
        { kDialogCancel, 2 },   // the first trial added, the overwrite question of the second cancelled
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.answer);
        bar->SetProgress(40);
        boxAnswer = c.answer;
        control->Event(ZafEventStruct(kCmdResultsDownloadTraces, 0));
        EXPECT_EQ(c.rows, results->Results()->Count());
        EXPECT_EQ(KZProgressBar::kNoValue, bar->ProgressPane()->Value());
    }
}

// A result code goes to the Control Center at once, as a long operation:
// the wait pointer and the status bar meanwhile, the windows repaint while
// the unit is waited for, and the user's Escape is read there, not carried
// out afterwards; the failed send it leaves is not asked about again.
TEST_F(ResultsInEventWindow, AResultCodeIsSentAsALongOperationThatEscapeEnds)
{
    QVZResultsWindow *results = NewWorkout();
    ASSERT_NE(nullptr, results);
    AddLane();
    ScriptedUnit centre;
    centre.deviceType = int32_t(kDeviceControlCenter);
    link.Add(kLanePort, centre);
    results->Pane()->SetUnitLink(&link);
    results->Results()->NewResult();
    results->Pane()->Redisplay();
    results->Pane()->Select(KPoint(0, 0));
    bool inOperation = false, escapeSeen = false;
    link.whileSending = [&] {
        inOperation = KZLongOperation::Current() != nullptr;
        PostMessageW(static_cast<HWND>(control->OSWindow()), WM_KEYDOWN, VK_ESCAPE, 0);
        escapeSeen = !KWaitSleep(4 * KWaitSlice);
        return !escapeSeen;
    };

    results->Pane()->Event(ZafEventStruct(kCmdResultCodeFirst + 2, 0));
    EXPECT_TRUE(inOperation);
    EXPECT_TRUE(escapeSeen) << "the wait for the unit did not look for Escape";
    EXPECT_TRUE(boxes.empty()) << "the send stopped by Escape was asked about";
    EXPECT_EQ(nullptr, KZLongOperation::Current());
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE)) << "Escape stayed queued";
}
