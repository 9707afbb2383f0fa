// quorvane.exe on a desktop with a window manager, worked as a user works
// it there: the window manager's own keys and pointer (Alt+Tab, a drag or a
// click on the frame it draws) through the X server (DesktopHand), the
// program's keys and clicks through SendInput (ProgramHand). Dialogs and
// message boxes open over their owner and stay above it, a minimised or
// maximised main window comes back at its place and size, and Alt+Tab away
// and back leaves the keyboard focus where it was, with a field's caret as
// the user left it. Skipped on a display without a window manager
// (on-desktop.sh gives them one).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/ComPortPair.h"
#include "ui/program/DesktopHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;
using ProgramHand::Narrow;
namespace D = DesktopHand;

namespace {

// Says where the keyboard's input went with each test's first failure: a
// program that took no keys may have been left without the focus.
class InputStateOnFailure : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { said = false; }
    void OnTestPartResult(const ::testing::TestPartResult &result) override
    {
        if (!result.failed() || said)
            return;
        said = true;
        std::printf("input state: %s\n", D::InputState().c_str());
    }
    bool said = false;
};

const bool kInputStateSaid = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new InputStateOnFailure);
    return true;
}();

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

POINT Centre(const RECT &rect)
{
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}

bool Inside(POINT point, const RECT &rect)
{
    return PtInRect(&rect, point) != FALSE;
}

bool SameRect(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}

std::string Text(const RECT &rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") " +
           std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top);
}

// The top-level window the screen shows at that point.
HWND ShownAt(POINT point)
{
    return GetAncestor(WindowFromPoint(point), GA_ROOT);
}

// The window of the program's GUI thread that holds the keyboard focus.
HWND FocusOf(HWND main)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The system menu of the window (Alt+Space) and its entry with that letter:
// 'R' restore, 'N' minimise, 'X' maximise.
void SystemMenu(HWND window, char entry)
{
    H::Focus(window);
    H::Chord({ VK_MENU, VK_SPACE });
    H::Rest(300);
    H::Key(WORD(entry));
}

// A window of another program, as far as the window manager can tell: a
// top-level window of this process (a text field of its own).
class OtherWindow
{
public:
    OtherWindow()
        : window(CreateWindowExW(0, L"Edit", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 60,
                                 80, 420, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr))
    {
        H::Rest(500);
    }
    ~OtherWindow() { DestroyWindow(window); }
    OtherWindow(const OtherWindow &) = delete;
    OtherWindow &operator=(const OtherWindow &) = delete;
    HWND Handle() const { return window; }

private:
    HWND window;
};

// The window manager made the window the active one (carried: the answer
// of DesktopHand::AltTabTo, ClickToActivate), and the system followed it:
// the window is the foreground one.
::testing::AssertionResult Activated(bool carried, HWND window)
{
    if (!carried)
        return ::testing::AssertionFailure() << "the window manager did not make the window active";
    if (!H::WaitFor([&] { return GetForegroundWindow() == window; }, 5000))
        return ::testing::AssertionFailure() << "the window manager made the window active, the system did not";
    return ::testing::AssertionSuccess();
}

class DesktopProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!D::WindowManagerRuns())
            GTEST_SKIP() << "no window manager runs on this display";
    }

    void Start(ProgramRoad &road)
    {
        ASSERT_TRUE(road.Start()) << "the program did not start";
        main = road.Main();
    }

    // The main window restored from its start maximised, then dragged by
    // the title bar of its frame until it stands at that place.
    void PlaceMain(POINT place)
    {
        if (IsZoomed(main))
        {
            SystemMenu(main, 'R');
            ASSERT_TRUE(H::WaitFor([&] { return !IsZoomed(main); })) << "Alt+Space, R left the window maximised";
        }
        // The window manager redraws its frame after the window has changed:
        // the frame is taken once two looks agree and it no longer spans the
        // screen.
        RECT frame = D::FrameOf(main);
        H::WaitFor([&] {
            const RECT before = frame;
            H::Rest(200);
            frame = D::FrameOf(main);
            return SameRect(before, frame) && frame.right - frame.left < GetSystemMetrics(SM_CXSCREEN);
        }, 3000);
        const RECT now = WindowRect(main);
        ASSERT_LT(frame.left, frame.right) << "the window manager shows no frame around the main window";
        const POINT title = { (frame.left + frame.right) / 2, frame.top + 6 };
        ASSERT_TRUE(D::DragFrame(main, title, { title.x + place.x - now.left, title.y + place.y - now.top }))
            << "the window manager did not move its frame";
        ASSERT_TRUE(H::WaitFor([&] {
            const RECT moved = WindowRect(main);
            return moved.left == place.x && moved.top == place.y;
        }, 5000)) << "the dragged window stands at " << Text(WindowRect(main));
    }

    // A window just shown (what: "dialog", "box") stands over the main
    // window and stays above it when the main window is clicked beside it.
    void ExpectOverMainAfterAClickBeside(HWND over, const std::string &what)
    {
        H::Rest(500);
        const RECT shown = WindowRect(over), owner = WindowRect(main);
        EXPECT_TRUE(Inside(Centre(shown), owner)) << "the " << what << " at " << Text(shown) << ", its window at "
                                                  << Text(owner);
        D::Click({ owner.right - 30, owner.bottom - 40 });
        EXPECT_EQ(over, ShownAt(Centre(shown))) << "the " << what << " went behind the main window";
    }

    HWND main = nullptr;
};

} // namespace

