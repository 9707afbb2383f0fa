// KRIterator: depth-first walk over expanded nodes.
#include "foundation/registry/KRIterator.h"

#include "foundation/registry/KRNode.h"

KRIterator::KRIterator(KRNode *root) : itsRoot(root) { Recount(); }

void KRIterator::Recount()
{
    itsCount = 0;
    itsIndex = -1;
    itsNode = nullptr;
    if (!itsRoot)
        return;
    for (KRNode *node = itsRoot->NextChild(); node; node = Advance(node))
        ++itsCount;
}

KRNode *KRIterator::Advance(KRNode *node) const
{
    if (node->IsExpanded() && node->ChildCount() > 0)
        return node->NextChild();
    for (; node && node != itsRoot; node = node->Parent())
        if (KRNode *next = node->Parent()->NextChild(node))
            return next;
    return nullptr;
}

KRNode *KRIterator::GetAt(int index)
{
    if (!itsRoot || index < 0)
        return nullptr;
    if (!itsNode || index < itsIndex) {
        itsNode = itsRoot->NextChild();
        itsIndex = 0;
    }
    while (itsNode && itsIndex < index) {
        itsNode = Advance(itsNode);
        ++itsIndex;
    }
    if (!itsNode) {
        itsIndex = -1;
        return nullptr;
    }
    return itsNode;
}
