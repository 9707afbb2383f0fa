// The chart engine base, driven through the line chart.

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/kinds/cf_eng_Line2D.h"
#include "chart/kinds/cf_eng_Polar.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DBitmap.h"

#include "chart/backend/bf_Display.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A line engine whose origin following can be driven directly.
class OpenLineEngine : public cf_eng_Line2D {
public:
    using cf_ChartEngine::FollowOrigin;
    using cf_ChartEngine::SetDataBox;
};

double ListPointX(const cf_ChartEngine &engine, int list)
{
    return static_cast<const cf_3DPoint *>(engine.List(list).back())->WorkX();
}

} // namespace

TEST(cf_ChartEngine, RotationIsClampedAndReportedAsSuch)
{
    cf_eng_Line2D engine;
    EXPECT_FALSE(engine.SetRotation(95, 10));
    EXPECT_DOUBLE_EQ(90, engine.Kernel()->Elevation());
    EXPECT_DOUBLE_EQ(0, engine.Kernel()->Rotation());
    EXPECT_TRUE(engine.SetRotation(20, -30));
    EXPECT_FALSE(engine.SetBarWidth(150));
    EXPECT_DOUBLE_EQ(100, engine.BarWidth());
}

TEST(cf_ChartEngine, PlaceObjectTakesPercentOfTheBoxMaximaWithoutTheOrigin)
{
    cf_eng_Line2D engine; // a box of 100 x 100 x 50
    cf_3DPoint p;
    ASSERT_TRUE(engine.PlaceObject(&p, 50, 100, 0, 0));
    EXPECT_DOUBLE_EQ(25, p.WorkX());
    EXPECT_DOUBLE_EQ(50, p.WorkY());
    EXPECT_DOUBLE_EQ(0, p.WorkZ());
    ASSERT_TRUE(engine.PlaceObject(&p, 50, 100, 0, 1));
    EXPECT_DOUBLE_EQ(75, p.WorkX());
    EXPECT_FALSE(engine.PlaceObject(nullptr, 1, 1, 1, 0));
}

TEST(cf_ChartEngine, FollowingTheOriginMovesListsOneToThreeButNotTheManagers)
{
    OpenLineEngine engine;
    EXPECT_DOUBLE_EQ(-25, engine.Origin()[2]);
    engine.AddGridSeries(new cf_3DPoint(0, 0, 0));
    engine.AddAuxObject(new cf_3DPoint(0, 0, 0));
    engine.AddDataObject(new cf_3DPoint(0, 0, 0));
    engine.AddManagerObject(new cf_3DPoint(0, 0, 0));
    double before[4];
    for (int list = 1; list <= 4; ++list)
        before[list - 1] = ListPointX(engine, list);
    engine.FollowOrigin(); // unchanged: nothing moves
    engine.Kernel()->SetCubeSize(120, 100, 50);
    engine.FollowOrigin();
    EXPECT_DOUBLE_EQ(-60, engine.Origin()[0]);
    for (int list = 1; list <= 3; ++list)
        EXPECT_DOUBLE_EQ(before[list - 1] - 10, ListPointX(engine, list)) << list;
    EXPECT_DOUBLE_EQ(before[3], ListPointX(engine, 4));
}

TEST(cf_ChartEngine, DataBoxIsTheKernelBoxWithoutObjectsAndReachesTheOriginForRangesFromZero)
{
    OpenLineEngine engine;
    engine.SetDataBox();
    EXPECT_DOUBLE_EQ(-50, engine.DataBoxYMin());
    EXPECT_DOUBLE_EQ(50, engine.DataBoxYMax());

    cf_ChartModel model(nullptr, 2);
    model.SetZeroRatio(0);
    model.AddValue(3);
    model.AddValue(8);
    ASSERT_DOUBLE_EQ(3, model.YMin());
    engine.BuildFromModel(&model); // data range y 3..8: the trace's own lowest point
    engine.SetDataBox();
    EXPECT_DOUBLE_EQ(3 + engine.Origin()[1], engine.DataBoxYMin());
}

