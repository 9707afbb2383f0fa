#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "foundation/streams/KKeptFile.h"
#include "foundation/streams/KKeptFileTable.h"
#include "foundation/support/SharedListLockHolder.h"
#include "framework/core/base/ZafConstants.h"
#include "framework/core/events/ZafEventManager.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/support/ShellAppTest.h"
#include "shell/support/ShellScratch.h"

namespace {

// A main window that counts idle ticks, answers the exit query as told and
// records the program events that reach it.
class TestMain : public ZafWindow
{
public:
    TestMain() : ZafWindow(20, 20, 200, 100) { SetCoordinateType(ZAF_PIXEL); }
    ~TestMain() override
    {
        if (gone)
            *gone = true;
        if (KZApplication::MainWindow() == this)
            KZApplication::SetMainWindow(nullptr);
    }

    ZafEventType Event(const ZafEventStruct &event) override
    {
        if (event.type == kEvtIdle) {
            ++ticks;
            if (onIdle)
                onIdle();
            return 0;
        }
        if (event.type == kEvtExitQuery) {
            ++exitQueries;
            return exitAnswer;
        }
        if (event.type >= 10000 && event.type < 11000) {
            seen.push_back(event.type);
            if (onCommand)
                onCommand(event.type);
            return event.type;
        }
        return ZafWindow::Event(event);
    }

    int ticks = 0;
    int exitQueries = 0;
    ZafEventType exitAnswer = 1;
    std::vector<ZafEventType> seen;
    std::function<void()> onIdle;
    std::function<void(ZafEventType)> onCommand;
    bool *gone = nullptr;
};

class KZEventLoop : public ShellAppTest
{
protected:
    void SetUp() override
    {
        ShellAppTest::SetUp();
        manager = app->WindowManager();
        main = new TestMain;
        main->gone = &mainGone;
        manager->Add(main);
        KZApplication::SetMainWindow(main);
    }
    void TearDown() override
    {
        KZApplication::SetMainWindow(nullptr);
        if (!mainGone && manager->Holds(main))
            manager->Subtract(main);
        if (!mainGone)
            delete main;
        ShellAppTest::TearDown();
    }
    void Put(ZafEventType type) { app->EventManager()->Put(ZafEventStruct(type, 0)); }
    // Ends the main loop (through the exit query) at that idle tick.
    void QuitAtTick(int tick, std::function<void()> before = {})
    {
        main->onIdle = [this, tick, before] {
            if (before)
                before();
            if (main->ticks == tick)
                PostQuitMessage(0);
        };
    }

    ZafWindowManager *manager = nullptr;
    TestMain *main = nullptr;
    bool mainGone = false;
};

// A window of this thread that runs a step when another program sends it
// kRunStep: a window whose handler saves.
class StepWindow
{
public:
    static constexpr UINT kRunStep = WM_APP + 7;

    explicit StepWindow(std::function<void()> step)
        : step(std::move(step)),
          window(CreateWindowW(L"STATIC", L"step", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr))
    {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }
    ~StepWindow() { DestroyWindow(window); }
    StepWindow(const StepWindow &) = delete;
    StepWindow &operator=(const StepWindow &) = delete;
    HWND Handle() const { return window; }

private:
    static LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
    {
        StepWindow *self = reinterpret_cast<StepWindow *>(GetWindowLongPtrW(handle, GWLP_USERDATA));
        if (message != kRunStep)
            return CallWindowProcW(self->previous, handle, message, wParam, lParam);
        self->step();
        return 1;
    }

    std::function<void()> step;
    HWND window;
    WNDPROC previous = nullptr;
};

long long MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

const std::wstring kLoopError = L"Unhandled main loop exception (1001).";

bool endedByFallback = false;

void CALLBACK EndLoopAfterAll(HWND, UINT, UINT_PTR, DWORD)
{
    endedByFallback = true;
    PostQuitMessage(0);
}

// The application's main loop, ended after 5 s should a close be lost rather
// than hang; endedByFallback says whether it was.
int32_t ControlWithFallback(KZApplication *app)
{
    endedByFallback = false;
    const UINT_PTR fallback = SetTimer(nullptr, 0, 5000, EndLoopAfterAll);
    const int32_t end = app->Control();
    KillTimer(nullptr, fallback);
    return end;
}

} // namespace

