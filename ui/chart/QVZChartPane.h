#pragma once
// QVZChartPane: the chart of a chart window: one trial's force or power
// trace, or up to twelve overlaid trials, with the time and power axes, the
// Set, Gun, Legal, reaction-time and power lines and, in overlay mode, a
// legend. It owns a chart control that fills it, computes the traces into
// the shared working arrays (QVZChartTraces) and hands them to the control
// through QVZChartPlotter. The first pane registers the chart font
// ("helvetica", 8 points) and the last one releases it. Owned by its chart
// window; GUI thread only.

#include <cstdint>
#include <vector>

#include "foundation/values/KPoint.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/lists/KZScroller.h"
#include "ui/chart/QVZChartTimeLine.h"
#include "ui/chart/QVZChartTraces.h"

class KZDelayedBusyPointer;
class KZGeomMgr;
class QVChart;
class QVChartView;
class QVResult;
class QVZChartTrials;
class QVZChartWindow;
class ZafChartControl;
class ZafPrinter;

class QVZChartPane : public KZScroller
{
public:
    using ChartTimeLine = QVZChartTimeLine;

    QVZChartPane(QVZChartWindow *owner, QVChartView *view);
    ~QVZChartPane() override;

    // Menu states on kEvtMenuOpening, the pop-up menu on a mouse press or
    // release, everything else to the scroller.
    ZafEventType Event(const ZafEventStruct &event) override;
    using KZScroller::Redisplay;
    // The scroller's move, then the position is kept in the attached view.
    bool SetScrollPosition(KPoint position) override;

    // Attaches a chart view (none detaches); takes its scroll position.
    void SetView(QVChartView *view);
    QVChartView *View() const { return view; }

    // Builds the chart of the selected trial (cell (-1, -1): the results
    // view's selection). With redraw the series are rebuilt (added to in
    // overlay mode); without it only the lines, power lines and frame.
    // Nothing happens without a results view; a row without a trial leaves
    // the chart cleared.
    void Plot(KPoint selection, bool redraw);
    // Every trial of the overlay list plotted afresh, in list order, each
    // as its own series with its own legend entry (an empty list clears):
    // the chart a plot of each in turn leaves, with one redraw.
    void PlotOverlay();
    // A change of the overlay while a long operation runs (a download) is
    // held back: a change of the results always, the selection of a row of
    // the overlay list when the chart was built less than
    // kBusyRedrawInterval ms ago, so that the growing overlay is not drawn
    // once per trial; the next PlotOverlay shows every held change. True
    // when held (the caller draws nothing). Nothing is held outside a long
    // operation or overlay mode, nor for a row outside the overlay list.
    bool HoldOverlayChange(KPoint selection);
    // A held change not drawn yet.
    bool OverlayStale() const { return overlayStale; }
    bool InOverlay(int row) const;
    static constexpr int kBusyRedrawInterval = 1000;   // ms
    // Computes the selected trial (the results view's selection) and shows
    // its numbers in the chart data dialog; nothing without a trial.
    void ShowChartData();
    // An empty chart: one zero series over the window, axes, scale 0, series 1.
    void Clear();
    // Frame colours, font and margins again from the settings.
    void RefreshFrame();

    // Parts of a plot, in the order Plot calls them.
    void ComputeTraces(const QVResult *result, bool updateScale);
    void AddSeriesData(ZafChartControl *target, int k);
    void SetSeriesStyle(const QVResult *result, int k);
    void SetupScales();
    void AddMarkerLines(const QVResult *result);
    void AddPowerLine(const QVResult *result);
    void SetupFrame();

    ZafChartControl *Control() const { return control; }
    int Scale() const { return scale; }
    int SeriesNumber() const { return series; }
    const KString &PrintTitle() const { return printTitle; }
    // The font number the chart texts use; -1 when none could be made.
    static int ChartFont() { return fontNumber; }

    // Writes the chart as it stands on the screen to a Targa file the user
    // names (the extension is always ".tga"); Escape while writing aborts
    // and deletes the file.
    void ExportBitmap();
    // What the row callback of the export walks: the rows of a bottom-up
    // device-independent bitmap, stride bytes apart.
    struct ExportRowContext
    {
        QVZChartPane *pane;
        int32_t height;
        const uint8_t *next;
        int32_t stride;
        int32_t rowsLeft;
        bool aborted;
    };
    // The next row for KBitmap::Export, or null when the user aborted or the
    // rows are used up.
    static const uint8_t *ExportRow(int32_t row, void *context);

