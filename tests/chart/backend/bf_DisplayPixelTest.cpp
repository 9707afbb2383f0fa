#include "chart/backend/bf_Display.h"
#include "chart/harness/FlatView.h"
#include "chart/harness/MemoryDC.h"
#include "chart/harness/StandInWindow.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/scene/cf_3DPolygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// Pixels drawn by the chart back end through the real screen display on a
// 200 x 100 memory device context. Only interiors are checked, never edges.

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;

// A flat kernel whose model box -50..50 fills the 200 x 100 device area.
cf_Kernel FillingKernel(bf_Display &display)
{
    cf_Kernel k(100, 100, 100);
    SetFlatView(k);
    k.SetIndependentScale(1);
    k.UpdateGeometry();
    k.Prepare(&display);
    return k;
}

class ChartPixels : public ::testing::Test {
protected:
    // Runs draw in one drawing sequence with a display for the whole area.
    template <class Draw> void Drawn(Draw draw)
    {
        memory.Begin();
        {
            bf_Display d(memory.Display(), &window);
            draw(d);
        }
        memory.End();
    }
    // Transforms, projects and draws a scene object against FillingKernel.
    template <class Object> void DrawnInModel(Object &object)
    {
        Drawn([&](bf_Display &d) {
            cf_Kernel k = FillingKernel(d);
            object.Transform(k);
            object.Project(k);
            object.DrawFormA(&d);
        });
    }

    // Every pixel, row by row.
    std::vector<uint32_t> AllPixels() const
    {
        std::vector<uint32_t> all;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                all.push_back(memory.Pixel(x, y));
        return all;
    }
    // Whitens the whole area with the framework display directly.
    void Whiten()
    {
        memory.Display()->SetBackground(15);
        memory.Display()->Rectangle(0, 0, 199, 99, 0, true);
    }

    MemoryDC memory{200, 100};
    StandInWindow window{0, 0, 200, 100};
};

struct TestRun {
    const char *name;
    std::vector<cf_2DPoint> points;
};

// Runs whose lines meet at right angles, slant, turn back on themselves,
// are a pixel or none long, and a wavy trace of many short lines.
std::vector<TestRun> TestRuns()
{
    std::vector<TestRun> runs = {
        {"corners", {{10, 10}, {60, 10}, {60, 50}, {20, 50}, {20, 20}}},
        {"slanted", {{10, 90}, {50, 20}, {90, 70}, {140, 15}, {190, 60}}},
        {"reversing", {{20, 50}, {120, 50}, {40, 50}, {100, 53}, {30, 80}, {100, 53}}},
        {"very short", {{100, 40}, {101, 40}, {101, 41}, {103, 42}, {103, 42}, {104, 40}, {104, 40}}},
        {"wavy trace", {}},
    };
    for (int i = 0; i < 170; ++i)
        runs.back().points.push_back(cf_2DPoint(15 + i, 50 + int(35 * std::sin(i * 0.4) * std::cos(i * 0.05))));
    // A long zigzag whose every point comes twice, so that lines of no
    // length fall on both sides of every few points.
    runs.push_back({"zigzag with pauses", {}});
    for (int i = 0; i < 45; ++i)
        for (int twice = 0; twice < 2; ++twice)
            runs.back().points.push_back(cf_2DPoint(12 + 4 * i, i % 2 ? 25 : 75));
    return runs;
}

} // namespace

TEST_F(ChartPixels, PolyLineDrawsInTheFillColourOfItsAttributes)
{
    cf_DispAttribs attribs; // line colour stays 0: the line must still be blue
    attribs.SetFillColor(bf_Color(9));
    cf_3DPolyLine line(&attribs);
    line.AddPoint(cf_3DPoint(-45, 0, 0));
    line.AddPoint(cf_3DPoint(45, 0, 0));
    DrawnInModel(line);
    ASSERT_EQ(line.PointAt(1)->DeviceY(), 50);
    EXPECT_EQ(memory.Pixel(100, 50), kBlue);
    EXPECT_EQ(memory.Pixel(100, 40), kWhite);
    EXPECT_EQ(memory.Pixel(100, 60), kWhite);
}

TEST_F(ChartPixels, PolygonFilledWithColourTwelveHasARedInterior)
{
    cf_DispAttribs attribs;
    attribs.SetFillColor(bf_Color(12));
    cf_3DPolygon triangle(&attribs);
    triangle.AddPoint(cf_3DPoint(-40, -40, 0));
    triangle.AddPoint(cf_3DPoint(40, -40, 0));
    triangle.AddPoint(cf_3DPoint(0, 40, 0));
    DrawnInModel(triangle);
    EXPECT_EQ(memory.Pixel(100, 70), kRed);
    EXPECT_EQ(memory.Pixel(5, 5), kWhite);
}

TEST_F(ChartPixels, FillRectangleFillsWithTheBrush)
{
    Drawn([](bf_Display &d) {
        d.SelectBrushColor(bf_Color(12));
        d.FillRectangle(cf_2DRect(20, 20, 60, 60));
        delete d.PopBrush();
    });
    EXPECT_EQ(memory.Pixel(40, 40), kRed);
    EXPECT_EQ(memory.Pixel(80, 40), kWhite);
}

