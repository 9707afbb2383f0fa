// Times redrawing a line chart of 12 traces of 5001 samples through the
// chart control (rebuild from the model, layout, projection, drawing) on a
// 400 x 300 memory device context, against bare GDI poly-lines of the same
// device points on the same device context, in the same run. Target: the
// chart within 1.5 times the bare poly-lines. The last line of the output is
// "chart ratio <r>".
//
// Usage: chart_bench [frames]   (default 20)

#include "chart/engine/cf_ChartEngine.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/view/ZafChartControl.h"
#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafScreenDisplay.h"

#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kGroups = 12;
constexpr int kSamples = 5001;
constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kRuns = 3;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A white 32-bit memory bitmap to draw on.
class Surface {
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
    int frames = argc > 1 ? std::atoi(argv[1]) : 20;
    if (frames < 1)
        frames = 1;
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
            points.push_back({line->PointAt(n)->DeviceX(), line->PointAt(n)->DeviceY()});
        traces.push_back(points);
    }
    if (int(traces.size()) != kGroups) {
        std::printf("expected %d traces, the chart built %d\n", kGroups, int(traces.size()));
        return 1;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    auto polylines = [&]() {
        HGDIOBJ old = SelectObject(surface.dc, pen);
        for (const std::vector<POINT> &points : traces)
            Polyline(surface.dc, points.data(), int(points.size()));
        SelectObject(surface.dc, old);
        GdiFlush();
    };

    double chartTime = 1e9, plainTime = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        for (int f = 0; f < frames; ++f)
            redraw();
        GdiFlush();
        double s = Seconds(start) / frames;
        chartTime = s < chartTime ? s : chartTime;

        start = std::chrono::steady_clock::now();
        for (int f = 0; f < frames; ++f)
            polylines();
        s = Seconds(start) / frames;
        plainTime = s < plainTime ? s : plainTime;
    }
    DeleteObject(pen);

    std::printf("%d traces of %d samples on %d x %d pixels, best of %d runs of %d frames\n", kGroups, kSamples,
                kWidth, kHeight, kRuns, frames);
    std::printf("bare poly-lines %8.2f ms per frame\n", plainTime * 1000);
    std::printf("chart redraw    %8.2f ms per frame (target 1.50 x)\n", chartTime * 1000);
    std::printf("chart ratio %.2f\n", chartTime / plainTime);
    return 0;
}
