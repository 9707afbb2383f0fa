#include "chart/model/cf_ChartModel.h"
#include "chart/model/cf_EngineLink.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring LabelOf(cf_XYZ *v)
{
    return v->Label() ? v->Label()->Text() : L"<none>";
}

// Records the engine calls the model makes.
class RecordingEngine : public cf_EngineLink {
public:
    void BuildFromModel(cf_ChartModel *) override { calls += "B"; }
    void Relayout() override { calls += "L"; }
    void UpdateGeometry() override { calls += "G"; }
    void Project() override { calls += "P"; }
    void Refresh() override { calls += "R"; }
    std::string calls;
};

} // namespace

TEST(cf_ChartModel, ConstructionSelectsGroupOneAndNamesTheAxisGroups)
{
    cf_ChartModel m(nullptr, 2);
    EXPECT_EQ(m.GroupCount(), 1);
    EXPECT_EQ(m.CurrentGroupNumber(), 1);
    EXPECT_EQ(m.CurrentGroup()->DispAttribs().FillColor().Index(), 12);
    EXPECT_TRUE(m.Groups()->Name() == L"Groups");
    EXPECT_TRUE(m.Domain()->Name() == L"Domain");
    EXPECT_TRUE(m.Range()->Name() == L"Range");
}

TEST(cf_ChartModel, ColourSequenceWrapsAfterSixteen)
{
    cf_ChartModel m(nullptr, 1);
    EXPECT_EQ(m.ColourFor(17).Index(), 12);
    EXPECT_EQ(m.ColourFor(1).Index(), 12);
    EXPECT_EQ(m.ColourFor(0).Index(), 0);
    m.SetColour(18, bf_Color(3));
    EXPECT_EQ(m.ColourFor(2).Index(), 3);
    EXPECT_EQ(m.StyleB(0), 0);
    EXPECT_EQ(m.StyleB(2), 1);
    EXPECT_EQ(m.StyleA(6), 1);
}

TEST(cf_ChartModel, GroupsGetTheirColoursWhenFirstSelected)
{
    cf_ChartModel m(nullptr, 2);
    m.SelectGroup(5);
    EXPECT_EQ(m.LastGroup(), 5);
    EXPECT_EQ(m.Group(5)->DispAttribs().FillColor().Index(), 11);
    EXPECT_EQ(m.Group(3)->DispAttribs().FillColor().Index(), 15); // not yet selected
    EXPECT_EQ(m.SelectGroup(2)->DispAttribs().FillColor().Index(), 10);
    EXPECT_EQ(m.SelectGroup(3)->DispAttribs().FillColor().Index(), 9);
    EXPECT_EQ(m.SelectGroup(0), m.Group(1));
    EXPECT_EQ(m.Group(6), nullptr);
}

TEST(cf_ChartModel, ModeTwoPlacesTheFirstValueAtZeroLabelledZero)
{
    cf_ChartModel m(nullptr, 2);
    m.AddValue(7);
    cf_XYZ *v = m.CurrentGroup()->Value(1);
    EXPECT_DOUBLE_EQ(v->X(), 0);
    EXPECT_DOUBLE_EQ(v->Y(), 7);
    ASSERT_EQ(m.Domain()->Count(), 1);
    EXPECT_DOUBLE_EQ(m.Domain()->Value(1)->X(), 0);
    EXPECT_EQ(LabelOf(m.Domain()->Value(1)), L"0");
    EXPECT_TRUE(m.Changed());
}

TEST(cf_ChartModel, ModeTwoXRangeEndsAtTheLastValue)
{
    cf_ChartModel m(nullptr, 2);
    for (int i = 0; i < 5; ++i)
        m.AddValue(i * 10.0);
    m.SelectGroup(2);
    for (int i = 0; i < 3; ++i)
        m.AddValue(1.0);
    EXPECT_DOUBLE_EQ(m.XMin(), 0);
    EXPECT_DOUBLE_EQ(m.XMax(), m.Group(1)->Value(5)->X());
    EXPECT_EQ(m.Domain()->Count(), 5); // one entry per position, shared by groups
    EXPECT_EQ(LabelOf(m.Domain()->Value(5)), L"4");
}