TEST_F(DesktopProgram, TheOpenDialogOpensOverTheMainWindowAndStaysAboveItWhenTheWindowIsClicked)
{
    ProgramRoad road(L"qdeskopen");
    ASSERT_NO_FATAL_FAILURE(Start(road));
    ASSERT_NO_FATAL_FAILURE(PlaceMain({ 290, 240 }));
    H::Focus(main);
    H::Control('O');
    HWND dialog = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = FindFileDialog(road.Process())) != nullptr; }))
        << "no open dialog:" << WindowsOf(road.Process());
    ExpectOverMainAfterAClickBeside(dialog, "dialog");
    H::Focus(dialog);
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(H::WaitFor([&] { return FindFileDialog(road.Process()) == nullptr; }));
}

TEST_F(DesktopProgram, AMessageBoxOpensOverTheMainWindowAndStaysAboveItWhenTheWindowIsClicked)
{
    // Minimum above maximum: Ok in the chart options shows an error box.
    ProgramRoad road(L"qdeskbox", "Chart\\Axes\\MinX:Float=1.5\r\nChart\\Axes\\MaxX:Float=1\r\n");
    ASSERT_NO_FATAL_FAILURE(Start(road));
    HWND dialog = road.OpenFromMenu('C', 'O', L"Options");
    ASSERT_NE(nullptr, dialog) << WindowsOf(road.Process());
    H::Key(VK_RETURN);
    HWND box = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (box = H::FindTopWindow(road.Process(), L"Error")) != nullptr; }))
        << "no error box:" << WindowsOf(road.Process());
    ExpectOverMainAfterAClickBeside(box, "box");
    H::Focus(box);
    H::Key(VK_RETURN);
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    HWND again = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (again = H::FindTopWindow(road.Process(), L"Options")) != nullptr; }));
    H::Focus(again);
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(again) || !IsWindowVisible(again); }));
}

TEST_F(DesktopProgram, AMinimisedMainWindowComesBackAtItsPlaceAndSizeAndAMaximisedOneMaximised)
{
    ProgramRoad road(L"qdeskmin");
    ASSERT_NO_FATAL_FAILURE(Start(road));
    ASSERT_NO_FATAL_FAILURE(PlaceMain({ 150, 120 }));
    const RECT placed = WindowRect(main);

    SystemMenu(main, 'N');
    ASSERT_TRUE(H::WaitFor([&] { return IsIconic(main) != FALSE; })) << "Alt+Space, N did not minimise";
    // The window manager brings it back: Alt+Tab to it.
    ASSERT_TRUE(Activated(D::AltTabTo(main), main)) << "Alt+Tab did not bring the window back";
    ASSERT_TRUE(H::WaitFor([&] { return !IsIconic(main); })) << "Alt+Tab left the window minimised";
    EXPECT_TRUE(H::WaitFor([&] { return SameRect(placed, WindowRect(main)); }, 3000))
        << "placed at " << Text(placed) << ", back at " << Text(WindowRect(main));

    SystemMenu(main, 'X');
    ASSERT_TRUE(H::WaitFor([&] { return IsZoomed(main) != FALSE; })) << "Alt+Space, X did not maximise";
    H::Rest(500);
    const RECT maximised = WindowRect(main);
    SystemMenu(main, 'N');
    ASSERT_TRUE(H::WaitFor([&] { return IsIconic(main) != FALSE; }));
    ASSERT_TRUE(Activated(D::AltTabTo(main), main)) << "Alt+Tab did not bring the window back";
    ASSERT_TRUE(H::WaitFor([&] { return !IsIconic(main); })) << "Alt+Tab left the window minimised";
    EXPECT_TRUE(H::WaitFor([&] { return IsZoomed(main) && SameRect(maximised, WindowRect(main)); }, 3000))
        << "maximised at " << Text(maximised) << ", back at " << Text(WindowRect(main));

    SystemMenu(main, 'R');
    EXPECT_TRUE(H::WaitFor([&] { return !IsZoomed(main) && SameRect(placed, WindowRect(main)); }, 3000))
        << "placed at " << Text(placed) << ", restored at " << Text(WindowRect(main));
}

