#pragma once
// QVZEventTitle: the column-title bar of the summary list. Its columns are
// those the view gives the kind of the list's selected row; a divider moved
// by the user is offered to the view, and the bar and the list are redrawn
// only when the view takes the new width. Owned by the list; GUI thread.

#include "shell/toolkit/lists/KZSizer.h"

class QVEventView;
class QVZEventPane;

class QVZEventTitle : public KZSizer
{
public:
    QVZEventTitle(QVZEventPane *pane, QVEventView *view, int height);

    // Stores the view (none clears it); a new view redraws the bar.
    void SetView(QVEventView *view);
    QVEventView *View() const { return view; }

    int ColumnCount() override;
    int DividerPosition(int divider) override;
    void MoveDivider(int divider, int position) override;

private:
    int SelectedRow() const;

    QVZEventPane *pane;
    QVEventView *view = nullptr;
};
