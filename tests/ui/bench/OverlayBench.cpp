// Times redrawing the chart pane's overlay chart: twelve overlaid trials of
// the full time window (5000 values each) with the pane's styles, axes,
// marker lines, power lines, legend and frame, on a 400 x 300 memory device
// context, against twelve bare GDI poly-lines of the same device points on
// the same device context, in the same run. Each side is timed over several
// runs and the medians are compared. Target: the chart within 1.5 times the
// bare poly-lines. The last line of the output is "overlay ratio <r>".
//
// Usage: overlay_bench [frames] [runs]   (defaults 20 and 7)

#include "chart/engine/cf_ChartEngine.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/view/ZafChartControl.h"
#include "foundation/strings/KString.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafScreenDisplay.h"
#include "ui/chart/QVZChartPlotter.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/main/QVZCommands.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kTrials = 12;
constexpr int kWidth = 400;
constexpr int kHeight = 300;

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
    Surface()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *bits = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
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
    int frames = argc > 1 ? std::atoi(argv[1]) : 20;
    int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    frames = std::max(frames, 1);
    runs = std::max(runs, 1);
    ZafMSWindowsApp app(GetModuleHandleW(nullptr));
    ZafScreenDisplay display;
    Surface surface;
    ZafChartControl chart(0, 0, kWidth, kHeight, 4, 1, 2);
    chart.SetCoordinateType(ZAF_PIXEL);
    FillChart(chart);

    auto redraw = [&]() {
        display.BeginDraw(surface.dc, nullptr);
        chart.Redisplay(ZafEventStruct(ZAF_EV_REDRAW, 0), ZAF_EV_REDRAW);
        display.EndDraw();
    };
    redraw();

    // The device points the chart drew, for the bare poly-lines.
    std::vector<std::vector<POINT>> traces;
    for (cf_Virt3DObj *object : chart.Engine()->List(3)) {
        auto *line = static_cast<cf_3DPointSeries *>(object);
        std::vector<POINT> points;
        for (int n = 1; n <= line->Count(); ++n)
            points.push_back({ line->PointAt(n)->DeviceX(), line->PointAt(n)->DeviceY() });
        traces.push_back(points);
    }
    if (int(traces.size()) != kTrials) {
        std::printf("expected %d traces, the chart built %d\n", kTrials, int(traces.size()));
        return 1;
    }
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
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

    const double chartTime = Median(chartTimes);
    const double plainTime = Median(plainTimes);
    std::printf("%d overlaid trials of %d points on %d x %d pixels, medians of %d runs of %d frames\n", kTrials,
                int(traces[0].size()), kWidth, kHeight, runs, frames);
    std::printf("bare poly-lines %8.2f ms per frame\n", plainTime * 1000);
    std::printf("overlay redraw  %8.2f ms per frame (target 1.50 x)\n", chartTime * 1000);
    std::printf("overlay ratio %.2f\n", chartTime / plainTime);
    return 0;
}
