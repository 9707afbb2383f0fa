// Start-up benchmark: how long the program takes from CreateProcess to its
// main window on screen, against the project's smallest window program
// (startup_probe.exe) started the same way under the same Wine prefix and
// display. Both run from scratch copies; the first run of each is
// discarded, then five alternating runs of each are timed and the medians
// compared. The program runs with its splash floor (a fixed 3000 ms wait,
// not start-up work) set to 0; its time with the floor is printed too.
//
// Output: one line per measure, then "startup ratio <r>" with both times.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"

namespace {

constexpr int kRuns = 5;
constexpr DWORD kWindowTimeout = 60000;

struct Search
{
    DWORD process;
    const wchar_t *title;   // null: any visible top-level window
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM context)
{
    auto &search = *reinterpret_cast<Search *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window))
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

double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Starts exe from folder and answers the milliseconds until its window is
// visible (negative when it never came), then closes the program.
double TimeRun(const std::wstring &exe, const std::wstring &arguments, const std::wstring &folder,
               const wchar_t *title, const wchar_t *floor)
{
    SetEnvironmentVariableW(L"QUORVANE_SPLASH_FLOOR", floor);
    std::wstring line = L"\"" + exe + L"\" " + arguments;
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return -1;
    Search search = { process.dwProcessId, title, nullptr };
    double elapsed = -1;
    const DWORD began = GetTickCount();
    while (GetTickCount() - began < kWindowTimeout) {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            QueryPerformanceCounter(&now);
            elapsed = Milliseconds(start, now);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (search.found)
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    SetEnvironmentVariableW(L"QUORVANE_SPLASH_FLOOR", nullptr);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void CopyBeside(const std::wstring &from, const ShellScratch &to, const wchar_t *name)
{
    CopyFileW((from + L"\\" + name).c_str(), to.PathOf(name).c_str(), FALSE);
}

} // namespace

int main()
{
    const std::wstring built = BuiltProgramFolder();
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring benchFolder = self;
    benchFolder.erase(benchFolder.find_last_of(L"\\/"));

    ShellScratch programFolder(L"qbench");
    for (const wchar_t *name : { L"quorvane.exe", L"quorvane.zaf", L"quorvane.tgs" })
        CopyBeside(built, programFolder, name);
    ShellScratch probeFolder(L"qprobe");
    CopyBeside(benchFolder, probeFolder, L"startup_probe.exe");

    const std::wstring program = programFolder.PathOf(L"quorvane.exe");
    const std::wstring probe = probeFolder.PathOf(L"startup_probe.exe");
    const std::wstring arguments = L"-noddeserver -noserialport";
    const wchar_t *title = L"Quorvane Training  v1.32";

    auto runProgram = [&](const wchar_t *floor) {
        return TimeRun(program, arguments, programFolder.Folder(), title, floor);
    };
    auto runProbe = [&] { return TimeRun(probe, L"", probeFolder.Folder(), nullptr, nullptr); };

    // Warm-up runs: the first start of each loads what later ones find cached.
    runProgram(L"0");
    runProbe();
    std::vector<double> programTimes, probeTimes, flooredTimes;
    for (int i = 0; i < kRuns; ++i) {
        programTimes.push_back(runProgram(L"0"));
        probeTimes.push_back(runProbe());
        flooredTimes.push_back(runProgram(nullptr));
    }
    for (const std::vector<double> *times : { &programTimes, &probeTimes, &flooredTimes })
        for (double t : *times)
            if (t < 0) {
                std::printf("startup failed: a window did not appear\n");
                return 1;
            }
    const double programMs = Median(programTimes);
    const double probeMs = Median(probeTimes);
    std::printf("program start-up (splash floor 0): %.1f ms median of %d\n", programMs, kRuns);
    std::printf("baseline window program: %.1f ms median of %d\n", probeMs, kRuns);
    std::printf("program start-up with the 3000 ms splash floor: %.1f ms median of %d\n", Median(flooredTimes), kRuns);
    std::printf("startup ratio %.2f (program %.1f ms, baseline %.1f ms)\n", programMs / probeMs, programMs, probeMs);
    return 0;
}
