#pragma once
// ProgramHand: a user's keyboard, mouse and eyes on the program under test:
// key presses, typed text and mouse clicks through SendInput (so they reach
// whatever window lies under the pointer or holds the focus, as a user's
// would), waits for windows of the program's process, and the pixels of a
// window's client area or of the screen as the screen shows them.

#include <windows.h>

#include <functional>
#include <initializer_list>
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
// Keys held together, pressed in order and released in reverse:
// Chord({ VK_SHIFT, VK_TAB }).
void Chord(std::initializer_list<WORD> keys);

// The mouse, at a point of window's client area (client coordinates). The
// pointer moves there first; the click lands on whatever the screen shows
// at that point.
void MoveTo(HWND window, int x, int y);
void Click(HWND window, int x, int y);
void RightClick(HWND window, int x, int y);
void DoubleClick(HWND window, int x, int y);
// Left button down at from, a few moves, up at to.
void Drag(HWND window, POINT from, POINT to);
// A click in the middle of the window (a button, a check box).
void ClickCenter(HWND window);
// Polls the condition until it holds or timeout ms passed.
bool WaitFor(const std::function<bool()> &condition, DWORD timeout = 15000);
// Lets the program work for a while.
void Rest(DWORD milliseconds);

// The first window (a descendant of parent, or a top-level one without a
// parent) that passes the test; none.
HWND FindWindowWhere(HWND parent, const std::function<bool(HWND)> &test);
std::wstring ClassOf(HWND window);
// Text for a failure message (characters past 8 bits cut to their low byte).
std::string Narrow(const std::wstring &text);
DWORD ProcessOf(HWND window);
// The drop-down or pop-up menu of process that the screen shows; none.
HWND VisibleMenu(DWORD process);

// A visible descendant window of parent with the WS_VSCROLL style and the
// framework's window class: the owner-drawn list of an event window.
HWND FindList(HWND parent);
// The visible top-level window of process with exactly that title; none.
HWND FindTopWindow(DWORD process, const std::wstring &title);
// A visible descendant of parent whose window text, without its mnemonic
// '&', is exactly text (a button's label, a check box's text); none.
HWND FindChildByText(HWND parent, const std::wstring &text);

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
// A rectangle of the screen (screen coordinates).
Picture CaptureScreen(const RECT &area);

// Whether the program is alive, as a user sees it.
// Milliseconds the window's thread took to answer WM_NULL (limit when it
// did not answer within limit).
DWORD AnswerTime(HWND window, DWORD limit = 5000);
// The longest AnswerTime over span ms, asking every 100 ms.
DWORD LongestAnswer(HWND window, DWORD span);
// A window of this process in colour over a screen rectangle, shown until
// it is destroyed; it takes neither focus nor activation.
HWND Cover(const RECT &area, COLORREF colour);
// Lets this process's own windows (a cover) draw for a while.
void PumpOwnMessages(DWORD milliseconds);
// Covers the screen rectangle for a moment and answers the milliseconds
// from uncovering until the screen there shows again what it showed before
// (limit when it did not); for a part of the program that stays as it is.
DWORD RepaintTime(const RECT &area, DWORD limit = 5000);
// The lines of text painted in an area of the window's client area (client
// coordinates), top first: bands of pixel rows holding dark pixels, with a
// single clear row inside a band joined over; each line spans its ink
// (left, top, right and bottom inside it).
std::vector<RECT> TextLines(HWND window, const RECT &area);
}
