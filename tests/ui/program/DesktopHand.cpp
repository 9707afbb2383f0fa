#include "ui/program/DesktopHand.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
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

// How long the window manager gets to show an action carried out before it
// is sent again, how long a change of its state that missed the goal gets to
// settle (the program may hand the activation on to its dialog), and how
// often an action is sent at most.
constexpr DWORD kWindowManagerWait = 5000;
constexpr DWORD kWindowManagerSettle = 2000;
constexpr int kWindowManagerAttempts = 6;

void Say(const std::string &line)
{
    std::printf("desktop hand: %s\n", line.c_str());
    std::fflush(stdout);
}

std::string Hex(unsigned long id)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", id);
    return text;
}

// The X window of a top-level window, as Wine keeps it; 0 when it has none.
unsigned long XWindowOf(HWND window)
{
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "__wine_x11_whole_window")));
}

// The window manager's active window (_NET_ACTIVE_WINDOW), as
// "active window 0x...", or that it has none or could not be read.
std::string ActiveWindow()
{
    const Outcome outcome = RunLinux("xprop -root _NET_ACTIVE_WINDOW");
    const size_t hash = outcome.output.find("# ");
    if (!outcome.ended || outcome.status != 0)
        return "active window unread";
    if (hash == std::string::npos)
        return "no active window";
    return "active window " + Hex(std::strtoul(outcome.output.c_str() + hash + 2, nullptr, 16));
}

std::string FrameText(const RECT &frame)
{
    if (IsRectEmpty(&frame))
        return "no frame";
    return "frame at (" + std::to_string(frame.left) + ", " + std::to_string(frame.top) + ") " +
           std::to_string(frame.right - frame.left) + " x " + std::to_string(frame.bottom - frame.top);
}

// Sends an action of the window manager's (send, given the attempt from 0)
// until its state (state) is one that shows the action carried out
// (reached), kWindowManagerAttempts times at most. A state that stayed as
// it was says that the window manager did not carry it out; one that
// changed and missed (Alt+Tab to another window of its list) that it did,
// short of the goal. Either is said, and the action sent again.
bool UntilCarried(const std::string &action, const std::function<bool(int)> &send,
                  const std::function<std::string()> &state, const std::function<bool(const std::string &)> &reached)
{
    for (int attempt = 0; attempt < kWindowManagerAttempts; ++attempt)
    {
        const std::string before = state();
        std::string now = before;
        if (send(attempt))
        {
            ProgramHand::WaitFor([&] { return reached(now = state()) || now != before; }, kWindowManagerWait);
            if (!reached(now) && now != before)
                ProgramHand::WaitFor([&] { return reached(now = state()); }, kWindowManagerSettle);
            if (reached(now))
                return true;
        }
        Say(action + " (" + std::to_string(attempt + 1) + " of " + std::to_string(kWindowManagerAttempts) +
            "): the window manager's " + (now == before ? now + " stayed as it was" : before + " became " + now) +
            (attempt + 1 < kWindowManagerAttempts ? "; sending it again" : "; giving up"));
    }
    return false;
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

bool AltTabTo(HWND window)
{
    const std::string goal = "active window " + Hex(XWindowOf(window));
    // What came before (a window minimised, another one activated) reaches
    // the window manager first.
    ProgramHand::WaitFor([&] { return ActiveWindow() != goal; }, kWindowManagerSettle);
    return UntilCarried("Alt+Tab to the " + goal, [](int attempt) { return AltTab(attempt % 3 + 1); }, ActiveWindow,
                        [&](const std::string &now) { return now == goal; });
}

bool ClickToActivate(HWND window, POINT screen)
{
    const std::string goal = "active window " + Hex(XWindowOf(window));
    return UntilCarried("a click at " + At(screen) + " to the " + goal, [&](int) { return Click(screen); },
                        ActiveWindow, [&](const std::string &now) { return now == goal; });
}

bool DragFrame(HWND window, POINT from, POINT to)
{
    const std::string was = FrameText(FrameOf(window)), none = FrameText(RECT{});
    if (was == none)
    {
        Say("no frame around the window to drag");
        return false;
    }
    if (from.x == to.x && from.y == to.y)
        return Drag(from, to);   // a drag that leaves the frame as it is
    // Any frame but the one before shows the drag carried out, wherever the
    // window manager took it: whether the window followed is the test's to
    // check.
    return UntilCarried("a drag from " + At(from) + " to " + At(to), [&](int) { return Drag(from, to); },
                        [&] { return FrameText(FrameOf(window)); },
                        [&](const std::string &now) { return now != was && now != none; });
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
