// The polar base and the flat, cylinder and exploded pies on the recording display.

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/kinds/cf_eng_Pie3D.h"
#include "chart/kinds/cf_eng_Polar.h"
#include "chart/kinds/cf_eng_XPie2D3D.h"
#include "chart/harness/RecordDrawing.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/harness/CheckLog.h"
#include "chart/view/cf_ChartView.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

// The recorded calls of drawing the view's chart, once prepared.
std::vector<RecordedCall> Drawn(cf_ChartView &view)
{
    return RecordDrawing([&](bf_Display *d) { view.Draw(d); }, [&](bf_Display *d) { view.Prepare(d); });
}

// The recorded calls of drawing an engine that never built from a model.
std::vector<RecordedCall> DrawnWithoutModel(cf_ChartEngine &engine)
{
    return RecordDrawing([&](bf_Display *d) { engine.Draw(d); });
}

std::vector<RecordedCall> Filled(const std::vector<RecordedCall> &calls, const char *op)
{
    std::vector<RecordedCall> filled;
    for (const RecordedCall &c : calls)
        if (c.op == op && c.fill)
            filled.push_back(c);
    return filled;
}

} // namespace

TEST(cf_eng_Pie2D, EachGroupsWedgeIsItsShareOfTheSumOfMagnitudes)
{
    cf_ChartView view(5, 1, 1);
    view.AddGroupValue(1, 1);
    view.AddGroupValue(2, -1);     // counts by its magnitude
    view.AddGroupValue(3, 1.5);
    view.AddGroupValue(3, -0.5);
    std::vector<RecordedCall> ellipses = Filled(Drawn(view), "Ellipse");
    // The floor, then the wedges: group 1's from the last point to its own.
    ASSERT_EQ(4u, ellipses.size());
    const float ends[3][2] = {{0, 90}, {90, 180}, {180, 360}};
    const int colours[3] = {12, 10, 9};
    for (int g = 0; g < 3; ++g) {
        const RecordedCall &wedge = ellipses[std::size_t(g) + 1];
        EXPECT_NEAR(ends[g][0], wedge.startAngle, 1.5) << g;
        EXPECT_NEAR(ends[g][1], wedge.endAngle, 1.5) << g;
        EXPECT_EQ(colours[g], wedge.background);
        EXPECT_EQ(0, wedge.foreground);
    }
}

TEST(cf_eng_Pie2D, WithoutGroupsOrWithOneTheWholeFloorIsOneEllipse)
{
    cf_eng_Pie2D empty;
    for (const RecordedCall &c : Filled(DrawnWithoutModel(empty), "Ellipse")) {
        EXPECT_EQ(0, c.foreground);
        EXPECT_EQ(15, c.background);
        EXPECT_FLOAT_EQ(360, c.endAngle - c.startAngle);
    }
    EXPECT_EQ(2u, Filled(DrawnWithoutModel(empty), "Ellipse").size()); // floor and pie

    // The cylinder adds a white side band with black edges and a white top.
    cf_eng_Pie3D cylinder;
    std::vector<RecordedCall> calls = DrawnWithoutModel(cylinder);
    std::vector<RecordedCall> bands = Filled(calls, "Polygon");
    ASSERT_EQ(1u, bands.size());
    EXPECT_EQ(15, bands[0].foreground);
    EXPECT_EQ(15, bands[0].background);
    std::vector<RecordedCall> plain = Filled(calls, "Ellipse");
    ASSERT_EQ(3u, plain.size()); // floor, pie, top
    EXPECT_EQ(0, plain[2].foreground);
    EXPECT_EQ(15, plain[2].background);
    for (const RecordedCall &c : calls) {
        if (c.op == "Polygon" && !c.fill)
            EXPECT_EQ(0, c.foreground);
    }

    cf_ChartView view(5, 1, 1);
    view.AddGroupValue(1, 4);
    std::vector<RecordedCall> ellipses = Filled(Drawn(view), "Ellipse");
    ASSERT_EQ(2u, ellipses.size());
    EXPECT_EQ(12, ellipses[1].background);
    EXPECT_FLOAT_EQ(360, ellipses[1].endAngle - ellipses[1].startAngle);
}

TEST(cf_eng_Pie2D, AZeroTotalPutsEveryWedgeAtAngleZeroWithoutAFailedCheck)
{
    CheckLog checks;
    cf_ChartView view(5, 1, 1);
    view.AddGroupValue(1, 0);
    view.AddGroupValue(2, 0);
    Drawn(view);
    auto *pie = static_cast<cf_eng_Pie2D *>(view.Engine());
    ASSERT_EQ(2, pie->RingCount());
    for (int n = 1; n <= 2; ++n) {
        EXPECT_GT(pie->RingPoint(n)->DataX(), 0);
        EXPECT_DOUBLE_EQ(0, pie->RingPoint(n)->DataZ());
    }
    EXPECT_TRUE(checks.Reported().empty()) << checks.Reported().front();
}

