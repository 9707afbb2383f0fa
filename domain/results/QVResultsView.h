#pragma once
// QVResultsView: one view onto a leg's result list: the filter that chooses
// the listed results, the column edges of the eight columns (edges 0..8),
// the stored scroll position and selected cell, and the results window it
// notifies. Owned by its QVResults list (which deletes it); the window sets
// and clears its own link. GUI thread.

#include <cstdint>

#include "domain/results/QVResultFilter.h"
#include "foundation/containers/KList.h"
#include "foundation/values/KPoint.h"

class KMessage;
class KStream;
class QVResult;
class QVResults;
class QVResultsWindowHook;

class QVResultsView : public KListItem
{
public:
    static constexpr int kColumnCount = 8;
    static constexpr int kMinimumWidth = 8;   // narrowest column in pixels

    explicit QVResultsView(QVResults *results);
    ~QVResultsView() override;

    QVResults *Results() const { return m_results; }
    QVResultFilter &Filter() { return m_filter; }
    const QVResultFilter &Filter() const { return m_filter; }

    QVResultsWindowHook *Window() const { return m_window; }
    void SetWindow(QVResultsWindowHook *window) { m_window = window; }

    const KPoint &ScrollPosition() const { return m_scroll; }
    void SetScrollPosition(const KPoint &position) { m_scroll = position; }
    // The selected cell (column, row); (-1,-1) for none.
    const KPoint &Selection() const { return m_selection; }
    void SetSelection(const KPoint &cell) { m_selection = cell; }

    // Spreads the difference between width and the present total over the
    // name and source columns (1..3), none narrower than kMinimumWidth;
    // with keep set the columns left of the last stored edge change stay as
    // they are when the width allows it.
    void FitColumns(int32_t width, bool keep);
    // Left edge of column i (edges 0..8; 8 is the right end); 0 outside.
    int32_t ColumnPosition(int edge) const;
    int32_t ColumnWidth(int column) const;
    // Moves edge (1..8) to x, clamped between its neighbours, and stores the
    // edges; true when it moved.
    bool SetColumnPosition(int edge, int32_t x);

    // Messages from the list's tree: list changes refresh the window,
    // topic 40 shows a result, 41 and 42 ask for the sends.
    void Handle(const KMessage &message);

    void CopyFrom(const QVResultsView &other);
    void Write(KStream &stream) const;
    void Read(KStream &stream);

    // Module start-up: the default column widths.
    static void Startup();
    static void Shutdown();

private:
    QVResults *m_results;
    QVResultsWindowHook *m_window = nullptr;
    QVResultFilter m_filter;
    KPoint m_scroll;
    KPoint m_selection;
    int32_t m_edges[kColumnCount + 1];
    int m_lastMoved = 0;
};