TEST(cf_ChartModel, ModeOneCountsFromOne)
{
    cf_ChartModel m(nullptr, 1);
    m.AddValue(3, L"first", L"three");
    m.AddValue(4);
    EXPECT_DOUBLE_EQ(m.CurrentGroup()->Value(1)->X(), 1);
    EXPECT_DOUBLE_EQ(m.XMin(), 1);
    EXPECT_DOUBLE_EQ(m.XMax(), 2);
    EXPECT_EQ(LabelOf(m.Domain()->Value(1)), L"first");
    EXPECT_EQ(LabelOf(m.Domain()->Value(2)), L"2");
    ASSERT_EQ(m.Range()->Count(), 1);
    EXPECT_EQ(LabelOf(m.Range()->Value(1)), L"three");
}

TEST(cf_ChartModel, ValuesPastTheDomainAreNumberedUnlessTheChartLaysItOutItself)
{
    cf_ChartModel m(nullptr, 1);
    m.AddDomainLabel(1, L"start");
    m.SetNumberNewValues(false);
    for (double y : {5.0, 6.0, 7.0})
        m.AddValue(y);
    m.AddValue(8, L"labelled");
    ASSERT_EQ(m.Domain()->Count(), 2); // its own entry and the labelled one
    EXPECT_EQ(LabelOf(m.Domain()->Value(2)), L"labelled");
    EXPECT_DOUBLE_EQ(m.XMax(), 4);
    m.SetNumberNewValues(true);
    m.AddValue(9);
    ASSERT_EQ(m.Domain()->Count(), 3);
    EXPECT_EQ(LabelOf(m.Domain()->Value(3)), L"5");
}

TEST(cf_ChartModel, ExplicitValuesSwitchToModeThreeAndUseTheirExtremes)
{
    cf_ChartModel m(nullptr, 1);
    m.AddValueXY(-2.5, 1, L"left");
    m.AddValueXY(4, 3);
    m.AddValueXY(4.5, 3);
    EXPECT_EQ(m.ValueMode(), 3);
    EXPECT_DOUBLE_EQ(m.XMin(), -2.5);
    EXPECT_DOUBLE_EQ(m.XMax(), 4.5);
    EXPECT_DOUBLE_EQ(m.XStep(), 0.5);
    EXPECT_DOUBLE_EQ(m.ZMax(), 1);
    EXPECT_EQ(m.Domain()->Count(), 1);
}

TEST(cf_ChartModel, SetValueModeRebuildsTheDomainLabels)
{
    cf_ChartModel m(nullptr, 1);
    for (int i = 0; i < 3; ++i)
        m.AddValue(i);
    m.SetValueMode(2, false);
    ASSERT_EQ(m.Domain()->Count(), 3);
    EXPECT_EQ(LabelOf(m.Domain()->Value(1)), L"0");
    EXPECT_EQ(LabelOf(m.Domain()->Value(3)), L"2");
    m.SetValueMode(3, false);
    ASSERT_EQ(m.Domain()->Count(), 3);
    EXPECT_EQ(LabelOf(m.Domain()->Value(1)), L"1"); // group 1's own x
}

TEST(cf_ChartModel, OneSignedSeriesReachesZeroUnlessTheRatioForbidsIt)
{
    cf_ChartModel m(nullptr, 2);
    for (double y : {40.0, 70.0, 100.0})
        m.AddValue(y);
    EXPECT_DOUBLE_EQ(m.YMin(), 0);
    EXPECT_DOUBLE_EQ(m.YMax(), 100);
    m.SetZeroRatio(0);
    EXPECT_DOUBLE_EQ(m.YMin(), 40);
    m.SetZeroBase(1);
    EXPECT_DOUBLE_EQ(m.YMin(), 0);

    cf_ChartModel negative(nullptr, 2); // the mirror rule
    for (double y : {-100.0, -40.0})
        negative.AddValue(y);
    EXPECT_DOUBLE_EQ(negative.YMax(), 0);
    EXPECT_DOUBLE_EQ(negative.YMin(), -100);
}

TEST(cf_ChartModel, FixedValuesPadsAndRoundingWidenTheYRange)
{
    cf_ChartModel m(nullptr, 2);
    m.SetZeroRatio(0);
    for (double y : {40.2, 99.5})
        m.AddValue(y);
    m.SetYFixedMax(90); // smaller than the data: no effect
    EXPECT_DOUBLE_EQ(m.YMax(), 99.5);
    m.SetYFixedMax(3000);
    EXPECT_DOUBLE_EQ(m.YMax(), 3000);
    m.SetYPadBelow(0.1);
    m.SetYFloor(1);
    EXPECT_DOUBLE_EQ(m.YMin(), 40);
    m.SetYFixedMaxSet(0);
    m.SetYPadAbove(0.2);
    m.SetYCeil(1);
    EXPECT_DOUBLE_EQ(m.YMax(), 100);
}

