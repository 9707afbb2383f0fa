#pragma once
// PutOnClipboard: puts text on the clipboard as a user's Copy does, for a
// paste of the test's own. Header only, for every test program.
#include <windows.h>

#include <cstring>
#include <string>

// False when the clipboard could not be had.
inline bool PutOnClipboard(const std::wstring &text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    // The clipboard takes data only from an owner window. Another process
    // may hold it open a moment (Wine's own copies it to the X selection
    // after every change, slowly on a busy machine): try again for a while.
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const DWORD start = GetTickCount();
    bool open = false;
    while (!(open = OpenClipboard(owner)) && GetTickCount() - start < 10000)
        Sleep(20);
    const bool put = open && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    if (open)
        CloseClipboard();
    DestroyWindow(owner);
    if (!put)
        GlobalFree(memory);
    return put;
}
