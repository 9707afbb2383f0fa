// The main window's options loop, the Goto step of the schedule loader and
// the scoreboard message commands, with the dialogs answered from inside
// their modal loops.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"
#include "domain/event/QVEvent.h"
#include "domain/fakes/QVRecordingFakes.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/timing/VLeg.h"
#include "foundation/registry/KRFloat.h"
#include "foundation/registry/KRegistry.h"
#include "framework/controls/ZafNotebook.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "ui/common/QVZDialogCommands.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/dialogs/KZRegistryDialog.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/main/QVZScheduleDialog.h"
#include "ui/main/QVZScoreboardMessage.h"
#include "ui/options/QVZOptionsDialog.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/support/MainWindowTest.h"
#include "ui/support/ScoreboardSends.h"

namespace {

// Steps run on each new dialog that comes to the front, one per dialog.
std::vector<std::function<void(ZafWindow *)>> gSteps;

void CALLBACK NextStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    ZafWindow *front = OpenWindowOf<KZDialog>();
    if (gSteps.empty()) {
        KillTimer(nullptr, timer);
        return;
    }
    // A dialog is marked on its OS window once its step ran (dialogs made on
    // the same stack share an address, and handles come back).
    HWND window = front ? static_cast<HWND>(front->OSWindow()) : nullptr;
    if (!window || GetPropW(window, L"TestStepDone"))
        return;
    SetPropW(window, L"TestStepDone", HANDLE(1));
    auto step = std::move(gSteps.front());
    gSteps.erase(gSteps.begin());
    step(front);
}

void OnEachDialog(std::vector<std::function<void(ZafWindow *)>> steps)
{
    gSteps = std::move(steps);
    SetTimer(nullptr, 0, 40, &NextStep);
}

class MainWindowDialogs : public MainWindowTest
{
protected:
    void TearDown() override
    {
        gSteps.clear();
        QVSchedule::SetInstance(nullptr);
        schedule.reset();
        MainWindowTest::TearDown();
    }
    void Command(int32_t code) { control->Event(ZafEventStruct(code, 0)); }
    double Float(const wchar_t *key) { return registry->GetFloat(key)->Value(); }
    // A start list of heats 1 and 2 of one event, and the Goto dialog's
    // answer: heat, confirmed.
    void ScheduleTwoHeatsAndGoTo(const wchar_t *heat)
    {
        WriteBytes(scratch.PathOf(L"vexa.sch"), "1,1,1\r\n1,1,2\r\n");
        WriteBytes(scratch.PathOf(L"vexa.evt"), "1,1,60 m Women Heats\r\n");
        WriteBytes(scratch.PathOf(L"vexa.ppl"), "1,1,2,5,202,Costa,Maria,SL Benfica\r\n");
        schedule = std::make_unique<QVSchedule>();
        QVSchedule::SetInstance(schedule.get());
        OnEachDialog({ [heat](ZafWindow *front) {
            const std::vector<KZString *> fields = FieldsOf<KZString>(front);
            fields[0]->SetText(L"1");
            fields[1]->SetText(L"1");
            fields[2]->SetText(heat);
            PressButton(front, kDialogOk);
        } });
    }

    std::unique_ptr<QVSchedule> schedule;
};

} // namespace

TEST_F(MainWindowDialogs, AnEmptyTimeRangeShowsTheAlertAndReopensOnTheChartPageUntilCancel)
{
    std::vector<int> pages;
    OnEachDialog({
        [&](ZafWindow *front) {
            auto *dialog = dynamic_cast<QVZOptionsDialog *>(front);
            ASSERT_NE(nullptr, dialog);
            pages.push_back(dialog->Notebook()->CurrentPageIndex());
            dialog->MinimumField()->SetValue(1.0);
            dialog->MaximumField()->SetValue(0.0);
            PressButton(dialog, kDialogOk);
        },
        [&](ZafWindow *front) {
            auto *dialog = dynamic_cast<QVZOptionsDialog *>(front);
            ASSERT_NE(nullptr, dialog);
            pages.push_back(dialog->Notebook()->CurrentPageIndex());
            PressButton(dialog, kDialogCancel);
        },
    });
    Command(kCmdScoreboardOptions);
    EXPECT_EQ((std::vector<int>{ 3, 2 }), pages);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"The minimum X axis value is greater than or equal to the value for Max X axis", boxes[0].text);
    EXPECT_DOUBLE_EQ(1.0, Float(L"\\Chart\\Axes\\MinX"));   // stored by the first Ok
}

