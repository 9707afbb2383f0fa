// The main window of quorvane.exe as a user meets it: the Window menu's
// separator, Help > Contents without its help file, the names of documents
// never saved (their Window-menu entries, which another process cannot
// read, are checked in-process with the event window), close requests and
// session ends that meet a question or a save waiting for another copy,
// and the settings editor's groups.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "foundation/support/SharedListLockHolder.h"
#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "support/ClipboardText.h"
#include "support/ComPortPair.h"
#include "support/TestBytes.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/DesktopHand.h"
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

int Brightness(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// The bands of pixel rows of a list that hold text (pixels far from the
// row's own background at its left edge), top first.
std::vector<Band> TextRows(const H::Picture &list)
{
    return RowBands(list, [&](int y) {
        const int background = Brightness(list.At(1, y));
        bool ink = false;
        for (int x = 20; x < list.width - 24 && !ink; ++x)
            ink = std::abs(Brightness(list.At(x, y)) - background) > 3 * 90;
        return ink;
    });
}

void Hold(WORD key, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// Opens File > Options with Ctrl and Shift held: the settings editor. The
// keys bring the highlight to Options (from the first entry round to Exit,
// then up to Options); the mouse then chooses it with both keys held, as
// the keyboard cannot (a menu takes no Enter with Ctrl held).
HWND OpenSettingsEditor(ProgramRoad &road)
{
    H::Focus(road.Main());
    H::Chord({ VK_MENU, 'F' });
    H::Rest(300);
    H::Key(VK_UP);
    H::Rest(150);
    H::Key(VK_UP);
    H::Rest(300);
    HWND menu = H::VisibleMenu(road.Process());
    if (!menu)
        return nullptr;
    const H::Picture picture = H::Capture(menu);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    int top = -1, bottom = -1;
    for (int y = 0; y < picture.height; ++y)
        if (picture.At(picture.width / 2, y) == highlight) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    if (top < 0)
        return nullptr;
    Hold(VK_CONTROL, true);
    Hold(VK_SHIFT, true);
    H::Rest(100);
    H::Click(menu, picture.width / 2, (top + bottom) / 2);
    H::Rest(500);
    Hold(VK_SHIFT, false);
    Hold(VK_CONTROL, false);
    return road.Program().WaitForWindow(L"Other Settings", 5000);
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

// The most close and exit questions of the process on screen at once while
// watched for a while.
int MostQuestionsOnScreen(DWORD process, DWORD watch = 1500)
{
    int most = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < watch; H::Rest(100)) {
        int questions = 0;
        H::FindWindowWhere(nullptr, [&](HWND window) {
            const std::wstring title = TextOf(window);
            questions += H::ProcessOf(window) == process && IsWindowVisible(window)
                         && (title == L"Close Event Window" || title.rfind(L"Exit Quorvane Training", 0) == 0);
            return false;
        });
        most = std::max(most, questions);
    }
    return most;
}

// Wine's heap checking for the programs started meanwhile: a use of freed
// memory faults at once.
class HeapChecking
{
public:
    HeapChecking() { SetEnvironmentVariableW(L"WINEDEBUG", L"warn+heap"); }
    ~HeapChecking() { SetEnvironmentVariableW(L"WINEDEBUG", L"-all"); }
};

// The open drop-down menu of the process as the screen shows it (empty
// when none shows).
H::Picture OpenMenu(DWORD process)
{
    HWND menu = nullptr;
    H::WaitFor([&] { return (menu = H::VisibleMenu(process)) != nullptr; }, 3000);
    H::Rest(300);
    return menu ? H::Capture(menu) : H::Picture{};
}

// The separator lines of a drop-down menu: bands of rows drawn mostly in one
// colour other than the menu's own and the highlight's (text never fills a
// row so; the frame's rows and columns are left out).
std::vector<Band> SeparatorLines(const H::Picture &menu)
{
    const COLORREF face = GetSysColor(COLOR_MENU), highlight = GetSysColor(COLOR_HIGHLIGHT);
    const int inset = 4, span = menu.width - 2 * inset;
    return RowBands(menu, [&](int y) {
        if (y < inset || y >= menu.height - inset || span <= 0)
            return false;
        const COLORREF line = menu.At(menu.width / 2, y);
        if (line == face || line == highlight)
            return false;
        int same = 0;
        for (int x = inset; x < menu.width - inset; ++x)
            same += menu.At(x, y) == line;
        return same * 10 >= span * 8;
    });
}

// Alt+W on the main window: the separator lines of the Window menu; the
// menu is closed again.
size_t WindowMenuSeparators(ProgramRoad &road)
{
    H::Focus(road.Main());
    H::Chord({ VK_MENU, 'W' });
    const std::vector<Band> lines = SeparatorLines(OpenMenu(road.Process()));
    H::Key(VK_ESCAPE);
    H::Key(VK_ESCAPE);
    H::Rest(300);
    return lines.size();
}

// The middle of the row of the list painted as selected (in the highlight
// colour at the row's right end, where no text reaches); -1 when no row or
// more than one shows so.
int SelectedRowMiddle(HWND list)
{
    const H::Picture picture = H::Capture(list);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const std::vector<Band> bands =
        RowBands(picture, [&](int y) { return picture.At(picture.width - 6, y) == highlight; });
    return bands.size() == 1 ? (bands[0].top + bands[0].bottom) / 2 : -1;
}

// Whether the selected row shows on the row of that band (up to 3 s).
bool SelectedAt(HWND list, const Band &row)
{
    return H::WaitFor([&] {
        const int middle = SelectedRowMiddle(list);
        return middle >= row.top && middle <= row.bottom;
    }, 3000);
}

} // namespace

TEST(MainWindowProgram, TheWindowMenuShowsItsSeparatorOnlyAboveTheWorkoutsItLists)
{
    ProgramRoad road(L"qwinmenu", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    EXPECT_EQ(0u, WindowMenuSeparators(road)) << "with no workout open";

    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 1; }, 5000));
    EXPECT_EQ(1u, WindowMenuSeparators(road)) << "with one workout open";
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 2; }, 5000));
    EXPECT_EQ(1u, WindowMenuSeparators(road)) << "with two workouts open";

    for (size_t open = 2; open > 0; --open) {
        H::Focus(road.Main());
        H::Control('W');
        if (HWND box = road.Program().WaitForWindow(L"Close Event Window", 2000)) {
            ASSERT_TRUE(QuorvaneProgram::Press(box, L"No"));
        }
        ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == open - 1; }, 5000));
    }
    EXPECT_EQ(0u, WindowMenuSeparators(road)) << "after the last workout closed";
    EXPECT_EQ(0u, road.Close());
}

