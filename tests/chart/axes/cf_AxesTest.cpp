// Text markers, grid and tick series and title markers over a fixed frame.

#include "chart/axes/cf_3DGTS_AutoMark.h"
#include "chart/axes/cf_TitleMarkerMgr.h"
#include "chart/backend/bf_Display.h"
#include "chart/axes/cf_EngineFrame.h"
#include "chart/harness/FlatView.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"
#include "chart/kernel/cf_Kernel.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/harness/CheckLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A frame over a flat 100 x 100 x 100 kernel prepared for 400 x 400
// pixels, with the data box equal to the kernel's box.
class TestFrame : public cf_EngineFrame {
public:
    TestFrame() : box(100, 100, 100)
    {
        SetFlatView(box);
        box.UpdateGeometry();
        box.PrepareRect(cf_2DRect(0, 0, 400, 400));
        kernel = &box;
        chartType = 4;
        for (int axis = 0; axis < 3; ++axis) {
            origin[axis] = -50;
            dataBox[axis] = -50;
            dataBox[axis + 3] = 50;
        }
    }
    void SetRange(int axis, double low, double high)
    {
        dataRange[2 * axis] = low;
        dataRange[2 * axis + 1] = high;
    }
    cf_Kernel box;
};

std::vector<std::wstring> TickTexts(const cf_3DGridTickSeries &series)
{
    std::vector<std::wstring> texts;
    for (int i = 1; i <= series.TickMarkerCount(); ++i)
        texts.push_back(series.Tick(i)->Text());
    return texts;
}

// A y axis over a fixed model range.
class cf_GridSeriesTest : public ::testing::Test {
protected:
    void SetRange(double low, double high)
    {
        model.SetZeroRatio(0);
        model.SelectGroup(1);
        model.AddValue(low);
        model.AddValue(high);
        model.SetYFixedMin(low);
        model.SetYFixedMax(high);
        frame.SetRange(1, low, high);
    }
    TestFrame frame;
    cf_ChartModel model{nullptr, 2};
    cf_3DGTS_AutoMarkLeftFaceY axis{&frame};
};

} // namespace

TEST_F(cf_GridSeriesTest, DefaultYAxisLabelsEveryTenthAndEndsEachLabelAtItsTick)
{
    SetRange(0, 5000);
    ASSERT_EQ(1, axis.Rebuild(&model));
    axis.Transform(frame.box);
    axis.Project(frame.box);
    RecordingDisplay recorder;
    StandInWindow window(0, 0, 400, 400);
    bf_Display display(&recorder, &window);
    recorder.Clear();
    axis.DrawFormB(&display);

    std::vector<RecordedCall> texts = recorder.Calls("Text");
    ASSERT_EQ(11u, texts.size());
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(std::to_wstring(500 * i), texts[i].text);
        // Anchored right of the label: its right edge is the tick's end.
        const cf_2DPoint end = axis.Tick(i + 1)->Point3()->DevicePoint();
        int width = int(texts[i].text.size()) * RecordingDisplay::kCharWidth;
        EXPECT_EQ(end.x, texts[i].args[0] + width) << i;
    }
}

TEST_F(cf_GridSeriesTest, FixedIntervalMakesZeroThenUpwardThenDownwardWithEndTicks)
{
    SetRange(-3, 7);
    axis.SetTickInterval(2);
    axis.Rebuild(&model);
    EXPECT_EQ((std::vector<std::wstring>{L"0", L"2", L"4", L"6", L"7", L"-2", L"-3"}), TickTexts(axis));
}

TEST_F(cf_GridSeriesTest, TinyIntervalStopsAtTheTickCap)
{
    SetRange(0, 1e6);
    axis.SetTickInterval(1e-9);
    axis.Rebuild(&model);
    EXPECT_LE(axis.TickMarkerCount(), cf_3DGridTickSeries::kMaxTicksPerRun + 2);
    EXPECT_EQ(L"1e+06", std::wstring(axis.Tick(axis.TickMarkerCount())->Text()));
}

TEST_F(cf_GridSeriesTest, IntervalThatNoLongerMovesTheValueEnds)
{
    SetRange(1e17, 2e17);
    axis.SetTickInterval(1);
    EXPECT_EQ(1, axis.Rebuild(&model));
    EXPECT_LE(axis.TickMarkerCount(), 3);
}

