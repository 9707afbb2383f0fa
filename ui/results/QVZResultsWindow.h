#pragma once
// QVZResultsWindow: module start-up and shut-down of the results window, called in the program's
// start-up and shut-down sequence. Nothing to prepare yet.

class QVZResultsWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
