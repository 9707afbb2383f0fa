#pragma once
// KZMenuWatchDog: closes a menu left open too long. While a menu of the menu
// bar is open the watchdog runs: every event that reaches the menu bar
// pushes its deadline back (Restart), and the worker thread checks every
// 500 ms whether the deadline has passed; then it posts one Escape key press
// to the GUI thread, which closes the menu as if the user had pressed it.
// Made and owned by the menu bar on the GUI thread; Tick runs on the worker.
// The deadline is shared between the two threads as one atomic word.

#include <atomic>
#include <cstdint>

#include "foundation/threads/KPeriodicTask.h"

class KZMenuWatchDog : public KPeriodicTask
{
public:
    static constexpr int32_t kPeriod = 500;           // ms between checks
    static constexpr uint32_t kStackSize = 32768;

    // timeout in ms; the worker starts paused. The GUI thread is the caller's.
    explicit KZMenuWatchDog(int32_t timeout);
    ~KZMenuWatchDog() override;

    // Arms the deadline and lets the worker check it.
    void Start();
    // Disarms the deadline and pauses the worker.
    void Stop();
    // Deadline := now + time-out while running, else none.
    void Restart();
    // The worker's check: when a deadline is set and now has reached it
    // (also across the wrap of the tick count), the deadline is cleared and
    // one Escape key press is posted to the GUI thread.
    void Tick(int32_t now) override;

    bool Armed() const { return deadline.load() != 0; }
    int32_t Timeout() const { return timeout; }

protected:
    // The tick count in milliseconds (KTickCount).
    virtual int32_t Now() const;

private:
    const int32_t timeout;
    const uint32_t guiThread;
    std::atomic<int32_t> deadline{0};                  // 0 = none
};
