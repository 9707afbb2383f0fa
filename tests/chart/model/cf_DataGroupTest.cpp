#include "chart/model/cf_DataGroup.h"

#include <gtest/gtest.h>

TEST(cf_DataGroup, FirstValueSetsTheExtremesWhateverTheyHeld)
{
    cf_DataGroup g;
    g.AddValue(5, -2, 0);
    EXPECT_DOUBLE_EQ(g.XMin(), 5);
    EXPECT_DOUBLE_EQ(g.YMax(), -2);
    g.AddValue(1, 4, 2);
    EXPECT_DOUBLE_EQ(g.XMin(), 1);
    EXPECT_DOUBLE_EQ(g.XMax(), 5);
    EXPECT_DOUBLE_EQ(g.YMin(), -2);
    EXPECT_DOUBLE_EQ(g.YMax(), 4);
    EXPECT_DOUBLE_EQ(g.XSum(), 6);
    EXPECT_FALSE(g.IsChanged());
}

TEST(cf_DataGroup, ValueIndexIsClampedToTheValuesPresent)
{
    cf_DataGroup g;
    for (int i = 1; i <= 3; ++i)
        g.AddValue(i, i * 10, 0);
    EXPECT_DOUBLE_EQ(g.Value(-3)->Y(), 10);
    EXPECT_DOUBLE_EQ(g.Value(2)->Y(), 20);
    EXPECT_DOUBLE_EQ(g.Value(3 + 5)->Y(), 30);
}

TEST(cf_DataGroup, ReadingAnEmptyGroupAnswersZeroWithoutAddingIt)
{
    cf_DataGroup g;
    ASSERT_NE(g.Value(1), nullptr);
    EXPECT_DOUBLE_EQ(g.Value(1)->X() + g.Value(1)->Y() + g.Value(1)->Z(), 0);
    EXPECT_FALSE(g.HasValues());
}

TEST(cf_DataGroup, GrowsPastItsInitialRoomKeepingEveryValue)
{
    cf_DataGroup g;
    for (int i = 1; i <= 300; ++i)
        g.AddValue(i, -i, 0);
    EXPECT_EQ(g.Count(), 300);
    EXPECT_DOUBLE_EQ(g.Value(1)->Y(), -1);
    EXPECT_DOUBLE_EQ(g.Value(300)->Y(), -300);
}

TEST(cf_DataGroup, SmallestXStepAndSumAbsY)
{
    cf_DataGroup g;
    for (double x : {0.0, 2.0, 3.0, 10.0})
        g.AddValue(x, 0, 0);
    EXPECT_DOUBLE_EQ(g.SmallestXStep(), 1);
    cf_DataGroup one;
    one.AddValue(4, 0, 0);
    EXPECT_DOUBLE_EQ(one.SmallestXStep(), 0);
    cf_DataGroup falling;
    falling.AddValue(3, 3, 0);
    falling.AddValue(1, -4, 0);
    EXPECT_DOUBLE_EQ(falling.SmallestXStep(), -2);
    EXPECT_DOUBLE_EQ(falling.SumAbsY(), 7);
}

TEST(cf_DataGroup, ClearEmptiesValuesAndNameButKeepsAttributes)
{
    cf_DataGroup g(L"Power");
    g.DispAttribs().SetFillColor(bf_Color(9));
    g.AddValue(1, 2, 3);
    g.Clear();
    EXPECT_TRUE(g.Name() == L"");
    EXPECT_EQ(g.Count(), 0);
    EXPECT_DOUBLE_EQ(g.XMax() + g.YMax() + g.ZMax() + g.XSum(), 0);
    EXPECT_TRUE(g.IsChanged());
    EXPECT_EQ(g.DispAttribs().FillColor().Index(), 9);
    g.SetName(nullptr);
    EXPECT_TRUE(g.Name() == L"");
}

TEST(cf_DataGroup, AssignmentCopiesValuesButKeepsOwnTextAttributes)
{
    cf_DataGroup source(L"A");
    source.AddValue(1, 2, 3)->SetLabel(L"one");
    source.DispAttribs().SetLineColor(bf_Color(4));
    source.TextAttribs().SetTextColor(bf_Color(12));
    cf_DataGroup target(L"B");
    target.AddValue(9, 9, 9);
    target = source;
    EXPECT_TRUE(target.Name() == L"A");
    ASSERT_EQ(target.Count(), 1);
    EXPECT_NE(target.Value(1), source.Value(1));
    EXPECT_TRUE(*target.Value(1)->Label() == L"one");
    EXPECT_EQ(target.DispAttribs().LineColor().Index(), 4);
    EXPECT_EQ(target.TextAttribs().TextColor().Index(), 0);
    EXPECT_DOUBLE_EQ(target.XMax(), 1);
}

TEST(cf_DataGroup, ValuesAddedAfterAClearCarryNothingOfTheValuesBefore)
{
    cf_DataGroup g;
    for (int i = 1; i <= 5000; ++i) {
        cf_XYZ *value = g.AddValue(i, i, i);
        value->SetLabel(L"old");
        value->SetFlag(0);
    }
    cf_XYZ *kept = g.Value(1);
    g.Clear();
    for (int i = 1; i <= 6000; ++i)
        g.AddValue(-i, 2 * i, 0);
    g.AddValue(cf_XYZ(7, 8, 9))->SetLabel(L"copied");
    ASSERT_EQ(g.Count(), 6001);
    for (int n = 1; n <= 6000; ++n) {
        const cf_XYZ *value = g.Value(n);
        ASSERT_TRUE(value->X() == -n && value->Y() == 2 * n && value->Z() == 0) << n;
        ASSERT_FALSE(value->HasLabel() || value->Label()) << n;
        ASSERT_EQ(value->Flag(), 1) << n;
    }
    EXPECT_TRUE(*g.Value(6001)->Label() == L"copied");
    EXPECT_DOUBLE_EQ(g.XMin(), -6000);
    EXPECT_DOUBLE_EQ(g.YMax(), 12000);
    EXPECT_DOUBLE_EQ(g.ZMax(), 9);
    // A value keeps its place while the group grows.
    EXPECT_EQ(g.Value(1), kept);
    EXPECT_DOUBLE_EQ(kept->X(), -1);
}
