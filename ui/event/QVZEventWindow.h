#pragma once
// QVZEventWindow: module start-up and shut-down of the event window's panes, called in the program's
// start-up and shut-down sequence. Nothing to prepare yet.

class QVZEventWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
