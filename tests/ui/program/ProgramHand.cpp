#include "ui/program/ProgramHand.h"

#include <algorithm>
#include <iterator>

#include "support/ScreenPixels.h"

namespace ProgramHand
{

namespace {

void Send(std::vector<INPUT> &inputs)
{
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Rest(60);
}

INPUT KeyInput(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

void Chord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        inputs.push_back(KeyInput(*key, true));
    Send(inputs);
}

namespace {

POINT OnScreen(HWND window, int x, int y)
{
    POINT point = { x, y };
    ClientToScreen(window, &point);
    return point;
}

// An absolute move to a screen point, in the 0..65535 units SendInput
// spreads over the primary screen.
INPUT MoveInput(POINT screen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((screen.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT ButtonInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void ClickWith(HWND window, int x, int y, DWORD down, DWORD up, int times)
{
    const POINT screen = OnScreen(window, x, y);
    SetCursorPos(screen.x, screen.y);
    std::vector<INPUT> inputs = { MoveInput(screen) };
    for (int i = 0; i < times; ++i)
    {
        inputs.push_back(ButtonInput(down));
        inputs.push_back(ButtonInput(up));
    }
    Send(inputs);
}

} // namespace

void MoveTo(HWND window, int x, int y)
{
    const POINT screen = OnScreen(window, x, y);
    SetCursorPos(screen.x, screen.y);
    std::vector<INPUT> inputs = { MoveInput(screen) };
    Send(inputs);
}

void Click(HWND window, int x, int y)
{
    ClickWith(window, x, y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1);
}

void RightClick(HWND window, int x, int y)
{
    ClickWith(window, x, y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1);
}

void DoubleClick(HWND window, int x, int y)
{
    ClickWith(window, x, y, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
}

void Drag(HWND window, POINT from, POINT to)
{
    MoveTo(window, from.x, from.y);
    std::vector<INPUT> inputs = { ButtonInput(MOUSEEVENTF_LEFTDOWN) };
    Send(inputs);
    const int steps = 5;
    for (int i = 1; i <= steps; ++i)
        MoveTo(window, from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    inputs = { ButtonInput(MOUSEEVENTF_LEFTUP) };
    Send(inputs);
}

void ClickCenter(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    Click(window, client.right / 2, client.bottom / 2);
}

void Focus(HWND window)
{
    SetForegroundWindow(window);
    SetActiveWindow(window);
    Rest(200);
}

void Control(char key)
{
    std::vector<INPUT> inputs = { KeyInput(VK_CONTROL, false), KeyInput(WORD(key), false), KeyInput(WORD(key), true),
                                  KeyInput(VK_CONTROL, true) };
    Send(inputs);
}

void Key(WORD virtualKey)
{
    std::vector<INPUT> inputs = { KeyInput(virtualKey, false), KeyInput(virtualKey, true) };
    Send(inputs);
}

void Type(const std::wstring &text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text)
        for (bool up : { false, true })
        {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    Send(inputs);
}

bool WaitFor(const std::function<bool()> &condition, DWORD timeout)
{
    const DWORD start = GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount() - start > timeout)
            return false;
        Rest(100);
    }
}

void Rest(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
}

namespace {

struct Search
{
    const std::function<bool(HWND)> *test;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data)
{
    auto *search = reinterpret_cast<Search *>(data);
    if (!(*search->test)(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindWindowWhere(HWND parent, const std::function<bool(HWND)> &test)
{
    Search search{ &test };
    if (parent)
        EnumChildWindows(parent, &Visit, reinterpret_cast<LPARAM>(&search));
    else
        EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleMenu(DWORD process)
{
    return FindWindowWhere(nullptr, [process](HWND w) {
        return ClassOf(w) == L"#32768" && ProcessOf(w) == process && IsWindowVisible(w);
    });
}

std::string Narrow(const std::wstring &text)
{
    return std::string(text.begin(), text.end());
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

DWORD ProcessOf(HWND window)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner;
}

HWND FindList(HWND parent)
{
    return FindWindowWhere(parent, [](HWND window) {
        return ClassOf(window) == L"ZafWindow" && (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) &&
               IsWindowVisible(window);
    });
}

HWND FindTopWindow(DWORD process, const std::wstring &title)
{
    return FindWindowWhere(nullptr, [&](HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return ProcessOf(window) == process && IsWindowVisible(window) && title == text;
    });
}

HWND FindChildByText(HWND parent, const std::wstring &text)
{
    return FindWindowWhere(parent, [&](HWND window) {
        wchar_t found[256] = {};
        GetWindowTextW(window, found, 256);
        std::wstring shown;
        for (const wchar_t *c = found; *c; ++c)
            if (*c != L'&')
                shown += *c;
        return IsWindowVisible(window) && text == shown;
    });
}

Picture Capture(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    POINT origin = { 0, 0 };
    ClientToScreen(window, &origin);
    return CaptureScreen({ origin.x, origin.y, origin.x + client.right, origin.y + client.bottom });
}

Picture CaptureScreen(const RECT &area)
{
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    if (picture.width <= 0 || picture.height <= 0)
        return picture;
    HDC screen = GetDC(nullptr);
    const std::vector<uint32_t> source = CopyPixels(screen, area.left, area.top, picture.width, picture.height);
    ReleaseDC(nullptr, screen);
    picture.pixels.resize(source.size());
    for (size_t i = 0; i < source.size(); ++i)
    {
        const uint32_t p = source[i];
        picture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    return picture;
}

DWORD AnswerTime(HWND window, DWORD limit)
{
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, limit, &result))
        return limit;
    return GetTickCount() - start;
}

DWORD LongestAnswer(HWND window, DWORD span)
{
    DWORD longest = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < span)
    {
        longest = std::max(longest, AnswerTime(window));
        Sleep(100);
    }
    return longest;
}

HWND Cover(const RECT &area, COLORREF colour)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    static int classes = 0;
    const std::wstring name = L"ProgramHandCover" + std::to_wstring(++classes);
    wc.lpszClassName = name.c_str();
    RegisterClassW(&wc);
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"",
                                 WS_POPUP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    UpdateWindow(cover);
    return cover;
}

void PumpOwnMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
}

DWORD RepaintTime(const RECT &area, DWORD limit)
{
    const Picture before = CaptureScreen(area);
    HWND cover = Cover(area, RGB(255, 0, 254));
    PumpOwnMessages(300);
    DestroyWindow(cover);
    const DWORD start = GetTickCount();
    for (;;)
    {
        if (CaptureScreen(area).pixels == before.pixels)
            return GetTickCount() - start;
        if (GetTickCount() - start >= limit)
            return limit;
        Sleep(20);
    }
}

std::vector<RECT> TextLines(HWND window, const RECT &area)
{
    const Picture picture = Capture(window);
    // Text is drawn in the window-text colour; frames, faces and
    // backgrounds are lighter.
    auto dark = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96; };
    std::vector<RECT> lines;
    int clear = 2;   // clear rows since the last ink
    for (int y = std::max(0, int(area.top)); y < std::min(picture.height, int(area.bottom)); ++y) {
        int left = -1, right = -1;
        for (int x = std::max(0, int(area.left)); x < std::min(picture.width, int(area.right)); ++x)
            if (dark(picture.At(x, y))) {
                if (left < 0)
                    left = x;
                right = x + 1;
            }
        if (left < 0) {
            ++clear;
            continue;
        }
        if (clear > 1)
            lines.push_back({ left, y, right, y + 1 });
        RECT &line = lines.back();
        line.left = std::min<LONG>(line.left, left);
        line.right = std::max<LONG>(line.right, right);
        line.bottom = y + 1;
        clear = 0;
    }
    return lines;
}

} // namespace ProgramHand
