// Start-up, dialog and exit benchmark: quorvane.exe against the smallest
// window program of the project (startup_probe.exe), both started the same
// way under the same Wine prefix and display, in the same run.
//
// For each program, from a scratch copy and with its default switches:
// - start: from CreateProcess until its main window is shown and painted
//   (visible, and neither it nor a visible child has an update region left);
// - dialog close: its About box is opened with the keyboard (Alt+H, A); from
//   the Enter that closes it until the box is gone and the main window
//   answers a message again;
// - exit: from the Alt+F4 on the main window until the process has ended.
// The program's start is timed with its splash floor set to 0 (the floor is
// a fixed wait, not start-up work), and once more per run with the floor.
// The first run of each program is discarded; the medians of the timed runs
// are printed with their goals.
//
// Usage: startup_bench [folder [runs]]: folder holds quorvane.exe with its
// data and splash files (default: the build's bin folder), runs default 5.
// Run it from the source folder the way the scripts run the program:
//   export WINEPREFIX=$PWD/build/wineprefix
//   bash scripts/with-display.sh build/wine-run.sh build/tests/ui/startup_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "support/BenchTools.h"

namespace {

constexpr DWORD kWindowTimeout = 60000;
constexpr double kSplashFloorMs = 3000;
const wchar_t *const kProgramTitle = L"Quorvane Training  v1.32";

// Milliseconds on the performance counter.
double BenchMs() { return BenchSeconds() * 1000.0; }

// Polls the condition every millisecond; false after timeout ms.
template <typename Condition> bool Await(Condition condition, DWORD timeout = kWindowTimeout)
{
    const DWORD began = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - began > timeout)
            return false;
        Sleep(1);
    }
    return true;
}

