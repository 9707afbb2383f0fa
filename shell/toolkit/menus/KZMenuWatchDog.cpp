#include "shell/toolkit/menus/KZMenuWatchDog.h"

#include <windows.h>

#include "foundation/values/KHelpers.h"

KZMenuWatchDog::KZMenuWatchDog(int32_t timeout) : timeout(timeout), guiThread(GetCurrentThreadId())
{
    KPeriodicTask::Start(kPeriod, 0, kStackSize);
}

KZMenuWatchDog::~KZMenuWatchDog()
{
    KPeriodicTask::Stop();
}

int32_t KZMenuWatchDog::Now() const
{
    return KTickCount();
}

void KZMenuWatchDog::Start()
{
    deadline = 0;
    Resume();
    Restart();
}

void KZMenuWatchDog::Stop()
{
    deadline = 0;
    Pause();
}

void KZMenuWatchDog::Restart()
{
    if (!IsRunning()) {
        deadline = 0;
        return;
    }
    const int32_t due = int32_t(uint32_t(Now()) + uint32_t(timeout));
    // 0 means "none": a deadline that falls on it is taken 1 ms later.
    deadline = due ? due : 1;
}

void KZMenuWatchDog::Tick(int32_t now)
{
    int32_t due = deadline.load();
    if (due == 0 || int32_t(uint32_t(now) - uint32_t(due)) < 0)
        return;
    // Only the thread that clears the deadline posts.
    if (deadline.compare_exchange_strong(due, 0))
        PostThreadMessageW(guiThread, WM_KEYDOWN, VK_ESCAPE, 0);
}
