#include "foundation/threads/KMutex.h"

#include <windows.h>

#include <new>

KMutex::KMutex() = default;

KMutex::~KMutex()
{
    if (void *handle = itsHandle.load())
        CloseHandle(handle);
}

void *KMutex::Handle(bool &madeOwned)
{
    madeOwned = false;
    if (void *handle = itsHandle.load(std::memory_order_acquire))
        return handle;
    // Made already held by the caller, who is about to wait for it: one
    // system call instead of two.
    void *made = CreateMutexW(nullptr, TRUE, nullptr);
    if (!made)
        throw std::bad_alloc();
    // Two threads may make one at once: the first to store it wins.
    void *expected = nullptr;
    if (itsHandle.compare_exchange_strong(expected, made, std::memory_order_acq_rel)) {
        madeOwned = true;
        return made;
    }
    CloseHandle(made);
    return expected;
}

bool KMutex::Lock(int32_t, int32_t timeout)
{
    bool madeOwned = false;
    void *handle = Handle(madeOwned);
    if (madeOwned)
        return true;
    DWORD wait = timeout < 0 ? INFINITE : DWORD(timeout);
    DWORD result = WaitForSingleObject(handle, wait);
    // An abandoned mutex now belongs to this thread.
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

bool KMutex::Unlock()
{
    void *handle = itsHandle.load(std::memory_order_acquire);
    return handle && ReleaseMutex(handle) != 0;
}
