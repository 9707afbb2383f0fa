#pragma once
// KRIterator: the visible rows of a settings tree for the settings editor.
// It walks the nodes below a root depth first, entering a node's children
// only when that node is expanded; the root itself is not a row (its
// children always are). It counts the rows when made and on Recount (after
// a node was expanded, collapsed, added or removed); GetAt walks forward from
// the last row it gave. It does not own the tree, which must outlive it.
// GUI thread only.

class KRNode;

class KRIterator
{
public:
    explicit KRIterator(KRNode *root);

    int Count() const { return itsCount; }
    // Rewinds and counts the visible rows again.
    void Recount();
    // The node of row index (from 0); none past the end or below 0.
    KRNode *GetAt(int index);

private:
    // The row after node, none at the end.
    KRNode *Advance(KRNode *node) const;

    KRNode *itsRoot;
    int itsCount = 0;
    int itsIndex = -1;
    KRNode *itsNode = nullptr;
};
