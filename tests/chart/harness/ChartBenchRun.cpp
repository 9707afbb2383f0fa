#include "ChartBenchRun.h"

#include "chart/engine/cf_ChartEngine.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/view/ZafChartControl.h"
#include "framework/windows/ZafScreenDisplay.h"

#include <algorithm>
#include <chrono>

namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A white 32-bit memory bitmap to draw on.
class Surface
{
public:
    Surface(int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *bits = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, width, height, WHITENESS);
    }
    ~Surface()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ previous;
};

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

ChartBenchTimes TimeChartAgainstPolylines(ZafChartControl &chart, int width, int height, int penWidth,
                                          int frames, int runs)
{
    frames = std::max(frames, 1);
    runs = std::max(runs, 1);
    ZafScreenDisplay display;
    Surface surface(width, height);
    auto redraw = [&]() {
        display.BeginDraw(surface.dc, nullptr);
        chart.Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
        display.EndDraw();
    };
    redraw();

    const std::vector<std::vector<POINT>> traces = DrawnTraces(chart);
    HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(0, 0, 255));
    auto polylines = [&]() {
        HGDIOBJ old = SelectObject(surface.dc, pen);
        for (const std::vector<POINT> &points : traces)
            Polyline(surface.dc, points.data(), int(points.size()));
        SelectObject(surface.dc, old);
        GdiFlush();
    };

    std::vector<double> chartTimes, plainTimes;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        for (int f = 0; f < frames; ++f)
            redraw();
        GdiFlush();
        chartTimes.push_back(Seconds(start) / frames);

        start = std::chrono::steady_clock::now();
        for (int f = 0; f < frames; ++f)
            polylines();
        plainTimes.push_back(Seconds(start) / frames);
    }
    DeleteObject(pen);

    ChartBenchTimes times;
    times.traces = int(traces.size());
    times.points = traces.empty() ? 0 : int(traces[0].size());
    times.chart = Median(chartTimes);
    times.plain = Median(plainTimes);
    return times;
}
