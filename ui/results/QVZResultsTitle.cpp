// QVZResultsTitle: the results pane's column-title bar.
#include "ui/results/QVZResultsTitle.h"

#include <algorithm>

#include "domain/results/QVResultsView.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsPrompts.h"

namespace {

struct Heading
{
    const wchar_t *key;   // the last part of the heading text key
    uint32_t flags;       // title-bar format: 0x1 left, 0x2 centred, 0x4 right
};

const Heading kHeadings[QVZResultsPane::kColumnCount] = {
    { L"TrialNum", 0x2 }, { L"FirstName", 0x1 },    { L"LastName", 0x1 },   { L"Source", 0x2 },
    { L"ReactionTime", 0x4 }, { L"Power", 0x4 }, { L"TimeToDist", 0x4 }, { L"RawTime", 0x4 },
};

} // namespace

QVZResultsTitle::QVZResultsTitle(QVZResultsPane *pane, int height) : KZSizer(0, height, 0, 0), pane(pane)
{
}

// The titles stand over the list's columns, which the list fits to its
// client width (the bar also spans the list's scroll bar).
void QVZResultsTitle::Fit(bool keep)
{
    if (view)
        view->FitColumns(pane ? pane->ClientSize().x : ClientRect().Width(), keep);
}

ZafEventType QVZResultsTitle::Draw(const ZafEventStruct &event, ZafEventType code)
{
    Fit(false);
    return KZSizer::Draw(event, code);
}

void QVZResultsTitle::SetDraggedDivider(int divider)
{
    KZSizer::SetDraggedDivider(divider);
    if (divider >= 0)
        Fit(true);
}

int QVZResultsTitle::ColumnCount()
{
    return QVZResultsPane::kColumnCount;
}

int QVZResultsTitle::DividerPosition(int divider)
{
    if (!view)
        return KZSizer::DividerPosition(divider);
    Fit(false);
    return view->ColumnPosition(std::max(0, std::min(divider, QVZResultsPane::kColumnCount)));
}

void QVZResultsTitle::MoveDivider(int divider, int position)
{
    if (!view)
        return;
    Fit(false);
    if (!view->SetColumnPosition(divider, position))
        return;
    Redisplay();
    if (pane)
        pane->Redisplay();
}

void QVZResultsTitle::CellText(int cell, KString &text, uint32_t &flags)
{
    if (cell < 0 || cell >= QVZResultsPane::kColumnCount)
        return;
    KString key(kTextResultFields);
    key.Append(kHeadings[cell].key);
    text.Append(QVZResultsPrompts::Text(key.CStr()));
    flags = kHeadings[cell].flags;
}

void QVZResultsTitle::SetView(QVResultsView *attach)
{
    view = attach;
    if (view)
        Redisplay();
}
