#include "domain/event/QVEventView.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVEvent.h"
#include "domain/ui/QVWindowHooks.h"
#include "foundation/messages/KMessage.h"

int QVEventView::RowCount() const
{
    if (!m_event)
        return 0;
    QVEvent::RowIterator rows(m_event);
    int count = 1;
    while (rows.MoveTo(count))
        ++count;
    return count;
}

int QVEventView::ColumnCount(int) const
{
    return 0;
}

bool QVEventView::IsValidColumn(const int32_t *columns, int count, int column)
{
    return columns && column >= 0 && column < count;
}

int32_t QVEventView::ColumnPosition(const int32_t *columns, int count, int column)
{
    return IsValidColumn(columns, count, column) ? columns[column] : 0;
}

int32_t QVEventView::ColumnWidth(const int32_t *columns, int count, int column)
{
    if (!IsValidColumn(columns, count, column) || column + 1 >= count)
        return 0;
    return columns[column + 1] - columns[column];
}

bool QVEventView::ResizeColumn(int, int, int32_t)
{
    return false;
}

void QVEventView::Handle(const KMessage &message)
{
    uint32_t phase = message.Phase();
    if ((phase & (kMsgAfter | kMsgListAfter)) == 0)
        return;
    if (m_window)
        m_window->DocumentChanged();
    if (m_pane && m_pane != m_window)
        m_pane->DocumentChanged();
}
