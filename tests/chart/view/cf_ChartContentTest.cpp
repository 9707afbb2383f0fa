// What a chart shows from its model: axes by value mode, alternating and
// inward labels, and the overlay legend.

#include "chart/axes/cf_3DGridTickSeries.h"
#include "chart/backend/bf_Display.h"
#include "chart/engine/cf_ChartEngine.h"
#include "chart/harness/RecordingDisplay.h"
#include "chart/harness/StandInWindow.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/scene/cf_3DPointSeries.h"
#include "chart/view/cf_ChartView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Prepares and draws the view on a recording display of 400 x 300 pixels.
class cf_ChartContent : public ::testing::Test {
protected:
    void Draw(cf_ChartView &view)
    {
        bf_Display display(&recorder, &window);
        recorder.Clear();
        view.Prepare(&display);
        view.Draw(&display);
    }
    std::vector<RecordedCall> Texts(const std::wstring &text) const
    {
        std::vector<RecordedCall> found;
        for (const RecordedCall &call : recorder.Calls("Text"))
            if (call.text == text)
                found.push_back(call);
        return found;
    }
    RecordingDisplay recorder;
    StandInWindow window{0, 0, 399, 299};
};

std::vector<std::wstring> TickTexts(const cf_3DGridTickSeries &series)
{
    std::vector<std::wstring> texts;
    for (int i = 1; i <= series.TickMarkerCount(); ++i)
        texts.push_back(series.Tick(i)->Text());
    return texts;
}

} // namespace

TEST_F(cf_ChartContent, NumericXAxisCountsTheLastStepIntoItsInterval)
{
    cf_ChartView view(4, 1, 3);
    for (int x = 0; x <= 5000; ++x)
        view.AddGroupValueXY(1, x, x % 7);
    Draw(view);
    std::vector<std::wstring> texts = TickTexts(*view.GridTickSeries(2));
    ASSERT_EQ(11u, texts.size());
    EXPECT_EQ(L"500.1", texts[1]);
    EXPECT_EQ(L"4500.9", texts[9]);
    EXPECT_EQ(L"5000", texts[10]);
}

TEST_F(cf_ChartContent, CategoryAxisNeverStepsBelowOneItem)
{
    cf_ChartView view(4, 1, 1);
    for (double y : {4.0, 6.0, 5.0})
        view.AddGroupValue(1, y);
    Draw(view);
    cf_3DGridTickSeries *x = view.GridTickSeries(2);
    EXPECT_DOUBLE_EQ(1.0, x->TickInterval());
    // Value mode 1: the first sample lies at x = 1.
    auto *line = static_cast<cf_3DPointSeries *>(view.Engine()->List(3)[0]);
    EXPECT_DOUBLE_EQ(1, line->PointAt(1)->DataX());
}

TEST_F(cf_ChartContent, SideBLabelsAlternateAboveAndBelowTheirTicks)
{
    cf_ChartView view(4, 1, 2);
    for (int i = 0; i < 7; ++i)
        view.AddGroupValue(1, i);
    view.SetAxisTicks(2, 2, 1, 3, 0);
    view.SetAxisLabelStep(2, 1, 4);
    Draw(view);
    std::vector<RecordedCall> texts;
    for (const wchar_t *label : {L"2", L"4"})
        texts.push_back(Texts(label).at(0));
    cf_3DGridTickSeries *x = view.GridTickSeries(2);
    // Ticks 0, 2, 4 ...: the first label sits above its point, the second
    // below, the third above again.
    EXPECT_EQ(x->Tick(2)->Point3()->DeviceY(), texts[0].args[1]);
    EXPECT_EQ(x->Tick(3)->Point3()->DeviceY() - RecordingDisplay::kCharHeight, texts[1].args[1]);
}

TEST_F(cf_ChartContent, InwardTicksPointIntoThePlotAndLabelAtTheGridLine)
{
    cf_ChartView view(4, 1, 2);
    view.AddGroupValue(1, 0);
    view.AddGroupValue(1, 10);
    view.SetAxisTicks(4, 5, 1, 3, 2);
    Draw(view);
    cf_3DTextMarker *tick = view.GridTickSeries(4)->Tick(1);
    ASSERT_NE(nullptr, tick);
    EXPECT_TRUE(tick->LabelAtPoint2());
    EXPECT_GT(tick->Point3()->DeviceX(), tick->Point2()->DeviceX());
}

TEST_F(cf_ChartContent, LegendEntriesAreDrawnWithoutBeingAskedFor)
{
    cf_ChartView view(4, 1, 2);
    view.AddGroupValue(1, 3);
    view.AddGroupValue(1, 4);
    view.AddLegendEntry(L"Trial 3", 10, 90, 0);
    view.AddTitle(L"Start 4", 1);
    Draw(view);
    EXPECT_EQ(1u, Texts(L"Trial 3").size());
    EXPECT_EQ(1u, Texts(L"Start 4").size());
    // Cleared and redrawn: gone.
    EXPECT_EQ(0, view.ClearLegend(1));
    Draw(view);
    EXPECT_TRUE(Texts(L"Trial 3").empty());
}
