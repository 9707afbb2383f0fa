#pragma once
// QVZChartPane: module start-up and shut-down of the chart pane, called in the program's
// start-up and shut-down sequence. Nothing to prepare yet.

class QVZChartPane
{
public:
    static void Startup() {}
    static void Shutdown() {}
};