TEST_F(KZEventLoop, AnIdleLoopTicksTheMainWindowUntilTheExitIsAllowed)
{
    QuitAtTick(50);
    const DWORD start = GetTickCount();
    EXPECT_EQ(kEvtExit, app->Control());
    EXPECT_GE(main->ticks, 50);
    EXPECT_EQ(1, main->exitQueries);
    EXPECT_GE(GetTickCount() - start, 40u);   // one pass, and a 1 ms sleep, per tick
    EXPECT_EQ(0, app->LoopDepth());
}

TEST_F(KZEventLoop, ScoreboardCommandsReachNoWindow)
{
    for (ZafEventType type = kCmdScoreboardInitialize; type <= kCmdScoreboardRefresh; ++type)
        Put(type);
    Put(10016);
    QuitAtTick(5);
    app->Control();
    EXPECT_EQ(std::vector<ZafEventType>{ 10016 }, main->seen);
}

TEST_F(KZEventLoop, ARefusedExitKeepsTheProgramRunning)
{
    main->exitAnswer = 0;
    EXPECT_EQ(kEvtExitRefused, app->ExitQuery());
    PostMessageW(static_cast<HWND>(main->OSHandle(2)), WM_CLOSE, 0, 0);
    bool heldWhenAllowed = false;
    main->onIdle = [&] {
        if (main->ticks == 30) {
            heldWhenAllowed = manager->Holds(main);
            main->exitAnswer = 1;
            PostQuitMessage(0);
        }
    };
    EXPECT_EQ(kEvtExit, app->Control());
    EXPECT_TRUE(heldWhenAllowed);
    EXPECT_GE(main->exitQueries, 2);
    KZApplication::SetMainWindow(nullptr);
    EXPECT_EQ(0, app->ExitQuery());   // no main window: nothing to ask
}

// The Exit command in the middle of a long operation never ends the program
// there: the operation stops as on Escape, as does one started before the
// request has run, and the main loop then runs the exit with its query.
TEST_F(KZEventLoop, AnExitDuringALongOperationStopsItAndRunsFromTheMainLoopAfterIt)
{
    bool stopped = false, stoppedAtStart = false, mainKept = false;
    int queriesDuringOperation = -1;
    main->onCommand = [&](ZafEventType type) {
        if (type != 10500)   // the operation's own idle events come here too
            return;
        {
            KZLongOperation work(KString(L"Printing"));
            Put(kEvtExit);
            Sleep(2 * KZLongOperation::kPumpInterval);
            stopped = !work.Step(10);
            mainKept = manager->Holds(main);
            queriesDuringOperation = main->exitQueries;
        }
        KZLongOperation next(KString(L"Exporting"));
        stoppedAtStart = !next.Step(0);
    };
    Put(10500);
    const int32_t end = app->Control();
    EXPECT_TRUE(end == kEvtExit || end == kEvtWindowGone) << end;
    EXPECT_TRUE(stopped) << "the operation went on";
    EXPECT_TRUE(mainKept);
    EXPECT_EQ(0, queriesDuringOperation) << "the exit was asked inside the operation";
    EXPECT_TRUE(stoppedAtStart) << "an operation began while the exit waited";
    EXPECT_TRUE(mainGone) << "the exit did not run after the operation";
    EXPECT_FALSE(app->CloseHeld());
}

// End task (WM_CLOSE) and the window manager's close button (SC_CLOSE) reach
// the main window in the middle of an operation: the operation stops, the
// window and the exit question wait until it has ended, and the program then
// ends from the main loop.
TEST_F(KZEventLoop, ACloseOfTheMainWindowDuringALongOperationWaitsUntilItHasEnded)
{
    const HWND frame = static_cast<HWND>(main->OSHandle(2));
    bool stopped = false, mainKept = false;
    int queriesDuringOperation = -1;
    main->onCommand = [&](ZafEventType type) {
        if (type != 10500)
            return;
        KZLongOperation work(KString(L"Downloading"));
        PostMessageW(frame, WM_CLOSE, 0, 0);
        PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        for (int step = 0; step < 10 && !stopped; ++step) {
            Sleep(KZLongOperation::kPumpInterval);
            stopped = !work.Step(step);
        }
        mainKept = !mainGone && manager->Holds(main) && IsWindow(frame);
        if (mainKept)
            queriesDuringOperation = main->exitQueries;
    };
    Put(10500);
    const int32_t end = ControlWithFallback(app.get());
    EXPECT_FALSE(endedByFallback) << "the program did not end after the operation";
    EXPECT_TRUE(end == kEvtExit || end == kEvtWindowGone) << end;
    EXPECT_TRUE(stopped) << "the operation went on";
    EXPECT_TRUE(mainKept) << "the main window was closed inside the operation";
    EXPECT_EQ(0, queriesDuringOperation) << "the exit was asked inside the operation";
    EXPECT_TRUE(mainGone) << "the close did not run after the operation";
    EXPECT_FALSE(app->CloseHeld());
}

