#pragma once
// Cancels the next system dialog (a visible "#32770" window of this process)
// from a second thread, as a user's Cancel does, and remembers its owner;
// gives up after 30 s, and stops looking when dropped.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class SystemDialogCloser
{
public:
    SystemDialogCloser() : thread([this] { Run(); }) {}
    ~SystemDialogCloser()
    {
        stop = true;
        thread.join();
    }
    SystemDialogCloser(const SystemDialogCloser &) = delete;
    SystemDialogCloser &operator=(const SystemDialogCloser &) = delete;

    HWND Owner() const { return owner; }
    bool Closed() const { return closed; }

    // The topmost visible system dialog of this process; none: null.
    static HWND Find()
    {
        HWND dialog = nullptr;
        EnumWindows(Visit, LPARAM(&dialog));
        return dialog;
    }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM found)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::wstring(name) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
    }
    void Run()
    {
        for (int i = 0; i < 600 && !stop; ++i) {
            if (HWND dialog = Find()) {
                owner = GetWindow(dialog, GW_OWNER);
                closed = true;
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            Sleep(50);
        }
    }

    std::atomic<bool> stop{ false };
    std::atomic<bool> closed{ false };
    std::atomic<HWND> owner{ nullptr };
    std::thread thread;
};
