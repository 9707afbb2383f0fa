#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VRaceTime.h"

#include <gtest/gtest.h>

namespace {

QVResult *Timed(QVResults &list, const wchar_t *name, int32_t ms)
{
    QVResult *r = list.NewResult();
    r->SetLastName(KString(name));
    if (ms >= 0)
        r->SetFinishTime(VRaceTime::FromMilliseconds(ms));
    return r;
}

} // namespace

TEST(QVResultsQueries, TimedUntimedAndNearestFollowTheFinishTimes)
{
    QVResults list;
    QVResult *a = Timed(list, L"A", 7000);
    QVResult *b = Timed(list, L"B", -1);
    QVResult *c = Timed(list, L"C", 7300);
    EXPECT_EQ(list.NextTimed(nullptr), a);
    EXPECT_EQ(list.NextTimed(a), c);
    EXPECT_EQ(list.NextTimed(c), nullptr);
    EXPECT_EQ(list.NextUntimed(nullptr), b);
    EXPECT_EQ(list.NextUntimed(b), nullptr);
    EXPECT_EQ(list.NearestTimed(VRaceTime::FromMilliseconds(7200)), c);
    EXPECT_EQ(list.NearestTimed(VRaceTime::FromMilliseconds(100)), a);
    EXPECT_TRUE(list.IsNearTimed(VRaceTime::FromMilliseconds(7008)));
    EXPECT_FALSE(list.IsNearTimed(VRaceTime::FromMilliseconds(7008), a));
    EXPECT_FALSE(list.IsNearTimed(VRaceTime::FromMilliseconds(7150)));
    EXPECT_FALSE(list.IsNearTimed(VRaceTime()));
    QVResults empty;
    EXPECT_EQ(empty.NearestTimed(VRaceTime::FromMilliseconds(1)), nullptr);
}

TEST(QVResultsQueries, FlagsAndFieldSearch)
{
    QVResults list;
    QVResult *a = Timed(list, L"Berg", -1);
    QVResult *b = Timed(list, L"Costa", -1);
    EXPECT_EQ(list.NextFlagged(nullptr), nullptr);
    b->SetFlag(true);
    EXPECT_EQ(list.NextFlagged(nullptr), b);
    list.SetFlagAll(true);
    EXPECT_EQ(list.NextFlagged(nullptr), a);
    list.SetFlagAll(false);
    EXPECT_EQ(list.NextFlagged(nullptr), nullptr);
    EXPECT_EQ(list.FindByField(QVResult::kLastName, KString(L"costa")), b);
    EXPECT_EQ(list.FindByField(QVResult::kLastName, KString(L"Lund")), nullptr);
}
