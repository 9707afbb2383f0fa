#pragma once
// QVZEventMDI: the window of one open event or workout document inside the
// main window. Its client area is divided into panes by the layout in
// "\Event\Layout\" (see QVZPaneLayout.h): the first pane of each kind
// (summary, results, chart) shows the document, further ones stay hidden
// and their area goes to their neighbours. It passes the chart and results
// commands to the current chart and results windows, saves the document,
// answers the close and exit queries with a save question, lets one chart
// pane take the whole window and give it back, and serves the document's
// results requests on idle ticks. It owns the document and is the
// document's event window. Owned by the main window's frame; GUI thread.

#include <cstdint>
#include <memory>

#include "domain/ui/QVWindowHooks.h"
#include "foundation/containers/KList.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/window/KZMDIChild.h"
#include "ui/chart/QVZChartHost.h"
#include "ui/event/QVZPaneLayout.h"
#include "ui/results/QVZResultsHost.h"

class KZGeomMgr;
class KZGeomRC;
class QVEvent;
class QVZChartTrials;
class QVZEventHost;
class VLeg;
class ZafWindow;

class QVZEventMDI : public KZMDIChild, public QVEventWindowHook, public QVZChartHost,
                    public QVZResultsHost
{
public:
    // Pane flags
    static constexpr uint32_t kPaneShown = 0x1;              // the window is a child of the event window
    static constexpr uint32_t kPaneConstrained = 0x2;        // the constraints are in the geometry manager
    static constexpr uint32_t kPaneHiddenByMaximize = 0x4;   // taken away while another pane is maximised

    // One pane of the layout. It owns its window while the window is not a
    // child of the event window, and its constraints while they are not in
    // the geometry manager.
    class Pane : public KListItem
    {
    public:
        Pane() = default;
        ~Pane() override;

        uint32_t flags = 0;
        ZafWindow *window = nullptr;
        KZGeomRC *edges[4] = {};   // left, top, right, bottom
        int kind = 0;
        KString name;
        QVZPercentRect stored;
        QVZPercentRect saved;
        QVZPercentRect current;
        bool hasView = false;      // the window shows the document
    };

    // Takes the document, which it deletes when it goes; host: the main
    // window (none: nothing is loaded into it and nobody hears of saves).
    explicit QVZEventMDI(QVEvent *event, QVZEventHost *host = nullptr);
    ~QVZEventMDI() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    // The document.
    QVEvent *Event() const { return event; }
    void Activate() override;
    void SetTitle(const wchar_t *text) override;

    void SetSummaryWindow(ZafWindow *window) { summaryWindow = window; }
    void SetChartWindow(ZafWindow *window) override { chartWindow = window; }
    void SetResultsWindow(ZafWindow *window) { resultsWindow = window; }
    ZafWindow *SummaryWindow() const { return summaryWindow; }
    ZafWindow *ChartWindow() const { return chartWindow; }
    ZafWindow *ResultsWindow() const { return resultsWindow; }

    // QVZChartHost: the results window's view and overlay list are the
    // charts' trials. Maximising works only when no pane is maximised and a
    // chart pane holds window; restoring only when the maximised pane holds it.
    QVZChartTrials *ChartTrials() override { return chartTrials.get(); }
    void MaximizeChart(ZafWindow *window) override;
    void RestoreChart(ZafWindow *window) override;

    // Saves the document (QVEvent::Save flags); true when it was written.
    bool Save(int flags);
    // The document's name as its caption, Window-menu entry and questions
    // give it: its file's title, or for a document without a file the text
    // of "\Strings\Event\Untitled" ("Untitled"), followed by a blank and a
    // number from 2 on while other such documents are open.
    void DocumentName(KString &out) const;

    // The panes in layout order.
    Pane *FirstPane() const { return static_cast<Pane *>(panes.First()); }
    Pane *NextPane(const Pane *pane) const { return static_cast<Pane *>(panes.Next(pane)); }
    Pane *MaximizedPane() const { return maximized; }

    // Module start-up: writes the default layout when there is none.
    static void Startup();
    static void Shutdown() {}

    // QVEventWindowHook
    void DocumentChanged() override {}
    // QVZResultsHost: through the main window.
    bool LoadScheduled(int direction) override;

private:
    void ReadLayout();
    Pane *MakePane(const KString &key, const KString &value);
    void Reset();
    void ShowFirstPanes();
    void ShowPane(Pane &pane);
    void HidePane(Pane &pane);
    void CloseGaps();
    void Apply(Pane &pane);
    void ApplyAll();
    void FindCurrentWindows();
    ZafEventType AskToSave(const ZafEventStruct &event, ZafEventType code);
    ZafEventType PassTo(ZafWindow *window, const ZafEventStruct &event);
    void MenuOpening(const ZafEventStruct &event);
    // Takes the lowest number no other open untitled document holds (none
    // for a document with a file), and gives it back.
    void TakeUntitledNumber();
    void ReleaseUntitledNumber();
    void ShowDocumentName();

    QVEvent *event;
    QVZEventHost *host;   // not owned; the main window, which outlives this one
    std::unique_ptr<QVZChartTrials> chartTrials;   // the charts' way to the results window
    VLeg *leg = nullptr;
    KZGeomMgr *geometry = nullptr;
    ZafWindow *resultsWindow = nullptr;
    ZafWindow *chartWindow = nullptr;
    ZafWindow *summaryWindow = nullptr;
    Pane *maximized = nullptr;
    KList panes;
    int untitledNumber = 0;   // 0: the document has a file (or the window no number)
};
