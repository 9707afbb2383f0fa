#pragma once
// QVZResultsTitle: the column-title bar above the results pane: eight title
// cells and nine dividers at the column edges the pane's view keeps.
// Dragging a divider moves that edge in the view and redraws the pane.
// Owned by the pane (added to it); GUI thread only.

#include "shell/toolkit/lists/KZSizer.h"

class QVResultsView;
class QVZResultsPane;

class QVZResultsTitle : public KZSizer
{
public:
    // height: the pane's row height in pixels.
    QVZResultsTitle(QVZResultsPane *pane, int height);

    // Fits the view's columns to the bar's width, then draws.
    ZafEventType Draw(const ZafEventStruct &event, ZafEventType code) override;
    void SetDraggedDivider(int divider) override;
    int ColumnCount() override;
    // The view's edge i (clamped to 0..8) after fitting.
    int DividerPosition(int divider) override;
    void MoveDivider(int divider, int position) override;
    void CellText(int cell, KString &text, uint32_t &flags) override;

    // Stores the view (none: no columns) and redisplays when one is set.
    void SetView(QVResultsView *view);
    QVResultsView *View() const { return view; }

private:
    void Fit(bool keep);

    QVZResultsPane *pane;
    QVResultsView *view = nullptr;
};
