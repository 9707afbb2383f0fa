#include "framework/windows/ZafCache.h"

ZafCache::ZafCache(int capacity, CreateFunction create, DeleteFunction destroy)
    : capacity(capacity), create(create), destroy(destroy)
{
}

ZafCache::~ZafCache()
{
    for (ZafElement *e = First(); e; e = e->Next())
    {
        CacheElement *element = static_cast<CacheElement *>(e);
        if (destroy)
            destroy(element->key1, element->key2, element->handle);
    }
    Destroy();
}

void ZafCache::MoveToFront(CacheElement *element)
{
    if (element == First())
        return;
    Subtract(element);
    AddBefore(element, First());
}

void *ZafCache::Get(ZafUInt32 key1, ZafUInt32 key2)
{
    for (ZafElement *e = First(); e; e = e->Next())
    {
        CacheElement *element = static_cast<CacheElement *>(e);
        if (element->key1 == key1 && element->key2 == key2)
        {
            MoveToFront(element);
            ++element->useCount;
            return element->handle;
        }
    }
    void *handle = create ? create(key1, key2) : nullptr;
    AddBefore(new CacheElement(handle, key1, key2), First());
    ++entries;
    // Only the last entry is looked at: while it is in use the cache grows.
    CacheElement *last = static_cast<CacheElement *>(Last());
    if (entries >= capacity && last && last->useCount < 1)
    {
        Subtract(last);
        if (destroy)
            destroy(last->key1, last->key2, last->handle);
        delete last;
        --entries;
    }
    return handle;
}

ZafCache::CacheElement *ZafCache::Find(void *handle) const
{
    for (ZafElement *e = First(); e; e = e->Next())
        if (static_cast<CacheElement *>(e)->handle == handle)
            return static_cast<CacheElement *>(e);
    return nullptr;
}

int ZafCache::Release(void *handle)
{
    CacheElement *element = Find(handle);
    if (!element)
        return -1;
    if (--element->useCount == 0)
    {
        // Move the free entry towards the end, just before the first other
        // free one, so that free entries gather where eviction looks.
        ZafElement *found = element->Next();
        while (found && static_cast<CacheElement *>(found)->useCount > 0)
            found = found->Next();
        if (found && found != element->Next())
        {
            Subtract(element);
            AddBefore(element, found);
        }
    }
    return element->useCount;
}

int ZafCache::UseCount(void *handle) const
{
    CacheElement *element = Find(handle);
    return element ? element->useCount : -1;
}
