#pragma once
// The windows the domain's views notify. The user interface derives its
// results, chart, event and hardware windows from these and hands them to
// the views (SetWindow); a window clears the link before it goes away. The
// views call them on the GUI thread, after the change is complete.

class KPoint;
class QVResult;

// The results window of a results view.
class QVResultsWindowHook
{
public:
    virtual ~QVResultsWindowHook() = default;
    // The listed results changed; with redisplay set the list is drawn again.
    virtual void Refresh(bool redisplay) = 0;
    // Selects and shows the row of result when the view lists it.
    virtual void ShowResult(QVResult *result) = 0;
    virtual void SendEventName() = 0;   // topic 41
    virtual void SendResults() = 0;     // topic 42
};

// The chart window of a chart view.
class QVChartWindowHook
{
public:
    virtual ~QVChartWindowHook() = default;
    virtual void UpdateButtons(bool redisplay) = 0;
    // Shows the trial of the selected cell; (-1,-1) re-plots the current one.
    virtual void Update(const KPoint &selection) = 0;
    virtual void ShowChartData() = 0;
    virtual void Clear() = 0;
    virtual void RefreshFrame() = 0;
};

// The event window (or summary pane) of an event view.
class QVEventWindowHook
{
public:
    virtual ~QVEventWindowHook() = default;
    // The document changed (fields, legs, results or its modified state).
    virtual void DocumentChanged() = 0;
};

// The hardware window or tool bar of the hub's view.
class QVHardwareWindowHook
{
public:
    virtual ~QVHardwareWindowHook() = default;
    virtual void HardwareChanged() = 0;
};
