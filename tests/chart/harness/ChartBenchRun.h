#pragma once
// The timing half shared by the chart benchmarks: a chart control redrawn
// on a white memory bitmap against bare GDI poly-lines of the device points
// the chart drew, in the same run, each side timed over several runs.

#include <windows.h>

#include <vector>

class ZafChartControl;

struct ChartBenchTimes
{
    int traces = 0;        // poly-lines the chart drew (list 3 of its engine)
    int points = 0;        // points of the first of them
    double chart = 0;      // median seconds per chart redraw
    double plain = 0;      // median seconds per frame of bare poly-lines
};

// Redraws `chart` (made in pixel coordinates, width x height) frames times
// per run, then the bare poly-lines with a pen of penWidth, runs times.
ChartBenchTimes TimeChartAgainstPolylines(ZafChartControl &chart, int width, int height, int penWidth,
                                          int frames, int runs);
