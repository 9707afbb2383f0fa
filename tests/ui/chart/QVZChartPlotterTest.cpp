// The chart engine calls of one plot, checked on the chart control's model:
// series values and styles, time labels, marker and power lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/attribs/cf_DispAttribs.h"
#include "chart/model/cf_ChartModel.h"
#include "chart/view/ZafChartControl.h"
#include "foundation/registry/KRegistry.h"
#include "ui/chart/QVZChartPlotter.h"
#include "ui/common/QVZCommands.h"

namespace {

struct Entry
{
    double at;         // x of a time label, y of a power line, position of a marker
    std::wstring text;
};

std::vector<Entry> Entries(cf_DataGroup *group, int axis)
{
    std::vector<Entry> out;
    for (int n = 1; n <= group->Count(); ++n) {
        const cf_XYZ *v = group->Value(n);
        const double at = axis == 0 ? v->X() : axis == 1 ? v->Y() : v->Z();
        out.push_back({ at, v->HasLabel() ? v->Label()->Text() : L"" });
    }
    return out;
}

class QVZChartPlotterTest : public ::testing::Test
{
protected:
    QVZChartPlotterTest() : control(0, 0, 0, 0, 4, 1, 2) {}

    std::vector<Entry> TimeLabels() { return Entries(control.Model()->Domain(), 0); }
    std::vector<Entry> Markers() { return Entries(control.Model()->Groups(), 2); }
    std::vector<Entry> PowerLines() { return Entries(control.Model()->Range(), 1); }

    ZafChartControl control;
    QVZChartSettings settings;
};

} // namespace

TEST_F(QVZChartPlotterTest, TheDefaultWindowGivesFiftyOneTicksLabelledEveryHalfSecond)
{
    QVZChartPlotter(control, settings).SetupScales(3000, KString(L"Gun"));
    const auto labels = TimeLabels();
    ASSERT_EQ(labels.size(), 51u);
    std::vector<std::wstring> texts;
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].at, 100.0 * i);
        if (!labels[i].text.empty())
            texts.push_back(labels[i].text);
    }
    const std::vector<std::wstring> expected = { L"-3", L"-2.5", L"-2", L"-1.5", L"-1", L"-0.5",
                                                 L"Gun", L"0.5", L"1", L"1.5", L"2" };
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(control.RangeMaximum(), 3000.0);
}

TEST_F(QVZChartPlotterTest, AWindowFromAfterTheGunHasNoGunAndStartsLabellingAtHalfASecond)
{
    settings.minX = 0.2;
    QVZChartPlotter plotter(control, settings);
    plotter.SetupScales(2000, KString(L"Gun"));
    const auto labels = TimeLabels();
    ASSERT_EQ(labels.size(), 19u);
    EXPECT_EQ(labels[0].text, L"");
    EXPECT_EQ(labels[3].text, L"0.5");
    for (const Entry &e : labels)
        EXPECT_NE(e.text, L"Gun");

    QVZChartPlotter::Markers m;
    m.hasSet = true;
    m.setMs = 1500;
    m.reactionMs = { 300 };
    plotter.AddMarkerLines(m);
    const auto lines = Markers();
    ASSERT_EQ(lines.size(), 1u); // only the reaction at 0.3 s
    EXPECT_EQ(lines[0].at, 100.0);
}

TEST_F(QVZChartPlotterTest, AShortWindowTicksInHundredthsAndATooShortOneLabelsNothing)
{
    settings.minX = 0.0;
    settings.maxX = 0.5;
    EXPECT_TRUE(QVZChartPlotter(control, settings).SetupScales(1000, KString(L"Gun")));
    EXPECT_EQ(TimeLabels().size(), 51u);
    EXPECT_EQ(TimeLabels()[0].text, L"Gun");
    EXPECT_EQ(TimeLabels()[5].text, L"0.05");

    settings.maxX = 0.005;
    EXPECT_FALSE(QVZChartPlotter(control, settings).SetupScales(1000, KString(L"Gun")));
    EXPECT_TRUE(TimeLabels().empty());
}

TEST_F(QVZChartPlotterTest, MarkerLinesStandAtTheirSamplesFromTheLargestPositionDown)
{
    KString set(L"Set"), legal(L"Legal");
    QVZChartPlotter::Markers m;
    m.hasSet = true;
    m.setMs = 1500;
    m.reactionMs = { 153 };
    m.setLabel = &set;
    m.legalLabel = &legal;
    QVZChartPlotter(control, settings).AddMarkerLines(m);
    const auto lines = Markers();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].at, 3153.0);
    EXPECT_EQ(lines[0].text, L"0.153");
    EXPECT_EQ(lines[1].at, 3100.0);
    EXPECT_EQ(lines[1].text, L"Legal");
    EXPECT_EQ(lines[2].at, 3000.0);
    EXPECT_EQ(lines[2].text, L"");
    EXPECT_EQ(lines[3].at, 1500.0);
    EXPECT_EQ(lines[3].text, L"Set");
}