TEST(cf_eng_Pie2D, WedgeOutlinesDrawArcsAndRadiiInColourZero)
{
    cf_ChartView view(5, 1, 1);
    view.AddGroupValue(1, 1);
    view.AddGroupValue(2, 1);
    static_cast<cf_eng_Pie2D *>(view.Engine())->SetWedgeOutline(1, 1);
    std::vector<RecordedCall> calls = Drawn(view);
    int arcs = 0;
    for (const RecordedCall &c : calls)
        if (c.op == "Ellipse" && !c.fill) {
            ++arcs;
            EXPECT_EQ(0, c.foreground);
        }
    EXPECT_EQ(2, arcs);
}

TEST(cf_eng_Pie3D, ThicknessIsAShareOfTheBoxHeightAndLiftsTheTopRing)
{
    cf_ChartView view(5, 2, 1);
    view.AddGroupValue(1, 1);
    view.AddGroupValue(2, 3);
    Drawn(view);
    auto *pie = dynamic_cast<cf_eng_Pie3D *>(view.Engine());
    ASSERT_NE(nullptr, pie);
    double full = pie->Thickness();
    EXPECT_GT(full, 0);
    EXPECT_DOUBLE_EQ(full, pie->TopPoint(1)->WorkY() - pie->RingPoint(1)->WorkY());
    pie->SetThickness(50);
    EXPECT_DOUBLE_EQ(full / 2, pie->Thickness());
    for (int n = 1; n <= 2; ++n)
        EXPECT_DOUBLE_EQ(full / 2, pie->TopPoint(n)->WorkY() - pie->RingPoint(n)->WorkY());
    EXPECT_DOUBLE_EQ(full / 2, pie->TopRim().Point(cf_PieTopRim::kRight).WorkY() -
                                   pie->ReferencePoint(cf_eng_Polar::kRight).WorkY());
}

TEST(cf_eng_Pie3D, TheCylinderDrawsTopSectorsInTheGroupsColours)
{
    cf_ChartView view(5, 2, 1);
    for (int g = 1; g <= 3; ++g)
        view.AddGroupValue(g, g);
    std::vector<RecordedCall> ellipses = Filled(Drawn(view), "Ellipse");
    // Floor, three bottom sectors, three top sectors.
    ASSERT_EQ(7u, ellipses.size());
    const int colours[3] = {12, 10, 9};
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(colours[g], ellipses[std::size_t(g) + 4].background);
}

TEST(cf_eng_XPie2D3D, SolidsStartAtThreeGroupsAndOnlySolidsAndTitlesAreDrawn)
{
    for (int groups : {2, 3}) {
        cf_ChartView view(9, 1, 1);
        view.AddTitle(L"Share", 1);
        for (int g = 1; g <= groups; ++g)
            view.AddGroupValue(g, g);
        std::vector<RecordedCall> calls = Drawn(view);
        int texts = 0, others = 0;
        for (const RecordedCall &c : calls)
            (c.op == "Text" ? texts : others) += 1;
        EXPECT_GE(texts, 1) << groups;
        if (groups == 2) {
            EXPECT_EQ(0, others);
            continue;
        }
        // Each wedge draws its bottom and top sector in its colour.
        std::vector<RecordedCall> sectors = Filled(calls, "Ellipse");
        EXPECT_EQ(6u, sectors.size());
        for (int colour : {12, 10, 9}) {
            int n = 0;
            for (const RecordedCall &c : sectors)
                n += c.background == colour;
            EXPECT_EQ(2, n) << colour;
        }
    }
}

TEST(cf_eng_XPie2D3D, APolarAxisTitleWhoseGridSeriesIsShownIsDrawnOnce)
{
    // The exploded pie draws no grid, so its title manager draws the title.
    cf_ChartView view(9, 1, 1);
    for (int g = 1; g <= 3; ++g)
        view.AddGroupValue(g, g);
    view.AddAxisTitle(L"Share", 7);
    view.ShowAxisTicks(7, true);
    ASSERT_TRUE(view.GridTickSeries(7)->IsShown());
    int titles = 0;
    for (const RecordedCall &c : Drawn(view))
        titles += c.op == "Text" && c.text == L"Share";
    EXPECT_EQ(1, titles);
}

TEST(cf_eng_Polar, FloorIsAlwaysSquare)
{
    cf_eng_Polar engine(5, 1);
    engine.Kernel()->SetCubeSize(200, 10, 150);
    engine.Relayout();
    EXPECT_DOUBLE_EQ(200, engine.Kernel()->XExtent());
    EXPECT_DOUBLE_EQ(10, engine.Kernel()->YExtent());
    EXPECT_DOUBLE_EQ(200, engine.Kernel()->ZExtent());
    EXPECT_DOUBLE_EQ(100, engine.ReferencePoint(cf_eng_Polar::kFar).WorkZ());
}

TEST(cf_eng_Polar, FlatViewLooksStraightDownAndGivesTheViewBack)
{
    cf_eng_Polar engine(5, 2);
    double elevation = engine.Kernel()->Elevation();
    ASSERT_TRUE(engine.SetViewMode(1));
    EXPECT_DOUBLE_EQ(90, engine.Kernel()->Elevation());
    EXPECT_DOUBLE_EQ(0, engine.Kernel()->Perspective());
    ASSERT_TRUE(engine.SetViewMode(2));
    EXPECT_DOUBLE_EQ(elevation, engine.Kernel()->Elevation());
    EXPECT_FALSE(engine.SetViewMode(3));
}
