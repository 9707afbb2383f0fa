#pragma once
// KZDelayedBusyPointer: the wait pointer for work that is mostly over before
// a change of the pointer could be seen, such as building one chart. The
// wait pointer (kPointerBusy) is shown only once the work has run kDelay ms,
// at the first Check after that; the end of the scope gives the normal
// pointer (kPointerArrow) back only when the wait pointer was shown. Work
// done sooner leaves the pointer as it was, without the two pointer changes
// (each a round trip to the display) that would show nothing. GUI thread
// only.

#include <cstdint>

class KZDelayedBusyPointer
{
public:
    static constexpr int64_t kDelay = 30;   // ms: under two frames of a 60 Hz screen

    KZDelayedBusyPointer();
    ~KZDelayedBusyPointer();
    KZDelayedBusyPointer(const KZDelayedBusyPointer &) = delete;
    KZDelayedBusyPointer &operator=(const KZDelayedBusyPointer &) = delete;

    // Shows the wait pointer when the work has run kDelay ms or more.
    void Check();
    bool Shown() const { return shown; }

private:
    int64_t start;   // ms of a steady clock
    bool shown = false;
};