    // Prints the chart on one page after the printer's setup dialog: a header
    // (print time, title, page number, event start) and the chart drawn afresh
    // below it. A job that does not start shows error kErrPrinterNotResponding
    // and prints nothing; a cancelled setup dialog prints nothing.
    void Print();
    // The header lines of a page on the printer; answers the y below them.
    int PrintPage(ZafPrinter &printer, int page, int pageCount);
    // Draws the chart once more, on a new control of its own over the
    // display's printable area below top, with every overlaid trial in
    // overlay mode; the pane's own control is left as it was.
    void DrawChartOn(ZafPrinter &display, int top);

    // The module's chart printer (made at its first use after Startup, null
    // outside Startup and Shutdown) and the remembered path of the bitmap
    // export (the program file until the first export).
    static void Startup();
    static void Shutdown();
    static ZafPrinter *Printer();

private:
    QVZChartTrials *Trials() const;
    bool OverlayMode() const;
    void OverlayResults(std::vector<const QVResult *> &out) const;
    void ShowDisplayResMessage();
    void AddAxisTitles();
    // The power scale raised by the trial's trace, as ComputeTraces with the
    // scale update does, leaving the working arrays as they are.
    void RaiseScale(const QVResult *result);
    // Every trial's scale raised; the working arrays end with the last one.
    // With reuse, the scale the previous overlay plot reached over the same
    // first trials, settings and display mode is taken as it stands and
    // only the trials after them raise it (a click adds one trial at the
    // end); the outcome is the scale of the whole walk.
    void RaiseScaleOverAll(const std::vector<const QVResult *> &trials, bool reuse);
    // The builds of Plot and PlotOverlay, inside their plot scope.
    void BuildPlot(KPoint selection, bool redraw);
    void BuildOverlay();
    // The settings read once, and the wait pointer (or none), of one plot
    // for the life of the scope; a plot inside another gets the outer
    // one's back at its end.
    class PlotScope
    {
    public:
        PlotScope(QVZChartPane &pane, KZDelayedBusyPointer *pointer);
        ~PlotScope();
        PlotScope(const PlotScope &) = delete;
        PlotScope &operator=(const PlotScope &) = delete;

    private:
        QVZChartPane &pane;
        const QVZChartSettings settings;
        KZDelayedBusyPointer *outerBusy;
        const QVZChartSettings *outerSettings;
    };
    // Shows the plot's wait pointer when the plot has run long enough.
    void StillBusy();
    // The chart settings: those the plot being built read at its start.
    QVZChartSettings ReadSettings() const;
    // Series k (the series number) of the trial, styled, and computed
    // unless the working arrays hold its traces already (computed).
    void AddSeries(const QVResult *result, bool computed);
    // The overlay legend entry of a results row for series k, in the
    // series' colour; the series number then goes up by one.
    void AddLegendEntry(int row);
    // The marker lines and power lines, the frame and the axis titles, then
    // the redraw that ends every plot.
    void FinishPlot(const QVResult *result);
    // The chart of no trial: the cleared series, the axes and their titles
    // in the frame the settings give.
    void ShowEmptyFrame();
    void RedrawControl();
    void MenuOpening(const ZafEventStruct &event);
    void PopUp(const ZafEventStruct &event);

    QVZChartWindow *owner;
    QVChartView *view = nullptr;
    QVChart *chart = nullptr;
    ZafChartControl *control = nullptr;
    KZGeomMgr *geometry = nullptr;
    int scale = 0;
    int series = 1;
    int rangeMultiplier = 1;
    KString printTitle;
    bool overlayStale = false;
    // What the last overlay plot raised the scale over: its trials in list
    // order, the settings and display mode, the scale before the last trial
    // and after it. Forgotten (no trials) when the chart is cleared, a
    // single trial is plotted or a change of the results is held.
    struct RaisedOver
    {
        std::vector<const QVResult *> trials;
        QVZChartSettings settings;
        int mode = 0;
        int beforeLast = 0;
        int scale = 0;
    } raisedOver;
    int64_t lastPlotted = 0;   // ms of a steady clock
    // The wait pointer of the plot being built, shown once the plot runs
    // long enough to be seen; none outside Plot.
    KZDelayedBusyPointer *busy = nullptr;
    // The settings of the plot being built, read once at its start (they
    // cannot change while it is built); none outside a plot.
    const QVZChartSettings *plotSettings = nullptr;

    static int paneCount;
    static int fontNumber;
    static KString exportPath;
};