// End task while a system dialog is up (it disables the main window and
// runs its own loop) waits and stops nothing: the operation the dialog
// confirmed runs on. A session end asked during it is refused, holds
// nothing and stops nothing. The close then runs from the main loop.
TEST_F(KZEventLoop, ACloseMetUnderADialogAndASessionEndDuringTheOperationItConfirmedStopNothing)
{
    const HWND frame = static_cast<HWND>(main->OSHandle(2));
    bool heldUnderDialog = false, ranOn = false;
    LRESULT sessionAnswer = -1;
    int queriesDuringOperation = -1;
    main->onCommand = [&](ZafEventType type) {
        if (type != 10500)
            return;
        EnableWindow(frame, FALSE);
        SendMessageW(frame, WM_CLOSE, 0, 0);
        EnableWindow(frame, TRUE);
        heldUnderDialog = app->CloseHeld();
        KZLongOperation work(KString(L"Printing"));
        sessionAnswer = SendMessageW(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendMessageW(frame, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        ranOn = true;
        for (int step = 0; step < 4; ++step) {
            Sleep(KZLongOperation::kPumpInterval);
            ranOn = work.Step(step * 25) && ranOn;
        }
        queriesDuringOperation = main->exitQueries;
    };
    Put(10500);
    const int32_t end = ControlWithFallback(app.get());
    EXPECT_FALSE(endedByFallback) << "the held close did not run";
    EXPECT_TRUE(end == kEvtExit || end == kEvtWindowGone) << end;
    EXPECT_TRUE(heldUnderDialog);
    EXPECT_EQ(FALSE, sessionAnswer) << "the session may end during the operation";
    EXPECT_TRUE(ranOn) << "the operation was stopped";
    EXPECT_EQ(0, queriesDuringOperation) << "a question was asked inside the operation";
    EXPECT_TRUE(mainGone);
    EXPECT_FALSE(app->CloseHeld());
}

// Another copy holds the lock of the list of open files that the program's
// copies share while a save here waits for it (it lists its file for the
// first time, as a save under a new name does), and another program sends
// this program a session end and a message whose handler saves: the
// session end is refused without a question, and the save started inside
// the wait does not wait again, so that the first save waits once at most.
TEST_F(KZEventLoop, ASessionEndAndASaveMetWhileASaveWaitsForTheSharedListsLockNeitherAskNorWaitAgain)
{
    const HWND frame = static_cast<HWND>(main->OSHandle(2));
    const std::wstring first = scratch.PathOf(L"first.qvw"), second = scratch.PathOf(L"second.qvw");
    WriteBytes(first, "first");
    WriteBytes(second, "second");
    bool waiting = false, innerInside = false;
    long long innerTook = -1;
    StepWindow saver([&] {
        innerInside = waiting;
        const auto start = std::chrono::steady_clock::now();
        KKeptFile inner;
        inner.Keep(KString(second.c_str()));
        innerTook = MillisecondsSince(start);
    });
    DWORD_PTR sessionAnswer = 2;
    int queriesDuringSave = -1;
    long long took = -1;
    main->onCommand = [&](ZafEventType type) {
        if (type != 10500)
            return;
        SharedListLockHolder holder;
        HANDLE sending = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE sent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread other([&] {
            SetEvent(sending);
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &sessionAnswer);
            SendMessageTimeoutW(frame, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer);
            SendMessageTimeoutW(saver.Handle(), StepWindow::kRunStep, 0, 0, SMTO_NORMAL, 10000, &answer);
            SetEvent(sent);
        });
        WaitForSingleObject(sending, INFINITE);
        KKeptFile outer;
        waiting = true;
        const auto start = std::chrono::steady_clock::now();
        outer.Keep(KString(first.c_str()));
        took = MillisecondsSince(start);
        waiting = false;
        queriesDuringSave = main->exitQueries;
        // What the other program sent after the wait is answered now.
        MSG message;
        while (MsgWaitForMultipleObjects(1, &sent, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0)
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        other.join();
        CloseHandle(sending);
        CloseHandle(sent);
        PostQuitMessage(0);
    };
    Put(10500);
    EXPECT_EQ(kEvtExit, ControlWithFallback(app.get()));
    EXPECT_FALSE(endedByFallback);
    EXPECT_TRUE(innerInside) << "the second save did not start inside the first one's wait";
    EXPECT_EQ(DWORD_PTR(FALSE), sessionAnswer) << "the session may end during the save";
    EXPECT_EQ(0, queriesDuringSave) << "the exit's question came up inside the save";
    EXPECT_LE(innerTook, KKeptFileTable::kLockWait / 2) << "the save started inside the wait waited again";
    EXPECT_LE(took, KKeptFileTable::kLockWait + 1000) << "the save waited more than once";
}

TEST_F(KZEventLoop, AHandlersExceptionIsShownOnceAndTheLoopGoesOn)
{
    main->onCommand = [](ZafEventType type) {
        if (type == 10500)
            throw std::runtime_error("broken handler");
    };
    Put(10500);
    Put(10501);
    QuitAtTick(10);
    EXPECT_EQ(kEvtExit, app->Control());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kLoopError, boxes[0].text);
    EXPECT_EQ(L"Error", boxes[0].caption);
    EXPECT_EQ((std::vector<ZafEventType>{ 10500, 10501 }), main->seen);
}

TEST_F(KZEventLoop, AnIdleTickExceptionIsShownOnceAndTheTicksGoOn)
{
    QuitAtTick(10, [this] {
        if (main->ticks == 1)
            throw std::runtime_error("broken tick");
    });
    EXPECT_EQ(kEvtExit, app->Control());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kLoopError, boxes[0].text);
    EXPECT_GE(main->ticks, 10);
}

