// The splash picture of quorvane.exe started as a process of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/program/QuorvaneProgram.h"

namespace {

struct SplashSearch
{
    DWORD processId;
    HWND found;
};

// A shown, untitled top-level window of the process as large as the picture.
BOOL CALLBACK FindSplash(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<SplashSearch *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT rect;
    if (owner != search->processId || !IsWindowVisible(window) || GetWindowTextLengthW(window) > 0 ||
        !GetWindowRect(window, &rect) || rect.right - rect.left != 400 || rect.bottom - rect.top != 300)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND SplashOf(const QuorvaneProgram &program)
{
    SplashSearch search = { program.ProcessId(), nullptr };
    EnumWindows(&FindSplash, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

TEST(QuorvaneSplash, TheSplashComesFirstAndTheMainWindowAtLeastThreeSecondsLater)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    ASSERT_TRUE(CopyFileW((BuiltProgramFolder() + L"\\quorvane.tgs").c_str(),
                          folder.PathOf(L"quorvane.tgs").c_str(), FALSE));
    ASSERT_TRUE(program.Start(L"-noddeserver"));
    HWND splash = nullptr;
    while (!splash && program.Elapsed() < 15000) {
        splash = SplashOf(program);
        Sleep(5);
    }
    ASSERT_NE(nullptr, splash);
    const DWORD splashSeen = program.Elapsed();
    HWND main = program.WaitForWindow(L"Quorvane Training  v1.32");
    ASSERT_NE(nullptr, main);
    EXPECT_GE(program.Elapsed() - splashSeen, 2950u);   // polling may see the splash a little late
    EXPECT_FALSE(IsWindow(splash) && IsWindowVisible(splash));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit());
}
