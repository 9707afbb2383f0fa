// Points kept in bulk by a series behave as point objects would.

#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DPolyLine.h"

#include <gtest/gtest.h>

namespace {

class Line : public cf_3DPolyLine {
public:
    using cf_3DPointSeries::DevicePoints;
};

cf_Kernel Prepared(double elevation, double rotation)
{
    cf_Kernel k(100, 100, 100);
    k.SetViewAngles(elevation, rotation);
    k.UpdateGeometry();
    k.PrepareRect(cf_2DRect(0, 0, 400, 300));
    return k;
}

// The same points, once given by coordinates and once as objects.
void Fill(cf_3DPointSeries &bulk, cf_3DPointSeries &objects)
{
    const double xs[] = {-40, -10, 5, 30}, ys[] = {-20, 15, 0, 40}, zs[] = {0, 10, -10, 20};
    for (int i = 0; i < 4; ++i) {
        bulk.AddPointXYZ(xs[i], ys[i], zs[i]);
        objects.AddPoint(new cf_3DPoint(xs[i], ys[i], zs[i]));
    }
}

void Map(cf_3DPointSeries &series, const cf_Kernel &k)
{
    series.Translate(-50, -50, -50);
    series.Scale(0.5, 2, 1);
    series.Transform(k);
    series.Project(k);
}

} // namespace

TEST(cf_PointBlock, MovesAndMapsLikePointObjectsInFlatAndTurnedViews)
{
    for (double elevation : {0.0, 20.0}) {
        cf_Kernel k = Prepared(elevation, elevation ? -30 : 0);
        Line bulk, objects;
        Fill(bulk, objects);
        Map(bulk, k);
        Map(objects, k);
        EXPECT_DOUBLE_EQ(objects.WorkMaxY(), bulk.WorkMaxY());
        EXPECT_DOUBLE_EQ(objects.ViewMinX(), bulk.ViewMinX());
        EXPECT_EQ(objects.DevMaxY(), bulk.DevMaxY());
        std::vector<cf_2DPoint> a = bulk.DevicePoints(), b = objects.DevicePoints();
        EXPECT_EQ(b, a) << elevation;
        // Asking for a point object keeps every state.
        EXPECT_DOUBLE_EQ(objects.PointAt(3)->WorkX(), bulk.PointAt(3)->WorkX());
        EXPECT_DOUBLE_EQ(objects.PointAt(3)->ViewY(), bulk.PointAt(3)->ViewY());
        EXPECT_EQ(objects.PointAt(3)->DevicePoint(), bulk.PointAt(3)->DevicePoint());
        EXPECT_DOUBLE_EQ(-10, bulk.PointAt(2)->DataX());
    }
}

TEST(cf_PointBlock, ProjectingAgainAfterAMoveGivesTheNewDevicePoints)
{
    cf_Kernel k = Prepared(0, 0);
    Line line;
    line.AddPointXYZ(0, 0, 0);
    line.AddPointXYZ(10, 0, 0);
    line.Transform(k);
    line.Project(k);
    cf_2DPoint before = line.DevicePoints()[1];
    line.Project(k); // unchanged
    EXPECT_EQ(before, line.DevicePoints()[1]);
    line.Translate(20, 0, 0);
    line.Transform(k);
    line.Project(k);
    EXPECT_GT(line.DevicePoints()[1].x, before.x);
    k.PrepareRect(cf_2DRect(0, 0, 800, 300));
    cf_2DPoint wider = line.DevicePoints()[1];
    line.Project(k);
    EXPECT_NE(wider.x, line.DevicePoints()[1].x);
}

TEST(cf_PointBlock, PointsAddedTogetherEqualPointsAddedOneByOne)
{
    const double xs[] = {3, -7, 12, 0}, ys[] = {-2, 9, 4, -11};
    Line together, single;
    together.AddPointXYZ(1, 1, 2); // a block that already holds a point
    single.AddPointXYZ(1, 1, 2);
    together.AddPointsXYZ(xs, ys, 2, 4);
    for (int i = 0; i < 4; ++i)
        single.AddPointXYZ(xs[i], ys[i], 2);
    ASSERT_EQ(single.Count(), together.Count());
    EXPECT_DOUBLE_EQ(single.MinX(), together.MinX());
    EXPECT_DOUBLE_EQ(single.MaxY(), together.MaxY());
    EXPECT_DOUBLE_EQ(single.WorkMinY(), together.WorkMinY());
    EXPECT_DOUBLE_EQ(single.MaxZ(), together.MaxZ());
    cf_Kernel k = Prepared(0, 0);
    Map(together, k);
    Map(single, k);
    EXPECT_EQ(single.DevicePoints(), together.DevicePoints());
}