// Ctrl with a key that has no character is no letter's command: Ctrl+F4
// (0x73, like 's') closes the untouched workout, where it used to save it
// as Ctrl+S does.
TEST(MainWindowProgram, CtrlWithAFunctionKeyIsNotTakenForTheLetterOfTheSameCode)
{
    ProgramRoad road(L"qctrlfkey", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 1; }, 5000));
    H::Focus(road.Main());
    H::Chord({ VK_CONTROL, VK_F4 });
    EXPECT_EQ(nullptr, road.Program().WaitForWindow(L"Save As", 2000)) << "Ctrl+F4 saved the workout";
    EXPECT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).empty(); }, 5000))
        << "Ctrl+F4 left the workout open";
    EXPECT_EQ(0u, road.Close());
}

TEST(MainWindowProgram, HelpContentsWithoutItsHelpFileSaysWhichFileItLookedFor)
{
    ProgramRoad road(L"qhelp");
    ASSERT_TRUE(road.Start());
    // Alt+H opens the Hardware menu, which comes first; Help is the last menu.
    ASSERT_TRUE(road.ChooseFromMenu('F', 0)) << "the File menu did not open";
    for (int menu = 0; menu < 6; ++menu) {   // Chart, Results, Hardware, Scoreboard, Window, Help
        H::Key(VK_RIGHT);
        H::Rest(200);
    }
    H::Key('C');
    HWND box = road.Program().WaitForBox(L"Message", 5000);
    ASSERT_NE(nullptr, box) << "Help > Contents said nothing:" << WindowsOf(road.Process());
    const std::wstring text = QuorvaneProgram::BoxText(box);
    EXPECT_NE(std::wstring::npos, text.find(L"The help file cannot be found:")) << std::string(text.begin(), text.end());
    EXPECT_NE(std::wstring::npos, text.find(road.Folder().PathOf(L"Quorvane_Help.hlp")));
    H::Rest(500);
    EXPECT_EQ(2u, QuorvaneProgram::PaintedLines(box).size()) << "the sentence and the file on the screen";
    EXPECT_LT(QuorvaneProgram::UnpaintedWidth(box), 64);
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    EXPECT_EQ(0u, road.Close());
}

