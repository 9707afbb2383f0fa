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

TEST(KRect, ClipToClampsEdgesIntoTheBoundsAndEmptiesARectangleOutside)
{
    const KRect bounds(0, 0, 9, 9);
    const struct { KRect in, out; } cases[] = {
        {KRect(5, 5, 20, 20), KRect(5, 5, 9, 9)},
        {KRect(20, 20, 30, 30), KRect(10, 10, 9, 9)},
        {KRect(-30, -30, -20, -20), KRect(0, 0, -1, -1)},
    };
    for (const auto &c : cases) {
        KRect r = c.in;
        EXPECT_TRUE(r.ClipTo(bounds));
        EXPECT_EQ(r, c.out);
        EXPECT_TRUE(r == KRect(5, 5, 9, 9) || r.IsEmpty());
    }
    KRect inside(5, 5, 9, 9);
    EXPECT_FALSE(inside.ClipTo(bounds));
}

TEST(KRect, ClampToLimitsKeepsEdgesWithinThirtyThousand)
{
    KRect r(-40000, 5, 40000, 30000);
    EXPECT_TRUE(r.ClampToLimits());
    EXPECT_EQ(r, KRect(-30000, 5, 30000, 30000));
    EXPECT_FALSE(r.ClampToLimits());
}

TEST(KPoint, ClampToMovesIntoTheRectangleAndToAnEmptyOnesFarEdge)
{
    KPoint p(50, -3);
    EXPECT_TRUE(p.ClampTo(KRect(0, 0, 9, 9)));
    EXPECT_EQ(p, KPoint(9, 0));
    EXPECT_FALSE(p.ClampTo(KRect(0, 0, 9, 9)));
    KPoint q(5, 5);
    EXPECT_TRUE(q.ClampTo(KRect(0, 0, -1, -1)));
    EXPECT_EQ(q, KPoint(-1, -1));
}
