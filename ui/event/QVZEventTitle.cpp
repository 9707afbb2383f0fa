#include "ui/event/QVZEventTitle.h"

#include "domain/event/QVEventView.h"
#include "ui/event/QVZEventPane.h"

QVZEventTitle::QVZEventTitle(QVZEventPane *pane, QVEventView *view, int height)
    : KZSizer(0, height, 0, 0), pane(pane)
{
    SetView(view);
}

void QVZEventTitle::SetView(QVEventView *newView)
{
    if (newView == view)
        return;
    view = newView;
    if (view)
        Redisplay();
}

int QVZEventTitle::SelectedRow() const
{
    return pane ? pane->Selection().y : -1;
}

int QVZEventTitle::ColumnCount()
{
    return view ? view->ColumnCount(SelectedRow()) : 0;
}

int QVZEventTitle::DividerPosition(int divider)
{
    return QVEventView::ColumnPosition(nullptr, 0, divider);
}

void QVZEventTitle::MoveDivider(int divider, int position)
{
    if (view && view->ResizeColumn(SelectedRow(), divider, position)) {
        Redisplay();
        pane->Redisplay();
    }
}
