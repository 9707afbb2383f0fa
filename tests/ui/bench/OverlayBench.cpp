// Times redrawing the chart pane's overlay chart: twelve overlaid trials of
// the full time window (5000 values each) with the pane's styles, axes,
// marker lines, power lines, legend and frame, on a 400 x 300 memory device
// context, against twelve bare GDI poly-lines of all the same device points
// on the same device context with a 1-pixel and a 2-pixel pen, in the same
// run. Each side is timed over several runs and the medians are compared.
// Overlay traces are 2 pixels wide; goal: the chart at most as long as the
// bare 2-pixel poly-lines. The last line of the output is "overlay ratio <r>"
// against those.
//
// Usage: overlay_bench [frames] [runs]   (defaults 20 and 7)

#include "chart/harness/ChartBenchRun.h"
#include "chart/view/ZafChartControl.h"
#include "foundation/strings/KString.h"
#include "ui/chart/QVZChartPlotter.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/common/QVZCommands.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kTrials = 12;

// Twelve start traces, each a push that begins a little later, plotted the
// way the pane plots an overlay.
void FillChart(ZafChartControl &chart)
{
    QVZChartSettings settings;
    QVZChartPlotter plotter(chart, settings);
    auto traces = std::make_unique<QVZChartTraces>();
    const int mode = kCmdChartSummedXY;
    int scale = 0;
    std::vector<int> reactions, powers;
    for (int k = 1; k <= kTrials; ++k) {
        const int onset = 3120 + 10 * k;
        for (int i = 0; i < QVZChartTraces::kSamples; ++i) {
            const double t = i - onset;
            traces->RawX()[i] = 40 + (t > 0 ? 900 * std::exp(-t / 300.0) * (1 - std::exp(-t / 40.0)) : 0);
            traces->RawY()[i] = 25 + 10 * std::sin(i * 0.05 + k);
        }
        traces->ComputeFromRaw(settings, mode);
        scale = traces->RaisedScale(scale, settings, mode);
        plotter.SetSeriesStyle(k, true, nullptr, false);
        plotter.AddSeriesData(*traces, mode, k, true, scale);
        chart.AddLegendEntry(L"Trial", 115, 100 - 6 * (k - 1), 0);
        reactions.push_back(onset - QVZChartTraces::kGunSample);
        powers.push_back(1000 + 50 * k);
    }
    plotter.SetupScales(scale, KString(L"Gun"));
    QVZChartPlotter::Markers markers;
    markers.reactionMs = reactions;
    plotter.AddMarkerLines(markers);
    plotter.AddPowerLines(powers);
    plotter.SetupFrame(nullptr, -1);
    chart.AddAxisTitleAt(L"Time (seconds)", 2, 0, -117, 0);
    chart.AddAxisTitleAt(L"Power", 4, -117, 0, 0);
}

} // namespace

int main(int argc, char **argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 20;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    ChartBenchTimes times;
    if (!TimeLineChart(FillChart, frames, runs, kTrials, times))
        return 1;
    std::printf("%d overlaid trials of %d points on %d x %d pixels, medians of %d runs of %d frames\n", kTrials,
                times.points, kChartBenchWidth, kChartBenchHeight, std::max(runs, 1), std::max(frames, 1));
    PrintChartBenchTimes("overlay", times, 2);
    return 0;
}
