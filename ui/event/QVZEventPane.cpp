#include "ui/event/QVZEventPane.h"

#include "domain/event/QVEvent.h"
#include "domain/event/QVEventView.h"
#include "framework/controls/ZafScrollBar.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZSwitchView.h"
#include "ui/event/QVZEventTitle.h"
#include "ui/event/QVZEventWindow.h"
#include "ui/common/QVZCommands.h"

namespace {

// Summary commands the list takes without effect: no row of this program's
// events acts on them.
bool IsConsumed(ZafLogicalEvent code)
{
    return code == kEvtMenuOpening || code == 10186 || code == kCmdSummaryGetInfo || code == 10189 ||
           (code >= 10190 && code <= 10238);
}

} // namespace

QVZEventPane::QVZEventPane(QVZEventWindow *owner, QVEventView *view) : KZEditableSelector(0, 0, 0, 0), owner(owner)
{
    SetCoordinateType(kCoordPixels);
    title = new QVZEventTitle(this, nullptr, UnitSize().y);
    SetHeaderBar(title);
    Add(title);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetView(view);
}

QVZEventPane::~QVZEventPane()
{
    SetView(nullptr);
}

void QVZEventPane::SetView(QVEventView *newView)
{
    KZSwitchView(view, newView, [this](QVEventView &) {
        title->SetView(nullptr);
        event = nullptr;
    }, [this](QVEventView &shown) {
        event = shown.Event();
        title->SetView(&shown);
        SetExtent(KPoint(1, shown.RowCount()));
        // The stored cell is read before the scroll position is stored again.
        const KPoint selected = shown.Selection();
        SetScrollPosition(shown.ScrollPosition());
        SetSelection(selected);
        Redisplay();
    });
}

ZafEventType QVZEventPane::Event(const ZafEventStruct &zafEvent)
{
    ZafEventStruct mapped = zafEvent;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (IsConsumed(code))
        return code;
    return KZEditableSelector::Event(zafEvent);
}

void QVZEventPane::Redisplay()
{
    SetExtent(KPoint(1, view ? view->RowCount() : 0));
    KZEditableSelector::Redisplay();
}

bool QVZEventPane::SetScrollPosition(KPoint position)
{
    const bool answer = KZScroller::SetScrollPosition(position);
    if (view)
        view->SetScrollPosition(ScrollPosition());
    return answer;
}

void QVZEventPane::DrawUnit(KPoint unit)
{
    // The view draws nothing of its own for a row of this program.
    KZEditableSelector::DrawUnit(unit);
}

bool QVZEventPane::SetSelection(KPoint unit)
{
    const bool changed = KZSelector::SetSelection(unit);
    if (view)
        view->SetSelection(Selection());
    if (changed)
        title->Redisplay();
    return changed;
}

int QVZEventPane::ColumnCount(KPoint unit)
{
    return view ? view->ColumnCount(unit.y) : 0;
}

void QVZEventPane::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    // No row kind of this program has a column list.
    rect.left += QVEventView::ColumnPosition(nullptr, 0, column);
    rect.right = rect.left + QVEventView::ColumnWidth(nullptr, 0, column) - 1;
    KZEditableSelector::CellRect(unit, column, rect, part);
}

bool QVZEventPane::CanEdit(KPoint, int)
{
    return false;
}