namespace {

// A path of 245 characters to name, in nested folders made under folder.
std::wstring LongPath(const std::wstring &folder, const std::wstring &name)
{
    constexpr int kLength = 245;
    std::wstring path = folder;
    CreateDirectoryW(path.c_str(), nullptr);
    for (int room; (room = kLength - int(path.size() + 1 + name.size())) >= 2;) {
        path += L"\\" + std::wstring(size_t(std::min(40, room - 1)), L'd');
        CreateDirectoryW(path.c_str(), nullptr);
    }
    return path + L"\\" + name;
}

} // namespace

// A workout at a 245-character path, held by another program that shares
// nothing, chosen with File > Open: the box says it is in use, stays on the
// screen, and shows the whole path (its file's name in full) on lines of
// its own.
TEST(MainWindowProgram, FileOpenOfAHeldWorkoutAtALongPathSaysItIsInUseAndShowsTheWholePathOnTheScreen)
{
    ProgramRoad road(L"qheld");
    const std::wstring name = L"the-workout-to-open.qvw";
    const std::wstring path = LongPath(road.Folder().PathOf(L"long"), name);
    ASSERT_GE(path.size(), 244u);
    WriteBytes(path, "held before it is read");
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    ASSERT_TRUE(road.Start());

    H::Focus(road.Main());
    H::Control('O');
    ASSERT_TRUE(ChooseFile(road.Process(), path)) << "no open dialog:" << WindowsOf(road.Process());
    HWND box = road.Program().WaitForBox(L"Error", 10000);
    ASSERT_NE(nullptr, box) << "no error shown:" << WindowsOf(road.Process());
    const std::vector<std::wstring> lines = QuorvaneProgram::BoxLines(box);
    ASSERT_GE(lines.size(), 4u) << "the path on more than one line";
    EXPECT_EQ(0u, lines.front().find(L"Error opening a file (3002"));
    EXPECT_TRUE(lines.back() == L"The file is in use by another program.");
    std::wstring shown;
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        shown += lines[i];
    EXPECT_TRUE(shown == path) << "the path is not shown whole";
    EXPECT_EQ(lines[lines.size() - 2].size() - name.size(), lines[lines.size() - 2].rfind(name)) << "the name is cut";
    H::Rest(500);
    EXPECT_TRUE(QuorvaneProgram::WholeOnScreen(box)) << "the box or a line of it is off the screen";
    EXPECT_EQ(lines.size(), QuorvaneProgram::PaintedLines(box).size()) << "lines painted";
    EXPECT_GT(QuorvaneProgram::UnpaintedWidth(box), 0) << "a line is painted up to the box's edge";
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    CloseHandle(holder);
    EXPECT_EQ(0u, road.Close());
}

