#pragma once
// KZNodeSelector: the settings editor's list of the settings tree. Row n is
// the n-th visible node of a KRIterator (a group's children are visible
// while it is expanded); column 0 holds "+" or "-" for a group, indented
// 18 pixels per level, column 1 the node's name, greyed when the node is
// omitted (deleted). A press on the "+"/"-" of a group selects the group
// and expands or collapses it; Right or "+" expands the selected group,
// Left or "-" collapses it. Before each selection change the dialog commits
// the value being edited, and after it shows the newly selected node. Owned by
// the dialog like its other fields; the iterator belongs to the dialog.
// GUI thread only.

#include "shell/toolkit/lists/KZSelector.h"

class KRIterator;
class KRNode;
class KZRegistryDialog;

class KZNodeSelector : public KZSelector
{
public:
    static constexpr int kIndent = 18;       // pixels per level of depth
    static constexpr int kMarkWidth = 14;    // the "+"/"-" cell
    // A list at (x, y), width x height pixels, with a vertical scroll bar.
    KZNodeSelector(KZRegistryDialog *dialog, KRIterator *iterator, int x, int y, int width, int height);
    ~KZNodeSelector() override;

    // A press on a group's mark and the keys that open and close groups;
    // the rest as KZSelector.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Counts the visible rows again, then redisplays.
    void Redisplay() override;
    using KZSelector::Redisplay;
    bool SetSelection(KPoint unit) override;
    bool CellClicked(KPoint pixel, int mode) override;
    int ColumnCount(KPoint unit) override;
    void CellRect(KPoint unit, int column, KRect &rect, int part) override;
    void CellText(KPoint unit, int column, KString &text, uint32_t &flags) override;

    // The node of a row; none outside the visible rows.
    KRNode *NodeAt(int32_t row) const;

private:
    // True when pixel (client pixels) lies on the "+"/"-" of the unit's group.
    bool OnMark(KPoint unit, KPoint pixel);
    // A press at (parent coordinates) on a group's mark: selects the group
    // and toggles it; false for any other press.
    bool PressOnMark(KPoint at);
    // Expands (or collapses) the selected group; false when no group is selected.
    bool ExpandSelected(bool expand);

    KZRegistryDialog *dialog;
    KRIterator *iterator;
};
