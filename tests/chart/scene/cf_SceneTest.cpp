#include "chart/backend/bf_Display.h"
#include "chart/harness/FlatView.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/scene/cf_3DPolyLine.h"
#include "chart/scene/cf_3DPolygon.h"

#include <gtest/gtest.h>

namespace {

cf_Kernel FlatKernelWithoutMargins()
{
    cf_Kernel k(100, 100, 100);
    SetFlatView(k);
    return k;
}

// A flat kernel prepared for a square plot of 400 x 400 pixels: model x and
// y -50..50 map onto device 0..400.
cf_Kernel PreparedFlatKernel(const cf_2DRect &rect = cf_2DRect(0, 0, 400, 400))
{
    cf_Kernel k = FlatKernelWithoutMargins();
    k.UpdateGeometry();
    k.PrepareRect(rect);
    return k;
}

template <class T> T &Placed(T &object, const cf_Kernel &k)
{
    object.Transform(k);
    object.Project(k);
    return object;
}

// A recording display over a 400 x 400 window and the flat kernel; the
// recorder is emptied after the display's own set-up calls.
class cf_SceneTest : public ::testing::Test {
protected:
    cf_SceneTest() { recorder.Clear(); }
    RecordingDisplay recorder;
    StandInWindow window{0, 0, 400, 400};
    cf_Kernel k = PreparedFlatKernel();
    bf_Display d{&recorder, &window};
};

} // namespace

TEST(cf_Virt3DObj, AttributesAreCreatedOwnedThenBorrowed)
{
    cf_3DPoint p;
    EXPECT_FALSE(p.HasDispAttribs());
    ASSERT_NE(p.DispAttribs(), nullptr);
    EXPECT_TRUE(p.OwnsDispAttribs());
    cf_DispAttribs borrowed;
    p.SetDispAttribs(&borrowed);
    EXPECT_EQ(p.DispAttribs(), &borrowed);
    EXPECT_FALSE(p.OwnsDispAttribs());
    p.SetDispAttribs(nullptr);
    EXPECT_FALSE(p.HasDispAttribs());
}

TEST(cf_Virt3DObj, CopiesOwnTheirOwnedAttributesAndShareBorrowedOnes)
{
    cf_3DPoint a;
    a.DispAttribs()->SetFillColor(bf_Color(9));
    cf_3DPoint b(a);
    EXPECT_NE(b.DispAttribs(), a.DispAttribs());
    EXPECT_EQ(b.DispAttribs()->FillColor().Index(), 9);
    cf_DispAttribs shared;
    cf_3DPoint c;
    c.SetDispAttribs(&shared);
    b = c;
    EXPECT_EQ(b.DispAttribs(), &shared);
    b = cf_3DPoint();
    EXPECT_FALSE(b.HasDispAttribs());
}

TEST(cf_3DPoint, TranslatedPointLandsOnTheKernelsMappingAndKeepsItsDataPosition)
{
    cf_Kernel k = PreparedFlatKernel();
    cf_3DPoint q(10, 0, 0);
    q.Translate(-60, -50, 0);
    EXPECT_EQ(Placed(q, k).DevicePoint(), cf_2DPoint(0, 400));
    EXPECT_EQ(q.Prepared(), 1);
    EXPECT_DOUBLE_EQ(q.MinX(), 10); // the data position stays as given
}

TEST(cf_3DPoint, AutomaticMarkerSizeFollowsTheBackFace)
{
    cf_Kernel k = FlatKernelWithoutMargins();
    k.SetIndependentScale(1);
    k.UpdateGeometry();
    k.PrepareRect(cf_2DRect(0, 0, 400, 300));
    cf_3DPoint p;
    p.SetMarkerSizeFactor(5);
    p.Setup(k);
    EXPECT_EQ(p.MarkerSize(), 7);
    p.SetMarkerSize(11);
    p.SetAutoSize(0);
    EXPECT_EQ(p.MarkerSize(), 5);
}

