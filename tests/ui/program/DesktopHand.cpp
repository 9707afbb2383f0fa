#include "ui/program/DesktopHand.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "ui/program/ProgramHand.h"

namespace DesktopHand
{

namespace {

// The Linux command's output and exit status. Wine starts a Linux program
// from CreateProcess but cannot wait for it: the shell leaves its output in
// a file under /tmp (the drive Z: of the prefix) when it is done.
struct Outcome
{
    bool ended = false;
    int status = -1;
    std::string output;
};

// One argument of a command line, quoted as the C runtime (and Wine, for
// a Linux program) splits the line again.
std::string Quoted(const std::string &argument)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument)
    {
        if (c == '\\')
        {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

Outcome RunLinux(const std::string &command)
{
    static int count = 0;
    const std::string name = "qv-desktop-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    const std::string done = "/tmp/" + name, partial = done + ".part";
    const std::string shell = "/bin/sh -c " + Quoted("(" + command + ") >" + partial + " 2>&1; echo $? >>" + partial +
                                                      "; mv " + partial + " " + done);
    std::vector<wchar_t> line(shell.begin(), shell.end());
    line.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Outcome outcome;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return outcome;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    const std::wstring seen = L"Z:\\tmp\\" + std::wstring(name.begin(), name.end());
    if (!ProgramHand::WaitFor([&] { return GetFileAttributesW(seen.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000))
        return outcome;
    if (FILE *file = _wfopen(seen.c_str(), L"rb"))
    {
        char buffer[4096];
        size_t read = 0;
        while ((read = fread(buffer, 1, sizeof buffer, file)) > 0)
            outcome.output.append(buffer, read);
        fclose(file);
    }
    DeleteFileW(seen.c_str());
    // The last line is the status.
    const size_t end = outcome.output.find_last_not_of('\n');
    const size_t start = end == std::string::npos ? 0 : outcome.output.find_last_of('\n', end) + 1;
    outcome.ended = true;
    outcome.status = std::atoi(outcome.output.c_str() + start);
    outcome.output.erase(start);
    return outcome;
}

bool Run(const std::string &command)
{
    const Outcome outcome = RunLinux(command);
    // Let the program and the window manager take what was sent.
    ProgramHand::Rest(300);
    return outcome.ended && outcome.status == 0;
}

std::string At(POINT point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

} // namespace

bool WindowManagerRuns()
{
    static const bool runs =
        Run("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'");
    return runs;
}

bool Keys(const std::string &keys)
{
    return Run("xdotool key " + keys);
}

bool AltTab(int presses)
{
    std::string tabs;
    for (int i = 0; i < presses; ++i)
        tabs += " key Tab";
    return Run("xdotool keydown alt" + tabs + " keyup alt");
}

bool Click(POINT screen)
{
    return Run("xdotool mousemove " + At(screen) + " click 1");
}

bool Drag(POINT from, POINT to)
{
    std::string moves;
    const int steps = 5;
    for (int i = 1; i <= steps; ++i)
        moves += " mousemove " + At({ from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps }) +
                 " sleep 0.05";
    return Run("xdotool mousemove " + At(from) + " mousedown 1" + moves + " mouseup 1");
}

RECT FrameOf(HWND window)
{
    RECT frame = {};
    // Wine keeps the X window of a top-level window in this property.
    const auto id = reinterpret_cast<ULONG_PTR>(GetPropA(window, "__wine_x11_whole_window"));
    if (!id)
        return frame;
    // The window manager takes the window into a frame window of its own:
    // the window's parent, unless that is the root.
    const std::string parent = "p=$(xwininfo -children -id " + std::to_string(id) +
                               " | sed -n 's/^ *Parent window id: \\(0x[0-9a-f]*\\).*/\\1/p'); "
                               "xwininfo -id $p | grep -q 'the root window' && exit 1; "
                               "xwininfo -id $p | sed -n 's/^ *\\(Absolute upper-left [XY]\\|Width\\|Height\\): *//p'";
    const Outcome outcome = RunLinux(parent);
    int left = 0, top = 0, width = 0, height = 0;
    std::istringstream numbers(outcome.output);
    if (outcome.ended && outcome.status == 0 && numbers >> left >> top >> width >> height)
        frame = { left, top, left + width, top + height };
    return frame;
}

std::string InputState()
{
    std::ostringstream state;
    HWND foreground = GetForegroundWindow();
    wchar_t title[128] = {};
    DWORD process = 0;
    if (foreground)
    {
        GetWindowTextW(foreground, title, 128);
        GetWindowThreadProcessId(foreground, &process);
    }
    state << "foreground " << foreground << " [" << ProgramHand::Narrow(ProgramHand::ClassOf(foreground)) << " \""
          << ProgramHand::Narrow(title) << "\"] of process " << process << "; held:";
    const struct { int key; const char *name; } keys[] = {
        { VK_MENU, "Alt" }, { VK_CONTROL, "Ctrl" }, { VK_SHIFT, "Shift" }, { VK_LBUTTON, "left button" }
    };
    for (const auto &key : keys)
        if (GetAsyncKeyState(key.key) & 0x8000)
            state << ' ' << key.name;
    if (WindowManagerRuns())
    {
        const Outcome outcome = RunLinux("xdotool getwindowfocus getwindowname; xprop -root _NET_ACTIVE_WINDOW; "
                                         "xdotool getmouselocation");
        state << "; X: " << outcome.output;
    }
    return state.str();
}

} // namespace DesktopHand
