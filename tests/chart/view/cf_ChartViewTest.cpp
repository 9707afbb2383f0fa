// The chart view, the engine factory and the recorded drawing of a chart.

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/kinds/cf_eng_Line2D.h"
#include "chart/kinds/cf_eng_PointSer2D.h"
#include "chart/harness/RecordDrawing.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/cf_ChartView.h"
#include "chart/view/ChartScenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(cf_EngineFactory, KnownPairsGiveTheirEnginesAndEverythingElseThePointSeries)
{
    cf_ChartView view(4, 1, 2);
    EXPECT_NE(nullptr, dynamic_cast<cf_eng_Line2D *>(view.Engine()));
    EXPECT_TRUE(cf_EngineFactory(&view, 4, 3, 1));
    EXPECT_NE(nullptr, dynamic_cast<cf_eng_PointSer2D *>(view.Engine()));
    EXPECT_FALSE(view.IsCurrent());
    EXPECT_STREQ("cf_eng_Col2D", cf_EngineClassName(3, 1));
    EXPECT_STREQ(cf_EngineClassName(9, 1), cf_EngineClassName(9, 2));
    EXPECT_STREQ("cf_eng_PointSer2D", cf_EngineClassName(12, 7));
}

TEST(cf_ChartView, PlotSizeSplitsTheRestIntoEqualMargins)
{
    cf_ChartView view(4, 1, 2);
    view.SetPlotSize(80, 60);
    EXPECT_DOUBLE_EQ(10, view.LeftMargin());
    EXPECT_DOUBLE_EQ(10, view.RightMargin());
    EXPECT_DOUBLE_EQ(20, view.TopMargin());
    EXPECT_DOUBLE_EQ(20, view.BottomMargin());
}

TEST(cf_ChartView, SetRangeClearsTheZeroRatioFirstAndTitlesUseTheirPresets)
{
    cf_ChartView view(4, 1, 2);
    view.SetZeroRatio(0.5);
    view.AddGroupValue(1, 40);
    view.AddGroupValue(1, 100);
    EXPECT_TRUE(view.SetRange(20, 200));
    EXPECT_DOUBLE_EQ(0, view.ZeroRatio());
    EXPECT_DOUBLE_EQ(20, view.RangeMinimum());

    view.AddAxisTitle(L"t", 0);
    const cf_XYZ *at = view.Model()->AxisTitleItem(2)->Value(1);
    EXPECT_DOUBLE_EQ(-100, at->X());
    EXPECT_DOUBLE_EQ(-125, at->Y());
    EXPECT_DOUBLE_EQ(125, at->Z());
    EXPECT_EQ(view.GridTickSeries(2), view.GridTickSeries(8));
}

TEST(cf_ChartView, AxisValuesGoToTheSameGroupsAsAxisLabels)
{
    cf_ChartView view(4, 1, 2);
    cf_ChartModel *model = view.Model();
    model->Domain()->Clear();
    int domain = model->Domain()->Count(), range = model->Range()->Count(), groups = model->Groups()->Count();
    view.AddAxisValue(1.5, 5, 10);
    view.AddAxisValue(2.5, 2, 20);
    view.AddAxisValue(3.5, 3, 30); // no such kind
    EXPECT_EQ(domain + 1, model->Domain()->Count());
    EXPECT_EQ(range + 1, model->Range()->Count());
    EXPECT_EQ(groups, model->Groups()->Count());
    EXPECT_EQ(L"2.5", std::wstring(model->Range()->Value(model->Range()->Count())->Label()->Text()));
}

