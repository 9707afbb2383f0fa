#pragma once
// QVZEventWindow: the summary pane of an event window: a small tool bar
// (GetInfo, then the armed and capture-mode indicators) over a list with one
// row per row of the event (QVZEventPane). It shows the event through the
// event's view, which also keeps the list's selection and scroll position,
// so a summary window opened again on the same event comes back at the same
// row. Its button bitmaps are read by the module start-up and deleted by
// the shut-down. Owned by its event window; GUI thread only.

#include "domain/ui/QVWindowHooks.h"
#include "shell/toolkit/window/KZWindow.h"

class KZTBButton;
class KZToolBar;
class QVEvent;
class QVEventView;
class QVZEventMDI;
class QVZEventPane;

class QVZEventWindow : public KZWindow, public QVEventWindowHook
{
public:
    QVZEventWindow(QVZEventMDI *owner, QVEventView *view);
    ~QVZEventWindow() override;

    // Shows the view's event (none: nothing); nothing when it is the shown view.
    void SetView(QVEventView *view);
    // kEvtMenuOpening and the summary commands kCmdSummaryFirst ..
    // kCmdSummaryLast go to the list.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Redraws the list from the view.
    virtual void Update();
    void DocumentChanged() override { Update(); }

    QVEventView *View() const { return view; }
    QVEvent *ShownEvent() const { return event; }
    QVZEventPane *Pane() const { return pane; }
    KZToolBar *ToolBar() const { return toolBar; }

    static void Startup();
    static void Shutdown();

private:
    QVZEventMDI *owner;
    QVEvent *event = nullptr;
    QVEventView *view = nullptr;
    KZToolBar *toolBar;
    QVZEventPane *pane;
    KZTBButton *getInfo;
    KZTBButton *armed;
    KZTBButton *capture;
};
