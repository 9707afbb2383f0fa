// The menu watchdog driven with chosen tick counts: one Escape to the GUI
// thread once the deadline has passed, also across the wrap of the count.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "shell/toolkit/menus/KZMenuWatchDog.h"

namespace {

// A watchdog on a clock the test sets; the worker's own checks (on the real
// clock) are ignored, so that only the test's calls decide.
class DrivenWatchDog : public KZMenuWatchDog
{
public:
    explicit DrivenWatchDog(int32_t timeout) : KZMenuWatchDog(timeout), testThread(GetCurrentThreadId()) {}
    void Tick(int32_t now) override
    {
        if (GetCurrentThreadId() == testThread)
            KZMenuWatchDog::Tick(now);
    }
    std::atomic<int32_t> now{0};

protected:
    int32_t Now() const override { return now; }

private:
    const DWORD testThread;
};

// Takes the Escape key presses posted to this thread.
int TakeEscapes()
{
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, reinterpret_cast<HWND>(-1), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE))
        if (message.wParam == VK_ESCAPE && message.lParam == 0)
            ++count;
    return count;
}

} // namespace

TEST(KZMenuWatchDog, PostsOneEscapeOnceTheDeadlineHasPassed)
{
    TakeEscapes();
    const struct
    {
        int32_t start;
    } cases[] = { { 100000 }, { int32_t(0xFFFFF000u) }, { int32_t(0x7FFFFF00) } };
    DrivenWatchDog dog(5000);
    for (const auto &c : cases) {
        dog.now = c.start;
        dog.Start();
        dog.Tick(int32_t(uint32_t(c.start) + 4999u));
        EXPECT_EQ(0, TakeEscapes()) << c.start;
        dog.Tick(int32_t(uint32_t(c.start) + 5000u));
        dog.Tick(int32_t(uint32_t(c.start) + 5500u));
        EXPECT_EQ(1, TakeEscapes()) << c.start;
        dog.Stop();
    }
}

TEST(KZMenuWatchDog, ActivityPushesTheDeadlineBackAndStopDisarms)
{
    TakeEscapes();
    DrivenWatchDog dog(5000);
    dog.now = 1000;
    dog.Start();
    dog.now = 4000;
    dog.Restart();
    dog.Tick(6500);
    EXPECT_EQ(0, TakeEscapes());
    dog.Stop();
    EXPECT_FALSE(dog.Armed());
    dog.Tick(100000);
    EXPECT_EQ(0, TakeEscapes());
    dog.Restart();                    // paused: no deadline
    EXPECT_FALSE(dog.Armed());
}
