#include "framework/core/base/ZafQueueBlock.h"

ZafQueueBlock::ZafQueueBlock(int capacity) : capacity(capacity < 1 ? 1 : capacity)
{
    for (int i = 0; i < this->capacity; ++i)
        freeList.Add(new ZafQueueElement);
}

bool ZafQueueBlock::Put(const ZafEventStruct &event, bool atBack)
{
    auto *element = static_cast<ZafQueueElement *>(freeList.First());
    if (!element)
        return false;
    freeList.Subtract(element);
    element->event = event;
    if (atBack)
        queue.Add(element);
    else
        queue.AddBefore(element, queue.First());
    return true;
}

ZafQueueElement *ZafQueueBlock::Remove(ZafQueueElement *element)
{
    if (!element || !queue.Contains(element))
        return element;
    auto *following = static_cast<ZafQueueElement *>(queue.Subtract(element));
    freeList.Add(element);
    return following;
}

void ZafQueueBlock::Clear()
{
    while (ZafQueueElement *element = Front())
        Remove(element);
}
