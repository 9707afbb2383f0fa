#pragma once
// KPeriodicTask: one worker thread that calls the virtual Tick every period
// while the task is running. The thread waits on the task's event with the
// period as time-out, so Stop wakes it at once. States: stopped (no thread),
// running, paused (the thread waits but does not tick).
//
// Tick runs on the worker thread: data it shares with other threads must be
// guarded by a KMutex. An exception escaping Tick is caught on the worker
// and reported to the program log; the task keeps running.
//
// The destructor stops and joins the thread. A derived class must call Stop
// in its own destructor, so that no Tick runs on a half-destroyed object.

#include <atomic>
#include <cstdint>

class KPeriodicTask
{
public:
    enum State { kStopped, kRunning, kPaused };

    KPeriodicTask();
    KPeriodicTask(const KPeriodicTask &) = delete;
    KPeriodicTask &operator=(const KPeriodicTask &) = delete;
    virtual ~KPeriodicTask();

    // Creates the worker thread, paused. period in milliseconds (at least 1),
    // priority -3 (idle) .. 0 (normal) .. 3 (time-critical), stack size in
    // bytes (0: the system's default). False when the task already has a
    // thread or the system refuses one.
    bool Start(int32_t period, int priority = 0, uint32_t stackSize = 0);
    void Resume();
    void Pause();
    // Ends and joins the thread; the task is stopped afterwards. Must not be
    // called from Tick.
    void Stop();

    bool IsRunning() const { return GetState() == kRunning; }
    State GetState() const;
    int32_t Period() const { return itsPeriod; }

protected:
    // Called every period while running, with KTickCount's value.
    virtual void Tick(int32_t now);

private:
    friend struct KPeriodicTaskThread;
    void Run();

    void *itsThread = nullptr;
    void *itsEvent = nullptr;
    unsigned itsThreadId = 0;
    int32_t itsPeriod = 0;
    std::atomic<int> itsState{kStopped};
    std::atomic<bool> itsQuit{false};
};