// Presses the keys in order and lets them go in reverse order, at once.
void Press(const std::vector<WORD> &keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

struct Search
{
    DWORD process;
    const wchar_t *title;   // null: any visible top-level window but a menu
    HWND except;
    HWND found;
};

bool IsMenu(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32768";
}

BOOL CALLBACK Visit(HWND window, LPARAM context)
{
    auto &search = *reinterpret_cast<Search *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || window == search.except || !IsWindowVisible(window) || IsMenu(window))
        return TRUE;
    if (search.title) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (search.title != std::wstring(text))
            return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND TopWindow(DWORD process, const wchar_t *title, HWND except = nullptr)
{
    Search search = { process, title, except, nullptr };
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One timed life of a program: start, About box closed, exit (ms; negative
// when that step failed or was not asked for).
struct Life
{
    double start = -1;
    double dialogClose = -1;
    double exit = -1;
};

class Run
{
public:
    // aboutKeys: the key chords that open the About box from the main window.
    Run(const std::wstring &exe, const std::wstring &folder, const wchar_t *title,
        std::vector<std::vector<WORD>> aboutKeys)
        : exe(exe), folder(folder), title(title), aboutKeys(std::move(aboutKeys))
    {
    }

    Life Live(const wchar_t *splashFloor, bool withDialog)
    {
        Life life;
        SetEnvironmentVariableW(L"QUORVANE_SPLASH_FLOOR", splashFloor);
        const double began = BenchMs();
        if (Start()) {
            if (Await([&] { return (window = TopWindow(process.dwProcessId, title)) != nullptr && Painted(window); }))
                life.start = BenchMs() - began;
            if (life.start >= 0 && withDialog)
                life.dialogClose = CloseDialog();
            if (life.start >= 0)
                life.exit = Exit();
            End();
        }
        SetEnvironmentVariableW(L"QUORVANE_SPLASH_FLOOR", nullptr);
        return life;
    }

private:
    bool Start()
    {
        std::wstring line = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        return CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &process) != 0;
    }

    void Focus()
    {
        SetForegroundWindow(window);
        SetActiveWindow(window);
        Sleep(200);
    }

    double CloseDialog()
    {
        Focus();
        for (const std::vector<WORD> &keys : aboutKeys) {
            Press(keys);
            Sleep(150);
        }
        HWND box = nullptr;
        if (!Await([&] { return (box = TopWindow(process.dwProcessId, nullptr, window)) != nullptr && Painted(box); }))
            return -1;
        Sleep(200);
        const double began = BenchMs();
        Press({ VK_RETURN });
        if (!Await([&] { return !IsWindow(box) || !IsWindowVisible(box); }) || !Answers(window, kWindowTimeout))
            return -1;
        return BenchMs() - began;
    }

    double Exit()
    {
        Focus();
        const double began = BenchMs();
        Press({ VK_MENU, VK_F4 });
        if (WaitForSingleObject(process.hProcess, kWindowTimeout) != WAIT_OBJECT_0)
            return -1;
        return BenchMs() - began;
    }

    void End()
    {
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
        window = nullptr;
    }

    std::wstring exe;
    std::wstring folder;
    const wchar_t *title;
    std::vector<std::vector<WORD>> aboutKeys;
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

void CopyBeside(const std::wstring &from, const ShellScratch &to, const wchar_t *name)
{
    CopyFileW((from + L"\\" + name).c_str(), to.PathOf(name).c_str(), FALSE);
}

struct Figures
{
    std::vector<double> start, dialogClose, exit, flooredStart;

    void Add(const Life &life)
    {
        start.push_back(life.start);
        dialogClose.push_back(life.dialogClose);
        exit.push_back(life.exit);
    }

    // Names the first step that failed; null when every one was timed.
    const char *Failure() const
    {
        const struct
        {
            const std::vector<double> *times;
            const char *step;
        } steps[] = { { &start, "the main window was not painted" },
                      { &dialogClose, "the About box did not open or close" },
                      { &exit, "the program did not end after Alt+F4" },
                      { &flooredStart, "the main window was not painted with the splash floor" } };
        for (const auto &step : steps)
            for (double t : *step.times)
                if (t < 0)
                    return step.step;
        return nullptr;
    }
};

void PrintTimes(const char *what, const std::vector<double> &times)
{
    std::printf("%-40s median %8.1f ms  (", what, Median(times, -1));
    for (size_t i = 0; i < times.size(); ++i)
        std::printf(i ? " %.1f" : "%.1f", times[i]);
    std::printf(")\n");
}

const char *Verdict(bool met) { return met ? "met" : "NOT MET"; }

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring built = argc > 1 ? std::wstring(argv[1]) : BuiltProgramFolder();
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring benchFolder = self;
    benchFolder.erase(benchFolder.find_last_of(L"\\/"));

    ShellScratch programFolder(L"qbench");
    for (const wchar_t *name : { L"quorvane.exe", L"quorvane.zaf", L"quorvane.tgs" })
        CopyBeside(built, programFolder, name);
    ShellScratch probeFolder(L"qprobe");
    CopyBeside(benchFolder, probeFolder, L"startup_probe.exe");

    // The program's Hardware menu takes Alt+H: its Help menu is the one after the Window menu.
    Run program(programFolder.PathOf(L"quorvane.exe"), programFolder.Folder(), kProgramTitle,
                { { VK_MENU, 'W' }, { VK_RIGHT }, { 'A' } });
    Run probe(probeFolder.PathOf(L"startup_probe.exe"), probeFolder.Folder(), L"Startup probe",
              { { VK_MENU, 'H' }, { 'A' } });

    // Warm-up: the first start of each loads what later ones find cached.
    program.Live(L"0", true);
    probe.Live(nullptr, true);
    Figures programFigures, probeFigures;
    for (int i = 0; i < runs; ++i) {
        programFigures.Add(program.Live(L"0", true));
        probeFigures.Add(probe.Live(nullptr, true));
        programFigures.flooredStart.push_back(program.Live(nullptr, false).start);
    }
    for (const auto &figures : { std::make_pair("program", &programFigures), std::make_pair("baseline", &probeFigures) })
        if (const char *failure = figures.second->Failure()) {
            std::printf("startup failed (%s): %s\n", figures.first, failure);
            return 1;
        }

    PrintTimes("program start, splash floor 0:", programFigures.start);
    PrintTimes("program start, splash floor 3000 ms:", programFigures.flooredStart);
    PrintTimes("program dialog close:", programFigures.dialogClose);
    PrintTimes("program exit:", programFigures.exit);
    PrintTimes("baseline window program start:", probeFigures.start);
    PrintTimes("baseline dialog close:", probeFigures.dialogClose);
    PrintTimes("baseline exit:", probeFigures.exit);

    const double start = Median(programFigures.start, -1), baseline = Median(probeFigures.start, -1);
    const double floored = Median(programFigures.flooredStart, -1);
    const double close = Median(programFigures.dialogClose, -1), exit = Median(programFigures.exit, -1);
    std::printf("startup ratio %.2f (goal <= 2): %s\n", start / baseline, Verdict(start <= 2 * baseline));
    std::printf("startup with floor %.1f ms (goal <= %.1f ms = floor + 2 x baseline): %s\n", floored,
                kSplashFloorMs + 2 * baseline, Verdict(floored <= kSplashFloorMs + 2 * baseline));
    std::printf("dialog close %.1f ms (goal <= 200 ms): %s\n", close, Verdict(close <= 200));
    std::printf("exit %.1f ms (goal <= 500 ms): %s\n", exit, Verdict(exit <= 500));
    return 0;
}