TEST_F(QVZChartPlotterTest, LinesOutsideTheWindowOrSwitchedOffAreLeftOut)
{
    QVZChartPlotter::Markers m;
    m.hasSet = true;
    m.setMs = 3200; // before the window
    m.reactionMs = { 2500 };
    m.showGun = false;
    QVZChartPlotter(control, settings).AddMarkerLines(m);
    ASSERT_EQ(Markers().size(), 1u);
    EXPECT_EQ(Markers()[0].at, 3100.0); // Legal only
}

TEST_F(QVZChartPlotterTest, SeriesValuesCoverTheWindowAndOverlaySeriesAreRaisedByTheirNumber)
{
    auto traces = std::make_unique<QVZChartTraces>();
    for (int i = 0; i < QVZChartTraces::kSamples; ++i)
        traces->RawY()[i] = i + 0.75;
    traces->ComputeFromRaw(settings, kCmdChartRawY);
    QVZChartPlotter plotter(control, settings);
    plotter.AddSeriesData(*traces, kCmdChartRawY, 1, true, 3000);
    plotter.AddSeriesData(*traces, kCmdChartRawY, 3, true, 3000);
    cf_DataGroup *first = control.Model()->Group(1);
    cf_DataGroup *third = control.Model()->Group(3);
    ASSERT_EQ(first->Count(), 5000);
    EXPECT_EQ(first->Value(1)->Y(), 0.0);
    EXPECT_EQ(first->Value(5000)->Y(), 4999.0);
    EXPECT_EQ(third->Value(10)->Y(), 9.0 + 2.0);

    ZafChartControl single(0, 0, 0, 0, 4, 1, 2);
    settings.minX = -5; // read past the start in the settings
    settings.MakeSafe();
    QVZChartPlotter(single, settings).AddSeriesData(*traces, kCmdChartRawY, 2, false, 1000);
    EXPECT_EQ(single.Model()->Group(2)->Count(), 5000);
    EXPECT_EQ(single.Model()->Group(2)->Value(1)->Y(), 1000.0);
}

TEST_F(QVZChartPlotterTest, OverlaySeriesTakeTheSequenceAndASingleTraceTheBrushColour)
{
    QVZChartPlotter plotter(control, settings);
    for (int k = 1; k <= 3; ++k)
        plotter.SetSeriesStyle(k, true, nullptr, false);
    EXPECT_EQ(control.GroupDispAttribs(1)->FillColor().Index(), 0);
    EXPECT_EQ(control.GroupDispAttribs(2)->FillColor().Index(), 9);
    EXPECT_EQ(control.GroupDispAttribs(3)->FillColor().Index(), 10);

    KRegistry registry;
    registry.Parse(L"Chart\\Brush\\Color:Int=4");
    registry.Parse(L"Event\\Results\\ShowAllFSInRed:Bool=0");
    plotter.SetSeriesStyle(1, false, &registry, true);
    EXPECT_EQ(control.GroupDispAttribs(1)->FillColor().Index(), 9);
    registry.Parse(L"Event\\Results\\ShowAllFSInRed:Bool=1");
    plotter.SetSeriesStyle(1, false, &registry, true);
    EXPECT_EQ(control.GroupDispAttribs(1)->FillColor().Index(), 12);
    plotter.SetSeriesStyle(1, false, &registry, false);
    EXPECT_EQ(control.GroupDispAttribs(1)->FillColor().Index(), 9);
}

TEST_F(QVZChartPlotterTest, PowerLinesAndTheDetectedOnsetAreLabelledWithTheirValues)
{
    QVZChartPlotter plotter(control, settings);
    plotter.AddPowerLines({ 1800, 2200 });
    const auto powers = PowerLines();
    ASSERT_EQ(powers.size(), 2u);
    EXPECT_EQ(powers[0].at, 1800.0);
    EXPECT_EQ(powers[1].text, L"2200");

    plotter.AddDetectedOnset(2900);
    ASSERT_EQ(Markers().size(), 1u);
    EXPECT_EQ(Markers()[0].at, 2900.0);
    EXPECT_EQ(TimeLabels().back().text, L"-0.1");
    plotter.AddDetectedOnset(4999 + 10); // beyond the window: nothing
    EXPECT_EQ(Markers().size(), 1u);
}