// Save As with paths longer than the dialog and the file systems take:
// pasted into a folder that exists, 300 characters, and 260 ending ".qvw"
// (both cut by the name box); typed, 300 characters; then, in a folder of
// 240, a name without a drive as long as a path may be, and one with the
// folder's drive and no root ("C:name") that is too long only in that
// folder: the program lives on, the dialog stays on the screen under a
// message of its own that says how long a path may be, and no file is
// made. A short "C:name" is then saved in the folder shown. The dialog is
// resized by its size grip first.
TEST(MainWindowProgram, SaveAsWithAPathLongerThanTheSystemTakesKeepsTheProgramAndItsWorkout)
{
    ProgramRoad road(L"qlongsave");
    std::wstring deep = LongPath(road.Folder().PathOf(L"deep"), L"x");
    deep.resize(deep.size() - 2);
    ASSERT_EQ(L':', deep[1]);
    const std::wstring drive = deep.substr(0, 2);
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(road.Main()) != nullptr; })) << WindowsOf(road.Process());
    H::Control('S');
    HWND dialog = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = FindFileDialog(road.Process())) != nullptr; }))
        << "no save dialog:" << WindowsOf(road.Process());
    // Its size grip, dragged with the mouse, makes it larger. A window
    // manager takes the drag over: there it comes through the X server.
    H::Rest(500);
    RECT before, after, client;
    GetWindowRect(dialog, &before);
    GetClientRect(dialog, &client);
    POINT grip = { client.right - 3, client.bottom - 3 };
    if (DesktopHand::WindowManagerRuns()) {
        ClientToScreen(dialog, &grip);
        DesktopHand::DragFrame(dialog, grip, { grip.x + 120, grip.y + 80 });
    } else {
        H::Drag(dialog, grip, { grip.x + 120, grip.y + 80 });
    }
    EXPECT_TRUE(H::WaitFor([&] {
        GetWindowRect(dialog, &after);
        return after.right - after.left > before.right - before.left + 60 && after.bottom - after.top > before.bottom - before.top + 40;
    }, 5000)) << "the save dialog cannot be resized";
    const std::wstring here = road.Folder().PathOf(L"pasted");
    std::wstring path = road.Folder().PathOf(L"no such folder\\");
    path += std::wstring(300 - path.size() - 4, L'x') + L".qvw";
    // The text of the message the dialog shows over itself, once answered
    // with Enter and gone; empty when none shows within 5 s.
    auto answerMessage = [&] {
        HWND box = nullptr;
        if (!H::WaitFor([&] {
                box = H::FindWindowWhere(nullptr, [&](HWND w) {
                    return GetWindow(w, GW_OWNER) == dialog && IsWindowVisible(w) && H::ClassOf(w) == L"#32770" &&
                           !QuorvaneProgram::BoxText(w).empty();
                });
                return box != nullptr;
            }, 5000))
            return std::wstring();
        const std::wstring text = QuorvaneProgram::BoxText(box);
        H::Focus(box);
        H::Key(VK_RETURN);
        EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(box); }, 5000)) << "the message stays";
        return text;
    };
    struct Entry
    {
        std::wstring text;
        bool paste;
        bool refused;   // a message says why; else the deep folder, typed, is shown
    };
    // The deep folder typed in between takes the dialog there.
    const Entry entries[] = {
        { here + std::wstring(300 - here.size() - 4, L'p') + L".qvw", true, true },
        { here + std::wstring(260 - here.size() - 4, L'p') + L".qvw", true, true },
        { path, false, true }, { deep, false, false }, { std::wstring(259, L'y'), false, true },
        { drive + std::wstring(260 - deep.size() - 5, L'c'), false, true } };
    for (const Entry &entry : entries) {
        const std::wstring &text = entry.text;
        H::Focus(dialog);
        H::Key(VK_HOME);
        H::Chord({ VK_SHIFT, VK_END });
        if (entry.paste) {
            ASSERT_TRUE(PutOnClipboard(text));
            H::Chord({ VK_CONTROL, 'V' });
        } else {
            H::Type(text);
        }
        H::Key(VK_RETURN);
        if (entry.refused) {
            const std::wstring message = answerMessage();
            EXPECT_NE(std::wstring::npos, message.find(L"at most 259 characters"))
                << text.size() << " no message says why: \"" << H::Narrow(message) << "\"" << WindowsOf(road.Process());
        } else {
            H::Rest(2000);
        }
        ASSERT_EQ(STILL_ACTIVE, road.Program().WaitForExit(0)) << "the program ended at " << text.size();
        EXPECT_LT(H::AnswerTime(road.Main()), 5000u);
        ASSERT_NE(nullptr, FindFileDialog(road.Process())) << text.size() << WindowsOf(road.Process());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(road.Folder().PathOf(L"no such folder").c_str()));
    WIN32_FIND_DATAW found;
    const HANDLE pasted = FindFirstFileW((here + L"*").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, pasted) << "a file of a cut paste was made";
    if (pasted != INVALID_HANDLE_VALUE)
        FindClose(pasted);
    H::Focus(dialog);
    H::Key(VK_HOME);
    H::Chord({ VK_SHIFT, VK_END });
    H::Type(drive + L"saved");
    H::Key(VK_RETURN);
    EXPECT_TRUE(H::WaitFor([&] { return FindFileDialog(road.Process()) == nullptr; }, 5000))
        << WindowsOf(road.Process());
    EXPECT_TRUE(H::WaitFor([&] { return GetFileAttributesW((deep + L"\\saved.qvw").c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000))
        << "not saved in the folder shown";
    EXPECT_EQ(0u, road.Close()) << WindowsOf(road.Process());
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
    HWND box = road.Program().WaitForBox(L"Close Event Window", 5000);
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
    while (HWND question = road.Program().WaitForBox(L"Exit Quorvane Training", 3000)) {
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

// A session end asked while "Close Event Window" is up is refused and then
// called off: the question stays alone, and its answer still works on the
// workout it asks about: No closes it unsaved, Yes saves it (in a Save As
// over the main window), then closes it. A session end allowed and then
// called off leaves the open workout as it was.
TEST(MainWindowProgram, TheCloseQuestionOutlivesACalledOffSessionEndAndItsAnswerWorksOnTheWorkout)
{
    QV_REQUIRE_COMPORTS(pair);
    HeapChecking checking;
    ProgramRoad road(L"qsessionq", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    // The session end's answer (2: none), once the end has been called off.
    auto askThenCallOff = [&] {
        DWORD_PTR allowed = 2, ended = 2;
        SendMessageTimeoutW(road.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &allowed);
        SendMessageTimeoutW(road.Main(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended);
        return ended == 0 ? allowed : 2;
    };
    const std::wstring path = road.Folder().PathOf(L"kept.qvw");
    for (const bool yes : { false, true }) {
        ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
        H::Focus(road.Main());
        H::Control('W');
        HWND box = road.Program().WaitForWindow(L"Close Event Window", 5000);
        ASSERT_NE(nullptr, box) << WindowsOf(road.Process());
        EXPECT_EQ(FALSE, askThenCallOff()) << "the session may end under the question";
        EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
        ASSERT_TRUE(QuorvaneProgram::Press(box, yes ? L"Yes" : L"No"));
        if (yes) {
            ASSERT_TRUE(ChooseFile(road.Process(), path, road.Main())) << WindowsOf(road.Process());
        }
        EXPECT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).empty(); }, 5000)) << "Yes: " << yes;
        if (yes)
            EXPECT_TRUE(H::WaitFor([&] { return ReadBytes(path).size() > 100; }, 5000)) << "the workout was not saved";
        else
            EXPECT_EQ(nullptr, FindFileDialog(road.Process())) << "No asked where to save";
    }
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 1; }, 5000));
    EXPECT_EQ(TRUE, askThenCallOff()) << "nothing to save, yet the session end is refused";
    EXPECT_EQ(1u, EventWindows(road.Main()).size()) << "the called-off session end closed the workout";
    EXPECT_EQ(0u, road.Close()) << WindowsOf(road.Process());
}

