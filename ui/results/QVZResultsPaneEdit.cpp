// QVZResultsPane: in-place editing of the first and last names.
#include "ui/results/QVZResultsPane.h"

#include "domain/results/QVResult.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/lists/KZEditableSelectorString.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

namespace {

constexpr int kFirstEditable = 1;   // first name
constexpr int kLastEditable = 2;    // last name

} // namespace

void QVZResultsPane::MarkEditing()
{
    KZEditableSelector::MarkEditing();
    editedResult = ResultAt(Selection().y);
}

// True when the name change moved the edited result to another row, so
// that editing does not go on in a row that now holds another trial.
bool QVZResultsPane::ClearEditing()
{
    bool moved = false;
    if (editedResult)
        moved = IndexOf(editedResult) != Selection().y;
    editedResult = nullptr;
    KZEditableSelector::ClearEditing();
    return moved;
}

bool QVZResultsPane::HasCellArea(KPoint unit, int column)
{
    KRect rect;
    UnitRect(unit, rect);
    CellRect(unit, column, rect, kPartCell);
    return rect.Width() > 0 && rect.Height() > 0;
}

int QVZResultsPane::NextEditableColumn(KPoint unit, int after)
{
    FitColumns();
    for (int column = after < 0 ? kFirstEditable : after + 1; column <= kLastEditable; ++column)
        if (column >= kFirstEditable && HasCellArea(unit, column))
            return column;
    return -1;
}

int QVZResultsPane::PrevEditableColumn(KPoint unit, int before)
{
    FitColumns();
    for (int column = before < 0 ? kLastEditable : before - 1; column >= kFirstEditable; --column)
        if (column <= kLastEditable && HasCellArea(unit, column))
            return column;
    return -1;
}

bool QVZResultsPane::CanEdit(KPoint, int column)
{
    return column == kFirstEditable || column == kLastEditable;
}

void QVZResultsPane::CommitEdit(int column, KZEditableSelectorString *editor, int32_t)
{
    if (!editedResult || !editor)
        return;
    KString text(KZGetText(editor));
    if (column == kFirstEditable)
        editedResult->SetFirstName(text);
    else if (column == kLastEditable)
        editedResult->SetLastName(text);
}