TEST(cf_3DBitmap, WithoutAFileNameNothingIsDrawn)
{
    cf_Kernel kernel(100, 100, 100);
    cf_3DBitmap bitmap(&kernel);
    RecordingDisplay recorder;
    StandInWindow window(0, 0, 100, 100);
    bf_Display display(&recorder, &window);
    recorder.Clear();
    bitmap.DrawFormB(&display);
    EXPECT_TRUE(recorder.Drawing().empty());
    bitmap.SetFileName(L"wall.bmp");
    kernel.PrepareRect(cf_2DRect(0, 0, 100, 100));
    bitmap.DrawFormB(&display);
    EXPECT_FALSE(recorder.Drawing().empty()); // its outline
}

TEST(cf_Kernel, FarOffAndUndefinedPositionsProjectToBoundedPixels)
{
    cf_Kernel kernel(100, 100, 100);
    kernel.UpdateGeometry();
    kernel.PrepareRect(cf_2DRect(0, 0, 400, 400));
    cf_3DPoint distant(1e30, -1e30, 0);
    distant.Transform(kernel);
    distant.Project(kernel);
    EXPECT_EQ(100000, distant.DeviceX());
    EXPECT_EQ(100000, distant.DeviceY()); // device y grows downwards
    cf_3DPoint undefined(std::nan(""), 0, 0);
    undefined.Transform(kernel);
    undefined.Project(kernel);
    EXPECT_EQ(0, undefined.DeviceX());
}

TEST(cf_ChartEngine, EachChartTypeGivesItsFacesTheirScaleSources)
{
    struct Row {
        int chartType;
        int sources[8]; // by face number 1..7: back x, bottom x, back y, left y, bottom z, left z, polar
    } rows[] = {
        {4, {0, 5, 5, 6, 6, 4, 4, 0}},
        {2, {0, 6, 6, 5, 5, 4, 4, 0}},
        {8, {0, 5, 5, 7, 7, 4, 4, 0}},
        {12, {0, 5, 5, 6, 6, 4, 4, 0}},
    };
    for (const Row &row : rows) {
        cf_eng_CartXYZ engine(row.chartType, 1);
        for (int face = 1; face <= 7; ++face) {
            EXPECT_EQ(row.sources[face], engine.GridSeries(face)->ScaleSource()) << row.chartType << " " << face;
            EXPECT_EQ(face, engine.GridSeries(face)->FaceNumber());
        }
    }
    cf_eng_Polar pie(5, 1);
    EXPECT_EQ(4, pie.PolarFloor()->ScaleSource());
    EXPECT_EQ(0, pie.LeftFaceY()->ScaleSource());
}

TEST(cf_ChartEngine, DataRangesFollowTheChartType)
{
    struct Row {
        int chartType;
        int mode;
        double range[6]; // x min, x max, y min, y max, z min, z max
    } rows[] = {
        // The model's z range is 0 .. 1 (the group number).
        {4, 1, {0, 4, 3, 9, 0, 1}},   // x from 0 to n + 1
        {4, 2, {0, 2, 3, 9, 0, 1}},   // x 0 .. n - 1
        {3, 2, {0, 3, 3, 9, 0, 1}},   // columns: one more slot; z max 2 x 1 - 1
        {2, 2, {3, 9, 0, 3, 0, 1}},   // bars: x and y exchanged
    };
    for (const Row &row : rows) {
        cf_ChartModel model(nullptr, row.mode);
        model.SetZeroRatio(0);
        for (double y : {3.0, 9.0, 5.0})
            model.AddValue(y);
        cf_eng_CartXYZ engine(row.chartType, 1);
        engine.BuildFromModel(&model);
        const double got[6] = {engine.DataRangeXMin(), engine.DataRangeXMax(), engine.DataRangeYMin(),
                               engine.DataRangeYMax(), engine.DataRangeZMin(), engine.DataRangeZMax()};
        for (int i = 0; i < 6; ++i)
            EXPECT_DOUBLE_EQ(row.range[i], got[i]) << row.chartType << "/" << row.mode << " " << i;
    }
}

TEST(cf_ChartEngine, ZeroSpanOfTheDataBoxScalesByOne)
{
    struct FlatData : public cf_eng_Line2D {
        using cf_ChartEngine::ComputeScale;
        void SetBox(double low, double high)
        {
            dataBox[1] = low;
            dataBox[4] = high;
        }
    } engine;
    engine.SetBox(5, 5.0005);
    engine.ComputeScale();
    EXPECT_DOUBLE_EQ(1.0, engine.Scale()[1]);
    engine.SetBox(0, 50);
    engine.ComputeScale();
    EXPECT_DOUBLE_EQ(2.0, engine.Scale()[1]);
}
