#include "chart/backend/bf_Display.h"
#include "chart/backend/bf_PolylineReduction.h"
#include "chart/harness/MemoryDC.h"
#include "chart/harness/StandInWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

// A poly-line drawn through the chart back end, which hands on only the
// points that change a pixel, against the same poly-line drawn with every
// point through the framework display, pixel for pixel on a 400 x 300
// memory device context.

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

struct Trace {
    const char *name;
    std::vector<cf_2DPoint> points;
};

// Device points of a trace of values on the overlay chart's plot area
// (400 x 300 less margins of 10 and 12 percent): 5000 samples in about 313
// columns, as the chart pane draws the time window.
std::vector<cf_2DPoint> Plotted(const std::vector<double> &values, double top)
{
    std::vector<cf_2DPoint> points;
    const double left = 40, width = 312, bottom = 264, height = 240;
    const double span = double(values.size() - 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        points.push_back(cf_2DPoint(int(left + width * double(i) / span), int(bottom - height * values[i] / top)));
    return points;
}

// Start traces as the chart pane sums and integrates them: two noisy force
// channels that push after the reaction, |X| + |Y| summed over 192 samples.
std::vector<Trace> TrialCurves()
{
    std::vector<Trace> runs;
    std::mt19937 noise(7);
    std::normal_distribution<double> jitter(0, 6);
    for (int trial = 0; trial < 4; ++trial) {
        const int onset = 3120 + 37 * trial;
        std::vector<double> sum(5001);
        for (int i = 0; i < 5001; ++i) {
            const double t = i - onset;
            const double push = t > 0 ? (700 + 90 * trial) * std::exp(-t / 350.0) * (1 - std::exp(-t / 45.0)) : 0;
            const double x = std::round(40 + push + jitter(noise));
            const double y = std::round(25 + 0.4 * push + jitter(noise));
            sum[std::size_t(i)] = std::fabs(x) + std::fabs(y);
        }
        std::vector<double> integral(5000, 0);
        double window = 0;
        for (int i = 0; i < 5000; ++i) {
            window += sum[std::size_t(i)] - (i >= 192 ? sum[std::size_t(i - 192)] : 0);
            integral[std::size_t(i)] = i >= 191 ? window + trial : 0;
        }
        runs.push_back({"summed trial", Plotted(integral, 200000)});
        std::vector<double> raw(sum.begin(), sum.begin() + 5000);
        runs.push_back({"raw trial", Plotted(raw, 2000)});
    }
    return runs;
}

// Data built to catch a reduction that loses or adds a pixel.
std::vector<Trace> AdversarialRuns()
{
    std::vector<Trace> runs;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> anyY(-20, kHeight + 20);
    std::uniform_int_distribution<int> nearY(130, 170);

    std::vector<double> spikes(5000, 800);
    for (std::size_t i = 37; i < spikes.size(); i += 211)
        spikes[i] = i % 2 ? 1990 : 5;   // one sample up or down, inside a column
    runs.push_back({"spikes", Plotted(spikes, 2000)});

    std::vector<double> steps;
    for (int i = 0; i < 5000; ++i)
        steps.push_back((i / 700) % 2 ? 1200 : 400 + (i / 1400) * 100);
    runs.push_back({"flat runs and steps", Plotted(steps, 2000)});

    Trace single{"one point per column", {}};
    for (int x = 0; x < kWidth; ++x)
        single.points.push_back(cf_2DPoint(x, anyY(random)));
    runs.push_back(single);

    Trace crowded{"thousands per column", {}};
    for (int i = 0; i < 3000; ++i)
        crowded.points.push_back(cf_2DPoint(150 + i / 1000, nearY(random)));
    crowded.points.push_back(cf_2DPoint(153, anyY(random)));
    crowded.points.push_back(cf_2DPoint(153, anyY(random)));
    runs.push_back(crowded);

    Trace lone{"a crowded column alone", {{250, 150}}};
    for (int i = 0; i < 400; ++i)
        lone.points.push_back(cf_2DPoint(260, nearY(random) - 40 + (i % 50)));
    lone.points.push_back(cf_2DPoint(270, 150));
    runs.push_back(lone);

    Trace back{"columns left and entered again", {}};
    for (int i = 0; i < 1500; ++i)
        back.points.push_back(cf_2DPoint(200 + int(60 * std::sin(i * 0.01)) + (i % 3) - 1, nearY(random)));
    runs.push_back(back);

    Trace repeated{"points repeated and reversing", {}};
    for (int i = 0; i < 2000; ++i) {
        const cf_2DPoint p(100 + i / 9, 150 + ((i % 9) < 5 ? i % 9 : 9 - i % 9) * 7);
        repeated.points.push_back(p);
        repeated.points.push_back(p);
    }
    runs.push_back(repeated);
    return runs;
}

class PolylineReduction : public ::testing::Test {
protected:
    // Draws the run with a pen of the colour, style and width, reduced by
    // the back end or (full) every point through the framework display.
    std::vector<uint32_t> Drawn(const std::vector<cf_2DPoint> &points, int style, int width, bool full)
    {
        memory.Begin();
        memory.Display()->SetBackground(15);
        memory.Display()->Rectangle(0, 0, kWidth - 1, kHeight - 1, 0, true);
        {
            bf_Display d(memory.Display(), &window);
            d.SelectPen(new bf_Pen(bf_Color(9), style, width));
            const int n = int(points.size());
            if (full) {
                memory.Display()->Polygon(n, &points[0].x, width, false, false);
                if (width == 1)
                    memory.Display()->Pixel(points[n - 1].x, points[n - 1].y);
            } else {
                d.Polyline(points.data(), n);
            }
            delete d.PopPen();
        }
        memory.End();
        std::vector<uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(memory.Pixel(x, y));
        return pixels;
    }

    void ExpectSamePixels(const std::vector<Trace> &runs)
    {
        struct Pen { int style, width; };
        for (const Pen pen : {Pen{0, 1}, Pen{0, 2}, Pen{1, 1}}) {
            for (const Trace &run : runs) {
                SCOPED_TRACE(::testing::Message() << run.name << ", width " << pen.width << ", style " << pen.style);
                const std::vector<uint32_t> reduced = Drawn(run.points, pen.style, pen.width, false);
                const std::vector<uint32_t> full = Drawn(run.points, pen.style, pen.width, true);
                int differing = 0, ink = 0;
                for (std::size_t i = 0; i < full.size(); ++i) {
                    differing += reduced[i] != full[i];
                    ink += full[i] != 0xFFFFFF;
                }
                EXPECT_GT(ink, 0);
                EXPECT_EQ(differing, 0);
            }
        }
    }

    MemoryDC memory{kWidth, kHeight};
    StandInWindow window{0, 0, kWidth - 1, kHeight - 1};
};

} // namespace

TEST_F(PolylineReduction, TrialCurvesDrawTheSamePixelsFromAtMostFourPointsAColumn)
{
    const std::vector<Trace> runs = TrialCurves();
    for (const Trace &run : runs) {
        std::vector<cf_2DPoint> kept;
        bf_PolylineReduction::Reduce(run.points.data(), int(run.points.size()), kept);
        EXPECT_LE(kept.size(), 4u * 313) << run.name;
    }
    ExpectSamePixels(runs);
}

TEST_F(PolylineReduction, AdversarialRunsDrawTheSamePixels)
{
    ExpectSamePixels(AdversarialRuns());
}
