#pragma once
// QVZResultsPane: the list of the trials of one workout: one row per result
// its QVResultsView lists, eight columns (trial number, first and last name,
// source, reaction time, power, time to distance, "TTD - RT"), false starts
// in red when "\Event\Results\ShowAllFSInRed" is set, result code 7 on dark
// grey, the trace overlay list the chart draws, the photobeam-break pop-up
// on the time-to-distance column, and the results commands its window hands
// on. It runs the trial download and the two sends to the Control Center.
// Column edges, scroll position and selected cell live in the view, so a
// view attached again shows the same place. Owned by its QVZResultsWindow;
// GUI thread only.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "shell/toolkit/lists/KZEditableSelector.h"
#include "ui/common/QVZOverlayList.h"
#include "ui/results/QVZTrialDownload.h"

class KRGroup;
class KZPrinter;
class KZPrinterDevice;
class VZPrinter;
class QVResult;
class VRaceTime;
class QVResults;
class QVResultsView;
class QVZResultsTitle;
class QVZResultsWindow;
class QVZUnitLink;

class QVZResultsPane : public KZEditableSelector, public QVZDownloadHost
{
public:
    static constexpr int kColumnCount = 8;
    static constexpr int kColumnTimeToDistance = 6;
    static constexpr int kMatchField = 3;   // the text field of the list queries

    // owner may be none (the pane then switches overlay mode itself).
    QVZResultsPane(QVZResultsWindow *owner, QVResultsView *view, int left, int top, int width, int height);
    ~QVZResultsPane() override;

    // Results commands kCmdResultsWindowFirst .. kCmdResultsWindowLast and the
    // menu-opening event kEvtMenuOpening; the rest as the selector.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Extent (1, listed count), then the selector's redisplay.
    void Redisplay() override;
    using KZEditableSelector::Redisplay;
    bool SetScrollPosition(KPoint position) override;
    void DrawUnit(KPoint unit) override;
    bool SetSelection(KPoint unit) override;
    // Editing of the name cells first; else overlay toggling and the
    // photobeam-break pop-up (on the selected row).
    bool CellClicked(KPoint pixel, int mode) override;
    // Editing: the result at the selected row is the one edited; the first
    // and last names (columns 1 and 2) are the editable cells.
    void MarkEditing() override;
    bool ClearEditing() override;
    int NextEditableColumn(KPoint unit, int after) override;
    int PrevEditableColumn(KPoint unit, int before) override;
    bool CanEdit(KPoint unit, int column) override;
    void CommitEdit(int column, KZEditableSelectorString *editor, int32_t code) override;
    QVResult *EditedResult() const { return editedResult; }
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    KZPaletteEntry CellPalette(KPoint unit, int column, uint16_t type, uint16_t state) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

    // Attaches a view (none detaches): its list, false-start marks, column
    // edges, scroll position and selection.
    void SetView(QVResultsView *view);
    QVResultsView *View() const { return view; }
    QVResults *Results() const { return results; }
    QVZResultsTitle *Title() const { return title; }

    // The list queries with the pane's view: row of a result (-1 when not
    // listed), the listed result after one (first for none), the result of
    // a row (none outside).
    int IndexOf(const QVResult *result) const;
    QVResult *NextResult(QVResult *after) const;
    QVResult *ResultAt(int row) const;
    void UpdateExtent();

    // The overlay list for the chart pane.
    QVTraceInfo *OverlayNext(const QVTraceInfo *entry) const { return overlay.Next(entry); }
    int OverlayCount() const { return overlay.Count(); }
    QVZOverlayList &Overlay() { return overlay; }

    // The trial download (see QVZTrialDownload); 1 when the run ended.
    int DownloadTrials(bool addTimes, bool downloadTraces);
    // Sends the text, or the lane states of the listed results, to the
    // Control Center on the first port group. 0 when there is no group or
    // it has no port, else 1.
    int SendEventName(const KString &text);
    int SendResults();

    // Asks the window's host (the event window) to load the start-list
    // entry in direction into its document; true when it did.
    bool LoadScheduled(int direction);

