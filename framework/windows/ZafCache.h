#ifndef ZAF_CACHE_H
#define ZAF_CACHE_H

#include "framework/core/base/ZafList.h"

// ZafCache: a most-recently-used list of reference-counted objects made from
// two keys (the GDI pens and brushes every display shares). Get answers the
// object of a key pair, creating it when absent; Release gives one reference
// back. Only the last entry is evicted, and only when nobody holds it, so the
// cache grows past its capacity while its last entry is in use. The cache
// owns its objects and deletes them through the delete callback. One cache
// serves the whole process (ZafGdiDisplay::Cache). GUI thread only.
class ZafCache : public ZafList
{
public:
    using CreateFunction = void *(*)(ZafUInt32 key1, ZafUInt32 key2);
    using DeleteFunction = void (*)(ZafUInt32 key1, ZafUInt32 key2, void *handle);

    class CacheElement : public ZafElement
    {
    public:
        CacheElement(void *handle, ZafUInt32 key1, ZafUInt32 key2)
            : handle(handle), key1(key1), key2(key2) { }
        void *handle;
        ZafUInt32 key1;
        ZafUInt32 key2;
        ZafInt32 useCount = 1;
    };

    ZafCache(int capacity, CreateFunction create, DeleteFunction destroy);
    ~ZafCache() override;

    // The object of the key pair with its use count raised (made when
    // absent; 0 when creation failed).
    void *Get(ZafUInt32 key1, ZafUInt32 key2);
    // Lowers the object's use count; answers what remains, -1 when the
    // handle is not in the cache.
    int Release(void *handle);

    int Entries() const { return entries; }
    int Capacity() const { return capacity; }
    // The use count of a handle, -1 when absent.
    int UseCount(void *handle) const;

private:
    CacheElement *Find(void *handle) const;
    void MoveToFront(CacheElement *element);

    int entries = 0;
    int capacity;
    CreateFunction create;
    DeleteFunction destroy;
};

#endif
