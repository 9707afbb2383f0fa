#pragma once
// The windows that fill an event window's panes, by pane kind: the window
// made for a pane, and the view of the document it is given when it is the
// first pane of its kind. The results and chart panes are plain windows
// until their own windows take their place here.

#include <memory>

class QVZChartTrials;
class QVZEventMDI;
class ZafWindow;

// A new, not yet shown pane window of kind for owner.
ZafWindow *QVZMakePaneWindow(int kind, QVZEventMDI &owner);
// Gives window (of kind) the document's view of its kind; true when the
// window shows a view now.
bool QVZSetPaneView(int kind, ZafWindow *window, QVZEventMDI &owner);
// The trials owner's chart windows plot: the view and overlay list of
// owner's current results window (none while it has none).
std::unique_ptr<QVZChartTrials> QVZMakeChartTrials(QVZEventMDI &owner);
