#pragma once
// ZafChainLinks: the two link steps of an intrusive doubly-linked list whose
// items carry their own previous and next pointers (named by member pointers)
// and whose list keeps its first and last item and a count. Ownership and
// membership checks stay with the list; these only relink.

template <class Item, Item *Item::*Previous, Item *Item::*Next>
struct ZafChainLinks
{
    // Links item after `after`, or at the front when after is null.
    template <class Count>
    static void LinkAfter(Item *&first, Item *&last, Count &count, Item *item, Item *after)
    {
        item->*Previous = after;
        item->*Next = after ? after->*Next : first;
        if (item->*Next)
            (item->*Next)->*Previous = item;
        else
            last = item;
        if (after)
            after->*Next = item;
        else
            first = item;
        ++count;
    }

    // Unlinks item, which is in the list, and clears its own links.
    template <class Count>
    static void Unlink(Item *&first, Item *&last, Count &count, Item *item)
    {
        if (item->*Previous)
            (item->*Previous)->*Next = item->*Next;
        else
            first = item->*Next;
        if (item->*Next)
            (item->*Next)->*Previous = item->*Previous;
        else
            last = item->*Previous;
        item->*Previous = item->*Next = nullptr;
        --count;
    }
};
