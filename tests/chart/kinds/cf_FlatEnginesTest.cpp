// The flat line, area, bar, column and stack charts, read from the lines and
// polygons they build out of a model.

#include "chart/kinds/cf_eng_Area2D.h"
#include "chart/kinds/cf_eng_Bar2D.h"
#include "chart/kinds/cf_eng_Col2D.h"
#include "chart/kinds/cf_eng_Line2D.h"
#include "chart/kinds/cf_eng_Stack2D.h"
#include "chart/harness/GroupsModel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DPointSeries.h"
#include "chart/scene/cf_3DPolygon.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

const cf_3DPolygon &Polygon(const cf_ChartEngine &engine, int n)
{
    return *static_cast<const cf_3DPolygon *>(engine.List(3).at(std::size_t(n - 1)));
}

// The data x and y of the polygon's points, in order.
std::vector<std::pair<double, double>> Points(const cf_3DPolygon &polygon)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= polygon.Count(); ++i)
        points.emplace_back(polygon.PointAt(i)->DataX(), polygon.PointAt(i)->DataY());
    return points;
}

} // namespace

TEST(cf_eng_Area2D, AnAreaIsClosedDownToZeroAtBothEnds)
{
    GroupsModel m(1, {{2, 4}});
    cf_eng_Area2D engine;
    engine.BuildFromModel(&m.model);
    ASSERT_EQ(1u, engine.List(3).size());
    std::vector<std::pair<double, double>> expected = {{1, 0}, {1, 2}, {2, 4}, {2, 0}};
    EXPECT_EQ(expected, Points(Polygon(engine, 1)));
}

TEST(cf_eng_Col2D, ColumnsOfOnePositionShareItInSlots)
{
    GroupsModel m(1, {{5}, {7}});
    cf_eng_Col2D engine;
    engine.BuildFromModel(&m.model);
    ASSERT_EQ(2u, engine.List(3).size());
    const double centres[2] = {0.5 + 1.0 / 3, 0.5 + 2.0 / 3}, values[2] = {5, 7};
    for (int g = 0; g < 2; ++g) {
        std::vector<std::pair<double, double>> points = Points(Polygon(engine, g + 1));
        EXPECT_NEAR(centres[g] - 1.0 / 6, points[0].first, 1e-12);
        EXPECT_NEAR(centres[g] + 1.0 / 6, points[2].first, 1e-12);
        EXPECT_DOUBLE_EQ(0, points[0].second);
        EXPECT_DOUBLE_EQ(values[g], points[1].second);
    }
}

TEST(cf_eng_Bar2D, AShorterGroupRepeatsItsLastValueAndAnEmptyOneStaysEmpty)
{
    GroupsModel m(2, {{1, 2, 3}, {-4}, {}});
    cf_eng_Bar2D engine;
    engine.BuildFromModel(&m.model);
    // Value position by value position, group by group.
    ASSERT_EQ(9u, engine.List(3).size());
    for (int j = 0; j < 3; ++j) {
        EXPECT_DOUBLE_EQ(j + 1, Points(Polygon(engine, 3 * j + 1))[1].first);
        EXPECT_DOUBLE_EQ(-4, Points(Polygon(engine, 3 * j + 2))[1].first);
        EXPECT_DOUBLE_EQ(0, Points(Polygon(engine, 3 * j + 3))[1].first);
    }
    EXPECT_EQ(1, m.model.Group(2)->Count());
    EXPECT_EQ(0, m.model.Group(3)->Count());
    // The bars lie along x: the values give the x range, the positions y.
    EXPECT_DOUBLE_EQ(-4, engine.DataRangeXMin());
    EXPECT_DOUBLE_EQ(3, engine.DataRangeXMax());
    EXPECT_DOUBLE_EQ(0, engine.DataRangeYMin());
}

TEST(cf_eng_Stack2D, PositiveAndNegativeValuesStackApartAndModeOneWidensByOnePosition)
{
    for (int mode : {1, 2}) {
        GroupsModel m(mode, {{3, 1, 1, 1}, {-2}, {4}});
        cf_eng_Stack2D engine;
        engine.BuildFromModel(&m.model);
        ASSERT_EQ(12u, engine.List(3).size());
        const double blocks[3][2] = {{0, 3}, {-2, 0}, {3, 7}};
        for (int g = 0; g < 3; ++g) {
            std::vector<std::pair<double, double>> points = Points(Polygon(engine, g + 1));
            EXPECT_DOUBLE_EQ(blocks[g][0], points[0].second) << g;
            EXPECT_DOUBLE_EQ(blocks[g][1], points[1].second) << g;
        }
        int hidden = 0;
        for (const cf_Virt3DObj *object : engine.List(2)) {
            auto *point = static_cast<const cf_3DPoint *>(object);
            if (point->DataX() == 5 && point->DataY() == 0 && !point->Visible())
                ++hidden;
        }
        EXPECT_EQ(mode == 1 ? 1 : 0, hidden) << "mode " << mode;
    }
}

TEST(cf_eng_Line2D, GroupWithoutValuesGetsNoLineAndTheNextKeepsItsColour)
{
    cf_eng_Line2D engine;
    cf_ChartModel model(nullptr, 2);
    model.SelectGroup(1);
    model.SelectGroup(2);
    model.AddValue(5);
    model.AddValue(7);
    engine.BuildFromModel(&model);
    ASSERT_EQ(1u, engine.List(3).size());
    auto *line = static_cast<cf_3DPointSeries *>(engine.List(3)[0]);
    EXPECT_EQ(model.Group(2)->DispAttribs().FillColor(), line->DispAttribs()->FillColor());
    EXPECT_NE(model.Group(1)->DispAttribs().FillColor(), line->DispAttribs()->FillColor());
    // Mode 2: x from 0, z = group - 1.
    EXPECT_DOUBLE_EQ(0, line->PointAt(1)->DataX());
    EXPECT_DOUBLE_EQ(1, line->PointAt(2)->DataX());
    EXPECT_DOUBLE_EQ(1, line->PointAt(1)->DataZ());
}
