// The options dialog of quorvane.exe worked as a user works it: clicks and
// keys from this process, checked on the screen and in the settings file
// the program writes when it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

const std::wstring kOptionsTitle = L"Options";

bool Gone(HWND window)
{
    return H::WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, 5000);
}

// Where a window sits on the screen.
RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientScreenRect(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

// The button shows in the dialog's client area, not covered by anything.
bool ShownInside(HWND dialog, HWND button)
{
    if (!button || !IsWindowVisible(button))
        return false;
    const RECT client = ClientScreenRect(dialog), own = ScreenRect(button);
    if (own.left < client.left || own.top < client.top || own.right > client.right || own.bottom > client.bottom)
        return false;
    const POINT middle = { (own.left + own.right) / 2, (own.top + own.bottom) / 2 };
    return WindowFromPoint(middle) == button;
}

bool Checked(HWND box)
{
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The settings file as the program left it: does it hold that line?
// Starts the program and opens the Options dialog from the menu and item
// whose mnemonics are given; null (with the failure said) when either fails.
HWND StartAndOpenOptions(ProgramRoad &road, char menu, char item)
{
    if (!road.Start()) {
        ADD_FAILURE() << "the program did not start";
        return nullptr;
    }
    HWND dialog = road.OpenFromMenu(menu, item, kOptionsTitle);
    if (!dialog)
        ADD_FAILURE() << "no Options dialog: " << WindowsOf(road.Process());
    return dialog;
}

bool Saved(ProgramRoad &road, const std::string &line)
{
    return ReadBytes(road.SettingsFile()).find(line + "\r\n") != std::string::npos;
}

// What a text field or a caption shows (asked of the window itself).
std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// A visible dialog frame of the process other than the given one: a
// message on top of it.
HWND FindBox(DWORD process, HWND besides)
{
    return H::FindWindowWhere(nullptr, [&](HWND window) {
        return H::ProcessOf(window) == process && window != besides && IsWindowVisible(window) &&
               H::ClassOf(window) == L"#32770";
    });
}

// The text field right of a prompt on the same row.
HWND FieldAfter(HWND dialog, const std::wstring &prompt)
{
    return ControlAfter(dialog, prompt);
}

// The window of the program's GUI thread that holds the keyboard focus.
HWND FocusOf(HWND dialog)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

bool Showing(HWND window)
{
    return window && IsWindowVisible(window);
}

// The page the dialog shows (0 General, 1 Serial, 2 Chart, 3 Scoreboard),
// told by controls that only that page has (the other pages have no
// windows while hidden); -1 when it shows none or several of them.
int PageShown(HWND dialog)
{
    const bool shown[] = { Showing(H::FindChildByText(dialog, L"Event Directory:")),
                           Showing(H::FindChildByText(dialog, L"Prompt to select a trace to download")),
                           Showing(H::FindChildByText(dialog, L"Brush Width:")),
                           Showing(H::FindChildByText(dialog, L"Include first name")) };
    int page = -1;
    for (int i = 0; i < 4; ++i)
        if (shown[i])
            page = (page < 0) ? i : -2;
    return page < 0 ? -1 : page;
}

bool Shows(HWND dialog, int page)
{
    return H::WaitFor([&] { return PageShown(dialog) == page; }, 3000);
}

} // namespace

TEST(OptionsProgram, OkAndCancelShowInTheDialogAndEscapeClosesItWithNothingSaved)
{
    ProgramRoad road(L"qoptesc");
    HWND dialog = StartAndOpenOptions(road, 'F', 'T');
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(ShownInside(dialog, H::FindChildByText(dialog, L"Ok"))) << "Ok";
    EXPECT_TRUE(ShownInside(dialog, H::FindChildByText(dialog, L"Cancel"))) << "Cancel";

    HWND on = H::FindChildByText(dialog, L"On");
    HWND off = H::FindChildByText(dialog, L"Off");
    ASSERT_TRUE(on && off);
    H::ClickCenter(off);
    ASSERT_TRUE(H::WaitFor([&] { return Checked(off); }, 3000)) << "a click does not turn the radio button on";
    H::Key(VK_ESCAPE);
    ASSERT_TRUE(Gone(dialog)) << "Escape leaves the dialog open";
    EXPECT_EQ(0u, road.Close());
    EXPECT_TRUE(Saved(road, "Event\\SingleEvent:Int=1"));
}

TEST(OptionsProgram, ClicksArrowsAndSpaceChangeRadioButtonsAndCheckBoxesAndASessionEndSavesWhatOkKept)
{
    ProgramRoad road(L"qoptmarks");
    HWND dialog = StartAndOpenOptions(road, 'F', 'T');
    ASSERT_NE(nullptr, dialog);
    HWND off = H::FindChildByText(dialog, L"Off"), on = H::FindChildByText(dialog, L"On");
    ASSERT_TRUE(off && on);
    H::ClickCenter(off);
    EXPECT_TRUE(H::WaitFor([&] { return Checked(off) && !Checked(on); }, 3000));
    H::Key(VK_RIGHT);
    EXPECT_TRUE(H::WaitFor([&] { return Checked(on) && !Checked(off); }, 3000)) << "the arrow key does not choose";
    H::Key(VK_LEFT);
    EXPECT_TRUE(H::WaitFor([&] { return Checked(off) && !Checked(on); }, 3000));
    H::Key(VK_RETURN);
    ASSERT_TRUE(Gone(dialog)) << "Enter on a radio button does not press Ok";

    dialog = road.OpenFromMenu('H', 'T', kOptionsTitle);
    ASSERT_NE(nullptr, dialog) << WindowsOf(road.Process());
    HWND prompt = H::FindChildByText(dialog, L"Prompt to select a trace to download");
    HWND overlay = H::FindChildByText(dialog, L"Add trace downloads to the overlay");
    ASSERT_TRUE(prompt && overlay);
    ASSERT_TRUE(Checked(prompt));
    ASSERT_FALSE(Checked(overlay));
    H::ClickCenter(prompt);
    EXPECT_TRUE(H::WaitFor([&] { return !Checked(prompt); }, 3000)) << "a click does not clear the check box";
    H::Key(VK_TAB);
    H::Key(VK_SPACE);
    EXPECT_TRUE(H::WaitFor([&] { return Checked(overlay); }, 3000)) << "Space does not tick the check box";
    H::Key(VK_RETURN);
    ASSERT_TRUE(Gone(dialog));

    // The user logs off with the program open: the settings file holds the
    // options as the session ends (the system then ends the process).
    DWORD_PTR allowed = 0, ended = 0;
    ASSERT_NE(0, SendMessageTimeoutW(road.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                                     &allowed));
    EXPECT_EQ(TRUE, allowed) << "nothing to save, yet the session end is refused";
    ASSERT_NE(0, SendMessageTimeoutW(road.Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended));
    EXPECT_TRUE(Saved(road, "Event\\SingleEvent:Int=0"));
    EXPECT_TRUE(Saved(road, "Serial\\PromptTraceDL:Bool=0"));
    EXPECT_TRUE(Saved(road, "Serial\\AddDLToOvly:Bool=1"));
    EXPECT_EQ(0u, road.Close());
}

TEST(OptionsProgram, TheRangeErrorDismissedWithEnterLeavesTheReopenedDialogOpen)
{
    ProgramRoad road(L"qoptrange", "Chart\\Axes\\MinX:Float=1.5\r\nChart\\Axes\\MaxX:Float=1\r\n");
    HWND dialog = StartAndOpenOptions(road, 'C', 'O');
    ASSERT_NE(nullptr, dialog);
    H::Key(VK_RETURN);
    HWND box = road.Program().WaitForBox(L"Error");
    ASSERT_NE(nullptr, box) << "no range error:" << WindowsOf(road.Process());
    EXPECT_NE(std::wstring::npos, QuorvaneProgram::BoxText(box).find(L"minimum X axis"));
    H::Focus(box);
    H::Key(VK_RETURN);
    HWND again = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (again = H::FindTopWindow(road.Process(), kOptionsTitle)) != nullptr; }));
    H::Rest(2000);
    EXPECT_TRUE(IsWindow(again) && IsWindowVisible(again)) << "the reopened dialog closed by itself";
    EXPECT_EQ(nullptr, FindBox(road.Process(), again)) << "the error came back";
    H::Focus(again);
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(Gone(again));
    EXPECT_EQ(0u, road.Close());
}

