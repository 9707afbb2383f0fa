#include "foundation/threads/KMutex.h"
#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

void WaitFor(const std::atomic<bool> &flag)
{
    while (!flag)
        KSleep(1);
}

} // namespace

TEST(KMutex, LockFailsAfterItsTimeOutWhileAnotherThreadHoldsIt)
{
    KMutex mutex;
    std::atomic<bool> held{false}, release{false};
    std::thread owner([&] {
        mutex.Lock(0, -1);
        held = true;
        WaitFor(release);
        mutex.Unlock();
    });
    WaitFor(held);
    int32_t start = KTickCount();
    bool locked = mutex.Lock(0, 200);
    int32_t elapsed = KTickElapsed(start);
    release = true;
    owner.join();
    EXPECT_FALSE(locked);
    EXPECT_GE(elapsed, 150);  // the system may round the wait down a little
    EXPECT_LT(elapsed, 5000); // and a loaded machine may wake us late
    // Once released, the mutex is free again.
    EXPECT_TRUE(mutex.Lock(0, 0));
    mutex.Unlock();
}

TEST(KMutex, WaitsForEverWithANegativeTimeOut)
{
    KMutex mutex;
    std::atomic<bool> held{false}, release{false};
    std::thread owner([&] {
        mutex.Lock();
        held = true;
        WaitFor(release);
        KSleep(50);
        mutex.Unlock();
    });
    WaitFor(held);
    release = true;
    EXPECT_TRUE(mutex.Lock(0, -1));
    mutex.Unlock();
    owner.join();
}

TEST(KMutex, AnAbandonedMutexCountsAsTaken)
{
    KMutex mutex;
    std::thread([&] { mutex.Lock(); }).join(); // ends still holding it
    EXPECT_TRUE(mutex.Lock(0, 1000));
    EXPECT_TRUE(mutex.Unlock());
}

TEST(KMutex, TheOwnerMayLockAgainAndMustUnlockAsOften)
{
    KMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    ASSERT_TRUE(mutex.Lock(0, 0));
    EXPECT_TRUE(mutex.Unlock());
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = mutex.Lock(0, 0); }).join();
    EXPECT_FALSE(otherGotIt);
    EXPECT_TRUE(mutex.Unlock());
    EXPECT_FALSE(mutex.Unlock()); // not held any more
}

TEST(KMutex, KeepsThreadsThatIncrementOneCounterFromLosingAnIncrement)
{
    KMutex mutex;
    int counter = 0;
    constexpr int kThreads = 4, kRounds = 20000;
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            WaitFor(go);
            for (int i = 0; i < kRounds; ++i) {
                ASSERT_TRUE(mutex.Lock());
                // Read, yield now and then so that others queue up, write.
                int seen = counter;
                if (i % 64 == 0)
                    KSleep(0);
                counter = seen + 1;
                mutex.Unlock();
            }
        });
    go = true;
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(counter, kThreads * kRounds);
}

TEST(KMutex, AWaitingThreadGetsTheMutexWhenItsHolderEndsHoldingIt)
{
    KMutex mutex;
    std::atomic<bool> held{false}, waiting{false};
    std::thread owner([&] {
        mutex.Lock();
        held = true;
        WaitFor(waiting);
        KSleep(50);  // the other thread is asleep in Lock by now
    });                // ends still holding it
    WaitFor(held);
    waiting = true;
    EXPECT_TRUE(mutex.Lock(0, 5000));
    EXPECT_TRUE(mutex.Unlock());
    owner.join();
}