    // The lines of the photobeam-break pop-up of result: each break with a
    // time, with its difference to the previous one, then the time to
    // distance with its difference to the last break.
    static void BreakLines(const QVResult &result, std::vector<KString> &lines);
    // The text of a time cell: "No Time" or the time at 1 ms.
    static void FormatTime(const VRaceTime &time, KString &text);

    // Seams: the unit link the download and sends use (none: a serial link
    // made for the call), the trial choice (none: the trial choice dialog)
    // and the break pop-up (none: a pop-up menu at the screen point).
    using TrialChooser = std::function<int32_t(QVZUnitLink &link, int32_t unit, const KString &title,
                                               const KRGroup &group, int32_t &choice)>;
    using BreakMenu = std::function<void(KPoint screen, const std::vector<KString> &lines)>;
    void SetUnitLink(QVZUnitLink *link) { unitLink = link; }
    void SetTrialChooser(TrialChooser chooser) { trialChooser = std::move(chooser); }
    void SetBreakMenu(BreakMenu menu) { breakMenu = std::move(menu); }

    // QVZDownloadHost
    QVResults *DownloadResults() override { return results; }
    const QVResultsView *DownloadView() override { return view; }
    QVZOverlayList &DownloadOverlay() override { return overlay; }
    bool InOverlayMode() override;
    void StartOverlayMode() override;
    KPoint SelectedCell() override { return Selection(); }
    int32_t AskForTrial(QVZUnitLink &link, int32_t unit, const KString &title, const KRGroup &group,
                        int32_t &choice) override;
    const ZafWindowObject *DownloadWindow() override { return this; }

    // The module's printer: made at its first use after start-up with the
    // margins of the results print settings (device: the printer seam, none
    // the system's); at shut-down a printer that was made writes its margins
    // back and goes. Printer answers null outside start-up and shut-down.
    static void Startup(KZPrinterDevice *device = nullptr);
    static void Shutdown();
    static VZPrinter *Printer();

    // Printing of the listed results. Print: true when the job ran to its
    // end. Pages splits results of the given break counts (each takes its
    // row, a line per break and a closing line) over pages of usable lines;
    // a page is never closed empty, and a result longer than a page goes on
    // with its remaining lines on the next pages (skip: the lines of the
    // page's first result printed before). An empty list gives one page.
    struct PrintPage
    {
        int first = 0;
        int count = 0;
        int skip = 0;
    };
    bool Print();
    static std::vector<PrintPage> Pages(const std::vector<int> &breakCounts, int usableLines);
    void PrintPageHeader(KZPrinter &printer, int page, int pageCount);
    // The column heads on line, then up to count results from the listed
    // one at first; lines of the first result below skip and lines past
    // lastLine (none for a negative one) are left out.
    void PrintRows(KZPrinter &printer, int line, int first, int count, int skip = 0, int lastLine = -1);
    // A column's cell within a printed line: the printed columns of the
    // last PrintRows, else the view's; 3 units clear of its right edge.
    KRect ColumnRect(int column, const KRect &line) const;

private:
    // The local date and time of the print job, taken once when it starts
    // and printed on each of its pages.
    static KString63 printDate;

    void LayOutPrintColumns(KZPrinter &printer, int32_t width, const KString *heads);
    static void RowTexts(const QVResult &result, int number, KString *cells);
    void FitColumns();
    bool HasCellArea(KPoint unit, int column);
    void SetResultCode(int32_t code);
    void DeleteSelected();
    void ToggleOverlayMode();
    void ClearOverlay();
    void MenuOpening();
    void ToggleOverlayRow(int row);
    ZafEventType SelectorEvent(const ZafEventStruct &event);
    // The chart shows the trial of cell, or the overlay takes or drops it.
    void ShowOrOverlayTrial(KPoint cell);
    void ShowBreaks(KPoint pixel, const QVResult &result);
    int SendToControlCenter(const KString *text);

    QVZResultsWindow *owner;
    QVResults *results = nullptr;
    QVResultsView *view = nullptr;
    QVResult *drawnResult = nullptr;
    QVResult *editedResult = nullptr;
    QVZOverlayList overlay;
    std::vector<int32_t> printEdges;   // edges of the printed columns (empty off the printer)
    QVZResultsTitle *title = nullptr;
    QVZUnitLink *unitLink = nullptr;
    TrialChooser trialChooser;
    BreakMenu breakMenu;
};
