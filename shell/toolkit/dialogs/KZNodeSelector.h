#pragma once
// KZNodeSelector: the settings editor's list of the settings tree. Row n is
// the n-th visible node of a KRIterator (a group's children are visible
// while it is expanded); column 0 holds "+" or "-" for a group, indented
// 18 pixels per level, column 1 the node's name, greyed when the node is
// omitted (deleted). A press on the "+"/"-" of a group selects the group
// and expands or collapses it. A press on the list gives it the keyboard;
// Up, Down, Home, End, Page Up and Page Down move the selection through the
// visible rows, Right or "+" opens the selected group (Right on an open
// group goes to its first child), Left or "-" closes it (Left on a closed
// group or a setting goes to its group). Before each selection change the
// dialog commits the value being edited, and after it shows the newly
// selected node. Owned by the dialog like its other fields; the iterator
// belongs to the dialog. GUI thread only.

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
    // True while a key moves the selection: the node shown keeps the
    // keyboard with the list.
    bool MovingByKeys() const { return movingByKeys; }

private:
    // True when pixel (client pixels) lies on the "+"/"-" of the unit's group.
    bool OnMark(KPoint unit, KPoint pixel);
    // A press at (parent coordinates) on a group's mark: selects the group
    // and toggles it; false for any other press.
    bool PressOnMark(KPoint at);
    // Expands (or collapses) the selected group; false when no group is selected.
    bool ExpandSelected(bool expand);
    // The list's answer to a key press: true when the key was the list's
    // (also at either end of the rows, so the focus stays in the list).
    bool KeyPress(unsigned key, wchar_t character);   // a virtual-key code and its character
    // The row a navigation key leads to from the selected row; the selected
    // row itself when the key only opens or closes a group or leads nowhere.
    int32_t RowForKey(unsigned key);
    // Selects the row by keys and scrolls it into view.
    void SelectRow(int32_t row);

    KZRegistryDialog *dialog;
    KRIterator *iterator;
    bool movingByKeys = false;
};
