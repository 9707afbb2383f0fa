#include "shell/program/QuorvaneProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <vector>

#include "ui/program/ProgramHand.h"

namespace {

struct Search
{
    DWORD processId;
    std::wstring title;
    HWND found;
    bool lettered;   // taken only once its message text is there
};

BOOL CALLBACK FindTitled(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (search->title == text && (!search->lettered || !QuorvaneProgram::BoxText(window).empty())) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t &c : text)
        c = wchar_t(std::towlower(c));
    return text;
}

// The window's text as the window itself answers it (an edit control's
// contents too, which GetWindowText does not ask another process for).
std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length);
    return text;
}

} // namespace

const wchar_t *const QuorvaneProgram::kMainTitle = L"Quorvane Training  v1.32";

QuorvaneProgram::QuorvaneProgram(ShellScratch &folder, bool withDataFile) : folder(folder)
{
    const std::wstring built = BuiltProgramFolder();
    CopyFileW((built + L"\\quorvane.exe").c_str(), folder.PathOf(L"quorvane.exe").c_str(), FALSE);
    if (withDataFile)
        CopyFileW((built + L"\\quorvane.zaf").c_str(), folder.PathOf(L"quorvane.zaf").c_str(), FALSE);
}

QuorvaneProgram::~QuorvaneProgram()
{
    if (!process.hProcess)
        return;
    CheckEnd();
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

namespace {

struct ProcessWindows
{
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM parameter)
{
    auto *windows = reinterpret_cast<ProcessWindows *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId && IsWindowVisible(window))
        windows->found.push_back(window);
    return TRUE;
}

// One step of a user's way out: the first window that takes input gets
// the answer that keeps things as they are.
void AnswerOrClose(DWORD processId)
{
    ProcessWindows windows = { processId, {} };
    EnumWindows(&CollectVisible, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows.found) {
        // Tool tips, menus and other windows without a caption take no answer.
        if (!IsWindowEnabled(window) || (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
            continue;
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        const bool main = QuorvaneProgram::kMainTitle == std::wstring(title);
        if (main || (!QuorvaneProgram::Press(window, L"No") && !QuorvaneProgram::Press(window, L"Cancel")))
            PostMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
}

// An exit code as a reader of a failure wants it: exception codes in hex.
std::string Described(DWORD code)
{
    char text[64];
    if (code >= 0xC0000000u)
        std::snprintf(text, sizeof text, "0x%08lX (an exception: the program crashed)", static_cast<unsigned long>(code));
    else
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(code));
    return text;
}

} // namespace

DWORD QuorvaneProgram::End()
{
    const DWORD end = GetTickCount() + 30000;
    while (Running() && int(end - GetTickCount()) > 0) {
        AnswerOrClose(process.dwProcessId);
        WaitForSingleObject(process.hProcess, 1000);
    }
    return WaitForExit(0);
}

void QuorvaneProgram::CheckEnd()
{
    const bool ranOn = Running();
    const DWORD code = End();
    if (code == STILL_ACTIVE) {
        ADD_FAILURE() << "quorvane.exe did not end when its windows were answered and closed";
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
        return;
    }
    if (code != expectedExit)
        ADD_FAILURE() << "quorvane.exe ended with exit code " << Described(code) << " where "
                      << Described(expectedExit) << " was expected"
                      << (ranOn ? ", when the test's end closed it" : "");
}

HWND QuorvaneProgram::StartToMainWindow(const std::wstring &arguments)
{
    return Start(arguments) ? WaitForWindow(kMainTitle) : nullptr;
}

bool QuorvaneProgram::Start(const std::wstring &arguments)
{
    std::wstring line = L"\"" + folder.PathOf(L"quorvane.exe") + L"\"";
    if (!arguments.empty())
        line += L" " + arguments;
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    started = GetTickCount();
    return CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Folder().c_str(),
                          &startup, &process)
           != FALSE;
}

HWND QuorvaneProgram::WaitForWindow(const std::wstring &title, DWORD timeout) const
{
    return WaitTitled(title, timeout, false);
}

HWND QuorvaneProgram::WaitForBox(const std::wstring &title, DWORD timeout) const
{
    return WaitTitled(title, timeout, true);
}

HWND QuorvaneProgram::WaitTitled(const std::wstring &title, DWORD timeout, bool lettered) const
{
    const DWORD end = GetTickCount() + timeout;
    do {
        Search search = { process.dwProcessId, title, nullptr, lettered };
        EnumWindows(&FindTitled, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    } while (int(end - GetTickCount()) > 0);
    return nullptr;
}

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Every window below box, depth first in window order.
std::vector<HWND> Descendants(HWND box)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back(child);
        const std::vector<HWND> below = Descendants(child);
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}

} // namespace

