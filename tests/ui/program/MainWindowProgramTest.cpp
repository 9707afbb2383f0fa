// The main window of quorvane.exe as a user meets it: Help > Contents
// without its help file, the names of documents never saved (their
// Window-menu entries, which another process cannot read, are checked
// in-process with the event window), and the settings editor's groups.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "support/ComPortPair.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The labels of the entries of the menu-bar menu titled title (without its
// hot-key marks, and without an accelerator after a tab).
bool Holds(const std::vector<std::wstring> &entries, const std::wstring &entry)
{
    for (const std::wstring &e : entries)
        if (e == entry)
            return true;
    return false;
}

// The MDI children of the main window's client area.
std::vector<HWND> EventWindows(HWND main)
{
    std::vector<HWND> children;
    HWND client = H::FindWindowWhere(main, [](HWND w) { return _wcsicmp(H::ClassOf(w).c_str(), L"MDIClient") == 0; });
    for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            children.push_back(child);
    return children;
}

} // namespace

TEST(MainWindowProgram, HelpContentsWithoutItsHelpFileSaysWhichFileItLookedFor)
{
    ProgramRoad road(L"qhelp");
    ASSERT_TRUE(road.Start());
    // Alt+H opens the Hardware menu, which comes first; Help is the last menu.
    H::Focus(road.Main());
    H::Chord({ VK_MENU, 'F' });
    H::Rest(300);
    for (int menu = 0; menu < 6; ++menu) {   // Chart, Results, Hardware, Scoreboard, Window, Help
        H::Key(VK_RIGHT);
        H::Rest(200);
    }
    H::Key('C');
    HWND box = road.Program().WaitForWindow(L"Message", 5000);
    ASSERT_NE(nullptr, box) << "Help > Contents said nothing:" << WindowsOf(road.Process());
    const std::wstring text = QuorvaneProgram::BoxText(box);
    EXPECT_NE(std::wstring::npos, text.find(L"The help file cannot be found:")) << std::string(text.begin(), text.end());
    EXPECT_NE(std::wstring::npos, text.find(road.Folder().PathOf(L"Quorvane_Help.hlp")));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    EXPECT_EQ(0u, road.Close());
}

TEST(MainWindowProgram, AnUnsavedWorkoutIsNamedInItsCaptionItsWindowMenuEntryAndItsCloseQuestion)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"quntitled", "Event\\SingleEvent:Int=0\r\n");   // several documents open at once
    ASSERT_TRUE(road.Start());
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
    HWND child = road.EventWindow();
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(L"Untitled", TextOf(child));

    H::Focus(road.Main());
    H::Control('W');
    HWND box = road.Program().WaitForWindow(L"Close Event Window", 5000);
    ASSERT_NE(nullptr, box) << WindowsOf(road.Process());
    EXPECT_EQ(L"'Untitled' has changed. Save before closing?", QuorvaneProgram::BoxText(box));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"No"));
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).empty(); }, 5000));

    // Two new workouts: the first takes the plain name again, the second a number.
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 1; }, 5000));
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 2; }, 5000));
    std::vector<std::wstring> titles;
    for (HWND window : EventWindows(road.Main()))
        titles.push_back(TextOf(window));
    EXPECT_TRUE(Holds(titles, L"Untitled"));
    EXPECT_TRUE(Holds(titles, L"Untitled 2"));
    // Leaving asks about each of them by its name.
    H::Focus(road.Main());
    H::Chord({ VK_MENU, VK_F4 });
    std::vector<std::wstring> asked;
    while (HWND question = road.Program().WaitForWindow(L"Exit Quorvane Training", 3000)) {
        asked.push_back(QuorvaneProgram::BoxText(question));
        ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
        ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(question); }, 5000));
    }
    for (const std::wstring &text : asked)
        EXPECT_TRUE(text == L"'Untitled' has changed. Save before exiting?" ||
                    text == L"'Untitled 2' has changed. Save before exiting?")
            << std::string(text.begin(), text.end());
    EXPECT_EQ(0u, road.Program().WaitForExit()) << WindowsOf(road.Process());
}