TEST_F(cf_GridSeriesTest, ZeroTickCountBuildsNothing)
{
    SetRange(0, 100);
    axis.SetTickCount(0);
    EXPECT_EQ(0, axis.Rebuild(&model));
    EXPECT_EQ(0, axis.TickMarkerCount());
}

TEST_F(cf_GridSeriesTest, StepsReMarkTheExistingTicks)
{
    SetRange(0, 6);
    axis.SetTickInterval(1);
    axis.Rebuild(&model);
    ASSERT_EQ(7, axis.TickMarkerCount());
    axis.SetGridStep(3);
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(i == 1 || i == 4 || i == 7, axis.Tick(i)->DrawLine12() != 0) << i;
    axis.SetLabelStep(0);
    for (int i = 1; i <= 7; ++i)
        EXPECT_FALSE(axis.Tick(i)->LabelVisible()) << i;
    EXPECT_FALSE(axis.EndLabelHigh());
    axis.SetTicksHidden(1);
    EXPECT_FALSE(axis.Tick(3)->DrawLine23());
}

TEST_F(cf_GridSeriesTest, MajorStepTwoGivesFullMarksToEveryOtherTick)
{
    SetRange(1, 6);
    model.SetValueMode(1, false);
    axis.SetTickInterval(1);
    axis.SetMajorTickStep(2);
    axis.Rebuild(&model);
    ASSERT_GE(axis.TickMarkerCount(), 5);
    // Tick marks reach x = -t (full) or -t / 2 beyond the left wall.
    double full = axis.Tick(1)->Point3()->WorkX();
    EXPECT_LT(full, 0);
    EXPECT_DOUBLE_EQ(full, axis.Tick(3)->Point3()->WorkX());
    EXPECT_DOUBLE_EQ(full / 2, axis.Tick(2)->Point3()->WorkX());
}

TEST_F(cf_GridSeriesTest, LabelsFromTheDomainAdoptTheItemTexts)
{
    frame.SetRange(0, 0, 10);
    model.Domain()->Clear();
    model.AddDomainLabel(0, L"start");
    model.AddDomainLabel(5, L"");
    model.AddDomainLabel(10, L"end");
    cf_3DGTS_AutoMarkBottomFaceX bottom(&frame);
    bottom.SetScaleSource(1);
    bottom.Rebuild(&model);
    EXPECT_EQ((std::vector<std::wstring>{L"start", L"", L"end"}), TickTexts(bottom));
    // The last item lies at the far end of the scene span.
    EXPECT_DOUBLE_EQ(100, bottom.Tick(3)->Point1()->WorkX());
}

TEST(cf_TextAnchor, SeventyByThirteenAroundTwoHundredByHundred)
{
    struct Case {
        void (cf_TextAttribs::*anchor)();
        int rotation;
        cf_2DPoint expected;
    } cases[] = {
        {&cf_TextAttribs::SetAnchorHCentre, 0, {165, 94}},
        {&cf_TextAttribs::SetAnchorRight, 0, {130, 94}},
        {&cf_TextAttribs::SetAnchorLeft, 0, {200, 94}},
        {&cf_TextAttribs::SetAnchorBottom, 0, {165, 87}},
        {&cf_TextAttribs::SetAnchorTop, 0, {165, 100}},
        // At +90 degrees W is the height (13) and H the width (70).
        {&cf_TextAttribs::SetAnchorRight, 90, {187, 135}},
    };
    for (const Case &c : cases) {
        cf_TextAttribs attribs;
        (attribs.*c.anchor)();
        attribs.SetRotation(c.rotation);
        cf_2DPoint at = cf_AnchorText(cf_2DPoint(200, 100), 70, 13, attribs);
        EXPECT_EQ(c.expected.x, at.x) << c.rotation;
        EXPECT_EQ(c.expected.y, at.y) << c.rotation;
    }
}

TEST(cf_3DTextMarker, EmptyTextDrawsNothingAndLabelNeedsAText)
{
    cf_3DTextMarker marker;
    marker.SetLabelVisible(1);
    EXPECT_FALSE(marker.LabelVisible());
    marker.SetText(L"");
    EXPECT_TRUE(marker.HasText());
    RecordingDisplay recorder;
    StandInWindow window(0, 0, 100, 100);
    bf_Display display(&recorder, &window);
    marker.DrawFormB(&display);
    EXPECT_TRUE(recorder.Calls("Text").empty());
    marker.SetNumberText(-1.234567e-05, L"%g");
    EXPECT_EQ(L"-1.23457e-05", std::wstring(marker.Text()));
}

