#include "domain/hardware/VHardware.h"

#include "domain/fakes/QVRecordingFakes.h"

#include <gtest/gtest.h>

namespace
{
class FakeHardwareWindow : public QVHardwareWindowHook
{
public:
    void HardwareChanged() override { ++changes; }
    int changes = 0;
};
}

TEST(VHardware, RingsKeepTheLast125RecordsAndReportAtMost100RecentStarts)
{
    VHardware hub;
    int count = -1, first = -1;
    hub.RecentStarts(count, first);
    EXPECT_EQ(count, 0);
    VRaceTime t;
    EXPECT_FALSE(hub.GetStart(0, t));
    for (int i = 0; i < 130; ++i)
        hub.AddStart(VRaceTime(i, VRaceTime::kSecond, VRaceTime::kMillisecond));
    hub.RecentStarts(count, first);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(first, 30);
    EXPECT_FALSE(hub.GetStart(4, t));
    ASSERT_TRUE(hub.GetStart(5, t));
    EXPECT_EQ(t.Milliseconds(), 5000);
    ASSERT_TRUE(hub.GetStart(129, t));
    EXPECT_EQ(t.Milliseconds(), 129000);
    EXPECT_FALSE(hub.GetStart(130, t));
    hub.AddBreak(VRaceTime(7, VRaceTime::kSecond, 80));
    EXPECT_TRUE(hub.GetBreak(0, t));
}

TEST(VHardware, IdleTellsTheViewOnlyAfterAChange)
{
    VHardware hub;
    FakeHardwareWindow window, toolBar;
    hub.MessageInterface()->SetWindow(&window);
    hub.MessageInterface()->SetToolBar(&toolBar);
    hub.Idle();
    EXPECT_EQ(window.changes, 0);
    hub.AddStart(VRaceTime(1, VRaceTime::kSecond, 80));
    hub.Idle();
    hub.Idle();
    EXPECT_EQ(window.changes, 1);
    EXPECT_EQ(toolBar.changes, 1);
}