TEST(OptionsProgram, ANumberOutOfRangeIsRefusedInAnErrorBoxAndTheOldValueComesBack)
{
    ProgramRoad road(L"qoptnumber");
    HWND dialog = StartAndOpenOptions(road, 'C', 'O');
    ASSERT_NE(nullptr, dialog);
    HWND minimum = FieldAfter(dialog, L"Minimum:");
    ASSERT_NE(nullptr, minimum);
    const std::wstring before = TextOf(minimum);
    H::ClickCenter(minimum);
    H::Key(VK_HOME);
    H::Chord({ VK_SHIFT, VK_END });
    H::Type(L"5");
    H::Key(VK_RETURN);
    HWND box = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (box = FindBox(road.Process(), dialog)) != nullptr; }, 5000))
        << "no message about the number:" << WindowsOf(road.Process());
    EXPECT_EQ(L"Error", TextOf(box)) << "the box is not titled as the program's other errors";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the refused entry closed the dialog";
    H::Key(VK_RETURN);
    EXPECT_TRUE(Gone(box));
    EXPECT_TRUE(H::WaitFor([&] { return TextOf(minimum) == before; }, 3000))
        << "the field shows " << std::string(TextOf(minimum).begin(), TextOf(minimum).end());
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(0u, road.Close());
}