namespace {

// A session end the system asks from another thread, since its question
// waits for the user: the answer (2: none within a minute). The rows of a
// download show before it has ended, and a session end met by the download
// is refused at once, changing nothing: with afterWork the end is asked
// again until one is not refused at once (for ten seconds at most).
std::future<DWORD_PTR> AskSessionEnd(HWND main, bool afterWork = false)
{
    return std::async(std::launch::async, [main, afterWork] {
        const DWORD start = GetTickCount();
        for (;;) {
            const DWORD asked = GetTickCount();
            DWORD_PTR allowed = 2;
            SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000, &allowed);
            if (!afterWork || allowed != FALSE || GetTickCount() - asked > 250 || GetTickCount() - start > 10000)
                return allowed;
            Sleep(100);
        }
    });
}

bool CallOffSessionEnd(HWND main)
{
    DWORD_PTR ended = 2;
    return SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended) != 0;
}

} // namespace

// A session end on a changed workout asks whether to save it. A second
// session end met meanwhile is refused and changes nothing: No, and the end
// called off leave the workout and its trials open. The end called off while
// its question is still up leaves nothing waiting for it: End task under the
// Options dialog then runs once the dialog is cancelled. End task met
// meanwhile is held: No, the end called off, and the close then runs on its
// own, with its own question.
TEST(MainWindowProgram, ASessionEndsQuestionKeepsItsOwnAnswerAndAHeldCloseRunsOnceItIsCalledOff)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qsessionmeet", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    HWND list = road.NewWorkoutWithTrials();
    ASSERT_NE(nullptr, list) << WindowsOf(road.Process());

    std::future<DWORD_PTR> first = AskSessionEnd(road.Main(), true);
    HWND question = WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "the session end asked nothing:" << WindowsOf(road.Process());
    DWORD_PTR second = 2;
    SendMessageTimeoutW(road.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &second);
    EXPECT_EQ(FALSE, second) << "a second session end under the question";
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    EXPECT_EQ(TRUE, first.get());
    ASSERT_TRUE(CallOffSessionEnd(road.Main()));
    H::Rest(1000);
    ASSERT_EQ(1u, EventWindows(road.Main()).size()) << "the called-off session end closed the workout";
    EXPECT_GE(NumberBands(H::Capture(list)).size(), 3u) << "the trials are gone";

    first = AskSessionEnd(road.Main());
    question = WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "the session end asked nothing:" << WindowsOf(road.Process());
    ASSERT_TRUE(CallOffSessionEnd(road.Main()));
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    first.get();
    HWND options = road.OpenFromMenu('C', 'O', L"Options");
    ASSERT_NE(nullptr, options) << WindowsOf(road.Process());
    RequestClose(road.Main());
    H::Rest(500);
    ASSERT_TRUE(QuorvaneProgram::Press(options, L"Cancel"));
    question = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, question) << "the close waits for a session end long called off:" << WindowsOf(road.Process());
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"Cancel"));
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(question) || !IsWindowVisible(question); }, 5000));
    EXPECT_EQ(0, MostQuestionsOnScreen(road.Process())) << "asked again:" << WindowsOf(road.Process());

    first = AskSessionEnd(road.Main());
    question = WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "the workout was not changed any more:" << WindowsOf(road.Process());
    RequestClose(road.Main());
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    EXPECT_EQ(TRUE, first.get());
    EXPECT_EQ(nullptr, WaitForSaveOnExit(road.Process(), 1000)) << "the close ran before the end was called off";
    ASSERT_TRUE(CallOffSessionEnd(road.Main()));
    question = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, question) << "the held close did not run:" << WindowsOf(road.Process());
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    EXPECT_EQ(0u, road.Program().WaitForExit()) << WindowsOf(road.Process());
}