TEST_F(KZEventLoop, FailuresWhileTheErrorBoxIsUpAreNotShownAgain)
{
    // The box runs a modal loop of its own, in which the idle tick keeps failing.
    int failures = 0;
    bool boxUp = false;
    int boxTicks = 0;
    whileBoxIsUp = [&] {
        boxUp = true;
        auto *box = new ZafWindow(60, 60, 100, 60);
        box->SetCoordinateType(ZAF_PIXEL);
        manager->Add(box);
        app->Control(box);
        manager->Subtract(box);
        delete box;
        boxUp = false;
    };
    main->onIdle = [&] {
        if (boxUp && ++boxTicks == 20)
            Put(kDialogOk);
        if (boxTicks < 20) {
            ++failures;
            throw std::runtime_error("tick fails again");
        }
        if (main->ticks > 40)
            PostQuitMessage(0);
    };
    EXPECT_EQ(kEvtExit, app->Control());
    EXPECT_EQ(1u, boxes.size());
    EXPECT_GE(failures, 10);
}

TEST_F(KZEventLoop, UserAbortSeesEscapeAndLeavesNoKeys)
{
    HWND window = static_cast<HWND>(main->OSHandle(2));
    PostMessageW(window, WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    EXPECT_TRUE(app->UserAbort());
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));

    PostMessageW(window, WM_KEYDOWN, 'A', 0x001E0001);
    EXPECT_FALSE(app->UserAbort());
    EXPECT_FALSE(app->FlushKeys());
    PostMessageW(window, WM_CHAR, 'b', 0x00300001);
    EXPECT_TRUE(app->FlushKeys());
}

TEST_F(KZEventLoop, DuringAGrabTheIdleTickIsWithheldUnlessKept)
{
    auto *holder = new TestMain;
    manager->Add(holder);
    const struct
    {
        uint32_t flags;
        int mainTicks;
    } cases[] = { { 0, 0 }, { kGrabKeepIdle, 1 }, { kGrabRepeatMouse | kGrabKeepIdle, 1 } };
    for (const auto &c : cases) {
        main->ticks = 0;
        app->Grab(holder, c.flags);
        EXPECT_EQ(holder, app->GrabWindow());
        app->Idle(0);
        app->Grab(nullptr, 0);
        EXPECT_EQ(c.mainTicks, main->ticks) << c.flags;
    }
    main->ticks = 0;
    app->Idle(0);
    EXPECT_EQ(1, main->ticks);   // no grab: the tick comes again
    manager->Subtract(holder);
    delete holder;
}
