#pragma once
// QVZEventPane: the list of the summary window: row 0 is the event, then
// for each leg the leg's row and, when it has one, its result list's row.
// The view decides each row's columns (none in this program), and stores the
// scroll position and the selected cell as they change. No cell is edited.
// Owned by its summary window; GUI thread only.

#include "shell/toolkit/lists/KZEditableSelector.h"

class QVEvent;
class QVEventView;
class QVZEventTitle;
class QVZEventWindow;

class QVZEventPane : public KZEditableSelector
{
public:
    QVZEventPane(QVZEventWindow *owner, QVEventView *view);
    ~QVZEventPane() override;

    // Shows the view (none: detaches the pane and its title); the extent,
    // scroll position and selection come from the view.
    void SetView(QVEventView *view);

    ZafEventType Event(const ZafEventStruct &event) override;
    void Redisplay() override;
    using KZEditableSelector::Redisplay;
    bool SetScrollPosition(KPoint position) override;
    void DrawUnit(KPoint unit) override;
    bool SetSelection(KPoint unit) override;
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    bool CanEdit(KPoint unit, int column) override;

    QVEventView *View() const { return view; }
    QVZEventTitle *Title() const { return title; }

private:
    QVZEventWindow *owner;
    QVEvent *event = nullptr;
    QVEventView *view = nullptr;
    QVZEventTitle *title;
};
