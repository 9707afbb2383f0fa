// The event window: panes laid out from the settings on real windows,
// chart maximise and restore, command routing, saving and the close
// question, and the main window's document operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/timing/VLeg.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "support/FreePort.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/toolkit/window/KZGeometry.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/support/MainWindowTest.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"

namespace {

using Pane = QVZEventMDI::Pane;

std::vector<Pane *> Panes(QVZEventMDI *window)
{
    std::vector<Pane *> panes;
    for (Pane *pane = window->FirstPane(); pane; pane = window->NextPane(pane))
        panes.push_back(pane);
    return panes;
}

// The pane window's rectangle in the event window's client area (right and
// bottom exclusive), and that client area's size.
RECT PixelRect(QVZEventMDI *window, Pane *pane)
{
    RECT rect = {};
    GetWindowRect(static_cast<HWND>(pane->window->OSHandle(2)), &rect);
    MapWindowPoints(nullptr, static_cast<HWND>(window->OSWindow()), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

SIZE ClientSize(QVZEventMDI *window)
{
    RECT client = {};
    GetClientRect(static_cast<HWND>(window->OSWindow()), &client);
    return { client.right, client.bottom };
}

// A chart window that counts how often it registers as the current one.
class RegisteringChartWindow : public QVZChartWindow
{
public:
    explicit RegisteringChartWindow(QVZEventMDI *eventWindow) : QVZChartWindow(eventWindow, nullptr) {}
    void RegisterWithEventWindow() override
    {
        ++registrations;
        QVZChartWindow::RegisterWithEventWindow();
    }
    int registrations = 0;
};

// A status bar that keeps every message it shows.
class RecordingStatusBar : public KZStatusBar
{
public:
    RecordingStatusBar() : KZStatusBar(20, 0) {}
    void SetMessage(const wchar_t *text) override
    {
        KZStatusBar::SetMessage(text);
        messages.emplace_back(text ? text : L"");
    }
    std::vector<std::wstring> messages;
};

class QVZEventMDITest : public MainWindowTest
{
protected:
    QVZEventMDI *NewWindow()
    {
        control->Event(ZafEventStruct(kCmdFileNew, 0));
        Pump();
        return control->ActiveEventWindow();
    }
    void TearDown() override
    {
        KFile::SetDialogHook({});
        MainWindowTest::TearDown();
    }
};

} // namespace

TEST_F(QVZEventMDITest, NewMakesOneWindowWithResultsAboveAndChartBelow)
{
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(1, EventWindowCount());
    const auto panes = Panes(window);
    ASSERT_EQ(2u, panes.size());
    Pane *chart = panes[0];
    Pane *results = panes[1];
    EXPECT_EQ(kPaneKindChart, chart->kind);
    EXPECT_EQ(L"Bottom", std::wstring(chart->name.CStr()));
    EXPECT_EQ(QVZPercentRect(0, 0, 100, 26), results->current);
    EXPECT_EQ(QVZPercentRect(0, 26, 100, 100), chart->current);
    EXPECT_EQ(-2, results->edges[3]->Adjustment());
    EXPECT_EQ(-1, results->edges[2]->Adjustment());
    EXPECT_EQ(-1, chart->edges[3]->Adjustment());
    EXPECT_EQ(-1, chart->edges[2]->Adjustment());

    const SIZE client = ClientSize(window);
    const RECT top = PixelRect(window, results);
    const RECT bottom = PixelRect(window, chart);
    EXPECT_EQ(0, top.left);
    EXPECT_EQ(0, top.top);
    EXPECT_EQ(client.cx, top.right);
    EXPECT_EQ(client.cy * 26 / 100 - 1, top.bottom);
    EXPECT_EQ(client.cy * 26 / 100, bottom.top);
    EXPECT_EQ(client.cx, bottom.right);
    EXPECT_EQ(client.cy, bottom.bottom);
    EXPECT_EQ(results->window, window->ResultsWindow());
    EXPECT_EQ(chart->window, window->ChartWindow());
}

TEST_F(QVZEventMDITest, ASecondChartPaneStaysHiddenAndTheFirstTakesItsArea)
{
    SetLayout({ { L"Results1", L"0,0,100,26" }, { L"Chart1", L"0,26,100,63" }, { L"Chart2", L"0,63,100,100" } });
    QVZEventMDI *window = NewWindow();
    const auto panes = Panes(window);
    ASSERT_EQ(3u, panes.size());
    EXPECT_EQ(QVZPercentRect(0, 26, 100, 100), panes[1]->current);
    EXPECT_TRUE(panes[2]->current.IsEmpty());
    EXPECT_EQ(0u, panes[2]->flags & QVZEventMDI::kPaneShown);
    EXPECT_EQ(ClientSize(window).cy, PixelRect(window, panes[1]).bottom);
}

TEST_F(QVZEventMDITest, AnUnknownEntryStopsTheReadingAndIsLogged)
{
    SetLayout({ { L"RESULTS", L"0,0,100,50,Main" }, { L"chart7", L"0,50,100,100" }, { L"Graph1", L"0,0,50,50" },
                { L"Chart2", L"0,0,100,100" } });
    QVZEventMDI *window = NewWindow();
    const auto panes = Panes(window);
    ASSERT_EQ(2u, panes.size());
    EXPECT_EQ(L"Main", std::wstring(panes[0]->name.CStr()));
    EXPECT_EQ(L"chart7", std::wstring(panes[1]->name.CStr()));
    EXPECT_NE(std::string::npos, Log().find("QVZEventMDI::QVZEventMDI: error loading pane"));
}

TEST_F(QVZEventMDITest, WithoutAResultsPaneResultsCommandsAreIgnored)
{
    SetLayout({ { L"Chart1", L"0,0,100,100" } });
    QVZEventMDI *window = NewWindow();
    EXPECT_EQ(nullptr, window->ResultsWindow());
    EXPECT_EQ(0, window->Event(ZafEventStruct(kCmdResultsDownloadTraces, 0)));
    EXPECT_EQ(0, control->Event(ZafEventStruct(kCmdResultsDownloadTraces, 0)));
}

TEST_F(QVZEventMDITest, MaximisingTwiceKeepsTheFirstSavedRectangleAndRestoreBringsThePanesBack)
{
    QVZEventMDI *window = NewWindow();
    const auto panes = Panes(window);
    Pane *chart = panes[0];
    Pane *results = panes[1];
    window->RestoreChart(chart->window);   // nothing is maximised: no change
    EXPECT_EQ(QVZPercentRect(0, 26, 100, 100), chart->current);

    window->MaximizeChart(chart->window);
    window->MaximizeChart(chart->window);
    EXPECT_EQ(QVZPercentRect(0, 0, 100, 100), chart->current);
    EXPECT_EQ(QVZPercentRect(0, 26, 100, 100), chart->saved);
    EXPECT_EQ(QVZEventMDI::kPaneHiddenByMaximize, results->flags);
    Pump();
    EXPECT_EQ(0, PixelRect(window, chart).top);

    window->RestoreChart(results->window);   // not the maximised pane
    EXPECT_EQ(chart, window->MaximizedPane());
    window->RestoreChart(chart->window);
    EXPECT_EQ(nullptr, window->MaximizedPane());
    EXPECT_EQ(QVZPercentRect(0, 26, 100, 100), chart->current);
    EXPECT_TRUE(chart->saved.IsEmpty());
    EXPECT_EQ(QVZEventMDI::kPaneShown | QVZEventMDI::kPaneConstrained, results->flags);
    Pump();
    EXPECT_EQ(ClientSize(window).cy * 26 / 100, PixelRect(window, chart).top);
}

TEST_F(QVZEventMDITest, ClosingAModifiedWorkoutAsksAndCancelKeepsTheWindow)
{
    QVZEventMDI *window = NewWindow();
    window->Event()->SetModified(true);
    boxAnswer = kDialogCancel;
    control->Event(ZafEventStruct(kEvtCloseWindow, 0));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Close Event Window", boxes[0].caption);
    EXPECT_EQ(L"'Untitled' has changed. Save before closing?", boxes[0].text);
    EXPECT_EQ(kButtonYes | kButtonNo | kButtonCancel, boxes[0].buttons);
    EXPECT_EQ(kButtonYes, boxes[0].defaultButton);
    EXPECT_EQ(1, EventWindowCount());

    boxAnswer = kDialogNo;
    control->Event(ZafEventStruct(kEvtCloseWindow, 0));
    EXPECT_EQ(0, EventWindowCount());
}

TEST_F(QVZEventMDITest, YesSavesAndAFailedSaveKeepsTheWindow)
{
    QVZEventMDI *window = NewWindow();
    window->Event()->SetModified(true);
    boxAnswer = kDialogYes;
    AnswerFileDialogs(scratch.PathOf(L"no such folder\\x.qvw"));
    control->Event(ZafEventStruct(kEvtCloseWindow, 0));
    EXPECT_EQ(1, EventWindowCount());
    ASSERT_EQ(2u, boxes.size());   // the question, then the save's error
    EXPECT_EQ(kIconExclamation, boxes[1].icon);

    AnswerFileDialogs(L"");   // cancelled: nothing shown, the window stays
    control->Event(ZafEventStruct(kEvtCloseWindow, 0));
    EXPECT_EQ(1, EventWindowCount());
    EXPECT_EQ(3u, boxes.size());

    AnswerFileDialogs(scratch.PathOf(L"kept.qvw"));
    control->Event(ZafEventStruct(kEvtCloseWindow, 0));
    EXPECT_EQ(0, EventWindowCount());
    EXPECT_TRUE(FileExists(scratch.PathOf(L"kept.qvw")));
}

TEST_F(QVZEventMDITest, SaveAsGivesTheWindowTheNewFileTitle)
{
    QVZEventMDI *window = NewWindow();
    AnswerFileDialogs(scratch.PathOf(L"Monday.qvw"));
    window->Event(ZafEventStruct(kCmdFileSaveAs, 0));
    EXPECT_STREQ(L"Monday", window->Text());
    EXPECT_FALSE(window->Event()->IsModified());
}

TEST_F(QVZEventMDITest, DocumentsWithoutAFileAreUntitledFromTheSecondNumberedAndTheirMenuEntriesAgree)
{
    registry->GetInt(L"\\Event\\SingleEvent")->SetValue(0);
    QVZEventMDI *first = NewWindow();
    QVZEventMDI *second = NewWindow();
    EXPECT_STREQ(L"Untitled", first->Text());
    EXPECT_STREQ(L"Untitled 2", second->Text());
    EXPECT_STREQ(L"Untitled", first->WindowMenuItem().Label().CStr());
    EXPECT_STREQ(L"Untitled 2", second->WindowMenuItem().Label().CStr());

    AnswerFileDialogs(scratch.PathOf(L"Monday.qvw"));
    first->Event(ZafEventStruct(kCmdFileSaveAs, 0));
    EXPECT_STREQ(L"Monday", first->Text());
    EXPECT_STREQ(L"Monday", first->WindowMenuItem().Label().CStr());
    QVZEventMDI *third = NewWindow();   // takes the name the saved one gave back
    EXPECT_STREQ(L"Untitled", third->Text());
    EXPECT_STREQ(L"Untitled", third->WindowMenuItem().Label().CStr());
}

TEST_F(QVZEventMDITest, WithASingleEventNewOverAModifiedDocumentAsksFirst)
{
    QVZEventMDI *first = NewWindow();
    first->Event()->SetModified(true);
    boxAnswer = kDialogCancel;
    control->Event(ZafEventStruct(kCmdFileNew, 0));
    EXPECT_EQ(1u, boxes.size());
    EXPECT_EQ(1, EventWindowCount());
    EXPECT_EQ(first, control->ActiveEventWindow());

    registry->GetInt(L"\\Event\\SingleEvent")->SetValue(0);
    control->Event(ZafEventStruct(kCmdFileNew, 0));
    EXPECT_EQ(2, EventWindowCount());
    EXPECT_EQ(1u, boxes.size());
}

TEST_F(QVZEventMDITest, OpeningAFileThatIsOpenBringsItsWindowToTheFront)
{
    registry->GetInt(L"\\Event\\SingleEvent")->SetValue(0);
    const std::wstring path = scratch.PathOf(L"Sprint.qvw");
    {
        QVEvent event;
        ASSERT_EQ(0, event.Initialize(QVEvent::kInitNew));
        AnswerFileDialogs(path);
        ASSERT_EQ(0, event.Save(QVEvent::kSaveWrite));
    }
    const KString name(path.c_str());
    QVZEventMDI *opened = control->OpenEvent(&name);
    ASSERT_NE(nullptr, opened);
    EXPECT_STREQ(L"Sprint", opened->Text());
    EXPECT_FALSE(opened->Event()->IsModified());
    NewWindow();
    EXPECT_EQ(2, EventWindowCount());
    EXPECT_EQ(opened, control->OpenEvent(&name));
    EXPECT_EQ(2, EventWindowCount());
    EXPECT_EQ(opened, control->ActiveEventWindow());
}

TEST_F(QVZEventMDITest, AFileThatCannotBeOpenedShowsItsErrorAndLeavesNoWindow)
{
    const KString name(scratch.PathOf(L"missing.qvw").c_str());
    EXPECT_EQ(nullptr, control->OpenEvent(&name));
    EXPECT_EQ(0, EventWindowCount());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kIconExclamation, boxes[0].icon);
}

TEST_F(QVZEventMDITest, SaveQitWithoutAResultsLinkShowsItsError)
{
    QVZEventMDI *window = NewWindow();
    window->Event(ZafEventStruct(kCmdFileSaveQit, 0));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kIconExclamation, boxes[0].icon);
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"35001")) << boxes[0].text;
}

