#pragma once
// KSparseArray and KSparseArrayItem: a KList whose items carry an integer id
// (-1 = none) and are kept in ascending id order, so that they are found by
// id. Changing the id of an item that sits in an array moves it to its new
// place. Ownership and threading as for KList.

#include "foundation/containers/KList.h"

#include <cstdint>

class KSparseArrayItem : public KListItem
{
public:
    explicit KSparseArrayItem(int32_t id = -1) : itsId(id) {}

    int32_t Id() const { return itsId; }
    void SetId(int32_t id);
    // The key the array orders and finds the item by; the id unless a
    // derived item says otherwise.
    virtual int32_t Key() const { return itsId; }

private:
    int32_t itsId;
};

class KSparseArray : public KList
{
public:
    // The value LastId answers for an empty array.
    static constexpr int32_t kNoId = INT32_MIN; // 0x80000000

    // The first item whose key is id, none when there is none.
    KSparseArrayItem *Find(int32_t id) const;
    // The key of the last item, kNoId when the array is empty.
    int32_t LastId() const;

protected:
    // Inserts item after every item with a key not above its own.
    void Add(KListItem *item) override;
};
