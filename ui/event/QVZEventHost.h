#pragma once
// QVZEventHost: the main window as an event window reaches it: loading a
// start-list entry into the event window's document, and hearing that the
// document was saved. The main window implements it and hands itself to
// every event window it makes; an event window without one (none) loads
// nothing. GUI thread.

class QVZEventMDI;

class QVZEventHost
{
public:
    virtual ~QVZEventHost() = default;
    // The schedule entry in direction into window's document (see
    // QVZControl::LoadScheduledEvent); true when one was loaded.
    virtual bool LoadScheduledInto(QVZEventMDI &window, int direction) = 0;
    // window's document was written: the hardware tool bar shows the units'
    // status again.
    virtual void EventSaved(QVZEventMDI &window) = 0;
};