TEST_F(DesktopProgram, AltTabToAnotherWindowAndBackLeavesTheFocusWhereItWas)
{
    ProgramRoad road(L"qdesktab");
    ASSERT_NO_FATAL_FAILURE(Start(road));
    H::Focus(main);
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) != nullptr; })) << "no workout";
    H::Rest(500);
    const HWND inWorkout = FocusOf(main);
    ASSERT_NE(nullptr, inWorkout);

    OtherWindow other;
    const RECT otherRect = WindowRect(other.Handle());
    const POINT inOther = { otherRect.left + 40, otherRect.top + 60 };
    ASSERT_TRUE(Activated(D::ClickToActivate(other.Handle(), inOther), other.Handle()))
        << "a click did not activate the other window";
    ASSERT_TRUE(Activated(D::AltTabTo(main), main)) << "Alt+Tab did not reach the program";
    EXPECT_TRUE(H::WaitFor([&] { return FocusOf(main) == inWorkout; }, 3000)) << "the workout lost the focus";

    // A field of a dialog, clicked into.
    HWND dialog = road.OpenFromMenu('C', 'O', L"Options");
    ASSERT_NE(nullptr, dialog) << WindowsOf(road.Process());
    HWND prompt = H::FindChildByText(dialog, L"Maximum:");
    ASSERT_NE(nullptr, prompt);
    // The field: the nearest one right of its prompt.
    const RECT label = WindowRect(prompt);
    HWND maximum = nullptr;
    H::FindWindowWhere(dialog, [&](HWND window) {
        const RECT own = WindowRect(window);
        if (H::ClassOf(window) == L"Edit" && IsWindowVisible(window) && own.left >= label.right &&
            own.top < label.bottom && own.bottom > label.top && (!maximum || own.left < WindowRect(maximum).left))
            maximum = window;
        return false;
    });
    ASSERT_NE(nullptr, maximum);
    H::ClickCenter(maximum);
    ASSERT_TRUE(H::WaitFor([&] { return FocusOf(main) == maximum; }, 3000)) << "a click did not focus the field";
    H::Key(VK_HOME);
    H::Rest(300);

    ASSERT_TRUE(Activated(D::AltTabTo(other.Handle()), other.Handle())) << "Alt+Tab did not reach the other window";
    ASSERT_TRUE(Activated(D::AltTabTo(dialog), dialog)) << "Alt+Tab did not reach the dialog";
    H::Rest(500);
    EXPECT_EQ(maximum, FocusOf(main)) << "the field lost the focus";
    EXPECT_EQ(dialog, ShownAt(Centre(WindowRect(maximum)))) << "the dialog is not on top";
    // The caret is where the user left it, at the start: the next key goes
    // in there and replaces nothing. The keys come from the X server's
    // keyboard, as the Alt+Tab before them: Wine took Alt's press there but
    // the window manager its release, and only the X server's next key
    // tells Wine that Alt is up again.
    const std::wstring before = TextOf(maximum);
    D::Keys("7");
    EXPECT_TRUE(H::WaitFor([&] { return TextOf(maximum) == L"7" + before; }, 3000))
        << "the field shows \"" << Narrow(TextOf(maximum)) << "\" after \"" << Narrow(before) << "\" and 7";
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
}

// A name being typed into the results list: Alt+Tab away and back leaves
// its caret where it was, so the next key goes on with the name.
TEST_F(DesktopProgram, AltTabAwayAndBackKeepsTheCaretOfANameBeingTypedInTheResultsList)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qdeskname");
    ASSERT_NO_FATAL_FAILURE(Start(road));
    OtherWindow other;
    const RECT otherRect = WindowRect(other.Handle());
    const POINT inOther = { otherRect.left + 40, otherRect.top + 60 };
    ASSERT_TRUE(Activated(D::ClickToActivate(other.Handle(), inOther), other.Handle()))
        << "a click did not activate the other window";
    ASSERT_TRUE(Activated(D::AltTabTo(main), main)) << "Alt+Tab did not reach the program";

    HWND list = road.NewWorkoutWithTrials();
    ASSERT_NE(nullptr, list) << WindowsOf(road.Process());
    ASSERT_TRUE(OpenFirstNameEditor(list)) << "no trial listed";
    HWND editor = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return H::ClassOf(editor = FocusOf(main)) == L"Edit"; }, 3000))
        << "no editor opened";
    H::Type(L"An");
    ASSERT_TRUE(H::WaitFor([&] { return TextOf(editor) == L"An"; }, 3000)) << Narrow(TextOf(editor));

    ASSERT_TRUE(Activated(D::AltTabTo(other.Handle()), other.Handle())) << "Alt+Tab did not reach the other window";
    ASSERT_TRUE(Activated(D::AltTabTo(main), main)) << "Alt+Tab did not bring the program back";
    H::Rest(500);
    EXPECT_EQ(editor, FocusOf(main)) << "the editor lost the focus";
    D::Keys("n");
    EXPECT_TRUE(H::WaitFor([&] { return TextOf(editor) == L"Ann"; }, 3000))
        << "the editor shows \"" << Narrow(TextOf(editor)) << "\" after \"An\" and n";
}
