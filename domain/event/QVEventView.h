#pragma once
// QVEventView: the view of an event document through which the event
// window and its summary pane show it: the window and pane it notifies, the
// pane's stored scroll position and selected cell, and the row and column
// geometry of the summary list (rows from QVEvent::RowIterator; no row has
// columns in this program). One per event, held by the event; GUI thread.

#include <cstdint>

#include "foundation/values/KPoint.h"

class KMessage;
class QVEvent;
class QVEventWindowHook;

class QVEventView
{
public:
    explicit QVEventView(QVEvent *event) : m_event(event), m_selection(-1, -1) {}

    QVEvent *Event() const { return m_event; }
    // Rows of the event walker: the event row and every further row.
    int RowCount() const;

    QVEventWindowHook *Window() const { return m_window; }
    void SetWindow(QVEventWindowHook *window) { m_window = window; }
    QVEventWindowHook *Pane() const { return m_pane; }
    void SetPane(QVEventWindowHook *pane) { m_pane = pane; }

    const KPoint &ScrollPosition() const { return m_scroll; }
    void SetScrollPosition(const KPoint &position) { m_scroll = position; }
    const KPoint &Selection() const { return m_selection; }
    void SetSelection(const KPoint &cell) { m_selection = cell; }

    // Columns of a row: none in this program.
    int ColumnCount(int row) const;
    // x position and width of column in a list of count column edges;
    // 0 for an invalid column.
    static int32_t ColumnPosition(const int32_t *columns, int count, int column);
    static int32_t ColumnWidth(const int32_t *columns, int count, int column);
    static bool IsValidColumn(const int32_t *columns, int count, int column);
    // A column of the summary list cannot be resized: always false.
    bool ResizeColumn(int row, int column, int32_t x);

    // After-messages of the document reach the window and the pane.
    void Handle(const KMessage &message);

private:
    QVEvent *m_event;
    QVEventWindowHook *m_window = nullptr;
    QVEventWindowHook *m_pane = nullptr;
    KPoint m_scroll;
    KPoint m_selection;
};
