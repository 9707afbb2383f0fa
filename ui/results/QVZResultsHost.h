#pragma once
// QVZResultsHost: the window that holds a results window, as the results
// pane reaches it: stepping its document through the start-list schedule.
// The event window is the host; a results window without one (none) steps
// nowhere. GUI thread.

class QVZResultsHost
{
public:
    virtual ~QVZResultsHost() = default;
    // Loads the schedule entry in direction (as QVZControl::LoadScheduledEvent
    // takes it) into the host's document; true when it did.
    virtual bool LoadScheduled(int direction) = 0;
};
