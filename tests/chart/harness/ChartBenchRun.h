#pragma once
// The timing half shared by the chart benchmarks: a chart control redrawn
// on a white memory bitmap against bare GDI poly-lines of all the device
// points the chart's traces hold, with a 1-pixel and with a 2-pixel pen, in
// the same run, each side timed over several runs.

#include <windows.h>

#include <functional>

class ZafChartControl;

// The chart benchmarks draw on the chart pane's usual size, in pixels.
constexpr int kChartBenchWidth = 400;
constexpr int kChartBenchHeight = 300;

struct ChartBenchTimes
{
    int traces = 0;        // poly-lines the chart drew (list 3 of its engine)
    int points = 0;        // points of the first of them
    double chart = 0;      // median seconds per chart redraw
    double thin = 0;       // median seconds per frame of bare 1-pixel poly-lines
    double wide = 0;       // the same with a 2-pixel pen
};

// Redraws `chart` (made in pixel coordinates, width x height) frames times
// per run, then the bare poly-lines with each pen, runs times, the three
// sides taking turns.
ChartBenchTimes TimeChartAgainstPolylines(ZafChartControl &chart, int width, int height, int frames, int runs);

// Prints the medians and both ratios; the last line is "<name> ratio <r>"
// against the pen of goalWidth (1 or 2), whose goal is at most 1.00.
void PrintChartBenchTimes(const char *name, const ChartBenchTimes &times, int goalWidth);

// Starts the application and the screen display, makes a line chart of
// kChartBenchWidth x kChartBenchHeight pixels, lets fill give it its content
// and times it as above. False, after printing why, when the chart drew
// other than traces poly-lines.
bool TimeLineChart(const std::function<void(ZafChartControl &)> &fill, int frames, int runs, int traces,
                   ChartBenchTimes &times);
