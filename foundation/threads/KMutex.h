#pragma once
// KMutex: a mutex guarding data shared between threads. The thread that
// locks it owns it and may lock it again (each Lock paired with an Unlock).
// A mutex whose owning thread ended without unlocking counts as taken by the
// next locker. Not copyable. Taking a free mutex and releasing one that no
// other thread waits for cost no system call; the system is asked only to
// put a waiting thread to sleep and wake it.
#include <atomic>
#include <cstdint>

class KMutex
{
public:
    KMutex();
    KMutex(const KMutex &) = delete;
    KMutex &operator=(const KMutex &) = delete;
    ~KMutex();

    // Waits up to timeout milliseconds (negative: for ever) for the mutex.
    // The first argument has no effect. True when the mutex is now held.
    // Throws std::bad_alloc when the system cannot make the event that a
    // waiting thread sleeps on.
    bool Lock(int32_t unused = 0, int32_t timeout = -1);
    // Releases one Lock of the calling thread; false when it held none.
    bool Unlock();

private:
    // Takes the mutex when it is free; true when the calling thread now
    // holds it.
    bool TryTake(unsigned long self);
    // Sleeps until the mutex may be free (an Unlock or the end of the
    // holder's thread) or the milliseconds pass; false when they passed.
    bool WaitForRelease(unsigned long holder, unsigned long milliseconds);
    // The event a waiting thread sleeps on, made by the first waiter.
    void *WakeEvent();

    std::atomic<unsigned long> itsOwner{0};   // holder's thread id, 0 when free
    int32_t itsDepth = 0;                     // the holder's Locks still to unlock
    std::atomic<int32_t> itsWaiters{0};
    std::atomic<void *> itsWake{nullptr};
};

// Holds a mutex for a scope: locked (waiting for ever) when made, unlocked
// when it goes, also when the scope is left by an exception.
class KMutexHold
{
public:
    explicit KMutexHold(KMutex &mutex) : itsMutex(mutex) { itsMutex.Lock(); }
    ~KMutexHold() { itsMutex.Unlock(); }
    KMutexHold(const KMutexHold &) = delete;
    KMutexHold &operator=(const KMutexHold &) = delete;

private:
    KMutex &itsMutex;
};

// A copy of value read while mutex is held.
template <class T>
T KHeldRead(KMutex &mutex, const T &value)
{
    KMutexHold hold(mutex);
    return value;
}

// Sets field to value while mutex is held.
template <class T>
void KHeldWrite(KMutex &mutex, T &field, const T &value)
{
    KMutexHold hold(mutex);
    field = value;
}
