#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

TEST(KHelpers, RoundDownGoesTowardsMinusInfinity)
{
    EXPECT_EQ(KRoundDown(-1, 1000), -1000);
    EXPECT_EQ(KRoundDown(-1000, 1000), -1000);
    EXPECT_EQ(KRoundDown(1999, 1000), 1000);
    EXPECT_EQ(KRoundDown(0, 1000), 0);
}

TEST(KHelpers, TickElapsedSurvivesTheWrap)
{
    // A deadline taken just before the 32-bit wrap still measures forward.
    int32_t then = int32_t(uint32_t(KTickCount()) - 50u);
    EXPECT_GE(KTickElapsed(then), 50);
    EXPECT_LT(KTickElapsed(then), 10000);
}

TEST(KHelpers, AnsiApiOnlyOnThe9xFamilyUnlessForced)
{
    EXPECT_TRUE(KIsAnsiOnlyPlatform(1));  // Windows 95/98/ME
    EXPECT_TRUE(KIsAnsiOnlyPlatform(0));  // Win32s
    EXPECT_FALSE(KIsAnsiOnlyPlatform(2)); // NT and later
    EXPECT_FALSE(KUseAnsiApi());          // Wine reports an NT system
    KForceAnsiApi(1);
    EXPECT_TRUE(KUseAnsiApi());
    KForceAnsiApi(-1);
    EXPECT_FALSE(KUseAnsiApi());
}
