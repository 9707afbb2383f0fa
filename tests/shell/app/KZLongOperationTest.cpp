// The long-operation scope: what the status bar shows from its start to its
// end, the messages that run between steps, the clicks held back and the
// Escape that aborts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/objects/ZafWindowManager.h"
#include "shell/app/KZLongOperation.h"
#include "shell/support/ShellAppTest.h"
#include "shell/toolkit/bars/KZStatusBar.h"

namespace {

// A status bar that keeps what it was last told.
class RecordingStatusBar : public KZStatusBar
{
public:
    RecordingStatusBar() : KZStatusBar(20, 0) {}
    void Clear() override
    {
        message.clear();
        progress = -1;
    }
    void SetMessage(const wchar_t *text) override { message = text ? text : L""; }
    void SetProgress(int percent) override { progress = percent; }
    std::wstring message;
    int progress = -1;
};

// A plain window that counts the messages it is given.
int appMessages = 0;
int clicks = 0;

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        ++appMessages;
    if (message == WM_LBUTTONDOWN)
        ++clicks;
    return DefWindowProcW(window, message, wParam, lParam);
}

class KZLongOperationTest : public ShellAppTest
{
protected:
    void SetUp() override
    {
        ShellAppTest::SetUp();
        main = new ZafWindow(20, 20, 200, 100);
        app->WindowManager()->Add(main);
        KZApplication::SetMainWindow(main);
        KZSetMainStatusBar(&bar);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ProbeProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LongOperationProbe";
        RegisterClassW(&wc);
        probe = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                              nullptr);
        appMessages = clicks = 0;
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        KZSetMainStatusBar(nullptr);
        KZApplication::SetMainWindow(nullptr);
        app->WindowManager()->Subtract(main);
        delete main;
        ShellAppTest::TearDown();
    }
    void PressEscape()
    {
        HWND window = static_cast<HWND>(main->OSHandle(2));
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        // The next step looks at the queue again.
        Sleep(2 * KZLongOperation::kPumpInterval);
    }

    ZafWindow *main = nullptr;
    RecordingStatusBar bar;
    HWND probe = nullptr;
};

} // namespace

TEST_F(KZLongOperationTest, StepsRunPendingMessagesDropClicksAndEscapeEndsWithTheAbortNotice)
{
    {
        KZLongOperation work(KString(L"Sending firmware"));
        EXPECT_EQ(L"Sending firmware", bar.message);
        EXPECT_EQ(0, bar.progress);
        PostMessageW(probe, WM_APP, 0, 0);
        PostMessageW(probe, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        Sleep(2 * KZLongOperation::kPumpInterval);
        EXPECT_TRUE(work.Step(40));
        EXPECT_EQ(1, appMessages) << "a pending message ran";
        EXPECT_EQ(0, clicks) << "a click reached a window during the operation";
        EXPECT_EQ(40, bar.progress);
        MSG message;
        EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) << "left in the queue";

        PressEscape();
        EXPECT_FALSE(work.Step(50));
        EXPECT_FALSE(work.Step()) << "the abort is remembered";
        EXPECT_TRUE(work.Aborted());
    }
    EXPECT_EQ(-1, bar.progress);
    EXPECT_EQ(L"Operation aborted by user.", bar.message);
    EXPECT_EQ(nullptr, KZLongOperation::Current());

    // Ended without Escape, the status bar is empty.
    {
        KZLongOperation work(KString(L"Printing"));
        work.Step(99);
    }
    EXPECT_EQ(-1, bar.progress);
    EXPECT_EQ(L"", bar.message);
}

TEST_F(KZLongOperationTest, AnInnerOperationGivesTheOuterOnesTextBackAndItsAbortCountsForBoth)
{
    {
        KZLongOperation outer(KString(L"Downloading"));
        outer.Step(30);
        {
            KZLongOperation inner(KString(L"Waiting for the unit"));
            EXPECT_EQ(&inner, KZLongOperation::Current());
            EXPECT_EQ(L"Waiting for the unit", bar.message);
            PressEscape();
            EXPECT_FALSE(inner.Step(10));
        }
        EXPECT_EQ(&outer, KZLongOperation::Current());
        EXPECT_EQ(L"Downloading", bar.message);
        EXPECT_EQ(30, bar.progress);
        EXPECT_FALSE(outer.Step(40));
    }
    EXPECT_EQ(nullptr, KZLongOperation::Current());
    EXPECT_EQ(-1, bar.progress);
    EXPECT_EQ(L"Operation aborted by user.", bar.message);
}