TEST_F(ChartPixels, TextLeavesInkInsideItsExtent)
{
    cf_2DRect extent;
    Drawn([&](bf_Display &d) {
        d.Text(cf_2DPoint(20, 20), L"Wg8");
        extent = d.TextExtent(L"Wg8", 3);
    });
    ASSERT_GT(extent.Width(), 0);
    ASSERT_GT(extent.Height(), 0);
    int ink = 0;
    for (int y = 20; y < 20 + extent.Height(); ++y)
        for (int x = 20; x < 20 + extent.Width(); ++x)
            ink += memory.Pixel(x, y) != kWhite;
    EXPECT_GT(ink, 0);
    EXPECT_EQ(memory.Pixel(20 + extent.Width() + 5, 20), kWhite);
}

TEST_F(ChartPixels, DisplayOutlivingTheDrawingSequenceIsHarmless)
{
    // The hosting control ends drawing before its bf_Display goes away.
    // A polyline in pen colour 9 is pure blue.
    memory.Begin();
    auto *d = new bf_Display(memory.Display(), &window);
    d->SelectPenColor(bf_Color(9));
    cf_2DPoint row[] = {{10, 30}, {190, 30}};
    d->Polyline(row, 2);
    memory.End();
    delete d;
    EXPECT_EQ(memory.Pixel(100, 30), kBlue);
    EXPECT_EQ(memory.Pixel(100, 20), kWhite);
    EXPECT_EQ(memory.Display()->Font(), 1);
}

TEST_F(ChartPixels, ThinRunSetsThePixelsOfItsLinesWithTheLastPointIncluded)
{
    const cf_2DPoint run[] = {{10, 10}, {60, 10}, {60, 50}, {100, 80}, {150, 80}};
    const int n = 5;
    Drawn([&](bf_Display &d) {
        d.SelectPenColor(bf_Color(9));
        d.Polyline(run, n);
        delete d.PopPen();
    });
    std::vector<uint32_t> asRun = AllPixels();
    for (const cf_2DPoint &p : run)
        EXPECT_EQ(kBlue, memory.Pixel(p.x, p.y)) << p.x << "," << p.y;

    Drawn([&](bf_Display &d) {
        Whiten();
        memory.Display()->SetForeground(9);
        for (int i = 0; i + 1 < n; ++i)
            memory.Display()->Line(run[i].x, run[i].y, run[i + 1].x, run[i + 1].y, 1);
        (void)d;
    });
    std::vector<uint32_t> asLines = AllPixels();
    // The straight segments, ends included, and the last horizontal one.
    for (int x = 10; x <= 60; ++x)
        EXPECT_EQ(asLines[10 * 200 + x], asRun[10 * 200 + x]) << x;
    for (int y = 10; y <= 50; ++y)
        EXPECT_EQ(asLines[y * 200 + 60], asRun[y * 200 + 60]) << y;
    for (int x = 100; x <= 152; ++x)
        EXPECT_EQ(asLines[80 * 200 + x], asRun[80 * 200 + x]) << x;
}

TEST_F(ChartPixels, WideRunSetsExactlyThePixelsOfItsLines)
{
    struct Pen {
        int width;
        int style;
    };
    const Pen pens[] = {{2, 0}, {3, 0}, {2, 1}};
    for (const Pen &pen : pens) {
        for (const TestRun &run : TestRuns()) {
            SCOPED_TRACE(::testing::Message() << run.name << ", width " << pen.width << ", style " << pen.style);
            const int n = int(run.points.size());
            const cf_2DPoint *p = run.points.data();
            Drawn([&](bf_Display &d) {
                Whiten();
                d.SelectPen(new bf_Pen(bf_Color(9), pen.style, pen.width));
                d.Polyline(p, n);
                delete d.PopPen();
            });
            std::vector<uint32_t> asRun = AllPixels();
            Drawn([&](bf_Display &d) {
                Whiten();
                d.SelectPen(new bf_Pen(bf_Color(9), pen.style, pen.width));
                for (int i = 0; i + 1 < n; ++i)
                    memory.Display()->Line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, pen.width);
                delete d.PopPen();
            });
            std::vector<uint32_t> asLines = AllPixels();
            int differing = 0;
            for (std::size_t i = 0; i < asRun.size(); ++i)
                differing += asRun[i] != asLines[i];
            EXPECT_EQ(differing, 0);
            EXPECT_EQ(memory.Pixel(p[n - 1].x, p[n - 1].y), kBlue);
        }
    }
}

TEST_F(ChartPixels, WideExclusiveOrRunLeavesOverlapsOfItsLinesCancelled)
{
    // Where two lines of the run overlap, exclusive or restores the white.
    const TestRun run = TestRuns()[2];
    const int n = int(run.points.size());
    const cf_2DPoint *p = run.points.data();
    Drawn([&](bf_Display &d) {
        Whiten();
        d.SelectPen(new bf_Pen(bf_Color(9), 0, 2));
        d.SetDrawMode();
        d.Polyline(p, n);
        d.ResetDrawMode();
        delete d.PopPen();
    });
    std::vector<uint32_t> asRun = AllPixels();
    EXPECT_EQ(memory.Pixel(110, 50), kWhite); // drawn there and back
    Drawn([&](bf_Display &d) {
        Whiten();
        d.SelectPen(new bf_Pen(bf_Color(9), 0, 2));
        d.SetDrawMode();
        for (int i = 0; i + 1 < n; ++i)
            memory.Display()->Line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, 2);
        d.ResetDrawMode();
        delete d.PopPen();
    });
    EXPECT_EQ(AllPixels(), asRun);
}
