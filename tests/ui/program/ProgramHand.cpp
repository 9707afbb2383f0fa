#include "ui/program/ProgramHand.h"

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

Picture Capture(HWND window)
{
    Picture picture;
    RECT client;
    GetClientRect(window, &client);
    POINT origin = { 0, 0 };
    ClientToScreen(window, &origin);
    picture.width = client.right;
    picture.height = client.bottom;
    if (picture.width <= 0 || picture.height <= 0)
        return picture;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
    const auto *source = static_cast<const uint32_t *>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
    {
        const uint32_t p = source[i];
        picture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

} // namespace ProgramHand
