// The main window: title, menus and their accelerators, first place, menu
// states, About and help.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <thread>

#include "domain/event/QVEvent.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/toolkit/menus/KZPopUpItem.h"
#include "shell/toolkit/menus/KZPullDownItem.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/support/MainWindowTest.h"
#include "ui/event/QVZEventMDI.h"
#include "domain/schedule/QVSchedule.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/main/QVZStatusBar.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusString.h"

namespace {

constexpr int kFile = 0, kChart = 1, kHardware = 3, kScoreboard = 4, kHelp = 6;

HWND Frame(QVZControl *control)
{
    return static_cast<HWND>(control->OSHandle(2));
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, UINT(position), text, 128, MF_BYPOSITION);
    return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM context)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(child, buffer, 256);
    *reinterpret_cast<std::wstring *>(context) += buffer;
    return TRUE;
}

} // namespace

using QVZControlTest = MainWindowTest;

TEST_F(QVZControlTest, TheFrameShowsTheProgramTitleAndSevenMenus)
{
    wchar_t title[128] = {};
    GetWindowTextW(Frame(control), title, 128);
    EXPECT_STREQ(L"Quorvane Training  v1.32", title);
    HMENU bar = GetMenu(Frame(control));
    ASSERT_NE(nullptr, bar);
    const wchar_t *const titles[] = { L"&File", L"&Chart", L"&Results", L"&Hardware", L"&Scoreboard", L"&Window",
                                      L"&Help" };
    ASSERT_EQ(int(std::size(titles)), GetMenuItemCount(bar));
    for (int i = 0; i < int(std::size(titles)); ++i)
        EXPECT_EQ(titles[i], MenuText(bar, i)) << i;
    EXPECT_EQ(14, GetMenuItemCount(GetSubMenu(bar, kFile)));
    HMENU chart = GetSubMenu(bar, kChart);
    ASSERT_EQ(8, GetMenuItemCount(chart));
    EXPECT_EQ(L"P&rint...", MenuText(chart, 6));
    EXPECT_EQ(L"Export &Bitmap...", MenuText(chart, 7));
}

TEST_F(QVZControlTest, TheDeveloperSwitchAddsElevenChartEntries)
{
    Restart({ L"-devel" });
    HMENU chart = GetSubMenu(GetMenu(Frame(control)), kChart);
    ASSERT_EQ(19, GetMenuItemCount(chart));
    EXPECT_EQ(L"Show Data...", MenuText(chart, 9));
    EXPECT_EQ(L"Show Local Algorithm Reaction Time", MenuText(chart, 18));
}

TEST_F(QVZControlTest, LabelsCarryTheirAcceleratorsCtrlWhenNoModifierIsGiven)
{
    const struct
    {
        int title;
        int32_t command;
        const wchar_t *label;
        uint32_t accelerator;
    } cases[] = {
        { kFile, kCmdFileNew, L"&New", kAccelCtrl | L'N' },
        { kFile, kCmdFileOpen, L"&Open...", kAccelCtrl | L'O' },
        { kFile, kEvtCloseWindow, L"Close &window", kAccelCtrl | L'W' },
        { kFile, kCmdFileSaveAs, L"Save &as...", 0 },
        { kScoreboard, kCmdScoreboardInitialize, L"&Initialize", kAccelAlt | L'I' },
        { 2, kCmdResultsDownloadTraces, L"&Download Trace", kAccelCtrl | L'T' },
    };
    for (const auto &c : cases) {
        KZPopUpItem *entry = Entry(c.title, c.command);
        ASSERT_NE(nullptr, entry) << c.command;
        EXPECT_EQ(std::wstring(c.label), entry->Label().CStr()) << c.command;
        EXPECT_EQ(c.accelerator, entry->Accelerator()) << c.command;
    }
}

TEST_F(QVZControlTest, TheFirstPlaceFollowsTheScreenSizeWithItsMinimum)
{
    const struct
    {
        int screenWidth, screenHeight, width, height;
    } cases[] = { { 800, 600, 600, 360 }, { 640, 480, 600, 320 }, { 1024, 768, 768, 460 }, { 1366, 767, 1024, 460 } };
    for (const auto &c : cases) {
        const KRect rect = QVZControl::InitialRect(c.screenWidth, c.screenHeight);
        EXPECT_EQ(10, rect.left);
        EXPECT_EQ(10, rect.top);
        EXPECT_EQ(c.width, rect.Width()) << c.screenWidth;
        EXPECT_EQ(c.height, rect.Height()) << c.screenHeight;
    }
}

