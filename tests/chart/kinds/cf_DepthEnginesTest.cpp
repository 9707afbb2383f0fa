// The three-dimensional area, ribbon, bar, column and stack charts, read
// from the surfaces and solids they build out of a model.

#include "chart/kinds/cf_eng_Area3D.h"
#include "chart/kinds/cf_eng_Bar3D.h"
#include "chart/kinds/cf_eng_Col3D.h"
#include "chart/kinds/cf_eng_Ribbon3D.h"
#include "chart/kinds/cf_eng_Stack3D.h"
#include "chart/harness/GroupsModel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/solids/cf_3DPhedraSeries.h"
#include "chart/solids/cf_3DSurface.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>

namespace {

const cf_3DSurface &Surface(const cf_ChartEngine &engine, int n)
{
    return *static_cast<const cf_3DSurface *>(engine.List(3).at(std::size_t(n - 1)));
}

// The faces lying flat at y = 0 whose x runs from x0 to x1.
int FloorFaces(const cf_3DSurface &surface, double x0, double x1)
{
    int found = 0;
    for (int f = 1; f <= surface.FacetCount(); ++f) {
        const cf_3DFacet *face = surface.Facet(f);
        if (face->MinY() == 0 && face->MaxY() == 0 && face->MinX() == x0 && face->MaxX() == x1)
            ++found;
    }
    return found;
}

} // namespace

TEST(cf_eng_Area3D, TheFloorRunsUnderThePartBelowZeroFromTheZeroCrossing)
{
    GroupsModel m(1, {{2, -2}});
    cf_eng_Area3D engine;
    engine.BuildFromModel(&m.model);
    ASSERT_EQ(1u, engine.List(3).size());
    const cf_3DSurface &surface = Surface(engine, 1);
    // Left cap, top, floor, right cap, front.
    EXPECT_EQ(5, surface.FacetCount());
    EXPECT_EQ(1, FloorFaces(surface, 1.5, 2));
    const cf_3DFacet *front = surface.LastFacet();
    EXPECT_EQ(4, front->Count());
    EXPECT_DOUBLE_EQ(1, front->MaxZ());
}

TEST(cf_eng_Area3D, StepsAtOrAboveZeroHaveNoFloorAndNegativeStepsAFullOne)
{
    GroupsModel above(1, {{0, 5}});
    cf_eng_Area3D a;
    a.BuildFromModel(&above.model);
    EXPECT_EQ(4, Surface(a, 1).FacetCount());

    GroupsModel below(1, {{-1, -3, -2}});
    cf_eng_Area3D b;
    b.BuildFromModel(&below.model);
    EXPECT_EQ(1, FloorFaces(Surface(b, 1), 1, 2));
    EXPECT_EQ(1, FloorFaces(Surface(b, 1), 2, 3));
}

TEST(cf_eng_Area3D, RowsStandTwoApartInDepth)
{
    GroupsModel m(1, {{1, 2}, {3, 4}, {5, 6}});
    cf_eng_Area3D area;
    area.BuildFromModel(&m.model);
    ASSERT_EQ(3u, area.List(3).size());
    for (int g = 1; g <= 3; ++g) {
        EXPECT_DOUBLE_EQ(2 * g - 2, Surface(area, g).MinZ());
        EXPECT_DOUBLE_EQ(2 * g - 1, Surface(area, g).MaxZ());
    }
    EXPECT_DOUBLE_EQ(0, area.DataRangeZMin());
    EXPECT_DOUBLE_EQ(6, area.DataRangeZMax());
    EXPECT_DOUBLE_EQ(0, area.DataRangeXMin());
    EXPECT_DOUBLE_EQ(3, area.DataRangeXMax());
    cf_eng_Col3D columns;
    columns.BuildFromModel(&m.model);
    EXPECT_DOUBLE_EQ(0, columns.DataRangeZMin());
    EXPECT_DOUBLE_EQ(5, columns.DataRangeZMax());
}

TEST(cf_eng_Area3D, AGroupOfOneValueMakesNoSurfaceButOneSolid)
{
    struct Case {
        std::function<cf_ChartEngine *()> make;
        std::size_t objects;
    };
    const Case cases[] = {
        {[] { return new cf_eng_Area3D; }, 0},
        {[] { return new cf_eng_Ribbon3D; }, 0},
        {[] { return new cf_eng_Bar3D; }, 1},
        {[] { return new cf_eng_Col3D; }, 1},
    };
    for (const Case &c : cases) {
        GroupsModel m(1, {{-3}});
        std::unique_ptr<cf_ChartEngine> engine(c.make());
        engine->BuildFromModel(&m.model);
        ASSERT_EQ(c.objects, engine->List(3).size());
        if (c.objects) {
            auto *series = static_cast<const cf_3DPhedraSeries *>(engine->List(3)[0]);
            EXPECT_EQ(1, series->MemberCount());
        }
    }
}

TEST(cf_eng_Bar3D, BarsRunAlongXAndColumnsAlongYFromZeroToTheValue)
{
    GroupsModel m(1, {{-3}});
    cf_eng_Bar3D bars;
    bars.BuildFromModel(&m.model);
    const cf_3DPolyHedra *bar = static_cast<const cf_3DPhedraSeries *>(bars.List(3)[0])->Member(1);
    EXPECT_DOUBLE_EQ(-3, bar->MinX());
    EXPECT_DOUBLE_EQ(0, bar->MaxX());
    EXPECT_DOUBLE_EQ(0.5, bar->MinY());
    EXPECT_DOUBLE_EQ(1.5, bar->MaxY());
    cf_eng_Col3D columns;
    columns.BuildFromModel(&m.model);
    const cf_3DPolyHedra *column = static_cast<const cf_3DPhedraSeries *>(columns.List(3)[0])->Member(1);
    EXPECT_DOUBLE_EQ(-3, column->MinY());
    EXPECT_DOUBLE_EQ(0, column->MaxY());
    EXPECT_DOUBLE_EQ(0, column->MinZ());
    EXPECT_DOUBLE_EQ(1, column->MaxZ());
}

TEST(cf_eng_Stack3D, EachValuePositionIsOneSeriesInOneRow)
{
    GroupsModel m(2, {{1, 2, 3}, {-1, 4}});
    cf_eng_Stack3D engine;
    engine.BuildFromModel(&m.model);
    ASSERT_EQ(3u, engine.List(3).size());
    for (int j = 0; j < 3; ++j) {
        auto *series = static_cast<const cf_3DPhedraSeries *>(engine.List(3)[std::size_t(j)]);
        EXPECT_DOUBLE_EQ(j + 0.5, (series->MinX() + series->MaxX()) / 2);
        EXPECT_DOUBLE_EQ(0, series->MinZ());
        EXPECT_DOUBLE_EQ(1, series->MaxZ());
        EXPECT_EQ(2, series->MemberCount());
    }
    // Position 1: 1 upwards from 0, -1 downwards from 0.
    auto *first = static_cast<const cf_3DPhedraSeries *>(engine.List(3)[0]);
    EXPECT_DOUBLE_EQ(-1, first->MinY());
    EXPECT_DOUBLE_EQ(1, first->MaxY());
    // Only the two corners of the data range, no hidden point in mode 2.
    EXPECT_EQ(2u, engine.List(2).size());
}
