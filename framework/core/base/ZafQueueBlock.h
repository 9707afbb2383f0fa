#pragma once
// ZafQueueBlock: a fixed number of preallocated queue elements, each holding
// one ZafEventStruct, split into the queue of waiting events (front to back)
// and a free list. Nothing is allocated after construction; a full block
// refuses new events. The block itself is not locked: ZafEventManager
// guards every edit with its lock.

#include "framework/core/events/ZafEventStruct.h"
#include "framework/core/base/ZafList.h"

class ZafQueueElement : public ZafElement
{
public:
    ZafEventStruct event;

    ZafQueueElement *Next() const { return static_cast<ZafQueueElement *>(next); }
    ZafQueueElement *Previous() const { return static_cast<ZafQueueElement *>(previous); }
};

class ZafQueueBlock
{
public:
    static constexpr int DEFAULT_CAPACITY = 256;

    explicit ZafQueueBlock(int capacity = DEFAULT_CAPACITY);
    ZafQueueBlock(const ZafQueueBlock &) = delete;
    ZafQueueBlock &operator=(const ZafQueueBlock &) = delete;

    // Copies the event into a free element at the back (atBack) or the
    // front of the queue; false when no element is free.
    bool Put(const ZafEventStruct &event, bool atBack);
    // The element at the front (or back) of the queue; null when empty.
    ZafQueueElement *Front() const { return static_cast<ZafQueueElement *>(queue.First()); }
    ZafQueueElement *Back() const { return static_cast<ZafQueueElement *>(queue.Last()); }
    // Unlinks a queued element and returns it to the free list; answers
    // the element that followed it.
    ZafQueueElement *Remove(ZafQueueElement *element);
    // Every queued element goes back to the free list.
    void Clear();

    int Count() const { return queue.Count(); }
    int FreeCount() const { return freeList.Count(); }
    int Capacity() const { return capacity; }

private:
    int capacity;
    ZafList queue;
    ZafList freeList;
};
