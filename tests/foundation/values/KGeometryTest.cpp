#include "foundation/values/KPoint.h"
#include "foundation/values/KRect.h"

#include <gtest/gtest.h>

TEST(KRect, EdgesAreInclusive)
{
    KRect r(0, 0, 9, 9);
    EXPECT_EQ(r.Width(), 10);
    EXPECT_EQ(r.Height(), 10);
    EXPECT_EQ(r.Area(), 100);
    EXPECT_TRUE(r.ContainsPoint(KPoint(9, 9)));
    EXPECT_TRUE(r.ContainsPoint(KPoint(0, 0)));
    EXPECT_FALSE(r.ContainsPoint(KPoint(10, 5)));
    EXPECT_FALSE(r.ContainsPoint(KPoint(5, -1)));
}

TEST(KRect, EmptyRectanglesHaveNoPositiveArea)
{
    EXPECT_LE(KRect(0, 0, -1, -1).Area(), 0);
    EXPECT_LE(KRect(0, 0, 100, -1).Area(), 0);
    EXPECT_LE(KRect(0, 0, -5, 100).Area(), 0);
    EXPECT_EQ(KRect().Area(), 1); // the all-zero rectangle covers one point
    EXPECT_TRUE(KRect(5, 5, 4, 9).IsEmpty());
}

TEST(KRect, ClipToClampsEdgesIntoTheBounds)
{
    KRect r(5, 5, 20, 20);
    EXPECT_TRUE(r.ClipTo(KRect(0, 0, 9, 9)));
    EXPECT_EQ(r, KRect(5, 5, 9, 9));
    EXPECT_FALSE(r.ClipTo(KRect(0, 0, 9, 9)));
}

TEST(KRect, ClipToOfARectangleOutsideLeavesItEmpty)
{
    KRect beyond(20, 20, 30, 30);
    EXPECT_TRUE(beyond.ClipTo(KRect(0, 0, 9, 9)));
    EXPECT_EQ(beyond, KRect(10, 10, 9, 9));
    EXPECT_TRUE(beyond.IsEmpty());
    KRect before(-30, -30, -20, -20);
    EXPECT_TRUE(before.ClipTo(KRect(0, 0, 9, 9)));
    EXPECT_EQ(before, KRect(0, 0, -1, -1));
    EXPECT_LE(before.Area(), 0);
}

TEST(KRect, OffsetsAndInflateMoveEveryEdge)
{
    KRect r(1, 2, 3, 4);
    r += KPoint(10, 20);
    EXPECT_EQ(r, KRect(11, 22, 13, 24));
    r -= KPoint(10, 20);
    EXPECT_EQ(r, KRect(1, 2, 3, 4));
    r.Inflate(2);
    EXPECT_EQ(r, KRect(-1, 0, 5, 6));
    r.Inflate(-4);
    EXPECT_TRUE(r.IsEmpty());
}

TEST(KRect, ClampToLimitsKeepsEdgesWithinThirtyThousand)
{
    KRect r(-40000, 5, 40000, 30000);
    EXPECT_TRUE(r.ClampToLimits());
    EXPECT_EQ(r, KRect(-30000, 5, 30000, 30000));
    EXPECT_FALSE(r.ClampToLimits());
}

TEST(KPoint, ClampToMovesIntoTheRectangle)
{
    KPoint p(50, -3);
    EXPECT_TRUE(p.ClampTo(KRect(0, 0, 9, 9)));
    EXPECT_EQ(p, KPoint(9, 0));
    EXPECT_FALSE(p.ClampTo(KRect(0, 0, 9, 9)));
}

TEST(KPoint, ClampToAnEmptyRectangleGivesItsFarEdge)
{
    KPoint p(5, 5);
    EXPECT_TRUE(p.ClampTo(KRect(0, 0, -1, -1)));
    EXPECT_EQ(p, KPoint(-1, -1));
}

TEST(KPoint, ArithmeticComparisonAndLimits)
{
    KPoint p(1, 2);
    p += KPoint(3, 4);
    EXPECT_EQ(p, KPoint(4, 6));
    p -= KPoint(4, 0);
    EXPECT_EQ(p, KPoint(0, 6));
    EXPECT_TRUE(KPoint(1, 2) != KPoint(1, 3));
    EXPECT_FALSE(KPoint() != KPoint(0, 0));
    KPoint far(35000, -35000);
    EXPECT_TRUE(far.ClampToLimits());
    EXPECT_EQ(far, KPoint(30000, -30000));
}
