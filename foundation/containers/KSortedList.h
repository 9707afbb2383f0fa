#pragma once
// KSortedList and KSortedListItem: a KList that keeps its items in the order
// their virtual OrdersBefore gives. Items that order equal keep the order in
// which they were added. Ownership and threading as for KList; items added
// that are not KSortedListItems go to the end.

#include "foundation/containers/KList.h"

class KSortedListItem : public KListItem
{
public:
    // True when this item belongs before other.
    virtual bool OrdersBefore(const KSortedListItem &other) const = 0;
};

class KSortedList : public KList
{
public:
    // Re-sorts the list after the items' order keys changed (stable).
    void Sort();

protected:
    // Inserts item before the first item that it orders before.
    void Add(KListItem *item) override;
};
