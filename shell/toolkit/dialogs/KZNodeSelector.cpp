#include "shell/toolkit/dialogs/KZNodeSelector.h"

#include <windows.h>

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

ZafEventType KZNodeSelector::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code == kEvtLeftPress && !(SelectorFlags() & kSelectorTracking) &&
        PressOnMark(KPoint(mapped.region.left, mapped.region.top)))
        return code;
    if ((code == kEvtKeyRight || code == kEvtKeyLeft) && ExpandSelected(code == kEvtKeyRight))
        return code;
    if (event.InputClass() == kInputKeyboard && event.osEvent.message == WM_KEYDOWN) {
        const bool plus = event.osEvent.wParam == VK_ADD || event.key == L'+';
        const bool minus = event.osEvent.wParam == VK_SUBTRACT || event.key == L'-';
        if ((plus || minus) && ExpandSelected(plus))
            return code;
    }
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
