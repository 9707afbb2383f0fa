// Times redrawing a plain line chart (1-pixel lines) of 12 traces of 5001
// samples through the chart control (rebuild from the model, layout,
// projection, drawing) on a 400 x 300 memory device context, against bare
// GDI poly-lines of all the same device points on the same device context
// with a 1-pixel and a 2-pixel pen, in the same run. Goal: the chart at most
// as long as the bare 1-pixel poly-lines. The last line of the output is
// "chart ratio <r>" against those.
//
// Usage: chart_bench [frames]   (default 20)

#include "chart/harness/ChartBenchRun.h"
#include "chart/view/ZafChartControl.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kGroups = 12;
constexpr int kSamples = 5001;
constexpr int kRuns = 5;

// Twelve traces of a force curve, each shifted a little.
void FillChart(ZafChartControl &chart)
{
    chart.SetKernelFlag(1);
    chart.SetMargins(8, 12, 10, 12);
    for (int g = 1; g <= kGroups; ++g)
        for (int i = 0; i < kSamples; ++i)
            chart.AddGroupValue(g, 1500 + 1200 * std::sin(i * 0.004 + g * 0.3) * std::exp(-i / 4000.0));
    chart.SetRange(0, 3000);
    chart.SetAxisTicks(4, 600, 1, 2, 0);
    chart.SetAxisLabelStep(4, 1, 0);
}

} // namespace

int main(int argc, char **argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 20;
    ChartBenchTimes times;
    if (!TimeLineChart(FillChart, frames, kRuns, kGroups, times))
        return 1;
    std::printf("%d traces of %d samples on %d x %d pixels, medians of %d runs of %d frames\n", kGroups, kSamples,
                kChartBenchWidth, kChartBenchHeight, kRuns, frames);
    PrintChartBenchTimes("chart", times, 1);
    return 0;
}
