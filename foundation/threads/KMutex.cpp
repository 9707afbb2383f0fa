#include "foundation/threads/KMutex.h"

#include <windows.h>

#include <new>

KMutex::KMutex() : itsHandle(CreateMutexW(nullptr, FALSE, nullptr))
{
    if (!itsHandle)
        throw std::bad_alloc();
}

KMutex::~KMutex()
{
    CloseHandle(itsHandle);
}

bool KMutex::Lock(int32_t, int32_t timeout)
{
    DWORD wait = timeout < 0 ? INFINITE : DWORD(timeout);
    DWORD result = WaitForSingleObject(itsHandle, wait);
    // An abandoned mutex now belongs to this thread.
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

bool KMutex::Unlock()
{
    return ReleaseMutex(itsHandle) != 0;
}
