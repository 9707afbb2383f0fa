#pragma once
// KList and KListItem: an intrusive doubly-linked list. Each item carries its
// links and knows the list that holds it (Owner); an item is in at most one
// list. The list owns its items: destroying a list, Delete and DeleteAll
// delete them. Destroying an item unlinks it from its list first, so an item
// owned elsewhere may sit in a list safely; use RemoveAll to empty a list
// that must not delete what it holds. Not thread-safe: guard a shared list
// with a KMutex.
//
// The stream record (Write/Read: tag, count, then per item its class name
// and record) is defined with the stream classes.

#include "framework/core/base/ZafChainLinks.h"

#include <cstdint>

class KList;
class KListItem;
class KStream;
class KString;

// Makes a new, empty item for a stored class name (none for an unknown
// name); context is the word the caller handed to KList::Read.
using KListItemFactory = KListItem *(*)(const KString &className, void *context);

class KListItem
{
public:
    KListItem() = default;
    // A copy is in no list; assignment leaves the target where it is.
    KListItem(const KListItem &) {}
    KListItem &operator=(const KListItem &) { return *this; }
    // Unlinks the item from its list.
    virtual ~KListItem();

    // The list that holds the item, none when it is in no list.
    KList *Owner() const { return itsOwner; }

private:
    friend class KList;
    KList *itsOwner = nullptr;
    KListItem *itsPrevious = nullptr;
    KListItem *itsNext = nullptr;
};

class KList
{
public:
    KList() = default;
    KList(const KList &) = delete;
    KList &operator=(const KList &) = delete;
    // Deletes every item.
    virtual ~KList();

    int32_t Count() const { return itsCount; }
    KListItem *First() const { return itsFirst; }
    KListItem *Last() const { return itsLast; }
    // The item after item, the first for none; none after the last or when
    // item is not in this list.
    KListItem *Next(const KListItem *item = nullptr) const;
    // The item before item, the last for none.
    KListItem *Previous(const KListItem *item = nullptr) const;
    // The item at index (from 0), none outside the list.
    KListItem *operator[](int32_t index) const;
    // Position of item in the list, -1 when it is not in it.
    int32_t IndexOf(const KListItem *item) const;

    // Adds item through the virtual Add (appends, unless a derived list
    // orders its items). An item held by another list is taken out of it
    // first. A null item is ignored.
    void AddItem(KListItem *item);
    // Unlinks item without deleting it; false when it is not in this list.
    virtual bool Remove(KListItem *item);
    // Unlinks and deletes item; false (nothing deleted) when it is not in
    // this list.
    bool Delete(KListItem *item);
    void DeleteAll();
    // Unlinks every item without deleting any.
    void RemoveAll();
    // Adds every item of other, in order, through Add; other ends empty.
    void MoveFrom(KList &other);

    // The stream record; defined with the stream classes.
    void Write(KStream &stream) const;
    void Read(KStream &stream, KListItemFactory factory, void *context);

protected:
    // Places item (in no list) into this list; appends by default.
    virtual void Add(KListItem *item);
    // Links item (in no list) before before; at the end when before is none.
    void InsertBefore(KListItem *item, KListItem *before);

private:
    using Links = ZafChainLinks<KListItem, &KListItem::itsPrevious, &KListItem::itsNext>;

    KListItem *itsFirst = nullptr;
    KListItem *itsLast = nullptr;
    int32_t itsCount = 0;
};
