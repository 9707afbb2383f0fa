#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_DyArr.h"
#include "chart/values/cf_Stack.h"

#include <gtest/gtest.h>

TEST(cf_DyArr, AtGrowsByDoublingAndKeepsEarlierSlots)
{
    cf_DyArr a;
    EXPECT_EQ(a.Capacity(), 16);
    int marker = 0;
    a.At(3) = &marker;
    a.At(100) = &marker;
    EXPECT_EQ(a.Capacity(), 128);
    EXPECT_EQ(a.At(3), &marker);
    EXPECT_EQ(a.At(50), nullptr); // new slots start empty
}

TEST(cf_DyArr, GrowResizeAndDegenerateSizesOnlyEnlargeAndStayInBounds)
{
    cf_DyArr a(26);
    a.Grow(4);
    EXPECT_EQ(a.Capacity(), 30);
    a.Resize(10);
    EXPECT_EQ(a.Capacity(), 30);
    a.Resize(41);
    EXPECT_EQ(a.Capacity(), 41);
    cf_DyArr none(0);
    EXPECT_EQ(none.Capacity(), 1);
    none.At(5) = &none; // would loop for ever if the capacity stayed 0
    EXPECT_EQ(none.Capacity(), 8);
    none.At(-4) = nullptr; // refers to slot 0
    EXPECT_EQ(none.At(5), &none);
}

TEST(cf_Stack, PushPopTopInLastInFirstOutOrder)
{
    cf_Stack s;
    EXPECT_EQ(s.Pop(), nullptr);
    int a = 1, b = 2;
    s.Push(&a);
    s.Push(&b);
    EXPECT_EQ(s.Top(), &b);
    EXPECT_EQ(s.At(1), &a);
    EXPECT_EQ(s.At(2), nullptr);
    EXPECT_EQ(s.Pop(), &b);
    EXPECT_EQ(s.Pop(), &a);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(cf_2DRect, WidthAndHeightAreNotNormalised)
{
    cf_2DRect r(10, 20, 5, 50);
    EXPECT_EQ(r.Width(), -5);
    EXPECT_EQ(r.Height(), 30);
}
