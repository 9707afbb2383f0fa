#pragma once
// ZafList: an owning doubly linked list of ZafElement. With a compare function
// it keeps its elements sorted, equal keys in the order they were added;
// without one it keeps the order of adding. The list deletes the elements it
// still holds when it is destroyed. GUI thread only (the event manager guards
// its own lists).

#include "framework/core/base/ZafChainLinks.h"
#include "framework/core/base/ZafElement.h"

// Answers negative, zero or positive as a sorts before, with or after b.
using ZafCompareFunction = int (*)(ZafElement *a, ZafElement *b);

class ZafList
{
public:
    explicit ZafList(ZafCompareFunction compareFunction = nullptr);
    ZafList(const ZafList &) = delete;
    ZafList &operator=(const ZafList &) = delete;
    virtual ~ZafList();

    // Takes ownership. Sorted lists insert after the last element that
    // compares at most equal; unsorted lists append. Answers the element.
    ZafElement *Add(ZafElement *element);
    // Inserts before position (at the end when position is null); the
    // compare function is not consulted. Answers the element.
    ZafElement *AddBefore(ZafElement *element, ZafElement *position);
    // Unlinks an element of this list and hands ownership back; answers the
    // element that followed it. An element of another list is answered
    // unchanged and nothing changes; null answers null.
    ZafElement *Subtract(ZafElement *element);
    // Deletes every element; the list is empty afterwards.
    void Destroy();

    // The element at a 0-based position; null outside the list.
    ZafElement *Get(int index) const;
    // The 0-based position of an element; -1 when absent or null.
    int Index(const ZafElement *element) const;
    // Re-sorts through the compare function (stable); nothing without one.
    void Sort();

    ZafCompareFunction CompareFunction() const { return compareFunction; }
    ZafCompareFunction SetCompareFunction(ZafCompareFunction function);

    ZafElement *First() const { return first; }
    ZafElement *Last() const { return last; }
    ZafElement *Current() const { return current; }
    // The current element must belong to the list (or be null).
    ZafElement *SetCurrent(ZafElement *element);
    int Count() const { return count; }
    // True when the element is linked into this list.
    bool Contains(const ZafElement *element) const;

protected:
    ZafCompareFunction compareFunction;
    ZafElement *first = nullptr;
    ZafElement *last = nullptr;
    ZafElement *current = nullptr;
    int count = 0;

private:
    using Links = ZafChainLinks<ZafElement, &ZafElement::previous, &ZafElement::next>;

    void LinkAfter(ZafElement *element, ZafElement *after);
};
