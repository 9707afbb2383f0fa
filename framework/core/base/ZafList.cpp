#include "framework/core/base/ZafList.h"

ZafList::ZafList(ZafCompareFunction compareFunction) : compareFunction(compareFunction)
{
}

ZafList::~ZafList()
{
    Destroy();
}

// Links element after 'after' (at the front when 'after' is null).
void ZafList::LinkAfter(ZafElement *element, ZafElement *after)
{
    Links::LinkAfter(first, last, count, element, after);
}

ZafElement *ZafList::Add(ZafElement *element)
{
    if (!element)
        return nullptr;
    if (!compareFunction || !first || compareFunction(last, element) <= 0) {
        LinkAfter(element, last);
    } else if (compareFunction(first, element) <= 0) {
        // An element equal to the first goes after it (and after its equals),
        // never in front: equal keys keep their adding order.
        ZafElement *after = last;
        while (compareFunction(after, element) > 0)
            after = after->previous;
        LinkAfter(element, after);
    } else {
        LinkAfter(element, nullptr);
    }
    return element;
}

ZafElement *ZafList::AddBefore(ZafElement *element, ZafElement *position)
{
    if (!element)
        return nullptr;
    if (!position || !Contains(position))
        LinkAfter(element, last);
    else
        LinkAfter(element, position->previous);
    return element;
}

bool ZafList::Contains(const ZafElement *element) const
{
    if (!element || !first)
        return false;
    const ZafElement *head = element;
    while (head->previous)
        head = head->previous;
    return head == first;
}

ZafElement *ZafList::Subtract(ZafElement *element)
{
    if (!element)
        return nullptr;
    if (!Contains(element))
        return element;
    ZafElement *following = element->next;
    Links::Unlink(first, last, count, element);
    if (current == element)
        current = nullptr;
    return following;
}

void ZafList::Destroy()
{
    ZafElement *element = first;
    first = last = current = nullptr;
    count = 0;
    while (element) {
        ZafElement *following = element->next;
        element->previous = element->next = nullptr;
        delete element;
        element = following;
    }
}

ZafElement *ZafList::Get(int index) const
{
    if (index < 0)
        return nullptr;
    ZafElement *element = first;
    while (element && index-- > 0)
        element = element->next;
    return element;
}

int ZafList::Index(const ZafElement *element) const
{
    if (!element)
        return -1;
    int index = 0;
    for (const ZafElement *walk = first; walk; walk = walk->next, ++index)
        if (walk == element)
            return index;
    return -1;
}

void ZafList::Sort()
{
    if (!compareFunction)
        return;
    ZafElement *element = first;
    ZafElement *keepCurrent = current;
    first = last = nullptr;
    count = 0;
    while (element) {
        ZafElement *following = element->next;
        element->previous = element->next = nullptr;
        Add(element);
        element = following;
    }
    current = keepCurrent;
}

ZafCompareFunction ZafList::SetCompareFunction(ZafCompareFunction function)
{
    compareFunction = function;
    return compareFunction;
}

ZafElement *ZafList::SetCurrent(ZafElement *element)
{
    if (!element || Contains(element))
        current = element;
    return current;
}