// Another copy holds the list of open files that the copies share while a
// new workout is saved under a new name, which lists its file: the save
// writes the file, then waits for the list. A session end asked in that
// wait is refused without a question and called off; the save ends once
// its one wait is over, and the program goes on.
TEST(MainWindowProgram, ASessionEndDuringASaveWaitingForTheSharedListsLockIsRefusedWithoutAQuestion)
{
    ProgramRoad road(L"qlistlock");
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 1; })) << WindowsOf(road.Process());
    const HWND workout = EventWindows(road.Main())[0];
    ASSERT_EQ(L"Untitled", TextOf(workout));
    const std::wstring path = road.Folder().PathOf(L"waited.qvw");
    SharedListLockHolder otherCopy;
    H::Control('S');
    HWND dialog = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = FindFileDialog(road.Process())) != nullptr; }))
        << "no save dialog:" << WindowsOf(road.Process());
    H::Focus(dialog);
    H::Type(path);
    const DWORD entered = GetTickCount();
    H::Key(VK_RETURN);
    // The caption names the file once the save has ended, wait and all.
    ASSERT_TRUE(H::WaitFor([&] { return FindFileDialog(road.Process()) == nullptr && FileExists(path); }, 5000))
        << WindowsOf(road.Process());
    ASSERT_EQ(L"Untitled", TextOf(workout)) << "the save did not wait for the list";
    DWORD_PTR allowed = 2;
    SendMessageTimeoutW(road.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &allowed);
    EXPECT_EQ(FALSE, allowed) << "the session may end during the save";
    ASSERT_TRUE(CallOffSessionEnd(road.Main()));
    std::string shown;
    const bool saved = H::WaitFor([&] {
        HWND other = H::FindWindowWhere(nullptr, [&](HWND w) {
            return w != road.Main() && H::ProcessOf(w) == road.Process() && IsWindowVisible(w);
        });
        if (other && shown.empty())
            shown = WindowsOf(road.Process());
        return TextOf(workout) == L"waited";
    }, 10000);
    const DWORD took = GetTickCount() - entered;
    ASSERT_TRUE(saved) << "the save did not end:" << WindowsOf(road.Process());
    EXPECT_LT(took, 2 * KKeptFileTable::kLockWait) << "the save did not end after its one wait";
    EXPECT_EQ("", shown) << "something came up inside the save";
    otherCopy.LetGo();

    H::Focus(road.Main());
    H::Control('N');
    EXPECT_TRUE(H::WaitFor([&] {
        const std::vector<HWND> windows = EventWindows(road.Main());
        return windows.size() == 1 && TextOf(windows[0]) == L"Untitled";
    }, 5000)) << "no new workout after the save:" << WindowsOf(road.Process());
    EXPECT_EQ(0u, road.Close()) << WindowsOf(road.Process());
}

