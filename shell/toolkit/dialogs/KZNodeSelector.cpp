#include "shell/toolkit/dialogs/KZNodeSelector.h"

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
    KRNode *node = NodeAt(unit.y);
    if (!node || !node->IsGroup())
        return false;
    KRect mark;
    UnitRect(unit, mark);
    CellRect(unit, 0, mark, kPartCell);
    if (!mark.ContainsPoint(pixel))
        return false;
    node->SetExpanded(!node->IsExpanded());
    Redisplay();
    return true;
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
