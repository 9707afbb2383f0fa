#include "domain/timing/VRaceTime.h"

#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

namespace
{
KString Formatted(const VRaceTime &t, int64_t resolution)
{
    KString s;
    t.Format(s, resolution);
    return s;
}

struct SeparatorReset
{
    ~SeparatorReset() { VRaceTime::SetSeparators(L':', L'.'); }
};
}

TEST(VRaceTime, FormatsMillisecondsAtDisplayResolutionWithBuiltInSeparators)
{
    VRaceTime::SetSeparators(0, 0);
    VRaceTime t(153, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
    EXPECT_EQ(Formatted(t, 80), L"0.153");
    EXPECT_EQ(Formatted(t, VRaceTime::kHundredth), L"0.15");
    EXPECT_EQ(Formatted(VRaceTime(1520, VRaceTime::kMillisecond, 80), VRaceTime::kHundredth), L"1.52");
    EXPECT_EQ(Formatted(VRaceTime(62500, VRaceTime::kMillisecond, 80), VRaceTime::kHundredth), L"1:02.50");
    EXPECT_EQ(Formatted(VRaceTime(3723, VRaceTime::kSecond, 80), VRaceTime::kSecond), L"1:02:03");
    EXPECT_EQ(Formatted(VRaceTime(-250, VRaceTime::kMillisecond, 80), 80), L"-0.250");
}

TEST(VRaceTime, FormatsNothingForNoTimeAndParsesWithLoadedSeparators)
{
    SeparatorReset reset;
    EXPECT_TRUE(Formatted(VRaceTime(), 80).IsEmpty());
    VRaceTime::SetSeparators(L'\'', L',');
    VRaceTime t;
    EXPECT_TRUE(t.Parse(KString(L"1'02,5")));
    EXPECT_EQ(t.Milliseconds(), 62500);
}

TEST(VRaceTime, ParsesTimesAndTakesTheResolutionOfTheLastDigit)
{
    VRaceTime t;
    ASSERT_TRUE(t.Parse(KString(L"1:02.50")));
    EXPECT_EQ(t.Milliseconds(), 62500);
    EXPECT_EQ(t.Resolution(), VRaceTime::kHundredth);
    ASSERT_TRUE(t.Parse(KString(L" 0.153 ")));
    EXPECT_EQ(t.Ticks(), 153 * 80);
    ASSERT_TRUE(t.Parse(KString(L"-1.5")));
    EXPECT_EQ(t.Milliseconds(), -1500);
    ASSERT_TRUE(t.Parse(KString(L"12")));
    EXPECT_EQ(t.Resolution(), VRaceTime::kSecond);
}

TEST(VRaceTime, RejectsTextsThatAreNoTimeAndKeepsItsValue)
{
    VRaceTime t(5, VRaceTime::kSecond, 80);
    for (const wchar_t *bad : {L"", L"   ", L"abc", L"1:", L":5", L"1:2:3:4", L"1:75", L"1.2.3", L"1.", L"-",
                               L"1.123456", L"5s"}) {
        EXPECT_FALSE(t.Parse(KString(bad))) << "accepted \"" << KString(bad).Length() << "\"";
        EXPECT_EQ(t.Milliseconds(), 5000);
    }
}

TEST(VRaceTime, MillisecondsMarksNoTimeAndTruncates)
{
    EXPECT_FALSE(VRaceTime().IsValid());
    EXPECT_EQ(VRaceTime().Milliseconds(), int32_t(0x80000000));
    EXPECT_FALSE(VRaceTime::FromMilliseconds(int32_t(0x80000000)).IsValid());
    EXPECT_EQ(VRaceTime(12345, 1, 1).Milliseconds(), 154);
    EXPECT_EQ(VRaceTime(-12345, 1, 1).Milliseconds(), -154);
    // A time below the 32-bit millisecond range still holds a time and never
    // answers the no-time mark, so IsValid() alone tells the two apart.
    const VRaceTime low(int64_t(INT32_MIN) - 5, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
    EXPECT_TRUE(low.IsValid());
    EXPECT_EQ(low.Milliseconds(), VRaceTime::kNoMilliseconds + 1);
}

TEST(VRaceTime, ArithmeticCarriesNoTimeAndTheCoarserResolution)
{
    VRaceTime a(1000, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
    VRaceTime b(150, VRaceTime::kMillisecond, VRaceTime::kHundredth);
    VRaceTime d = a - b;
    EXPECT_EQ(d.Milliseconds(), 850);
    EXPECT_EQ(d.Resolution(), VRaceTime::kHundredth);
    EXPECT_FALSE((a + VRaceTime()).IsValid());
    EXPECT_FALSE((VRaceTime() - a).IsValid());
}

TEST(VRaceTime, ComparesTickForTickWithNoTimeLast)
{
    VRaceTime a(100, VRaceTime::kMillisecond, 80);
    VRaceTime b(8000, 1, 800);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(VRaceTime() == VRaceTime());
    EXPECT_TRUE(a < VRaceTime());
    EXPECT_TRUE(VRaceTime(99, 80, 80) < a);
}

TEST(VRaceTime, ResolutionBecomesCoarserUnlessForcedAndRoundingGoesDown)
{
    VRaceTime t(1234, VRaceTime::kMillisecond, VRaceTime::kMillisecond);
    t.SetResolution(VRaceTime::kTick, false);
    EXPECT_EQ(t.Resolution(), VRaceTime::kMillisecond);
    t.SetResolution(VRaceTime::kTick, true);
    EXPECT_EQ(t.Resolution(), VRaceTime::kTick);
    t.RoundDown(VRaceTime::kHundredth);
    EXPECT_EQ(t.Milliseconds(), 1230);
    VRaceTime n(-1234, VRaceTime::kMillisecond, 80);
    n.RoundDown(VRaceTime::kHundredth);
    EXPECT_EQ(n.Milliseconds(), -1240);
}