// A close sent to a workout's own window (by another program, or one that
// waited while another window became active) closes that window, whichever
// is active: behind an unchanged workout, a changed one is asked about and
// the active one stays; a second close of it while its question is up is
// the same request (after Cancel nothing more is asked); behind a changed
// one, an unchanged workout closes without a word and the changed one stays,
// unasked.
TEST(MainWindowProgram, ACloseSentToAWorkoutWindowActsOnThatWindowNotOnTheActiveOne)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qclosenamed", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
    HWND changed = road.EventWindow();
    ASSERT_NE(nullptr, changed);
    H::Focus(road.Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return EventWindows(road.Main()).size() == 2; }, 5000));
    HWND client = GetParent(changed);
    HWND unchanged = EventWindows(road.Main())[0] == changed ? EventWindows(road.Main())[1] : EventWindows(road.Main())[0];
    auto active = [&] { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); };
    ASSERT_EQ(unchanged, active());

    PostMessageW(changed, WM_CLOSE, 0, 0);
    HWND box = road.Program().WaitForBox(L"Close Event Window", 5000);
    ASSERT_NE(nullptr, box) << "the changed workout was not asked about:" << WindowsOf(road.Process());
    EXPECT_EQ(L"'Untitled' has changed. Save before closing?", QuorvaneProgram::BoxText(box));
    EXPECT_TRUE(IsWindow(unchanged)) << "the active workout was closed instead";
    PostMessageW(changed, WM_CLOSE, 0, 0);   // taken before the click posted after it
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"Cancel"));
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000));
    EXPECT_EQ(0, MostQuestionsOnScreen(road.Process(), 4000)) << "asked again:" << WindowsOf(road.Process());
    EXPECT_EQ(2u, EventWindows(road.Main()).size());

    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(changed), 0);
    ASSERT_TRUE(H::WaitFor([&] { return active() == changed; }, 5000));
    PostMessageW(unchanged, WM_CLOSE, 0, 0);
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(unchanged); }, 5000)) << "the unchanged workout stayed";
    EXPECT_EQ(0, MostQuestionsOnScreen(road.Process())) << "asked:" << WindowsOf(road.Process());
    EXPECT_TRUE(IsWindow(changed)) << "the changed workout went";
    RequestClose(road.Main());
    HWND question = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, question) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    EXPECT_EQ(0u, road.Program().WaitForExit()) << WindowsOf(road.Process());
}

// End task while the close question is up waits for its answer: Cancel, and
// the close runs once, with its own question alone on screen. A second
// request (the window manager's close) while that one is up is the same
// request and asks nothing more; after Cancel the program runs on, and a
// close asked again asks once. Yes there, and End task while the exit's
// Save As is up is that exit's too: after Cancel in the Save As the program
// runs on and asks nothing more.
TEST(MainWindowProgram, ACloseRequestDuringAQuestionWaitsForItsAnswerAndAsksOneQuestionAtATime)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qcloseheld", "Event\\SingleEvent:Int=0\r\n");
    ASSERT_TRUE(road.Start());
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
    H::Focus(road.Main());
    H::Control('W');
    HWND box = road.Program().WaitForWindow(L"Close Event Window", 5000);
    ASSERT_NE(nullptr, box) << WindowsOf(road.Process());
    RequestClose(road.Main());
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"Cancel"));

    HWND exitBox = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, exitBox) << "the held close did not run:" << WindowsOf(road.Process());
    RequestClose(road.Main(), true);
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process())) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(exitBox, L"Cancel"));
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(exitBox) || !IsWindowVisible(exitBox); }, 5000));
    EXPECT_EQ(0, MostQuestionsOnScreen(road.Process()))
        << "the close asked again by itself:" << WindowsOf(road.Process());
    EXPECT_TRUE(road.Program().Running());
    EXPECT_EQ(1u, EventWindows(road.Main()).size());

    // Yes, and End task while the exit's Save As is up: it is that exit's
    // request; Cancel in the Save As, and the program runs on, asking nothing.
    RequestClose(road.Main());
    exitBox = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, exitBox) << WindowsOf(road.Process());
    EXPECT_EQ(1, MostQuestionsOnScreen(road.Process(), 1000));
    ASSERT_TRUE(QuorvaneProgram::Press(exitBox, L"Yes"));
    HWND saveAs = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (saveAs = FindFileDialog(road.Process())) != nullptr; }))
        << "no Save As:" << WindowsOf(road.Process());
    RequestClose(road.Main());
    H::Rest(500);
    H::Focus(saveAs);
    H::Key(VK_ESCAPE);
    ASSERT_TRUE(H::WaitFor([&] { return FindFileDialog(road.Process()) == nullptr; }));
    EXPECT_EQ(0, MostQuestionsOnScreen(road.Process(), 2000)) << "asked again:" << WindowsOf(road.Process());
    EXPECT_TRUE(road.Program().Running());

    RequestClose(road.Main());
    exitBox = WaitForSaveOnExit(road.Process(), 5000);
    ASSERT_NE(nullptr, exitBox) << WindowsOf(road.Process());
    ASSERT_TRUE(QuorvaneProgram::Press(exitBox, L"No"));
    EXPECT_EQ(0u, road.Program().WaitForExit()) << WindowsOf(road.Process());
}

