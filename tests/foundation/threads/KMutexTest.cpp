#include "foundation/threads/KMutex.h"
#include "foundation/values/KHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

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