std::wstring QuorvaneProgram::BoxText(HWND box)
{
    std::wstring lines;
    for (HWND child : Descendants(box)) {
        const std::wstring text = WindowText(child);
        if (Lower(ClassOf(child)) == L"static" && text.find_first_not_of(L" \t\r\n") != std::wstring::npos)
            lines += (lines.empty() ? L"" : L"\n") + text;
    }
    return lines;
}

std::vector<std::wstring> QuorvaneProgram::BoxLines(HWND box)
{
    const std::wstring text = BoxText(box);
    std::vector<std::wstring> lines;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool QuorvaneProgram::WholeOnScreen(HWND box)
{
    RECT frame = {};
    GetWindowRect(box, &frame);
    if (frame.left < 0 || frame.top < 0 || frame.right > GetSystemMetrics(SM_CXSCREEN) ||
        frame.bottom > GetSystemMetrics(SM_CYSCREEN))
        return false;
    RECT client = {};
    GetClientRect(box, &client);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT *>(&client), 2);
    for (HWND child : Descendants(box)) {
        RECT place = {};
        GetWindowRect(child, &place);
        if (Lower(ClassOf(child)) == L"static" &&
            (place.left < client.left || place.right > client.right || place.bottom > client.bottom))
            return false;
    }
    return true;
}

std::vector<RECT> QuorvaneProgram::PaintedLines(HWND box)
{
    RECT area = {};
    GetClientRect(box, &area);
    bool first = true;
    for (HWND child : Descendants(box)) {
        RECT place = {};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&place), 2);
        const std::wstring kind = Lower(ClassOf(child));
        if (kind == L"static" && first && WindowText(child).find_first_not_of(L" ") != std::wstring::npos) {
            area.left = place.left;   // the message starts right of the icon
            first = false;
        } else if (kind == L"button") {
            area.bottom = std::min(area.bottom, place.top);
        }
    }
    return ProgramHand::TextLines(box, area);
}

int QuorvaneProgram::UnpaintedWidth(HWND box)
{
    RECT client = {};
    GetClientRect(box, &client);
    LONG widest = 0;
    for (const RECT &line : PaintedLines(box))
        widest = std::max(widest, line.right);
    return int(client.right - widest);
}

std::vector<std::wstring> QuorvaneProgram::ButtonLabels(HWND box)
{
    std::vector<std::wstring> labels;
    for (HWND child : Descendants(box))
        if (Lower(ClassOf(child)) == L"button") {
            std::wstring text = WindowText(child);
            text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
            labels.push_back(text);
        }
    return labels;
}

bool QuorvaneProgram::Press(HWND box, const std::wstring &label)
{
    for (HWND child : Descendants(box)) {
        if (Lower(ClassOf(child)) != L"button")
            continue;
        std::wstring text = WindowText(child);
        text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
        if (Lower(text) == Lower(label)) {
            PostMessageW(child, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

DWORD QuorvaneProgram::WaitForExit(DWORD timeout) const
{
    if (WaitForSingleObject(process.hProcess, timeout) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}

DWORD QuorvaneProgram::Close(HWND main) const
{
    PostMessageW(main, WM_CLOSE, 0, 0);
    return WaitForExit();
}

bool QuorvaneProgram::Running() const
{
    return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring QuorvaneProgram::File(const wchar_t *extension) const
{
    return folder.PathOf(std::wstring(L"quorvane.") + extension);
}
