#pragma once
// Stands in for another copy of the program that holds the lock of the list
// of open files the copies share (KKeptFileTable): a thread of its own,
// since the lock is a mutex, which a thread owns. It holds the lock from
// when it is made until told to let go.

#include "foundation/streams/KKeptFileTable.h"

#include <windows.h>

#include <thread>

class SharedListLockHolder
{
public:
    SharedListLockHolder()
    {
        itsThread = std::thread([this] {
            HANDLE lock = CreateMutexW(nullptr, FALSE, KKeptFileTable::kLockName);
            WaitForSingleObject(lock, INFINITE);
            SetEvent(itsHeld);
            WaitForSingleObject(itsLetGo, INFINITE);
            ReleaseMutex(lock);
            CloseHandle(lock);
        });
        WaitForSingleObject(itsHeld, INFINITE);
    }
    ~SharedListLockHolder()
    {
        LetGo();
        CloseHandle(itsHeld);
        CloseHandle(itsLetGo);
    }
    SharedListLockHolder(const SharedListLockHolder &) = delete;
    SharedListLockHolder &operator=(const SharedListLockHolder &) = delete;
    void LetGo()
    {
        SetEvent(itsLetGo);
        if (itsThread.joinable())
            itsThread.join();
    }

private:
    HANDLE itsHeld = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE itsLetGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread itsThread;
};
