#pragma once
// QVZChartWindow: module start-up and shut-down of the chart window, called in the program's
// start-up and shut-down sequence. Nothing to prepare yet.

class QVZChartWindow
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