TEST_F(QVZControlTest, WithNoEventWindowTheDocumentAndScoreboardEntriesAreGrey)
{
    control->MenuBar()->ResetItems();
    for (int32_t command : { kCmdFileSave, kCmdFileSaveAs, kCmdFileSaveQit, kEvtCloseWindow })
        EXPECT_TRUE(Entry(kFile, command)->IsDisabled(true)) << command;
    for (int32_t command : { kCmdFileNew, kCmdFileOpen, kCmdFileOptions, kEvtExit })
        EXPECT_FALSE(Entry(kFile, command)->IsDisabled(true)) << command;
    for (int32_t command : { kCmdScoreboardInitialize, kCmdScoreboardRefresh, kCmdScoreboardTimeOfDay,
                             kCmdScoreboardTimeOfDay24Hour, kCmdScoreboardEditMessage, kCmdScoreboardSendMessage })
        EXPECT_TRUE(Entry(kScoreboard, command)->IsDisabled(true)) << command;
    EXPECT_FALSE(Entry(kScoreboard, kCmdScoreboardOptions)->IsDisabled(true));
    EXPECT_FALSE(Entry(kHardware, kCmdHardwareDeleteTrials)->IsDisabled(true));
    EXPECT_FALSE(Entry(kHelp, kCmdHelpAbout)->IsDisabled(true));
}

TEST_F(QVZControlTest, TheScheduleEntriesFollowTheDatabaseAndShowTheirFlyOverWhileHighlighted)
{
    QVSchedule schedule;
    QVSchedule::SetInstance(&schedule);
    HWND frame = Frame(control);
    HMENU bar = GetMenu(frame), file = GetSubMenu(bar, kFile);
    EXPECT_EQ(L"&Previous event", MenuText(file, 7));
    EXPECT_EQ(L"&Goto event", MenuText(file, 8));
    EXPECT_EQ(L"Ne&xt event", MenuText(file, 9));
    control->MenuBar()->ResetItems();
    for (int32_t command : { kCmdSchedulePrevious, kCmdScheduleGoto, kCmdScheduleNext })
        EXPECT_FALSE(Entry(kFile, command)->IsDisabled(true)) << command;

    SendMessageW(frame, WM_MENUSELECT, MAKEWPARAM(kFile, MF_POPUP | MF_HILITE), LPARAM(bar));
    SendMessageW(frame, WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(file, 8), MF_HILITE), LPARAM(file));
    EXPECT_STREQ(L"Choose an event of the schedule and load it",
                 control->StatusBar()->MessagePane()->ShownText().CStr());
    SendMessageW(frame, WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(file, 9), MF_HILITE), LPARAM(file));
    EXPECT_STREQ(L"Load the next event of the schedule", control->StatusBar()->MessagePane()->ShownText().CStr());
    SendMessageW(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);

    QVSchedule::Settings off = schedule.CurrentSettings();
    off.mode = QVSchedule::kModeOff;
    schedule.SetSettings(off);
    control->MenuBar()->ResetItems();
    for (int32_t command : { kCmdSchedulePrevious, kCmdScheduleGoto, kCmdScheduleNext })
        EXPECT_TRUE(Entry(kFile, command)->IsDisabled(true)) << command;
    QVSchedule::SetInstance(nullptr);
}

TEST_F(QVZControlTest, AnEventWindowEnablesTheSaveEntries)
{
    control->Event(ZafEventStruct(kCmdFileNew, 0));
    ASSERT_EQ(1, EventWindowCount());
    control->MenuBar()->ResetItems();
    for (int32_t command : { kCmdFileSave, kCmdFileSaveAs, kCmdFileSaveQit, kEvtCloseWindow })
        EXPECT_FALSE(Entry(kFile, command)->IsDisabled(true)) << command;
}

TEST_F(QVZControlTest, AboutShowsTheVersionAndReleaseBlockUntilOk)
{
    KString text;
    QVZControl::AboutText(text);
    EXPECT_STREQ(L"\r\nVersion:  1.32\r\nReleased:  Apr 10 2020\r\n", text.CStr());

    std::wstring shown;
    ZafEventManager *events = app->EventManager();
    std::thread user([&] {
        HWND about = nullptr;
        for (int i = 0; i < 100 && !about; ++i, Sleep(50))
            about = FindWindowW(nullptr, L"About Quorvane Training");
        if (about)
            EnumChildWindows(about, CollectText, reinterpret_cast<LPARAM>(&shown));
        events->Put(ZafEventStruct(kDialogOk, 0));
    });
    control->Event(ZafEventStruct(kCmdHelpAbout, 0));
    user.join();
    EXPECT_NE(std::wstring::npos, shown.find(L"Version:  1.32")) << shown;
    EXPECT_NE(std::wstring::npos, shown.find(L"Released:  Apr 10 2020")) << shown;
    EXPECT_TRUE(boxes.empty());
}