TEST_F(cf_SceneTest, InvisiblePointDrawsNothingVisibleOneDrawsAMarker)
{
    cf_3DPoint p(0, 0, 0);
    Placed(p, k).SetVisible(0);
    p.DrawFormA(&d);
    EXPECT_TRUE(recorder.calls.empty());
    p.SetVisible(1);
    p.DispAttribs()->SetLineColor(bf_Color(4));
    p.DrawFormC(&d);
    auto drawing = recorder.Drawing();
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].op, "Ellipse");
    EXPECT_EQ(drawing[0].args, (std::vector<int>{195, 195, 205, 205, 1}));
    EXPECT_EQ(drawing[0].foreground, 4);
    EXPECT_EQ(drawing[1].op, "Pixel");
    EXPECT_EQ(recorder.palette.colorForeground, 0); // pen released again
}

TEST(cf_3DPointSeries, ScaleWorksAboutTheAccumulatedOffset)
{
    cf_3DPointSeries s;
    s.AddPoint(cf_3DPoint(5, 0, 0));
    s.AddPoint(cf_3DPoint(1, 0, 0));
    s.Translate(10, 0, 0);
    EXPECT_DOUBLE_EQ(s.PointAt(1)->WorkX(), 15);
    s.Scale(2, 1, 1);
    EXPECT_DOUBLE_EQ(s.PointAt(1)->WorkX(), 20);
    EXPECT_DOUBLE_EQ(s.WorkMinX(), 12);
    EXPECT_DOUBLE_EQ(s.MaxX(), 5); // data extents unchanged
    s.Scale(-1, 1, 1);
    EXPECT_LT(s.WorkMinX(), s.WorkMaxX());
}

TEST(cf_3DPointSeries, PointsAreNumberedFromOneAndTakeTheTemplatesMarker)
{
    cf_3DPointSeries s;
    s.TemplatePoint().SetMarkerStyle(7);
    cf_3DPoint *p = new cf_3DPoint(1, 2, 3);
    p->SetMarkerSizeFactor(9);
    s.AddPoint(p);
    EXPECT_EQ(s.PointAt(0), nullptr);
    EXPECT_EQ(s.PointAt(2), nullptr);
    EXPECT_EQ(s.PointAt(1), p);
    EXPECT_EQ(p->MarkerStyle(), 7);
    EXPECT_EQ(p->AutoSize(), 0);
    cf_3DPoint *copy = s.CopyPointAt(1);
    EXPECT_DOUBLE_EQ(copy->DataZ(), 3);
    delete copy;
    s.AddPoint(nullptr);
    EXPECT_EQ(s.Count(), 1);
}

TEST_F(cf_SceneTest, EmptySeriesTransformsProjectsAndDrawsNothing)
{
    cf_3DPolyLine line;
    EXPECT_DOUBLE_EQ(Placed(line, k).DevMaxX(), 0);
    line.DrawFormA(&d);
    cf_3DPolygon polygon;
    polygon.DrawFormA(&d);
    polygon.DrawOutline(&d);
    EXPECT_TRUE(recorder.Drawing().empty());
}

TEST_F(cf_SceneTest, ViewAndDeviceBoxesSpanThePoints)
{
    cf_3DPointSeries s;
    s.AddPoint(cf_3DPoint(-25, 10, 0)); // device (100, 160)
    s.AddPoint(cf_3DPoint(25, -10, 0)); // device (300, 240)
    Placed(s, k);
    EXPECT_DOUBLE_EQ(s.ViewMinX(), -25);
    EXPECT_DOUBLE_EQ(s.ViewCentreX(), 0);
    EXPECT_EQ(cf_2DRect(s.DevMinX(), s.DevMinY(), s.DevMaxX(), s.DevMaxY()),
              cf_2DRect(100, 160, 300, 240));
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_DOUBLE_EQ(s.DevMaxX() + s.ViewMinX() + s.WorkMaxX(), 0);
}

