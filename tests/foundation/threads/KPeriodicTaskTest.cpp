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
    std::atomic<int32_t> nows[16] = {};   // the first ticks' KTickCount, in order
    std::atomic<int> priority{-99};
    bool throwOnFirst = false;

protected:
    void Tick(int32_t now) override
    {
        lastNow = now;
        if (ticks < 16)
            nows[ticks] = now;
        priority = GetThreadPriority(GetCurrentThread());
        if (ticks++ == 0 && throwOnFirst)
            throw 1;
    }
};

// Waits up to 10 s for the task's count to reach count: a busy machine
// wakes its thread late.
bool TicksReach(const CountingTask &task, int count)
{
    for (int32_t start = KTickCount(); task.ticks < count && KTickElapsed(start) < 10000;)
        KSleep(5);
    return task.ticks >= count;
}

} // namespace

TEST(KPeriodicTask, TicksOncePerPeriodWhileRunning)
{
    CountingTask task;
    ASSERT_TRUE(task.Start(100, 0, 32768));
    EXPECT_EQ(task.GetState(), KPeriodicTask::kPaused);
    EXPECT_FALSE(task.IsRunning());
    task.Resume();
    EXPECT_TRUE(task.IsRunning());
    ASSERT_TRUE(TicksReach(task, 10));
    task.Pause();
    // A tick comes only after a whole period has passed since the one
    // before (the system may round the wait down a little), and not long
    // after it, even when a busy machine wakes the thread late.
    for (int i = 1; i < 10; ++i)
        EXPECT_GE(task.nows[i] - task.nows[i - 1], 80) << "between ticks " << i - 1 << " and " << i;
    EXPECT_LT(task.nows[9] - task.nows[0], 9 * 300) << "ms for nine periods of 100 ms";
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
    ASSERT_TRUE(TicksReach(task, 1));
    task.Pause();
    const int ticks = task.ticks;
    KSleep(300);
    EXPECT_LE(task.ticks, ticks + 1) << "ticks while paused"; // one already past its check may still finish
    EXPECT_EQ(task.GetState(), KPeriodicTask::kPaused);
}

TEST(KPeriodicTask, StopEndsTheThreadAndAllowsANewStart)
{
    CountingTask task;
    ASSERT_TRUE(task.Start(10, 1));
    EXPECT_FALSE(task.Start(10)); // already has a thread
    task.Resume();
    ASSERT_TRUE(TicksReach(task, 1));
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
