#pragma once
// QVZResultsWindow: the results area of an event window: a tool bar with
// the trial commands (add reaction times, download, delete, print, overlay
// mode and, in overlay mode, clear overlay) above the results pane. It is
// the window the event's QVResultsView notifies, it hands the results
// commands to the pane and carries the overlay-mode button. Its front
// window's list goes to the scoreboards. Owned by its event window, which
// it outlives never: it detaches its view when destroyed. GUI thread only.

#include "domain/ui/QVWindowHooks.h"
#include "shell/toolkit/window/KZWindow.h"

class KZBitmap;
class KZTBButton;
class KZToolBar;
class QVResults;
class QVResultsView;
class QVZResultsHost;
class QVZResultsPane;

class QVZResultsWindow : public KZWindow, public QVResultsWindowHook
{
public:
    // owner: the event window (may be none); view may be none. Pixels.
    QVZResultsWindow(ZafWindowObject *owner, QVResultsView *view, int left, int top, int width, int height);
    ~QVZResultsWindow() override;

    // kCmdResultsWindowFirst .. kCmdResultsWindowLast and kEvtMenuOpening go to
    // the pane; the rest to the window.
    ZafEventType Event(const ZafEventStruct &event) override;

    // Attaches a view (none detaches) and refreshes.
    void SetView(QVResultsView *view);
    QVResultsView *View() const { return view; }
    QVResults *Results() const { return results; }
    QVZResultsPane *Pane() const { return pane; }
    // The event window that holds this window; none.
    ZafWindowObject *Owner() const { return owner; }
    // What the pane asks of its event window; none (the default) asks nothing.
    QVZResultsHost *Host() const { return host; }
    void SetHost(QVZResultsHost *windowHost) { host = windowHost; }

    // QVResultsWindowHook: Refresh redisplays the pane (with the flag) and
    // hands the list to the scoreboards when this is the front window.
    void Refresh(bool redisplay) override;
    // Selects and scrolls to the result's row when the view lists it.
    void ShowResult(QVResult *result) override;
    void SendEventName() override;
    void SendResults() override;

    // Switches overlay mode, the overlay button's picture and the clear
    // button; the chart's set and reaction-time lines go off either way.
    void SetOverlayButton(bool on);

    // The scoreboards show this window's list while it is the front one:
    // the event window calls it when it becomes active.
    void ShowOnScoreboards();
    // The event window's last goodbye: the scoreboards show nothing.
    static void ClearScoreboards();
    static QVZResultsWindow *Front() { return front; }

    // Module start-up and shut-down: the tool-bar bitmaps.
    static void Startup();
    static void Shutdown();

    KZTBButton *OverlayButton() const { return overlayButton; }
    KZTBButton *ClearOverlayButton() const { return clearButton; }

private:
    void BuildToolBar();

    ZafWindowObject *owner;
    QVZResultsHost *host = nullptr;   // not owned; the owner, as the pane reaches it
    QVResults *results = nullptr;
    QVResultsView *view = nullptr;
    QVZResultsPane *pane = nullptr;
    KZToolBar *toolBar = nullptr;
    KZTBButton *overlayButton = nullptr;
    KZTBButton *clearButton = nullptr;

    static QVZResultsWindow *front;
};