TEST_F(QVZControlTest, HelpOpensTheContentsOfTheFileBesideTheProgramAndOtherCommandsMakeNoCall)
{
    EXPECT_FALSE(control->ShowHelp(5));
    EXPECT_TRUE(helpCalls.empty());
    control->Event(ZafEventStruct(kCmdHelpContents, 0));
    ASSERT_EQ(1u, helpCalls.size());
    EXPECT_EQ(ProgramFolderFile(L"Quorvane_Help.hlp"), helpCalls[0].first);
    EXPECT_EQ(3u, helpCalls[0].second);   // HELP_CONTENTS
}

TEST_F(QVZControlTest, WithoutTheHelpFileHelpSaysWhichFileItLookedForAndTheProgramGoesOn)
{
    QVZControl::SetHelpCall({});
    EXPECT_FALSE(control->ShowHelp(0));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"The help file cannot be found:"));
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(ProgramFolderFile(L"Quorvane_Help.hlp")));
    control->ShowHelp(1);   // closing help without a file says nothing
    EXPECT_EQ(1u, boxes.size());
}

TEST_F(QVZControlTest, AnAgreedExitClosesTheHelpWindowARefusedOneDoesNot)
{
    control->Event(ZafEventStruct(kCmdFileNew, 0));
    control->ActiveEventWindow()->Event()->SetModified(true);
    boxAnswer = kDialogCancel;
    EXPECT_EQ(0, control->Event(ZafEventStruct(kEvtExitQuery, 0)));
    EXPECT_TRUE(helpCalls.empty());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Exit Quorvane Training", boxes[0].caption);
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"' has changed. Save before exiting?"));
    boxAnswer = kDialogNo;
    EXPECT_NE(0, control->Event(ZafEventStruct(kEvtExitQuery, 0)));
    ASSERT_EQ(1u, helpCalls.size());
    EXPECT_EQ(2u, helpCalls[0].second);   // HELP_QUIT
}

TEST_F(QVZControlTest, TheStatusBarShowsFlyOversAndKeepsItsPercentagePaneAtTheRight)
{
    QVZStatusBar *bar = control->StatusBar();
    ASSERT_NE(nullptr, bar);
    bar->ShowFlyOver(kCmdResultsDownloadTraces);
    EXPECT_STREQ(L"Download trace data to this event/workout", bar->MessagePane()->ShownText().CStr());
    bar->ShowFlyOver(kCmdChartExportBitmap);
    EXPECT_STREQ(L"", bar->MessagePane()->ShownText().CStr());
    const ZafRegionStruct whole = bar->Region();
    const ZafRegionStruct progress = bar->ProgressPane()->Region();
    EXPECT_EQ(QVZStatusBar::kProgressWidth, progress.Width());
    EXPECT_EQ(whole.Width() - 1 - GetSystemMetrics(SM_CXVSCROLL), progress.right);
}

TEST_F(QVZControlTest, CtrlNMakesAWorkoutAndCtrlSIsTakenOnlyWhileOneIsOpen)
{
    auto press = [this](wchar_t key) {
        BYTE state[256] = {};
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        SetKeyboardState(state);
        ZafOSEventStruct os = {};
        os.hwnd = Frame(control);
        os.message = WM_KEYDOWN;
        os.wParam = WPARAM(key);
        os.lParam = LPARAM(MapVirtualKeyW(UINT(key), 0) << 16) | 1;
        const bool taken = control->MenuBar()->DispatchAccelerator(ZafEventStruct(ZAF_EVENT_OS, os));
        BYTE none[256] = {};
        SetKeyboardState(none);
        return taken;
    };
    auto serveQueued = [this] {
        ZafEventStruct event;
        while (app->EventManager()->Get(event, ZAF_NO_WAIT | ZAF_QUEUE_ONLY) == 0)
            if (event.type >= 10000)
                control->Event(event);
    };
    EXPECT_FALSE(press(L'S'));
    EXPECT_TRUE(press(L'N'));
    serveQueued();
    EXPECT_NE(nullptr, control->ActiveEventWindow());
    EXPECT_TRUE(press(L'S'));
}
