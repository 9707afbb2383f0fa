#include "foundation/threads/KPeriodicTask.h"
#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

namespace {

class CountingTask : public KPeriodicTask
{
public:
    ~CountingTask() override { Stop(); }

    std::atomic<int> ticks{0};
    std::atomic<int32_t> lastNow{0};
    std::atomic<int> priority{-99};
    bool throwOnFirst = false;

protected:
    void Tick(int32_t now) override
    {
        lastNow = now;
        priority = GetThreadPriority(GetCurrentThread());
        if (ticks++ == 0 && throwOnFirst)
            throw 1;
    }
};

} // namespace

TEST(KPeriodicTask, TicksOncePerPeriodWhileRunning)
{
    CountingTask task;
    ASSERT_TRUE(task.Start(100, 0, 32768));
    EXPECT_EQ(task.GetState(), KPeriodicTask::kPaused);
    EXPECT_FALSE(task.IsRunning());
    int32_t start = KTickCount();
    task.Resume();
    EXPECT_TRUE(task.IsRunning());
    KSleep(1050);
    task.Pause();
    int32_t elapsed = KTickElapsed(start);
    int ticks = task.ticks;
    // About one tick per 100 ms of the time actually spent running.
    int expected = elapsed / 100;
    EXPECT_GE(ticks, expected - 2) << "elapsed " << elapsed;
    EXPECT_LE(ticks, expected + 2) << "elapsed " << elapsed;
    int32_t sinceLast = KTickElapsed(task.lastNow);
    EXPECT_GE(sinceLast, 0);
    EXPECT_LT(sinceLast, 5000);
}

TEST(KPeriodicTask, NoTicksBeforeResumeOrWhilePaused)
{
    CountingTask task;
    ASSERT_TRUE(task.Start(20));
    KSleep(200);
    EXPECT_EQ(task.ticks, 0);
    task.Resume();
    KSleep(150);
    task.Pause();
    KSleep(30); // a tick already past its check may still finish
    int ticks = task.ticks;
    EXPECT_GT(ticks, 0);
    KSleep(300);
    EXPECT_EQ(task.ticks, ticks);
    EXPECT_EQ(task.GetState(), KPeriodicTask::kPaused);
}

TEST(KPeriodicTask, StopEndsTheThreadAndAllowsANewStart)
{
    CountingTask task;
    ASSERT_TRUE(task.Start(10, 1));
    EXPECT_FALSE(task.Start(10)); // already has a thread
    task.Resume();
    KSleep(100);
    int32_t start = KTickCount();
    task.Stop();
    EXPECT_LT(KTickElapsed(start), 1000); // the event wakes the thread at once
    EXPECT_EQ(task.GetState(), KPeriodicTask::kStopped);
    int ticks = task.ticks;
    KSleep(60);
    EXPECT_EQ(task.ticks, ticks);
    EXPECT_EQ(task.priority, THREAD_PRIORITY_ABOVE_NORMAL);
    task.Resume(); // no effect on a stopped task
    EXPECT_FALSE(task.IsRunning());
    EXPECT_TRUE(task.Start(10));
    task.Stop();
}

TEST(KPeriodicTask, DestructorStopsARunningTaskWithALongPeriod)
{
    int32_t start = KTickCount();
    {
        CountingTask task;
        ASSERT_TRUE(task.Start(60000, -3));
        task.Resume();
    }
    EXPECT_LT(KTickElapsed(start), 5000);
}

TEST(KPeriodicTask, AnExceptionInTickDoesNotEndTheTask)
{
    CountingTask task;
    task.throwOnFirst = true;
    ASSERT_TRUE(task.Start(10));
    task.Resume();
    int32_t start = KTickCount();
    while (task.ticks < 3 && KTickElapsed(start) < 5000)
        KSleep(5);
    EXPECT_GE(task.ticks, 3);
}
