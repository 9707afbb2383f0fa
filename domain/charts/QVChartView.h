#pragma once
// QVChartView: one view of a chart: the chart window that shows it (set and
// cleared by the window), the scroll position the window stores, and the
// view's zoom (built with no parent). Its message handler turns the leg's
// messages into the window's operations. Owned by its chart; GUI thread.

#include "domain/charts/VZoom.h"
#include "foundation/containers/KList.h"
#include "foundation/values/KPoint.h"

class KMessage;
class KStream;
class QVChart;
class QVChartWindowHook;

class QVChartView : public KListItem
{
public:
    explicit QVChartView(QVChart *chart);
    ~QVChartView() override;

    QVChart *Chart() const { return m_chart; }
    QVChartWindowHook *Window() const { return m_window; }
    void SetWindow(QVChartWindowHook *window) { m_window = window; }

    const KPoint &ScrollPosition() const { return m_scroll; }
    void SetScrollPosition(const KPoint &position) { m_scroll = position; }
    VZoom &Zoom() { return m_zoom; }
    const VZoom &Zoom() const { return m_zoom; }

    // Topic 25 shows the selected cell (Update), 26 clears the overlay
    // (Clear), 27 shows the data (ShowChartData), 30 redraws the frame and
    // the buttons (RefreshFrame, UpdateButtons), 12 and list changes re-plot
    // the current selection (Update with (-1,-1)).
    void Handle(const KMessage &message);

    void Write(KStream &stream) const;
    void Read(KStream &stream);

private:
    QVChart *m_chart;
    QVChartWindowHook *m_window = nullptr;
    KPoint m_scroll;
    VZoom m_zoom;
};