TEST(cf_ChartModel, StackedRangeSumsEachPosition)
{
    cf_ChartModel m(nullptr, 1);
    m.AddValue(3);
    m.AddValue(-1);
    m.SelectGroup(2);
    m.AddValue(4);
    m.AddValue(-2);
    EXPECT_DOUBLE_EQ(m.StackedYMax(), 7);
    EXPECT_DOUBLE_EQ(m.StackedYMin(), -3);
}

TEST(cf_ChartModel, ItemsAreMadeOnFirstUseWithTheirAnchoring)
{
    cf_ChartModel m(nullptr, 2);
    EXPECT_FALSE(m.HasAxisTitleItem(4));
    cf_DataGroup *power = m.AxisTitleItem(4);
    EXPECT_EQ(power->TextAttribs().AnchorRight(), 1);
    EXPECT_EQ(power->TextAttribs().Rotation(), 90);
    EXPECT_EQ(m.AxisTitleItem(3)->TextAttribs().Rotation(), -90);
    EXPECT_EQ(m.AxisTitleItem(99), m.AxisTitleItem(2));
    EXPECT_EQ(m.TextItem(1)->TextAttribs().AnchorBottom(), 1);

    m.SetAxisTitle(L"Time (seconds)", 2, 0, -60, 0);
    cf_DataGroup *time = m.AxisTitleItem(2);
    EXPECT_TRUE(time->Name() == L"Time (seconds)");
    EXPECT_EQ(time->Count(), 3);
    EXPECT_DOUBLE_EQ(time->Value(3)->Y(), -60);
    m.SetAxisTitle(L"Time", 2, 0, 0, 0);
    EXPECT_EQ(time->Count(), 3);
    m.SetTitle(L"Trial", 1, 1, 2, 3);
    m.ClearTitles();
    m.ClearAxisTitles();
    EXPECT_FALSE(m.HasTitleItem(1));
    EXPECT_FALSE(m.HasAxisTitleItem(2));
}

TEST(cf_ChartModel, LegendEntriesAreCreatedUpToTheOneAskedFor)
{
    cf_ChartModel m(nullptr, 2);
    cf_DataGroup *third = m.LegendEntry(3);
    EXPECT_EQ(m.LegendCount(), 3);
    EXPECT_TRUE(m.LegendEntry(1)->Name() == L"Un-assigned Legend!");
    EXPECT_EQ(third->DispAttribs().FillColor().Index(), 9);
    cf_DataGroup *added = m.AddLegendEntry(L"Left block", 1, 2, 3);
    EXPECT_EQ(m.LegendCount(), 4);
    EXPECT_EQ(added->DispAttribs().FillColor().Index(), 14);
    EXPECT_EQ(added->TextAttribs().TextColor().Index(), 14);
    m.ClearLegend();
    EXPECT_EQ(m.LegendCount(), 0);
}

TEST(cf_ChartModel, MarkFlagsReachEveryGroupWhenApplied)
{
    cf_ChartModel m(nullptr, 2);
    m.SelectGroup(2);
    m.SetMarkFlags(1, 1, false);
    EXPECT_EQ(m.MarkFlagFor(2), 1);
    EXPECT_EQ(m.MarkFlagFor(3), 0);
    EXPECT_EQ(m.Group(1)->DispAttribs().MarkPointsA(), 0);
    m.SetMarkFlags(1, 0, true);
    EXPECT_EQ(m.Group(1)->DispAttribs().MarkPointsA(), 1);
    EXPECT_EQ(m.Group(2)->DispAttribs().MarkPointsB(), 0);
    EXPECT_EQ(m.SelectGroup(3)->DispAttribs().MarkPointsA(), 1);
}

TEST(cf_ChartModel, ResetStartsAgainFromGroupOne)
{
    cf_ChartModel m(nullptr, 2);
    m.SelectGroup(4);
    m.AddValue(5, nullptr, L"five");
    m.Reset();
    EXPECT_EQ(m.GroupCount(), 1);
    EXPECT_EQ(m.CurrentGroup()->Count(), 0);
    EXPECT_EQ(m.Domain()->Count() + m.Range()->Count(), 0);
    EXPECT_TRUE(m.Range()->Name() == L"Range");
    m.AddValue(1);
    EXPECT_DOUBLE_EQ(m.CurrentGroup()->Value(1)->X(), 0);
}

