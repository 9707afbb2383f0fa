#include "ChartBenchRun.h"

#include "chart/engine/cf_ChartEngine.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/view/ZafChartControl.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "support/BenchTools.h"
#include "support/DibSurface.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The device points of every poly-line the chart drew.
std::vector<std::vector<POINT>> DrawnTraces(ZafChartControl &chart)
{
    std::vector<std::vector<POINT>> traces;
    for (cf_Virt3DObj *object : chart.Engine()->List(3)) {
        auto *line = static_cast<cf_3DPointSeries *>(object);
        std::vector<POINT> points;
        for (int n = 1; n <= line->Count(); ++n)
            points.push_back({ line->PointAt(n)->DeviceX(), line->PointAt(n)->DeviceY() });
        traces.push_back(points);
    }
    return traces;
}

} // namespace

ChartBenchTimes TimeChartAgainstPolylines(ZafChartControl &chart, int width, int height, int frames, int runs)
{
    frames = std::max(frames, 1);
    runs = std::max(runs, 1);
    ZafScreenDisplay display;
    DibSurface surface(width, height);
    auto redraw = [&]() {
        display.BeginDraw(surface.Context(), nullptr);
        chart.Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
        display.EndDraw();
    };
    redraw();

    const std::vector<std::vector<POINT>> traces = DrawnTraces(chart);
    auto polylines = [&](HPEN pen) {
        HGDIOBJ old = SelectObject(surface.Context(), pen);
        for (const std::vector<POINT> &points : traces)
            Polyline(surface.Context(), points.data(), int(points.size()));
        SelectObject(surface.Context(), old);
        GdiFlush();
    };
    HPEN thinPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HPEN widePen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    auto timed = [&](auto draw) {
        auto start = std::chrono::steady_clock::now();
        for (int f = 0; f < frames; ++f)
            draw();
        GdiFlush();
        return Seconds(start) / frames;
    };

    std::vector<double> chartTimes, thinTimes, wideTimes;
    for (int run = 0; run < runs; ++run) {
        chartTimes.push_back(timed(redraw));
        thinTimes.push_back(timed([&]() { polylines(thinPen); }));
        wideTimes.push_back(timed([&]() { polylines(widePen); }));
    }
    DeleteObject(thinPen);
    DeleteObject(widePen);

    ChartBenchTimes times;
    times.traces = int(traces.size());
    times.points = traces.empty() ? 0 : int(traces[0].size());
    times.chart = Median(chartTimes);
    times.thin = Median(thinTimes);
    times.wide = Median(wideTimes);
    return times;
}

void PrintChartBenchTimes(const char *name, const ChartBenchTimes &times, int goalWidth)
{
    std::printf("bare 1-px poly-lines %8.2f ms per frame\n", times.thin * 1000);
    std::printf("bare 2-px poly-lines %8.2f ms per frame\n", times.wide * 1000);
    std::printf("%-20s %8.2f ms per frame\n", name, times.chart * 1000);
    std::printf("against 1-px %.2f, against 2-px %.2f (goal: at most 1.00 against %d-px)\n",
                times.chart / times.thin, times.chart / times.wide, goalWidth);
    std::printf("%s ratio %.2f\n", name, times.chart / (goalWidth == 2 ? times.wide : times.thin));
}

bool TimeLineChart(const std::function<void(ZafChartControl &)> &fill, int frames, int runs, int traces,
                   ChartBenchTimes &times)
{
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay display;
    ZafChartControl chart(0, 0, kChartBenchWidth, kChartBenchHeight, 4, 1, 2);
    chart.SetCoordinateType(ZAF_PIXEL);
    fill(chart);
    times = TimeChartAgainstPolylines(chart, kChartBenchWidth, kChartBenchHeight, frames, runs);
    if (times.traces == traces)
        return true;
    std::printf("expected %d traces, the chart built %d\n", traces, times.traces);
    return false;
}
