// Times a download of twelve trials into the chart's overlay (Options >
// Serial "Add trace downloads to the overlay") against the same download
// without it, in the same run: quorvane.exe from a scratch copy, the
// simulated block sensor with twelve trials answering unpaced on a COM
// pair, a new workout (Ctrl+N), Ctrl+T and "Download All" pressed as a
// user does.
// - wall: from the press until the program's work on the download ended:
//   after the unit's last word, the main window answers a message and
//   neither it nor any window inside it has anything left to paint (the
//   unit then stays quiet, and the windows painted, for a while);
// - CPU: the program's user and system time over the same span, read from
//   its Linux process (/proc, through Wine's drive Z:).
// The sides take turns; the medians of the runs are printed with the
// ratios (goals: wall at most 1.1 x and CPU at most 1.2 x the download
// without the overlay).
//
// Usage: overlay_download_bench [runs]   (default 3)
// It needs the COM pair of the harness; from the source folder:
//   export WINEPREFIX=$PWD/build/wineprefix
//   bash scripts/with-display.sh bash tools/comport/comport.sh run build/comports/dlbench 51 52 --
//       build/wine-run.sh build/tests/ui/overlay_download_bench.exe
// (one command line)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/BenchTools.h"
#include "support/ComPortPair.h"
#include "support/TestBytes.h"
#include "tools/unitsim/UnitSim.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

constexpr int kTrials = 12;
constexpr DWORD kQuietMs = 2500;       // the unit quiet, the windows painted this long: done
constexpr DWORD kSettleMs = 20;        // the unit quiet this long: the windows are asked
constexpr DWORD kLongestMs = 120000;   // a download that takes longer failed

// The program's CPU time: the user and system time of every thread of its
// Linux process (Wine's answer for another process leaves most of it out),
// found by the program's scratch folder in its command line. Clock ticks
// of 1/100 s, as Linux counts them on this platform.
class ProgramCpu
{
public:
    explicit ProgramCpu(const std::wstring &folder)
    {
        const std::string tag(folder.begin() + long(folder.find_last_of(L'\\') + 1), folder.end());
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            const std::wstring name = found.cFileName;
            if (name.find_first_not_of(L"0123456789") != std::wstring::npos)
                continue;
            const std::string line = ReadWholeFile(L"Z:\\proc\\" + name + L"\\cmdline");
            if (line.find(tag) != std::string::npos && line.find("quorvane.exe") != std::string::npos)
                stat = L"Z:\\proc\\" + name + L"\\stat";
        } while (stat.empty() && FindNextFileW(search, &found));
        FindClose(search);
    }
    bool Found() const { return !stat.empty(); }
    double Seconds() const
    {
        // After the command name in parentheses: state, then ten numbers,
        // then user and system time.
        const std::string line = ReadWholeFile(stat);
        const size_t close = line.rfind(')');
        if (close == std::string::npos)
            return 0;
        std::istringstream fields(line.substr(close + 2));
        std::string skip;
        for (int i = 0; i < 11; ++i)
            fields >> skip;
        double user = 0, system = 0;
        fields >> user >> system;
        return (user + system) / 100.0;
    }

private:
    std::wstring stat;
};

struct Download
{
    bool done = false;
    double wall = 0;
    double cpu = 0;
};

// Starts the download and waits for its end.
Download TimeDownload(bool overlay)
{
    Download result;
    ProgramRoad road(L"dlbench", overlay ? "Serial\\AddDLToOvly:Bool=1\r\n" : "");
    road.UseUnit(unitsim::Config::BlockSensorWithTrials(kTrials));
    if (!road.Start())
        return result;
    std::wstring folder = road.Folder().PathOf(L"");
    folder.pop_back(); // the separator after the folder's name
    const ProgramCpu cpu(folder);
    if (!cpu.Found())
        return result;
    HWND main = road.Main();
    H::Focus(main);
    H::Control('N');
    if (!H::WaitFor([&] { return H::FindList(main) != nullptr; }))
        return result;
    H::Control('T');
    HWND choice = nullptr;
    if (!H::WaitFor([&] { return (choice = H::FindTopWindow(road.Process(), L"Select Trial from Lane 1")) != nullptr; }))
        return result;
    H::Rest(500);
    HWND downloadAll = H::FindChildByText(choice, L"Download All");
    if (!downloadAll)
        return result;
    const size_t asked = road.Unit()->Transcript().size();
    const double cpuStart = cpu.Seconds();
    const double start = BenchSeconds();
    H::ClickCenter(downloadAll);

    // Polled until the unit has been quiet for a while and the program's
    // windows have stayed answering and painted since its last word. The
    // windows are asked only once the unit has been quiet for a moment, so
    // that the asking does not slow the download.
    size_t records = asked;
    double lastRecord = start, paintedSince = -1, cpuWhenPainted = cpuStart;
    while (BenchSeconds() - start < kLongestMs / 1000.0) {
        Sleep(2);
        const size_t nowRecords = road.Unit()->Transcript().size();
        if (nowRecords != records) {
            records = nowRecords;
            lastRecord = BenchSeconds();
            paintedSince = -1;
            continue;
        }
        if (records == asked || BenchSeconds() - lastRecord < kSettleMs / 1000.0)
            continue;
        const double asking = BenchSeconds();
        if (!Answers(main, kLongestMs) || !Painted(main)) {
            paintedSince = -1;
            Sleep(kSettleMs);
            continue;
        }
        if (paintedSince < 0) {
            paintedSince = asking;
            cpuWhenPainted = cpu.Seconds();
        }
        if (BenchSeconds() - lastRecord > kQuietMs / 1000.0 && BenchSeconds() - paintedSince > kQuietMs / 2000.0) {
            result.done = true;
            break;
        }
        Sleep(kSettleMs);
    }
    result.wall = paintedSince - start;
    result.cpu = cpuWhenPainted - cpuStart;
    road.Close();
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = std::max(argc > 1 ? std::atoi(argv[1]) : 3, 1);
    const ComPortPair pair = ComPortPair::FromEnvironment();
    if (!pair.HasPort() || !pair.HasPeerPort()) {
        std::printf("needs a COM port pair: run it through tools/comport/comport.sh run (see the source)\n");
        return 2;
    }
    std::vector<double> wall[2], cpu[2];
    for (int run = 0; run < runs; ++run) {
        for (int overlay = 0; overlay < 2; ++overlay) {
            const Download d = TimeDownload(overlay != 0);
            if (!d.done) {
                std::printf("the download %s the overlay did not end\n", overlay ? "into" : "without");
                return 1;
            }
            std::printf("run %d %-16s wall %.3f s  CPU %.3f s\n", run + 1, overlay ? "into the overlay" : "plain",
                        d.wall, d.cpu);
            std::fflush(stdout);
            wall[overlay].push_back(d.wall);
            cpu[overlay].push_back(d.cpu);
        }
    }
    std::printf("%d trials, medians of %d runs: plain wall %.3f s CPU %.3f s; overlay wall %.3f s CPU %.3f s\n",
                kTrials, runs, Median(wall[0]), Median(cpu[0]), Median(wall[1]), Median(cpu[1]));
    std::printf("goals: wall at most 1.10 x, CPU at most 1.20 x the download without the overlay\n");
    std::printf("wall ratio %.2f\n", Median(wall[1]) / Median(wall[0]));
    std::printf("cpu ratio %.2f\n", Median(cpu[1]) / Median(cpu[0]));
    return 0;
}
