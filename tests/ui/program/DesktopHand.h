#pragma once
// DesktopHand: a user's hand on the desktop's window manager. The window
// manager sees only what comes through the X server, not what SendInput
// gives the program (ProgramHand): Alt+Tab and a drag of the frame it draws
// around a window are sent here as the X server's own keyboard and pointer
// events (XTest, with xdotool), and that frame is read from the X server
// (xwininfo). Each call runs a short Linux command from this process and
// waits for its end (up to 10 s). Needs xdotool and x11-utils.

#include <windows.h>

#include <string>

namespace DesktopHand
{
// Whether a window manager runs on the display: the root window names one
// (_NET_SUPPORTING_WM_CHECK). Asked once.
bool WindowManagerRuns();

// Keys pressed and released as xdotool names them: "alt+Tab", "Escape".
bool Keys(const std::string &keys);
// Alt held while Tab is pressed that many times: the window manager's
// switch to the window that many places down its list of recent windows.
bool AltTab(int presses);
// The left button clicked at a point of the screen.
bool Click(POINT screen);
// The left button pressed at from, moved in a few steps and released at to
// (screen coordinates).
bool Drag(POINT from, POINT to);

// The frame the window manager draws around a top-level window, in screen
// coordinates (right and bottom outside it); empty when it has none.
RECT FrameOf(HWND window);

// What the window manager itself must carry out. Each sends its action and
// waits for the window manager's own state to show it done (its active
// window, _NET_ACTIVE_WINDOW; the frame's place and size): a busy window
// manager may drop what the X server hands it. While that state does not
// show it (it stayed as it was, or Alt+Tab reached another window), what
// the window manager did is said on the test's output ("desktop hand: ...")
// and the action sent again, a few times at most. True once the window
// manager carried it out; whether the program followed is the test's to
// check.

// Alt+Tab, then Alt held with Tab pressed twice, three times, until the
// window manager makes the top-level window the active one: its list of
// recent windows may hold a window and its dialog apart, and which of them
// it lists is its own affair.
bool AltTabTo(HWND window);
// The left button clicked at a point of a top-level window that the window
// manager answers by making it the active one.
bool ClickToActivate(HWND window, POINT screen);
// A drag from a point of the frame the window manager draws around a
// top-level window (its title, its corner, the window's size grip) to
// another, which the window manager answers by moving or sizing the frame.
bool DragFrame(HWND window, POINT from, POINT to);

// Where the keyboard's input goes, as the system and the X server see it:
// the foreground window and its process, the modifier keys and button held
// down, and the X server's focus. Said with a test's first failure.
std::string InputState();
}
