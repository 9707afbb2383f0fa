#pragma once
// ProgramHand: a user's keyboard and eyes on the program under test: key
// presses and typed text through SendInput to the foreground window, waits
// for windows of the program's process, and the pixels of a window's
// client area as the screen shows them.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ProgramHand
{
// Brings the window to the front and gives it the keyboard.
void Focus(HWND window);
// Ctrl + the key (a letter or digit).
void Control(char key);
void Key(WORD virtualKey);
void Type(const std::wstring &text);
// Polls the condition until it holds or timeout ms passed.
bool WaitFor(const std::function<bool()> &condition, DWORD timeout = 15000);
// Lets the program work for a while.
void Rest(DWORD milliseconds);

// The first window (a descendant of parent, or a top-level one without a
// parent) that passes the test; none.
HWND FindWindowWhere(HWND parent, const std::function<bool(HWND)> &test);
std::wstring ClassOf(HWND window);
DWORD ProcessOf(HWND window);

// A visible descendant window of parent with the WS_VSCROLL style and the
// framework's window class: the owner-drawn list of an event window.
HWND FindList(HWND parent);
// The visible top-level window of process with exactly that title; none.
HWND FindTopWindow(DWORD process, const std::wstring &title);

// The client area of window as shown on the screen, one COLORREF a pixel,
// rows top first.
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
Picture Capture(HWND window);
}
