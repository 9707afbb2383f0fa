#include "foundation/threads/KPeriodicTask.h"
#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

// The ticks whose times a task keeps.
constexpr int kKeptTicks = 21;

class CountingTask : public KPeriodicTask
{
public:
    ~CountingTask() override { Stop(); }

    std::atomic<int> ticks{0};
    std::atomic<int32_t> lastNow{0};
    std::atomic<int32_t> nows[kKeptTicks] = {};   // the first ticks' KTickCount, in order
    std::atomic<int> priority{-99};
    bool throwOnFirst = false;

protected:
    void Tick(int32_t now) override
    {
        lastNow = now;
        if (ticks < kKeptTicks)
            nows[ticks] = now;
        priority = GetThreadPriority(GetCurrentThread());
        if (ticks++ == 0 && throwOnFirst)
            throw 1;
    }
};

// Waits up to 30 s for the task's count to reach count: a busy machine
// wakes its thread late.
bool TicksReach(const CountingTask &task, int count)
{
    for (int32_t start = KTickCount(); task.ticks < count && KTickElapsed(start) < 30000;)
        KSleep(5);
    return task.ticks >= count;
}

// The gaps between the task's kept ticks, in milliseconds, in order.
std::vector<int32_t> Gaps(const CountingTask &task)
{
    std::vector<int32_t> gaps;
    for (int i = 1; i < kKeptTicks; ++i)
        gaps.push_back(task.nows[i] - task.nows[i - 1]);
    return gaps;
}

int32_t Median(std::vector<int32_t> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
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
    ASSERT_TRUE(TicksReach(task, kKeptTicks));
    task.Pause();
    // A tick comes only after a whole period has passed since the one
    // before (the system may round the wait down a little), and most come
    // soon after it: a busy machine may wake the thread late now and then,
    // which moves the median gap little.
    const std::vector<int32_t> gaps = Gaps(task);
    for (size_t i = 0; i < gaps.size(); ++i)
        EXPECT_GE(gaps[i], 80) << "between ticks " << i << " and " << i + 1;
    EXPECT_LT(Median(gaps), 150) << "ms between two ticks of a period of 100 ms";
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
