#include "chart/harness/FlatView.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/harness/CheckLog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A kernel as the flat charts run it: angles 0, no perspective, no margins.
cf_Kernel FlatKernel(double x = 100, double y = 100, double z = 100)
{
    cf_Kernel k(x, y, z);
    SetFlatView(k);
    k.UpdateGeometry();
    return k;
}

cf_2DPoint Map(const cf_Kernel &k, double x, double y, double z)
{
    k.TransformPoints(&x, &y, &z, 1);
    cf_2DPoint p;
    k.ProjectPoints(&x, &y, &p, 1);
    return p;
}

} // namespace

TEST(cf_Kernel, ConstructionLeavesGeometryCurrentButNoProjection)
{
    cf_Kernel k(100, 100, 100);
    EXPECT_TRUE(k.IsGeomCurrent());
    EXPECT_FALSE(k.IsProjCurrent());
    EXPECT_TRUE(k.IsChanged());
    k.UpdateGeometry();
    EXPECT_FALSE(k.IsChanged());
}

TEST(cf_Kernel, ViewAnglesAndPerspectiveAreClamped)
{
    cf_Kernel k(100, 100, 100);
    k.SetViewAngles(-10, 30);
    EXPECT_DOUBLE_EQ(k.Elevation(), 0);
    EXPECT_DOUBLE_EQ(k.Rotation(), 0);
    k.SetViewAngles(120, -200);
    EXPECT_DOUBLE_EQ(k.Elevation(), 90);
    EXPECT_DOUBLE_EQ(k.Rotation(), -90);
    k.SetPerspective(250);
    EXPECT_DOUBLE_EQ(k.Perspective(), 100);
}

TEST(cf_Kernel, FlatSetupMapsTheBoxOntoTheSquarePlotRectangle)
{
    cf_Kernel k = FlatKernel();
    k.PrepareRect(cf_2DRect(0, 0, 400, 400));
    ASSERT_TRUE(k.IsProjCurrent());
    EXPECT_EQ(k.PlotRect(), cf_2DRect(0, 0, 400, 400));
    EXPECT_EQ(Map(k, 50, 50, 0), cf_2DPoint(400, 0));
    EXPECT_EQ(Map(k, -50, -50, 0), cf_2DPoint(0, 400));
    EXPECT_EQ(Map(k, 0, 0, 0), cf_2DPoint(200, 200));
}

TEST(cf_Kernel, MarginsShrinkThePlotRectangleByTruncatedPercentages)
{
    cf_Kernel k = FlatKernel();
    k.SetLeftMargin(10);
    k.SetRightMargin(12);
    k.SetTopMargin(8);
    k.SetBottomMargin(12);
    k.SetIndependentScale(1);
    EXPECT_FALSE(k.IsProjCurrent());
    k.PrepareRect(cf_2DRect(0, 0, 399, 299));
    EXPECT_EQ(k.PlotRect(), cf_2DRect(39, 23, 352, 264));
    EXPECT_EQ(Map(k, 50, 0, 0).x, 352);
    EXPECT_EQ(Map(k, 0, 0, 0).y, 143);
}

TEST(cf_Kernel, SharedScaleKeepsTheBoxSquareIndependentScaleFillsThePlot)
{
    cf_Kernel k = FlatKernel();
    k.PrepareRect(cf_2DRect(0, 0, 400, 200));
    EXPECT_DOUBLE_EQ(k.ProjMatrix()[0][0], 2.0);
    EXPECT_DOUBLE_EQ(k.ProjMatrix()[1][1], -2.0);
    EXPECT_EQ(k.BackFaceRect(), cf_2DRect(0, 0, 200, 200));
    k.SetIndependentScale(1);
    k.PrepareRect(cf_2DRect(0, 0, 400, 200));
    EXPECT_DOUBLE_EQ(k.ProjMatrix()[0][0], 4.0);
    EXPECT_EQ(k.BackFaceRect(), cf_2DRect(0, 0, 400, 200));
}

TEST(cf_Kernel, NegativePlotWidthCollapsesOntoThePlotCentre)
{
    cf_Kernel k = FlatKernel();
    k.SetLeftMargin(60);
    k.SetRightMargin(60);
    k.PrepareRect(cf_2DRect(0, 0, 100, 100));
    EXPECT_EQ(Map(k, -50, 0, 0).x, Map(k, 50, 0, 0).x);
}

TEST(cf_Kernel, FlatBoxGetsAUsableScaleInsteadOfADivisionByZero)
{
    cf_Kernel k = FlatKernel(0, 100, 0);
    k.PrepareRect(cf_2DRect(0, 0, 400, 200));
    EXPECT_DOUBLE_EQ(k.ProjMatrix()[0][0], 2.0);
    EXPECT_EQ(Map(k, 0, 50, 0), cf_2DPoint(200, 0));
    cf_Kernel none(0, 0, 0);
    none.SetPerspective(50); // no depth: the perspective factor stays finite
    none.PrepareRect(cf_2DRect(0, 0, 10, 10));
    EXPECT_EQ(Map(none, 0, 0, 0), cf_2DPoint(5, 5));
}

TEST(cf_Kernel, PerspectiveDividesByTheWeightOnlyAboveTheThreshold)
{
    cf_Kernel k(100, 100, 100);
    k.SetViewAngles(0, 0);
    k.SetPerspective(100); // p = 100 / (50 * 10) = 0.2, w = 1 - 0.2 z
    double x = 10, y = 10, z = 5; // w = 0
    k.TransformPoints(&x, &y, &z, 1);
    EXPECT_DOUBLE_EQ(x, 10);
    EXPECT_DOUBLE_EQ(y, 10);
    x = 10, z = -5; // w = 2
    k.TransformPoints(&x, &y, &z, 1);
    EXPECT_DOUBLE_EQ(x, 5);
}

TEST(cf_Kernel, StaleProjectionIsReportedByItsModule)
{
    CheckLog checks;
    cf_Kernel k(100, 100, 100);
    (void)k.GeomMatrix();
    EXPECT_TRUE(checks.Reported().empty());
    (void)k.ProjMatrix();
    ASSERT_EQ(checks.Reported().size(), 1u);
    EXPECT_EQ(checks.Reported()[0], "C1_KERNL: bIsProjMatrixCurrent_ == TRUE");
}

TEST(cf_Kernel, CornerTablesFollowTheFixedNumbering)
{
    cf_Kernel k(100, 60, 20);
    double xs[8], ys[8], zs[8];
    k.CubeCorners(xs, ys, zs);
    EXPECT_EQ((std::vector<double>{xs[0], ys[0], zs[0]}), (std::vector<double>{-50, -30, 10}));
    EXPECT_EQ((std::vector<double>{xs[6], ys[6], zs[6]}), (std::vector<double>{50, 30, -10}));
    double bx[4], by[4], bz[4];
    k.BackFaceCorners(bx, by, bz);
    for (double z : bz)
        EXPECT_DOUBLE_EQ(z, -10);
    double ox, oy, oz;
    k.Origin(ox, oy, oz);
    EXPECT_EQ((std::vector<double>{ox, oy, oz}), (std::vector<double>{-50, -30, -10}));
}