// Save QIT hands the results over as a long operation: while a peer takes a
// file of megabytes slowly the status bar names the hand-over, and Escape
// stops it within a second, without an error box, closing the connection
// so that the peer never takes part of the file for all of it.
TEST_F(QVZEventMDITest, SaveQitToASlowReaderRunsAsALongOperationThatEscapeStops)
{
    ASSERT_TRUE(KSocketStartup());
    const int port = FreeLoopbackPort();
    KTCPSocket peer;
    ASSERT_NO_THROW(peer.Open(KString(L"-2,127.0.0.1,").AppendInt(port)));
    registry->Parse(KString(L"\\Database\\QIF\\SerialPort:String=-1,127.0.0.1,").AppendInt(port));
    registry->Parse(KString(L"\\Database\\File\\DataOutDir:String=").Append(scratch.PathOf(L"").c_str()));
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(nullptr, window);
    QVResults *results = window->Event()->Leg(0)->Results();
    const KString longText(std::wstring(120, L'w').c_str());
    for (int i = 0; i < 4000; ++i) {   // a results file of 600 KB
        QVResult *result = results->NewResult();
        result->SetLastName(longText);
        result->SetTextField(QVResult::kAffiliation, longText);
    }
    RecordingStatusBar bar;
    KZSetMainStatusBar(&bar);
    KZApplication::SetMainWindow(control);
    KSetApplicationHooks(KZApplication::Instance());
    HWND target = static_cast<HWND>(control->OSWindow());
    std::atomic<DWORD> escapedAt(0);
    size_t taken = 0;
    DWORD readEnded = 0;
    std::thread reader([&] {
        try {
            if (!peer.Accept(5000))
                return;
            peer.SetReadTimeout(10000);
            char buffer[2048];
            for (;;) {
                taken += size_t(peer.ReadSome(buffer, sizeof buffer));
                Sleep(20);   // about 100 KB a second
                if (taken >= 100000 && !escapedAt) {
                    escapedAt = GetTickCount();
                    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                    PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
                }
            }
        } catch (const KX &) {
            readEnded = GetTickCount();
        }
    });
    window->Event(ZafEventStruct(kCmdFileSaveQit, 0));
    const DWORD ended = GetTickCount();
    reader.join();
    KSetApplicationHooks(nullptr);
    KZApplication::SetMainWindow(nullptr);
    KZSetMainStatusBar(nullptr);
    QVResultsLink::Shutdown();
    KSocketCleanup();

    ASSERT_NE(0u, escapedAt.load()) << taken << " bytes taken";
    EXPECT_LT(ended - escapedAt, 1000u);
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? std::string() : std::string(boxes[0].text.begin(), boxes[0].text.end()));
    // The connection ended (what was under way drains first), the file unfinished.
    EXPECT_LT(readEnded - escapedAt, 6000u);
    EXPECT_LT(taken, 550000u);
    ASSERT_FALSE(bar.messages.empty());
    EXPECT_NE(bar.messages.end(), std::find(bar.messages.begin(), bar.messages.end(), L"Sending results..."));
    EXPECT_EQ(L"Operation aborted by user.", bar.messages.back());
}