TEST(cf_ChartModel, GroupsAfterAResetLookLikeTheGroupsOfANewModel)
{
    cf_ChartModel used(nullptr, 2);
    for (int n = 1; n <= 3; ++n) {
        cf_DataGroup *group = used.SelectGroup(n);
        group->SetName(L"old");
        group->DispAttribs().SetLineWidth(4);
        group->DispAttribs().SetLineStyle(1);
        group->DispAttribs().SetFillColor(bf_Color(3));
        group->TextAttribs().SetTextColor(bf_Color(5));
        for (int i = 0; i < 100; ++i)
            used.AddValue(i, L"x", L"y");
    }
    used.Reset();
    cf_ChartModel fresh(nullptr, 2);
    for (int n = 1; n <= 3; ++n) {
        cf_DataGroup &again = *used.SelectGroup(n);
        cf_DataGroup &made = *fresh.SelectGroup(n);
        EXPECT_EQ(again.Count(), 0) << n;
        EXPECT_TRUE(again.Name() == L"") << n;
        EXPECT_EQ(again.DispAttribs().LineWidth(), made.DispAttribs().LineWidth()) << n;
        EXPECT_EQ(again.DispAttribs().LineStyle(), made.DispAttribs().LineStyle()) << n;
        EXPECT_EQ(again.DispAttribs().FillColor().Index(), made.DispAttribs().FillColor().Index()) << n;
        EXPECT_EQ(again.DispAttribs().MarkPointsA(), made.DispAttribs().MarkPointsA()) << n;
        EXPECT_EQ(again.TextAttribs().TextColor().Index(), made.TextAttribs().TextColor().Index()) << n;
    }
    used.AddValue(5);
    EXPECT_DOUBLE_EQ(used.CurrentGroup()->Value(1)->Y(), 5);
    EXPECT_FALSE(used.CurrentGroup()->Value(1)->HasLabel());
}

TEST(cf_ChartModel, NotifyDoesNothingWithoutAnEngineAndDrivesOneWhenSet)
{
    cf_ChartModel m(nullptr, 2);
    m.AddValue(1);
    m.Notify(true, true, true, true, true); // no engine: nothing, no crash
    EXPECT_TRUE(m.Changed());
    m.SetValueMode(2, true);

    RecordingEngine engine;
    EXPECT_FALSE(m.SetEngine(nullptr));
    EXPECT_TRUE(m.SetEngine(&engine));
    m.Notify(false, false, false, false, false);
    EXPECT_EQ(engine.calls, "BLGPR"); // a change rebuilds everything
    EXPECT_FALSE(m.Changed());
    engine.calls.clear();
    m.Notify(false, true, false, true, false);
    EXPECT_EQ(engine.calls, "LP");
    engine.calls.clear();
    m.SetValueMode(1, true);
    EXPECT_EQ(engine.calls, "BLGPR");
}

TEST(cf_ChartModel, XStepIgnoresGroupsWithoutARealStep)
{
    cf_ChartModel m(nullptr, 3);
    m.AddValueXY(2, 1);
    EXPECT_DOUBLE_EQ(m.XStep(), 1.0); // one value: no step of 0 to divide by
    m.AddValueXY(2, 5); // repeated x: step 0
    EXPECT_DOUBLE_EQ(m.XStep(), 1.0);
    m.SelectGroup(2);
    m.AddValueXY(2, 5);
    m.AddValueXY(2.25, 5);
    EXPECT_DOUBLE_EQ(m.XStep(), 0.25);
}

TEST(cf_ChartModel, AxisLabelsGoToTheirGroupsFormattedOrAsGiven)
{
    cf_ChartModel m(nullptr, 2);
    m.SelectGroup(2);
    m.AddDomainLabel(1.5, L"start");
    m.AddDomainLabel(3.0, 0.25);
    m.AddRangeLabel(600.0, 600.0);
    m.AddGroupsLabel(7.0, L"left");
    m.AddGroupsLabel(8.0, 8.0);
    EXPECT_DOUBLE_EQ(m.Domain()->Value(1)->Z(), 2);
    EXPECT_EQ(LabelOf(m.Domain()->Value(1)), L"start");
    EXPECT_EQ(LabelOf(m.Domain()->Value(2)), L"0.25");
    EXPECT_DOUBLE_EQ(m.Range()->Value(1)->Y(), 600);
    EXPECT_EQ(LabelOf(m.Range()->Value(1)), L"600");
    EXPECT_DOUBLE_EQ(m.Groups()->Value(2)->X(), 2);
    EXPECT_DOUBLE_EQ(m.Groups()->Value(2)->Z(), 8);
    EXPECT_EQ(LabelOf(m.Groups()->Value(1)), L"left");
}
