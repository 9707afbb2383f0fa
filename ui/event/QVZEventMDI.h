#pragma once
// QVZEventMDI: the window of one open event or workout document inside the
// main window. This form has the module start-up and shut-down and the
// document link only; it shows no document yet.

class QVEvent;

class QVZEventMDI
{
public:
    static void Startup() {}
    static void Shutdown() {}

    // The document the window shows; none.
    QVEvent *Event() const { return nullptr; }
};
