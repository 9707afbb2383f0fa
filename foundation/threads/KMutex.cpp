// KMutex: an owner field taken by one atomic exchange; the system only for
// the threads that must wait.
#include "foundation/threads/KMutex.h"

#include <windows.h>

#include <new>

KMutex::KMutex() = default;

KMutex::~KMutex()
{
    if (void *wake = itsWake.load())
        CloseHandle(wake);
}

void *KMutex::WakeEvent()
{
    if (void *wake = itsWake.load())
        return wake;
    void *made = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!made)
        throw std::bad_alloc();
    // Two waiters may make one at once: the first to store it wins.
    void *expected = nullptr;
    if (itsWake.compare_exchange_strong(expected, made))
        return made;
    CloseHandle(made);
    return expected;
}

bool KMutex::TryTake(unsigned long self)
{
    unsigned long free = 0;
    if (!itsOwner.compare_exchange_strong(free, self))
        return false;
    itsDepth = 1;
    return true;
}

bool KMutex::WaitForRelease(unsigned long holder, unsigned long milliseconds)
{
    // The holder's thread is watched too: when it ends still holding the
    // mutex, the mutex is free for the next locker. A thread id that names
    // no thread any more belonged to a thread that has ended.
    HANDLE wake = static_cast<HANDLE>(WakeEvent());
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, holder);
    if (!thread && GetLastError() == ERROR_INVALID_PARAMETER) {
        itsOwner.compare_exchange_strong(holder, 0);
        return true;
    }
    HANDLE handles[2] = {wake, thread};
    const DWORD result = WaitForMultipleObjects(thread ? 2 : 1, handles, FALSE, milliseconds);
    if (thread)
        CloseHandle(thread);
    if (result == WAIT_OBJECT_0 + 1)
        itsOwner.compare_exchange_strong(holder, 0);
    return result != WAIT_TIMEOUT;
}

bool KMutex::Lock(int32_t, int32_t timeout)
{
    const unsigned long self = GetCurrentThreadId();
    if (itsOwner.load() == self) {
        ++itsDepth;
        return true;
    }
    if (TryTake(self))
        return true;
    const DWORD start = GetTickCount();
    WakeEvent();  // made before any Unlock can see this thread waiting
    for (;;) {
        // Counted as waiting before the last look, so that an Unlock after
        // it wakes this thread.
        ++itsWaiters;
        const unsigned long holder = itsOwner.load();
        if (holder == 0 && TryTake(self)) {
            --itsWaiters;
            return true;
        }
        DWORD left = INFINITE;
        if (timeout >= 0) {
            const DWORD elapsed = GetTickCount() - start;
            left = elapsed < DWORD(timeout) ? DWORD(timeout) - elapsed : 0;
        }
        const bool woken = holder == 0 || WaitForRelease(holder, left);
        --itsWaiters;
        if (!woken)
            return TryTake(self);
    }
}

bool KMutex::Unlock()
{
    if (itsOwner.load() != GetCurrentThreadId())
        return false;
    if (--itsDepth > 0)
        return true;
    itsOwner.store(0);
    if (itsWaiters.load() > 0)
        SetEvent(static_cast<HANDLE>(itsWake.load()));
    return true;
}