TEST(OptionsProgram, TheScoreboardDeleteButtonIsGreyWhileNoBoardIsLeftToDelete)
{
    ProgramRoad road(L"qoptboards");
    HWND dialog = StartAndOpenOptions(road, 'S', 'T');
    ASSERT_NE(nullptr, dialog);
    HWND add = H::FindChildByText(dialog, L"New"), remove = H::FindChildByText(dialog, L"Delete");
    ASSERT_TRUE(add && remove);
    auto enabled = [&](bool wanted) { return H::WaitFor([&] { return !IsWindowEnabled(remove) == !wanted; }, 3000); };
    EXPECT_TRUE(enabled(false)) << "with an empty list";

    H::ClickCenter(add);
    EXPECT_TRUE(enabled(true)) << "after New";
    H::ClickCenter(remove);
    EXPECT_TRUE(enabled(false)) << "after the only board was deleted";
    H::ClickCenter(add);
    EXPECT_TRUE(enabled(true)) << "after a second New";
    H::ClickCenter(remove);
    EXPECT_TRUE(enabled(false)) << "after the second board was deleted";
    // The greyed button held the keyboard: the keys still reach the dialog.
    H::Key(VK_ESCAPE);
    EXPECT_TRUE(Gone(dialog)) << "Escape after Delete went nowhere";
    EXPECT_EQ(0u, road.Close());
}

