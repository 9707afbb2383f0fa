#pragma once
// KMutex: a system mutex guarding data shared between threads. The thread
// that locks it owns it and may lock it again (each Lock paired with an
// Unlock). A mutex whose owning thread ended without unlocking counts as
// taken by the next locker. Not copyable. The system object is made at the
// first Lock, already held by that locker, so a mutex that is never locked
// costs no system call and the first Lock costs one.

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
    // Throws std::bad_alloc when the system cannot make the mutex.
    bool Lock(int32_t unused = 0, int32_t timeout = -1);
    // Releases one Lock of the calling thread; false when it held none.
    bool Unlock();

private:
    // The system mutex, made by the first caller (any thread); madeOwned
    // tells that this call made it, already held by the calling thread.
    void *Handle(bool &madeOwned);

    std::atomic<void *> itsHandle{nullptr};
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
