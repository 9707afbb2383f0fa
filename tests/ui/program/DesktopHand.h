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

// Where the keyboard's input goes, as the system and the X server see it:
// the foreground window and its process, the modifier keys and button held
// down, and the X server's focus. Said with a test's first failure.
std::string InputState();
}