TEST(cf_ChartView, RecordedChartDrawsWallThenGridWithItsTitleThenTrace)
{
    cf_ChartView view(4, 1, 2);
    BuildPaneChart(view);
    const std::vector<RecordedCall> calls = RecordDrawing([&](bf_Display *d) {
        view.Prepare(d);
        view.Draw(d);
    });
    EXPECT_TRUE(view.IsCurrent());
    // The left margin grew from 39 to make room for the power title beside
    // the labels (at its place it would stand on them).
    const cf_2DRect plot = view.Engine()->Kernel()->PlotRect();
    EXPECT_EQ(cf_2DRect(50, 23, 352, 264), plot);

    auto first = [&calls](auto match) {
        return std::find_if(calls.begin(), calls.end(), match) - calls.begin();
    };
    auto wall = first([](const RecordedCall &c) { return c.op == "Polygon" && c.fill && c.background == 7; });
    auto grid = first([](const RecordedCall &c) { return c.op == "Text" && c.text == L"600"; });
    auto trace = first([](const RecordedCall &c) { return c.foreground == 9 && c.op != "Text"; });
    // The axis title is drawn once, by its series with the grid.
    auto title = first([](const RecordedCall &c) { return c.op == "Text" && c.text == L"Power"; });
    ASSERT_LT(title, std::ptrdiff_t(calls.size()));
    EXPECT_LT(wall, grid);
    EXPECT_LT(grid, trace);
    EXPECT_LT(title, trace);

    std::vector<std::wstring> texts;
    for (const RecordedCall &c : calls)
        if (c.op == "Text")
            texts.push_back(c.text);
    for (const wchar_t *expected : {L"0", L"600", L"1200", L"1800", L"2400", L"3000", L"-3", L"-2.5", L"Gun",
                                    L"1.5", L"2", L"Power"})
        EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), expected)) << expected;
    // Six power labels, eleven time labels and the axis title, each once.
    EXPECT_EQ(1, std::count(texts.begin(), texts.end(), L"Power"));
    EXPECT_EQ(6u + 11u + 1u, texts.size());
}

TEST(cf_ChartView, LabelsAndTitlesStayWholeAndApartHoweverSmallTheChart)
{
    // Six-digit power labels and both axis titles, as the pane makes them.
    for (int width : {399, 240}) {
        SCOPED_TRACE(width);
        const int height = width * 3 / 4;
        cf_ChartView view(4, 1, 2);
        BuildPaneChart(view);
        view.SetRange(0, 720000);
        view.SetAxisTicks(4, 144000, 1, 2, 0);
        view.AddAxisTitleAt(L"Time (seconds)", 2, 0, -117, 0);
        const std::vector<RecordedCall> calls = RecordDrawing([&](bf_Display *d) { view.Draw(d); },
                                                              [&](bf_Display *d) { view.Prepare(d); }, width - 1, height - 1);
        struct Box {
            std::wstring text;
            int left, top, right, bottom;
        };
        std::vector<Box> boxes;
        for (const RecordedCall &c : calls) {
            if (c.op != "Text")
                continue;
            const int w = int(c.text.size()) * RecordingDisplay::kCharWidth, h = RecordingDisplay::kCharHeight;
            const int x = c.args[0], y = c.args[1];
            // The power title is turned up: it runs upwards from its corner.
            boxes.push_back(c.text == L"Power" ? Box{c.text, x, y - w, x + h, y} : Box{c.text, x, y, x + w, y + h});
        }
        ASSERT_FALSE(boxes.empty());
        for (const Box &b : boxes) {
            EXPECT_GE(b.left, 0) << std::string(b.text.begin(), b.text.end());
            EXPECT_LE(b.right, width) << std::string(b.text.begin(), b.text.end());
            EXPECT_LE(b.bottom, height) << std::string(b.text.begin(), b.text.end());
        }
        for (const Box &title : boxes) {
            if (title.text != L"Power" && title.text != L"Time (seconds)")
                continue;
            for (const Box &label : boxes) {
                if (&label == &title)
                    continue;
                EXPECT_FALSE(label.left < title.right && title.left < label.right && label.top < title.bottom &&
                                 title.top < label.bottom)
                        << std::string(title.text.begin(), title.text.end()) << " on "
                        << std::string(label.text.begin(), label.text.end());
            }
        }
    }
}

TEST(cf_ChartView, EveryAxisSetterShowsItsSeries)
{
    cf_ChartView view(4, 1, 2);
    using Setter = void (*)(cf_ChartView &, int);
    const Setter setters[] = {
        [](cf_ChartView &v, int s) { v.SetAxisScaleSource(s, 2); },
        [](cf_ChartView &v, int s) { v.SetAxisTicks(s, 10, 1, 2, 0); },
        [](cf_ChartView &v, int s) { v.SetAxisTickMarks(s, 5, 1, 2, 0); },
        [](cf_ChartView &v, int s) { v.SetAxisTickStep(s, 1, 1); },
        [](cf_ChartView &v, int s) { v.SetAxisLabelStep(s, 2, 0); },
        [](cf_ChartView &v, int s) { v.SetAxisGrid(s, 4, 1, 1, 1, 1, 2, 0); },
    };
    for (const Setter &set : setters) {
        view.ShowAxisTicks(3, false);
        ASSERT_FALSE(view.GridTickSeries(3)->IsShown());
        set(view, 3);
        EXPECT_TRUE(view.GridTickSeries(3)->IsShown());
    }
}
