// Times the clicks that build the chart pane's overlay, trial by trial, at
// the program's chart size (1280 x 666 pixels), against a plain repaint of
// the same chart, in the same run. Twelve trials of different pushes; for
// k = 1..12:
// - click k: the k-th trial joins the overlay and the chart window plots it
//   (as a click on its row does), up to the chart painted on the screen;
// - repaint k: the same k-trace chart painted once more, as an uncovered
//   window is (the baseline; goal: click at most 1.1 x this);
// - the click's own work without the painting, against computing one trace
//   and computing k traces from scratch (what the click would cost if it
//   computed every overlaid trace again).
// Each run starts from an empty chart with no trace computed before; the
// medians of the runs are printed, one line per k, then the largest ratio.
// Click and repaint both start right after a paint of the chart: the first
// paint after the pause that settles the empty chart, or after the
// computations timed between two clicks, costs up to a tenth more under
// Wine whatever is painted, and only the click met it. Each timed paint ends
// when the screen shows it: Wine hands a window's picture to the screen
// later, at the next wait for messages, and without the wait the next
// click or repaint would pay for the previous picture.
//
// Usage: overlay_click_bench [runs]   (default 5)
// Run it from the source folder the way the scripts run the program:
//   export WINEPREFIX=$PWD/build/wineprefix
//   bash scripts/with-display.sh build/wine-run.sh build/tests/ui/overlay_click_bench.exe

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "chart/ChartTest.h"
#include "chart/view/ZafChartControl.h"
#include "domain/results/QVResult.h"
#include "foundation/registry/KRegistry.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindow.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "support/BenchTools.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartTraceCache.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZResultsKeys.h"

namespace {

constexpr int kTrials = kMaxOverlayTraces;
constexpr int kChartWidth = 1280;
constexpr int kChartHeight = 666;

// The timings of one k over the runs, in seconds.
struct Step
{
    std::vector<double> click, repaint, work, one, all;
};

// The chart fixture's application, trials and overlay list, driven by hand.
class ClickBench : public ChartTest
{
public:
    void TestBody() override {}
    void Start()
    {
        SetUp();
        // Twelve start traces, each a push that begins a little later.
        for (int k = 1; k <= kTrials; ++k) {
            QVResult *trial = AddTrial(1500, 120 + 10 * k, 1000 + 50 * k, 0);
            std::vector<int16_t> x(QVZChartTraces::kSamples), y(QVZChartTraces::kSamples);
            const int onset = 3120 + 10 * k;
            for (int i = 0; i < QVZChartTraces::kSamples; ++i) {
                const double t = i - onset;
                x[i] = int16_t(40 + (t > 0 ? 900 * std::exp(-t / 300.0) * (1 - std::exp(-t / 40.0)) : 0));
                y[i] = int16_t(25 + 10 * std::sin(i * 0.05 + k));
            }
            trial->SetTrace(x.data(), y.data());
        }
        SetOverlayMode(true);
        MakeChart();
    }
    void Stop() { TearDown(); }

    void Run(std::vector<Step> &steps)
    {
        window->Clear();
        overlay.Clear();
        QVZChartTraceCache::Shared().Clear();
        Pump(100);
        for (int k = 1; k <= kTrials; ++k) {
            Step &step = steps[size_t(k - 1)];
            const int row = k - 1;
            Repaint();
            overlay.Add(row);
            Select(row);
            double start = BenchSeconds();
            window->Update(KPoint(0, row));
            const double plotted = BenchSeconds();
            UpdateWindow(Chart());
            Drawn();
            step.click.push_back(BenchSeconds() - start);
            step.work.push_back(plotted - start);

            start = BenchSeconds();
            Repaint();
            step.repaint.push_back(BenchSeconds() - start);

            step.one.push_back(TimeComputing(1));
            step.all.push_back(TimeComputing(k));
        }
    }