TEST(cf_3DTextMarkerSeries, SelectOutsideTheRangeGivesTheFirstAndClearForgetsTheCurrent)
{
    TestFrame frame;
    cf_3DTextMarkerSeries series(&frame);
    cf_3DTextMarker *first = series.Select(0);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(1, series.MarkerCount());
    series.AddTextMarker(50, 100, 0, L"note");
    EXPECT_EQ(first, series.Select(series.MarkerCount() + 1));
    // Percent placement without the origin: 50 % and 100 % of the maxima.
    EXPECT_DOUBLE_EQ(25, series.Marker(2)->Point3()->WorkX());
    EXPECT_DOUBLE_EQ(50, series.Marker(2)->Point3()->WorkY());
    series.ClearMarkers();
    EXPECT_EQ(nullptr, series.Current());
    EXPECT_EQ(0, series.PlacePoint3(1, 1));
}

TEST(cf_TitleMarkerMgr, BuildAndSelectorsPairTheXTitlesTheOtherWayRound)
{
    TestFrame frame;
    cf_GridFaces faces;
    cf_3DGTS_AutoMarkBackFaceX backX(&frame);
    cf_3DGTS_AutoMarkBottomFaceX bottomX(&frame);
    faces.face[1] = &backX;
    faces.face[2] = &bottomX;
    cf_ChartModel model(nullptr, 2);
    model.SetAxisTitle(L"Time", 2, 0, -110, 0);

    cf_TitleMarkerMgr titles(&frame, faces);
    titles.Build(&model);
    EXPECT_EQ(L"Time", std::wstring(bottomX.TitleMarker()->Text()));
    EXPECT_EQ(bottomX.TitleMarker(), titles.SelectBackXTitle());
    EXPECT_EQ(backX.TitleMarker(), titles.SelectBottomXTitle());

    cf_3DTextMarker *title = titles.SelectTitle();
    EXPECT_EQ(title, titles.SelectTitle());
    titles.ClearMarkers();
    cf_3DTextMarker *own = titles.SelectTitle();
    EXPECT_EQ(L"Chart Title", std::wstring(own->Text()));
    EXPECT_TRUE(own->OwnsDispAttribs());
}

TEST(cf_TitleMarkerMgr, AnAxisTitleIsDrawnOnceWhetherOrNotItsSeriesIsShown)
{
    TestFrame frame;
    cf_GridFaces faces;
    cf_3DGTS_AutoMarkBottomFaceX bottomX(&frame);
    faces.face[2] = &bottomX;
    cf_ChartModel model(nullptr, 2);
    model.SetAxisTitle(L"Time", 2, 0, -110, 0);
    cf_TitleMarkerMgr titles(&frame, faces);
    titles.Build(&model);
    RecordingDisplay recorder;
    StandInWindow window(0, 0, 300, 200);
    bf_Display display(&recorder, &window);

    // A shown series draws its own title: the manager leaves it alone.
    titles.DrawFormB(&display);
    EXPECT_TRUE(recorder.Calls("Text").empty());
    bottomX.Hide();
    titles.DrawFormB(&display);
    EXPECT_EQ(1u, recorder.Calls("Text").size());
}

TEST(cf_3DGTS_AutoMarkBottomFaceX, ZeroDataSpanIsReportedAndTheTickStillMade)
{
    TestFrame frame;
    frame.SetRange(0, 5, 5);
    cf_3DGTS_AutoMarkBottomFaceX bottom(&frame);
    bottom.RefreshBounds();
    CheckLog checks;
    cf_3DTextMarker *tick = bottom.CreateTick(5, 0);
    ASSERT_NE(nullptr, tick);
    ASSERT_EQ(1u, checks.Reported().size());
    EXPECT_EQ("CO1_GTS: fabs( this->dEngDataXDim ) > CF_NUM_ZERO_IF_LT", checks.Reported()[0]);
    // With the fallback factor 1 the value at the data minimum lies at 0.
    EXPECT_DOUBLE_EQ(0, tick->Point1()->WorkX());
}
