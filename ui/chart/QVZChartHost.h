#pragma once
// QVZChartHost: the window that holds a chart window, as the chart window
// reaches it: the trials to plot, letting the chart take the whole window
// and give it back, and taking it as its current chart window. The event
// window, which makes the chart and results panes side by side, is the
// host; a chart window without one (none) plots the trials it is given.
// GUI thread.

class QVZChartTrials;
class ZafWindow;

class QVZChartHost
{
public:
    virtual ~QVZChartHost() = default;
    // Where the host's charts find their trials; none when it has none.
    virtual QVZChartTrials *ChartTrials() = 0;
    // The chart window takes the whole host, and gives it back.
    virtual void MaximizeChart(ZafWindow *window) = 0;
    virtual void RestoreChart(ZafWindow *window) = 0;
    // The chart window becomes the host's current one.
    virtual void SetChartWindow(ZafWindow *window) = 0;
};
