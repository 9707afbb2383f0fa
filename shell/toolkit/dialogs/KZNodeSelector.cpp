#include "shell/toolkit/dialogs/KZNodeSelector.h"

#include <windows.h>

#include <algorithm>

#include "foundation/registry/KRIterator.h"
#include "foundation/registry/KRNode.h"
#include "foundation/strings/KString.h"
#include "framework/controls/ZafScrollBar.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/dialogs/KZRegistryDialog.h"

namespace {

// Where a name starts behind the indentation: past the mark of a group.
constexpr int kGroupNameGap = 15;
constexpr int kValueNameGap = 2;
constexpr ZafEventType kInputKeyboard = 10;   // ZafEventStruct::InputClass of raw key messages

} // namespace

KZNodeSelector::KZNodeSelector(KZRegistryDialog *owner, KRIterator *nodes, int x, int y, int width, int height)
    : KZSelector(x, y, width, height), dialog(owner), iterator(nodes)
{
    Add(new ZafScrollBar(ZafScrollBar::VERTICAL_BAR));
    SetExtent(KPoint(1, iterator ? iterator->Count() : 0));
}

KZNodeSelector::~KZNodeSelector() = default;

KRNode *KZNodeSelector::NodeAt(int32_t row) const
{
    return iterator ? iterator->GetAt(row) : nullptr;
}

void KZNodeSelector::Redisplay()
{
    if (iterator) {
        iterator->Recount();
        SetExtent(KPoint(1, iterator->Count()));
    }
    KZSelector::Redisplay();
}

bool KZNodeSelector::SetSelection(KPoint unit)
{
    if (dialog)
        dialog->Finish(0);
    const bool changed = KZSelector::SetSelection(unit);
    if (dialog)
        dialog->ShowNode();
    return changed;
}

bool KZNodeSelector::CellClicked(KPoint pixel, int mode)
{
    if (mode == kClickRight)
        return false;
    const KPoint unit = PixelToUnit(pixel);
    if (!OnMark(unit, pixel))
        return false;
    KRNode *node = NodeAt(unit.y);
    node->SetExpanded(!node->IsExpanded());
    Redisplay();
    return true;
}

bool KZNodeSelector::OnMark(KPoint unit, KPoint pixel)
{
    KRNode *node = NodeAt(unit.y);
    if (!node || !node->IsGroup())
        return false;
    KRect mark;
    UnitRect(unit, mark);
    CellRect(unit, 0, mark, kPartCell);
    return mark.ContainsPoint(pixel);
}

// The selector itself opens a group only on a press on the selected row;
// a user expects the mark to work at the first press, as a tree's does.
bool KZNodeSelector::PressOnMark(KPoint at)
{
    const KPoint unit = ParentToUnit(at);
    KPoint pixel = at;
    ParentToClient(pixel);
    if (!IsUnitVisible(unit, true) || !ExtentRect().ContainsPoint(unit) || !OnMark(unit, pixel))
        return false;
    KRNode *node = NodeAt(unit.y);
    if (unit != Selection())
        Select(unit);
    node->SetExpanded(!node->IsExpanded());
    Redisplay();
    return true;
}

bool KZNodeSelector::ExpandSelected(bool expand)
{
    KRNode *node = NodeAt(Selection().y);
    if (!node || !node->IsGroup())
        return false;
    if (node->IsExpanded() != expand) {
        node->SetExpanded(expand);
        Redisplay();
    }
    return true;
}

int32_t KZNodeSelector::RowForKey(unsigned key)
{
    const int32_t rows = iterator ? iterator->Count() : 0;
    const int32_t row = Selection().y;
    if (rows <= 0)
        return row;
    if (row < 0)
        return 0;
    // A page is the rows shown in full less one, so that one row stays in sight.
    const int32_t page = std::max<int32_t>(1, VisibleUnitRect(true).Height() - 1);
    KRNode *node = NodeAt(row);
    switch (key) {
    case VK_UP:
        return std::max<int32_t>(0, row - 1);
    case VK_DOWN:
        return std::min(rows - 1, row + 1);
    case VK_HOME:
        return 0;
    case VK_END:
        return rows - 1;
    case VK_PRIOR:
        return std::max<int32_t>(0, row - page);
    case VK_NEXT:
        return std::min(rows - 1, row + page);
    case VK_RIGHT: {
        // An open group's first child is the row right below it.
        KRNode *below = NodeAt(row + 1);
        return (node && below && below->Parent() == node) ? row + 1 : row;
    }
    case VK_LEFT:
        if (node && node->Parent())
            for (int32_t above = row - 1; above >= 0; --above)
                if (NodeAt(above) == node->Parent())
                    return above;
        return row;
    default:
        return row;
    }
}

void KZNodeSelector::SelectRow(int32_t row)
{
    if (row < 0)
        return;
    if (row != Selection().y) {
        movingByKeys = true;
        Select(KPoint(0, row));
        movingByKeys = false;
    }
    ScrollIntoView(Selection(), true, true);
}

bool KZNodeSelector::KeyPress(unsigned key, wchar_t character)
{
    const bool plus = key == VK_ADD || character == L'+';
    const bool minus = key == VK_SUBTRACT || character == L'-';
    KRNode *node = NodeAt(Selection().y);
    const bool closedGroup = node && node->IsGroup() && !node->IsExpanded();
    const bool openGroup = node && node->IsGroup() && node->IsExpanded();
    if ((plus || key == VK_RIGHT) && closedGroup)
        return ExpandSelected(true);
    if ((minus || key == VK_LEFT) && openGroup)
        return ExpandSelected(false);
    if (plus || minus)
        return true;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
        SelectRow(RowForKey(key));
        return true;
    default:
        return false;
    }
}

ZafEventType KZNodeSelector::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == kEvtLeftPress && !(SelectorFlags() & kSelectorTracking)) {
        // A list takes the keyboard when it is clicked; a setting chosen by
        // the press hands it on to its Value field.
        SetFocus(true);
        if (PressOnMark(KPoint(mapped.region.left, mapped.region.top)))
            return code;
    }
    // The list's own keys, once it holds the keyboard; the rest (Tab, Enter,
    // Escape) go on to the dialog.
    if (event.InputClass() == kInputKeyboard && event.osEvent.message == WM_KEYDOWN && event.windowObject == this &&
        KeyPress(unsigned(event.osEvent.wParam), wchar_t(event.key)))
        return 0;
    return KZSelector::Event(event);
}

int KZNodeSelector::ColumnCount(KPoint)
{
    return 2;
}

void KZNodeSelector::CellRect(KPoint unit, int column, KRect &rect, int part)
{
    if (KRNode *node = NodeAt(unit.y)) {
        const int indent = kIndent * node->GetDepth();
        if (column == 0) {
            rect.left += indent;
            rect.right = rect.left + kMarkWidth - 1;
        } else {
            rect.left += indent + (node->IsGroup() ? kGroupNameGap : kValueNameGap);
        }
    }
    // The selector's own rule for the part, on the whole row's columns.
    KZSelector::CellRect(unit, -1, rect, part);
}

void KZNodeSelector::CellText(KPoint unit, int column, KString &text, uint32_t &flags)
{
    KRNode *node = NodeAt(unit.y);
    if (!node)
        return;
    if (column == 0) {
        if (node->IsGroup()) {
            text.Append(node->IsExpanded() ? L"-" : L"+");
            flags |= kCellCentred;
        }
        return;
    }
    text.Append(node->Name());
    if (node->IsOmitted())
        flags |= kCellGreyed;
}