TEST_F(MainWindowDialogs, AfterTheOptionsTheResultsAndOptionsBroadcastsGoOutAndTheChartOneOnlyUnlessCancelled)
{
    Command(kCmdFileNew);
    ASSERT_EQ(1, EventWindowCount());
    VLeg *leg = control->ActiveEventWindow()->Event()->Leg(0);
    // Extra views on the event's first leg record what reaches its windows.
    QVChart *chart = leg->Chart(0);
    QVChartView *chartView = chart->View(chart->ViewCount(), true);
    QVResultsView *resultsView = leg->Results()->NewView();
    FakeChartWindow chartWindow;
    FakeResultsWindow resultsWindow;
    chartView->SetWindow(&chartWindow);
    resultsView->SetWindow(&resultsWindow);

    OnEachDialog({ [&](ZafWindow *front) { PressButton(front, kDialogCancel); } });
    Command(kCmdChartOptions);
    // No select-none for the charts; the results re-read (Update(-1,-1) on the
    // chart, Refresh on the list), then the options (frame and buttons, list).
    EXPECT_EQ((std::vector<std::string>{ "Update(-1,-1)", "RefreshFrame", "UpdateButtons" }), chartWindow.calls);
    EXPECT_EQ((std::vector<std::string>{ "Refresh", "Refresh" }), resultsWindow.calls);

    chartWindow.calls.clear();
    resultsWindow.calls.clear();
    OnEachDialog({ [&](ZafWindow *front) { PressButton(front, kDialogOk); } });
    Command(kCmdChartOptions);
    EXPECT_EQ((std::vector<std::string>{ "Update(-1,-1)", "Update(-1,-1)", "RefreshFrame", "UpdateButtons" }),
              chartWindow.calls);
    EXPECT_EQ((std::vector<std::string>{ "Refresh", "Refresh" }), resultsWindow.calls);

    chartView->SetWindow(nullptr);
    resultsView->SetWindow(nullptr);
    delete chartView;
    delete resultsView;
}

TEST_F(MainWindowDialogs, AValidRangeEndsTheLoopAfterOnePass)
{
    int opened = 0;
    OnEachDialog({ [&](ZafWindow *front) {
        ++opened;
        PressButton(front, kDialogOk);
    } });
    Command(kCmdChartOptions);
    EXPECT_EQ(1, opened);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowDialogs, FileOptionsWithCtrlAndShiftHeldOpensTheSettingsEditor)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    bool editor = false;
    OnEachDialog({ [&](ZafWindow *front) {
        editor = dynamic_cast<KZRegistryDialog *>(front) != nullptr;
        DestroyWindow(static_cast<HWND>(front->OSWindow()));
    } });
    Command(kCmdFileOptions);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(editor);
}

TEST_F(MainWindowDialogs, TheGotoDialogLoadsTheChosenHeatIntoANewEventWindow)
{
    ScheduleTwoHeatsAndGoTo(L"2");
    QVZEventMDI *window = control->LoadScheduledEvent(0, nullptr, 0);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(std::wstring(L"2"), window->Event()->HeatNumber().CStr());
    EXPECT_EQ(1, EventWindowCount());

    // Cancel loads nothing and, asked for a new window, leaves the open one.
    OnEachDialog({ [&](ZafWindow *front) { PressButton(front, kDialogCancel); } });
    EXPECT_EQ(nullptr, control->LoadScheduledEvent(0, window, 0));
    OnEachDialog({ [&](ZafWindow *front) { PressButton(front, kDialogCancel); } });
    EXPECT_EQ(nullptr, control->LoadScheduledEvent(0, nullptr, 0));
    EXPECT_EQ(1, EventWindowCount()) << "Cancel in the Goto dialog closed the open workout";
}

TEST_F(MainWindowDialogs, TheResultsPaneStepsItsOwnEventWindowToTheNextHeat)
{
    ScheduleTwoHeatsAndGoTo(L"1");
    QVZEventMDI *window = control->LoadScheduledEvent(0, nullptr, 0);
    ASSERT_NE(nullptr, window);
    auto *results = dynamic_cast<QVZResultsWindow *>(window->ResultsWindow());
    ASSERT_TRUE(results && results->Pane());

    EXPECT_TRUE(results->Pane()->LoadScheduled(1));
    EXPECT_EQ(std::wstring(L"2"), window->Event()->HeatNumber().CStr());
    EXPECT_EQ(1, EventWindowCount()) << "the next heat went into a window of its own";
}

TEST_F(MainWindowDialogs, TheMessageCommandsEditAndSendTheKeptText)
{
    ScoreboardSends sends;
    OnEachDialog({ [&](ZafWindow *front) {
        FieldsOf<KZString>(front).front()->SetText(L"Final call 100 m");
        PressButton(front, kDialogOk);
    } });
    Command(kCmdScoreboardEditMessage);
    EXPECT_EQ(std::wstring(L"Final call 100 m"), control->ScoreboardMessage().Text().CStr());
    EXPECT_TRUE(sends.Texts().empty());
    Command(kCmdScoreboardSendMessage);
    control->ScoreboardMessage().SetText(KString());
    Command(kCmdScoreboardSendMessage);
    EXPECT_EQ((std::vector<std::pair<std::wstring, bool>>{ { L"Final call 100 m", true }, { L"", false } }), sends.Texts());
}

TEST_F(MainWindowDialogs, ABoardAddedInTheOptionsStartsTheScoreboardsAtOkAndEnablesTheirEntries)
{
    ASSERT_EQ(nullptr, VZApplication::Scoreboards());
    OnEachDialog({
        [&](ZafWindow *front) {
            front->Event(ZafEventStruct(kCmdOptionsScoreboardNew, 0));
            PressButton(front, kDialogOk);
        },
    });
    Command(kCmdScoreboardOptions);
    QVScoreboards *boards = VZApplication::Scoreboards();
    ASSERT_NE(nullptr, boards) << "the board waits for a restart";
    EXPECT_EQ(1, boards->BoardCount());
    control->MenuBar()->ResetItems();
    constexpr int kScoreboardMenu = 4;
    EXPECT_FALSE(Entry(kScoreboardMenu, kCmdScoreboardInitialize)->IsDisabled(true));
    VZApplication::PublishScoreboards(nullptr);
    delete boards;
}