// A block's port that this machine does not have is shown by its name on
// the Serial page, and Ok after another baud rate keeps it.
TEST(OptionsProgram, APortTheMachineDoesNotHaveIsShownAndKeptWhenTheBaudRateChanges)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qoptabsent", "SerialPorts\\1\\SerialPort:String=73,19200,8,N,1.0\r\n");
    HWND dialog = StartAndOpenOptions(road, 'H', 'T');
    ASSERT_NE(nullptr, dialog);
    HWND port = ControlAfter(dialog, L"Serial Port:", L"ComboBox");
    HWND baud = ControlAfter(dialog, L"Baud", L"ComboBox");
    ASSERT_TRUE(port && baud);
    EXPECT_EQ(L"COM73", TextOf(port));
    EXPECT_EQ(L"19200", TextOf(baud));
    // Drop the list down and click the next rate in it.
    H::ClickCenter(baud);
    HWND rates = nullptr;
    ASSERT_TRUE(H::WaitFor([&] {
        rates = H::FindWindowWhere(nullptr, [&](HWND w) {
            return H::ProcessOf(w) == road.Process() && IsWindowVisible(w) && H::ClassOf(w) == L"ComboLBox";
        });
        return rates != nullptr;
    }, 3000)) << "the list did not drop down";
    RECT next = {};
    SendMessageW(rates, LB_GETITEMRECT, WPARAM(SendMessageW(rates, LB_GETCURSEL, 0, 0) + 1), LPARAM(&next));
    H::Click(rates, (next.left + next.right) / 2, (next.top + next.bottom) / 2);
    ASSERT_TRUE(H::WaitFor([&] { return TextOf(baud) == L"38400"; }, 3000));
    H::ClickCenter(H::FindChildByText(dialog, L"Ok"));
    ASSERT_TRUE(Gone(dialog));
    EXPECT_EQ(0u, road.Close());
    EXPECT_TRUE(Saved(road, "SerialPorts\\1\\SerialPort:String=73,38400,8,N,1.0"))
        << ReadBytes(road.SettingsFile());
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages whatever holds the focus on a
// page (a text field, a button), round from the last page to the first;
// Page Down and Page Up turn them from a one-line field, which has no use
// for them.
TEST(OptionsProgram, CtrlTabAndThePageKeysTurnThePagesFromATextFieldAndFromAButton)
{
    ProgramRoad road(L"qoptpages");
    HWND dialog = StartAndOpenOptions(road, 'F', 'T');
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(Shows(dialog, 0));
    HWND folder = FieldAfter(dialog, L"Event Directory:");
    HWND browse = ControlAfter(dialog, L"Event Directory:", L"Button");
    ASSERT_TRUE(folder && browse);

    H::ClickCenter(folder);
    ASSERT_TRUE(H::WaitFor([&] { return FocusOf(dialog) == folder; }, 3000));
    H::Chord({ VK_CONTROL, VK_TAB });
    EXPECT_TRUE(Shows(dialog, 1)) << "Ctrl+Tab in a text field; the page shown: " << PageShown(dialog);
    EXPECT_TRUE(ShownInside(dialog, H::FindChildByText(dialog, L"Prompt to select a trace to download")));
    H::Chord({ VK_CONTROL, VK_SHIFT, VK_TAB });
    EXPECT_TRUE(Shows(dialog, 0)) << "Ctrl+Shift+Tab; the page shown: " << PageShown(dialog);

    folder = FieldAfter(dialog, L"Event Directory:");
    browse = ControlAfter(dialog, L"Event Directory:", L"Button");
    ASSERT_TRUE(folder && browse);
    H::ClickCenter(folder);
    H::Key(VK_TAB);
    ASSERT_TRUE(H::WaitFor([&] { return FocusOf(dialog) == browse; }, 3000)) << "Tab did not reach the button";
    H::Chord({ VK_CONTROL, VK_SHIFT, VK_TAB });
    EXPECT_TRUE(Shows(dialog, 3)) << "Ctrl+Shift+Tab on a button; the page shown: " << PageShown(dialog);
    H::Chord({ VK_CONTROL, VK_TAB });
    EXPECT_TRUE(Shows(dialog, 0)) << "Ctrl+Tab on the last page; the page shown: " << PageShown(dialog);

    folder = FieldAfter(dialog, L"Event Directory:");
    ASSERT_NE(nullptr, folder);
    H::ClickCenter(folder);
    ASSERT_TRUE(H::WaitFor([&] { return FocusOf(dialog) == folder; }, 3000));
    H::Key(VK_NEXT);
    EXPECT_TRUE(Shows(dialog, 1)) << "Page Down in a text field; the page shown: " << PageShown(dialog);
    H::Key(VK_PRIOR);
    EXPECT_TRUE(Shows(dialog, 0)) << "Page Up; the page shown: " << PageShown(dialog);

    H::Key(VK_ESCAPE);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(0u, road.Close());
}
