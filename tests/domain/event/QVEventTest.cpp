#include "domain/event/QVEvent.h"

#include "domain/charts/QVChart.h"
#include "domain/charts/QVChartView.h"
#include "domain/event/QVEventTestData.h"
#include "domain/fakes/QVRecordingFakes.h"
#include "domain/hardware/VHardware.h"
#include "foundation/errors/KErrorCodes.h"

#include <gtest/gtest.h>

#include <thread>

TEST(QVEvent, InitializeBuildsTheFirstLegWithTwoChartViewsAndArmsTheEvent)
{
    VHardware hub;
    QVEvent event;
    EXPECT_EQ(event.Initialize(2), kErrEventArm);
    EXPECT_EQ(event.LegCount(), 0);
    EXPECT_FALSE(hub.IsArmed(&event));

    EXPECT_EQ(event.Initialize(1), 0);
    EXPECT_TRUE(hub.IsArmed(&event));
    EXPECT_EQ(hub.ArmedList().Count(), 1);
    ASSERT_EQ(event.LegCount(), 1);
    VLeg *leg = event.Leg(0);
    EXPECT_EQ(event.Leg(1), nullptr);
    ASSERT_NE(leg->Results(), nullptr);
    ASSERT_GE(leg->ChartCount(), 2);
    EXPECT_NE(leg->Chart(0)->View(0, false), nullptr);
    EXPECT_NE(leg->Chart(1)->View(0, false), nullptr);
    EXPECT_FALSE(event.IsModified());
    EXPECT_EQ(event.Initialize(1), 0);
    EXPECT_EQ(event.LegCount(), 1);
    EXPECT_EQ(hub.ArmedList().Count(), 1);
}

TEST(QVEvent, DestroyingAnArmedEventTakesItOutOfTheHubWithoutTheHubDeletingIt)
{
    VHardware hub;
    {
        QVEvent event;
        event.Initialize(1);
        EXPECT_EQ(hub.ArmedList().Count(), 1);
    }
    EXPECT_EQ(hub.ArmedList().Count(), 0);
    auto *kept = new QVEvent;
    kept->Initialize(1);
    {
        VHardware other;   // only the first hub is the program's hub
        EXPECT_EQ(VHardware::Instance(), &hub);
    }
    delete kept;
}

TEST(QVEvent, RowWalkerYieldsTheEventThenEachLegAndItsResultList)
{
    QVEvent event;
    event.Initialize(1);
    event.AddLeg()->CreateResults();
    event.AddLeg();   // a leg without results has no list row
    QVEvent::RowIterator rows(event.View().Event());
    std::vector<uint32_t> kinds;
    for (int n = 0; rows.MoveTo(n); ++n)
        kinds.push_back(rows.Kind());
    EXPECT_EQ(kinds, (std::vector<uint32_t>{0x20004, 0x20009, 0x20005, 0x20009, 0x20005, 0x20009}));
    EXPECT_EQ(event.View().RowCount(), 6);
    EXPECT_FALSE(rows.MoveTo(6));
    EXPECT_FALSE(rows.MoveTo(-1));
    QVEvent empty;
    EXPECT_EQ(empty.View().RowCount(), 1);
}

TEST(QVEvent, LegMessagesReachTheChartWindowInTheirOrder)
{
    QVEvent event;
    event.Initialize(1);
    FakeChartWindow window;
    QVChartView *view = event.Leg(0)->Chart(0)->View(0, true);
    view->SetWindow(&window);
    VLeg *leg = event.Leg(0);
    leg->Select(KPoint(0, 2));
    leg->SelectNone();
    leg->ShowData();
    leg->ClearSelection();
    leg->NotifyOptionsChanged();
    leg->NotifyResultsChanged();
    EXPECT_EQ(window.calls, (std::vector<std::string>{"Update(0,2)", "Update(-1,-1)", "ShowChartData", "Clear",
                                                      "RefreshFrame", "UpdateButtons", "Update(-1,-1)"}));
    EXPECT_FALSE(event.IsModified());
    view->SetWindow(nullptr);
    leg->Select(KPoint(0, 1));
    EXPECT_EQ(window.calls.size(), 7u);
}

TEST(QVEvent, ChangesMarkTheDocumentModifiedAndHoldItsLockUntilTheAfterMessage)
{
    QVEvent event;
    event.Initialize(1);
    struct Probe : QVEventWindowHook
    {
        QVEvent *event = nullptr;
        int heldElsewhere = 0;
        int calls = 0;
        void DocumentChanged() override
        {
            ++calls;
            bool taken = true;
            std::thread other([&] {
                taken = event->Lock(0);
                if (taken)
                    event->Unlock();
            });
            other.join();
            if (!taken)
                ++heldElsewhere;
        }
    } probe;
    probe.event = &event;
    event.View().SetWindow(&probe);
    event.Leg(0)->Results()->NewResult()->SetLastName(KString(L"Owens"));
    EXPECT_TRUE(event.IsModified());
    EXPECT_EQ(probe.calls, 2);
    EXPECT_EQ(probe.heldElsewhere, 2);

    bool free = false;
    std::thread after([&] {
        free = event.Lock(0);
        if (free)
            event.Unlock();
    });
    after.join();
    EXPECT_TRUE(free);
}

TEST(QVEvent, CompetitionIdNeedsEventRoundAndHeat)
{
    QVEvent event;
    KString id;
    EXPECT_FALSE(event.CompetitionId(id));
    EXPECT_TRUE(id.IsEmpty());
    event.SetEventRoundHeat(KString(L"12"), KString(L"1"), KString(L""));
    EXPECT_FALSE(event.HasEventRoundHeat());
    event.SetEventRoundHeat(KString(L"12"), KString(L"1"), KString(L"3"));
    EXPECT_TRUE(event.CompetitionId(id));
    EXPECT_EQ(id, L"12-1-3");
}

TEST(QVEventView, WindowAndPaneHearOfEachCompletedChangeAndColumnsAreNeverResized)
{
    QVEvent event;
    event.Initialize(1);
    FakeEventWindow window, pane;
    event.View().SetWindow(&window);
    event.View().SetPane(&pane);
    event.SetName(KString(L"Heats"));
    event.Leg(0)->Select(KPoint(0, 0));   // no change of the document
    EXPECT_EQ(window.changes, 1);
    EXPECT_EQ(pane.changes, 1);

    const int32_t edges[3] = {0, 40, 100};
    EXPECT_EQ(QVEventView::ColumnPosition(edges, 3, 1), 40);
    EXPECT_EQ(QVEventView::ColumnWidth(edges, 3, 1), 60);
    EXPECT_EQ(QVEventView::ColumnWidth(edges, 3, 2), 0);
    EXPECT_FALSE(QVEventView::IsValidColumn(nullptr, 3, 0));
    EXPECT_FALSE(QVEventView::IsValidColumn(edges, 3, 3));
    EXPECT_EQ(event.View().ColumnCount(0), 0);
    EXPECT_FALSE(event.View().ResizeColumn(0, 0, 10));
}