TEST(MainWindowProgram, TheSettingsEditorOpensGroupsAtTheFirstClickOnTheMarkAndIsWalkedByItsKeys)
{
    ProgramRoad road(L"qsettings");
    ASSERT_TRUE(road.Start());
    HWND editor = OpenSettingsEditor(road);
    ASSERT_NE(nullptr, editor) << WindowsOf(road.Process());
    HWND list = H::FindList(editor);
    ASSERT_NE(nullptr, list);
    H::Rest(500);
    const auto closed = TextRows(H::Capture(list));
    ASSERT_GE(closed.size(), 3u);
    auto rowCount = [&] { return TextRows(H::Capture(list)).size(); };

    // The first group ("Competition", two settings) opens at one click on its "+".
    const int markX = 18 + 7, firstRow = (closed[0].top + closed[0].bottom) / 2;
    H::Click(list, markX, firstRow);
    EXPECT_TRUE(H::WaitFor([&] { return rowCount() == closed.size() + 2; }, 3000))
        << "one click on the mark left " << rowCount() << " rows of " << closed.size();

    H::Key(VK_LEFT);
    EXPECT_TRUE(H::WaitFor([&] { return rowCount() == closed.size(); }, 3000)) << "Left did not close the group";
    H::Key(VK_RIGHT);
    EXPECT_TRUE(H::WaitFor([&] { return rowCount() == closed.size() + 2; }, 3000)) << "Right did not open it";
    H::Key(VK_SUBTRACT);
    EXPECT_TRUE(H::WaitFor([&] { return rowCount() == closed.size(); }, 3000)) << "- did not close it";
    H::Key(VK_ADD);
    EXPECT_TRUE(H::WaitFor([&] { return rowCount() == closed.size() + 2; }, 3000)) << "+ did not open it";

    // The arrows walk the tree, over the settings as over the groups; Left on
    // a setting goes to its group, Home to the first row.
    const auto open = TextRows(H::Capture(list));
    ASSERT_GE(open.size(), 4u);
    ASSERT_TRUE(SelectedAt(list, open[0])) << "the group clicked is not shown selected";
    H::Key(VK_DOWN);
    EXPECT_TRUE(SelectedAt(list, open[1])) << "Down from the group";
    H::Key(VK_DOWN);
    EXPECT_TRUE(SelectedAt(list, open[2])) << "Down from the first setting";
    H::Key(VK_DOWN);
    EXPECT_TRUE(SelectedAt(list, open[3])) << "Down from the second setting";
    H::Key(VK_UP);
    EXPECT_TRUE(SelectedAt(list, open[2])) << "Up";
    H::Key(VK_LEFT);
    EXPECT_TRUE(SelectedAt(list, open[0])) << "Left on a setting";
    H::Key(VK_END);
    H::Key(VK_HOME);
    EXPECT_TRUE(SelectedAt(list, open[0])) << "End, then Home";

    // Ctrl+A in the Value field takes its whole text: the new text replaces it.
    H::Click(list, 60, (open[1].top + open[1].bottom) / 2);   // Competition\Name
    H::Rest(500);
    H::Type(L"Spring Meet");
    H::Control('A');
    H::Type(L"Relay");
    H::Rest(300);
    // A click on a group (on its name) gives the keys back to the list.
    H::Click(list, 60, firstRow);
    ASSERT_TRUE(SelectedAt(list, open[0]));
    H::Key(VK_DOWN);
    EXPECT_TRUE(SelectedAt(list, open[1])) << "Down after a click on a group";
    H::Key(VK_RETURN);   // Ok
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(editor); }, 5000));
    EXPECT_EQ(0u, road.Close());
    const std::string settings = ReadBytes(road.SettingsFile());
    EXPECT_NE(std::string::npos, settings.find("Competition\\Name:String=Relay\r\n"))
        << settings.substr(0, settings.find("Event\\"));
}
