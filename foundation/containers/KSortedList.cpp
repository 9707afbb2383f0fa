#include "foundation/containers/KSortedList.h"

void KSortedList::Add(KListItem *item)
{
    auto *sorted = dynamic_cast<KSortedListItem *>(item);
    KListItem *before = nullptr;
    if (sorted) {
        for (KListItem *p = First(); p && !before; p = Next(p)) {
            auto *other = dynamic_cast<KSortedListItem *>(p);
            if (other && sorted->OrdersBefore(*other))
                before = p;
        }
    }
    InsertBefore(item, before);
}

void KSortedList::Sort()
{
    // Taking the items out in order and adding them back is an insertion
    // sort, stable because Add places an item after those it ties with.
    KList items;
    items.MoveFrom(*this);
    while (KListItem *item = items.First()) {
        items.Remove(item);
        Add(item);
    }
}