TEST_F(QVZEventMDITest, ChildrenThatAreNotEventWindowsAreSkipped)
{
    registry->GetInt(L"\\Event\\SingleEvent")->SetValue(0);
    QVZEventMDI *first = NewWindow();
    auto *other = new KZMDIChild(0, 0, 200, 100);
    control->Add(other);
    QVZEventMDI *second = NewWindow();
    std::set<QVZEventMDI *> walked;
    for (QVZEventMDI *w = control->NextEventWindow(nullptr); w; w = control->NextEventWindow(w))
        walked.insert(w);
    EXPECT_EQ((std::set<QVZEventMDI *>{ first, second }), walked);
    EXPECT_EQ(3, control->ChildCount());
    other->Activate();
    EXPECT_EQ(nullptr, control->ActiveEventWindow());
    second->Activate();
    EXPECT_EQ(second, control->ActiveEventWindow());
}

TEST_F(QVZEventMDITest, ChoosingAnEventWindowAgainRegistersItsCurrentChartWindowAgain)
{
    registry->GetInt(L"\\Event\\SingleEvent")->SetValue(0);
    QVZEventMDI *first = NewWindow();
    ZafWindow *shown = first->ChartWindow();
    RegisteringChartWindow chart(first);
    first->SetChartWindow(&chart);
    QVZEventMDI *second = NewWindow();
    ASSERT_EQ(second, control->ActiveEventWindow());
    EXPECT_EQ(0, chart.registrations);

    control->Event(ZafEventStruct(kEvtWindowMenuFirst, 0));   // Window > 1
    EXPECT_EQ(first, control->ActiveEventWindow());
    EXPECT_EQ(1, chart.registrations);
    EXPECT_EQ(&chart, first->ChartWindow());
    first->SetChartWindow(shown);
}

TEST_F(QVZEventMDITest, ANewDocumentIsNotModified)
{
    QVZEventMDI *window = NewWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(window->Event()->IsModified());
}