TEST_F(cf_SceneTest, PolyLineDrawsInItsFillColourThenMarksAndRestoresItsAttributes)
{
    cf_DispAttribs attribs;
    attribs.SetLineColor(bf_Color(4));
    attribs.SetFillColor(bf_Color(9));
    attribs.SetLineWidth(3);
    attribs.SetMarkPointsA(1);
    cf_3DPolyLine line(&attribs);
    const int n = 4;
    for (int i = 0; i < n; ++i)
        line.AddPoint(cf_3DPoint(-30 + 20 * i, 0, 0));
    Placed(line, k).DrawFormA(&d);

    auto drawing = recorder.Drawing();
    ASSERT_EQ(drawing.size(), std::size_t(1 + 2 * n)); // the run, then marker and pixel each
    EXPECT_EQ(drawing[0].op, "Polygon");
    EXPECT_EQ(drawing[0].foreground, 9);
    EXPECT_EQ(drawing[0].args[0], n);
    EXPECT_EQ(drawing[0].args[1], 3);
    for (int i = 1; i < int(drawing.size()); i += 2) {
        EXPECT_EQ(drawing[i].op, "Ellipse");
        EXPECT_EQ(drawing[i].foreground, 4);
        EXPECT_EQ(drawing[i].background, 9);
        EXPECT_EQ(drawing[i].args[4], 1);
        EXPECT_EQ(drawing[i + 1].op, "Pixel");
    }
    EXPECT_EQ(attribs.LineColor().Index(), 4);
    EXPECT_EQ(attribs.LineWidth(), 3);
    EXPECT_EQ(recorder.palette.colorForeground, 0);
    EXPECT_EQ(recorder.palette.colorBackground, 15);
}

TEST_F(cf_SceneTest, SecondFormDrawsOnlyTheMarksItIsAskedFor)
{
    cf_DispAttribs attribs;
    attribs.SetMarkPointsA(1);
    cf_3DPolyLine line(&attribs);
    line.AddPoint(cf_3DPoint(-10, 0, 0));
    line.AddPoint(cf_3DPoint(10, 0, 0));
    Placed(line, k).DrawFormB(&d);
    EXPECT_EQ(recorder.Calls("Polygon").size(), 1u); // the thin line as one run
    EXPECT_TRUE(recorder.Calls("Ellipse").empty());
}

TEST_F(cf_SceneTest, PolygonFillsAndItsOutlineClosesOnTheFirstPoint)
{
    cf_DispAttribs attribs;
    attribs.SetFillColor(bf_Color(12));
    cf_3DPolygon triangle(&attribs);
    triangle.AddPoint(cf_3DPoint(-50, -50, 0));
    triangle.AddPoint(cf_3DPoint(50, -50, 0));
    triangle.AddPoint(cf_3DPoint(0, 50, 0));
    Placed(triangle, k).DrawFormA(&d);
    auto polygons = recorder.Calls("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].background, 12);
    EXPECT_EQ(polygons[0].args, (std::vector<int>{3, 1, 0, 0, 400, 400, 400, 200, 0}));
    recorder.Clear();
    triangle.DrawOutline(&d);
    auto runs = recorder.Calls("Polygon");
    ASSERT_EQ(runs.size(), 1u); // one unfilled run of four points
    EXPECT_FALSE(runs[0].fill);
    EXPECT_EQ(runs[0].args[0], 4);
    EXPECT_EQ(runs[0].args[9], 0);
    EXPECT_EQ(runs[0].args[10], 400);
    EXPECT_TRUE(recorder.Calls("SetBackground").empty()); // no brush for an outline
}

TEST_F(cf_SceneTest, SeriesDrawsEveryMarkerWithTheTemplatesSize)
{
    cf_3DPointSeries s;
    s.AddPoint(cf_3DPoint(0, 0, 0));
    s.AddPoint(cf_3DPoint(25, 0, 0));
    s.Setup(k); // template marker: trunc(5 x 400 x 0.005) = 10
    Placed(s, k).DrawFormA(&d);
    auto ellipses = recorder.Calls("Ellipse");
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[1].args, (std::vector<int>{290, 190, 310, 210, 1}));
    EXPECT_EQ(ellipses[0].foreground, 0);
    EXPECT_EQ(ellipses[0].background, 15);
}

TEST_F(cf_SceneTest, KernelPreparesFromTheWindowsRegion)
{
    cf_Kernel fromWindow = FlatKernelWithoutMargins();
    fromWindow.Prepare(&d);
    EXPECT_EQ(fromWindow.PlotRect(), cf_2DRect(0, 0, 400, 400));
    cf_3DPoint corner(50, 50, 0);
    EXPECT_EQ(Placed(corner, fromWindow).DevicePoint(), cf_2DPoint(400, 0));
}
