#pragma once
// QVZChartTrials: where a chart finds its trials: the results view of the
// event window's results window (its list, selection and row order) and the
// results pane's overlay list of QVTraceInfo rows. Either may be missing
// (none), and then nothing is plotted. The chart window hands one to its
// pane.

class QVResultsView;
class QVZOverlayList;

class QVZChartTrials
{
public:
    virtual ~QVZChartTrials() = default;
    virtual QVResultsView *ResultsView() = 0;
    virtual const QVZOverlayList *OverlayList() = 0;
};
