#pragma once
// QVZResultsPane: module start-up and shut-down of the results pane, called in the program's
// start-up and shut-down sequence. Nothing to prepare yet.

class QVZResultsPane
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