    int ChartWidth() const { return size.right; }
    int ChartHeight() const { return size.bottom; }

private:
    HWND Chart() const { return static_cast<HWND>(window->Pane()->Control()->OSWindow()); }
    // The chart painted once more, as an uncovered window is.
    void Repaint() const
    {
        InvalidateRect(Chart(), nullptr, TRUE);
        UpdateWindow(Chart());
        Drawn();
    }
    // Waits until the screen shows what the paint drew: the window's
    // picture is handed to the screen (which happens when the program
    // waits for messages) and a read of the screen itself waits for the
    // screen to have drawn it.
    void Drawn() const
    {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
        POINT corner = { 0, 0 };
        ClientToScreen(Chart(), &corner);
        HDC screen = GetDC(nullptr);
        GetPixel(screen, corner.x, corner.y);
        ReleaseDC(nullptr, screen);
    }

    // A chart window on a host of its own whose chart is the program's size.
    void MakeChart()
    {
        auto *frame = new KZWindow(0, 0, kChartWidth + 40, kChartHeight + 120);
        frame->SetCoordinateType(kCoordPixels);
        Show(frame);
        window = new QVZChartWindow(nullptr, nullptr);
        window->SetTrials(this);
        window->SetCoordinateType(kCoordPixels);
        window->SetRegion(KZMakeRegion(KRect(0, 0, kChartWidth - 1, kChartHeight - 1), kCoordPixels));
        frame->Add(window);
        Pump(100);
        // Grow the window by what its frame and tool bar take from the chart.
        HWND own = static_cast<HWND>(window->OSWindow());
        for (int pass = 0; pass < 4; ++pass) {
            GetClientRect(Chart(), &size);
            if (size.right == kChartWidth && size.bottom == kChartHeight)
                break;
            RECT outer;
            GetWindowRect(own, &outer);
            SetWindowPos(own, nullptr, 0, 0, outer.right - outer.left + kChartWidth - size.right,
                         outer.bottom - outer.top + kChartHeight - size.bottom, SWP_NOMOVE | SWP_NOZORDER);
            Pump(200);
        }
    }

    // Computing the first count trials' traces from their samples, as the
    // pane does for each.
    double TimeComputing(int count)
    {
        const QVZChartSettings settings = QVZChartSettings::Read(registry);
        QVZChartTraces &traces = QVZChartTraces::Shared();
        const double start = BenchSeconds();
        for (int row = 0; row < count; ++row)
            traces.Compute(results.MatchingAt(row, view), settings, kCmdChartSummedXY);
        return BenchSeconds() - start;
    }

    QVZChartWindow *window = nullptr;
    RECT size = {};
};

} // namespace

int main(int argc, char **argv)
{
    const int runs = std::max(argc > 1 ? std::atoi(argv[1]) : 5, 1);
    ClickBench bench;
    bench.Start();
    std::vector<Step> steps(kTrials);
    bench.Run(steps); // the first run warms the caches and is not counted
    steps.assign(kTrials, Step());
    for (int run = 0; run < runs; ++run)
        bench.Run(steps);
    std::printf("overlay clicks on a %d x %d chart, medians of %d runs (ms)\n", bench.ChartWidth(), bench.ChartHeight(),
                runs);
    std::printf(" k   click  repaint  ratio | click work  compute 1  compute k\n");
    double worst = 0;
    for (int k = 1; k <= kTrials; ++k) {
        const Step &step = steps[size_t(k - 1)];
        const double ratio = Median(step.click) / Median(step.repaint);
        worst = std::max(worst, ratio);
        std::printf("%2d %7.1f %8.1f %6.2f | %10.2f %10.2f %10.2f\n", k, 1000 * Median(step.click),
                    1000 * Median(step.repaint), ratio, 1000 * Median(step.work), 1000 * Median(step.one),
                    1000 * Median(step.all));
    }
    bench.Stop();
    std::printf("goal: click at most 1.10 x the repaint of the same chart\n");
    std::printf("click ratio %.2f\n", worst);
    return 0;
}
