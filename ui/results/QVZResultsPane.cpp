// QVZResultsPane: construction, the view, list queries, columns and cells.
#include "ui/results/QVZResultsPane.h"

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "framework/controls/ZafScrollBar.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPrompts.h"
#include "ui/results/QVZResultsTitle.h"

namespace P = QVZResultsPrompts;

namespace {

constexpr int64_t kDisplayResolution = 80;   // ticks: times are shown to the millisecond
constexpr int8_t kColorLightRed = 12;
constexpr int8_t kColorDarkGrey = 8;

} // namespace

QVZResultsPane::QVZResultsPane(QVZResultsWindow *owner, QVResultsView *attach, int left, int top, int width,
                               int height)
    : KZEditableSelector(left, top, width, height), owner(owner)
{
    SetLayoutFlags(LayoutFlags() | kScrollUnitWidthFollows);
    SetSelectorFlags(SelectorFlags() | kSelectorHeaderFollows);
    title = new QVZResultsTitle(this, UnitSize().y);
    Add(title);
    SetHeaderBar(title);
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetView(attach);
}

QVZResultsPane::~QVZResultsPane()
{
    SetView(nullptr);
}

void QVZResultsPane::SetView(QVResultsView *attach)
{
    if (attach == view)
        return;
    if (view)
    {
        title->SetView(nullptr);
        view = nullptr;
        results = nullptr;
        editedResult = nullptr;
        overlay.Clear();
    }
    if (!attach)
        return;
    // The place the view keeps is taken first: marking the false starts
    // redraws the list, which must not overwrite it.
    const KPoint scroll = attach->ScrollPosition();
    const KPoint selected = attach->Selection();
    results = attach->Results();
    if (results)
        results->MarkFalseStarts();
    view = attach;
    title->SetView(view);
    UpdateExtent();
    SetScrollPosition(scroll);
    SetSelection(selected);
    Redisplay();
}

int QVZResultsPane::IndexOf(const QVResult *result) const
{
    return results && result ? results->IndexOf(result, view, kMatchField) : -1;
}

QVResult *QVZResultsPane::NextResult(QVResult *after) const
{
    return results ? results->NextMatching(after, view, kMatchField) : nullptr;
}

QVResult *QVZResultsPane::ResultAt(int row) const
{
    return results && row >= 0 ? results->MatchingAt(row, view, kMatchField) : nullptr;
}

void QVZResultsPane::UpdateExtent()
{
    SetExtent(KPoint(1, results ? results->Count(view, kMatchField) : 0));
}

void QVZResultsPane::Redisplay()
{
    UpdateExtent();
    KZEditableSelector::Redisplay();
}

bool QVZResultsPane::SetScrollPosition(KPoint position)
{
    bool changed = KZEditableSelector::SetScrollPosition(position);
    if (view)
        view->SetScrollPosition(ScrollPosition());
    return changed;
}

bool QVZResultsPane::SetSelection(KPoint unit)
{
    bool changed = KZEditableSelector::SetSelection(unit);
    if (view)
        view->SetSelection(Selection());
    return changed;
}

void QVZResultsPane::FitColumns()
{
    if (view)
        view->FitColumns(ClientSize().x, false);
}

void QVZResultsPane::DrawUnit(KPoint unit)
{
    FitColumns();
    drawnResult = IsEditing() && editedResult && unit.y == Selection().y ? editedResult : ResultAt(unit.y);
    KZEditableSelector::DrawUnit(unit);
    drawnResult = nullptr;
}

int QVZResultsPane::ColumnCount(KPoint)
{
    return kColumnCount;
}

void QVZResultsPane::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    if (view)
    {
        int left = rect.left;
        rect.left = left + view->ColumnPosition(column);
        rect.right = rect.left + view->ColumnWidth(column) - 1;
    }
    KZEditableSelector::CellRect(unit, column, rect, part);
}

KZPaletteEntry QVZResultsPane::CellPalette(KPoint unit, int column, uint16_t type, uint16_t state)
{
    KZPaletteEntry own = KZEditableSelector::CellPalette(unit, column, type, state);
    if (!drawnResult)
        return own;
    KZPaletteEntry marked;
    KZInitPalette(marked);
    marked.palette.font = own.palette.font;
    if (type == kPaletteText && drawnResult->IsFalseStart() && P::Flag(kKeyShowAllFSInRed, false))
    {
        marked.palette.colorForeground = kColorLightRed;
        return marked;
    }
    if (drawnResult->ResultCode() == QVResult::kCodeLast)
    {
        marked.palette.colorBackground = kColorDarkGrey;
        return marked;
    }
    return own;
}

void QVZResultsPane::FormatTime(const VRaceTime &time, KString &text)
{
    if (!time.IsValid())
        text.Append(P::Text(kTextNoTime));
    else
        time.Format(text, kDisplayResolution);
}

void QVZResultsPane::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    const QVResult *result = drawnResult ? drawnResult : ResultAt(unit.y);
    if (!result)
        return;
    switch (column)
    {
    case 0:
        text.AppendInt(unit.y + 1);
        flags |= kCellCentred;
        break;
    case 1:
        text.Append(result->FirstName());
        break;
    case 2:
        text.Append(result->LastName());
        break;
    case 3:
        text.Append(result->Source());
        flags |= kCellCentred;
        break;
    case 4:
        FormatTime(result->ReactionTime(), text);
        flags |= kCellRight;
        break;
    case 5:
        result->FormatPower(text);
        flags |= kCellRight;
        break;
    case 6:
        FormatTime(result->TimeToDistance(), text);
        flags |= kCellRight;
        break;
    case 7:
        FormatTime(result->RawTime(), text);
        flags |= kCellRight;
        break;
    default:
        break;
    }
}
