#pragma once
// cf_OwnedSlots<T>: the parts (faces of a solid, solids of a series) a
// compound scene object owns, in slots 1..count of a growable array. Slots
// count + 1..stored still hold owned parts that a shortened count left
// behind; the next part put replaces the first of them. A copy holds new
// T copies of the other's counted parts. Belongs to one scene object; GUI
// thread only.

#include "chart/values/cf_DyArr.h"

template <class T> class cf_OwnedSlots {
public:
    cf_OwnedSlots() { slots.Grow(25); }
    cf_OwnedSlots(const cf_OwnedSlots &) = delete;
    cf_OwnedSlots &operator=(const cf_OwnedSlots &other)
    {
        if (this == &other)
            return *this;
        Clear();
        for (int i = 1; i <= other.count; ++i) {
            auto *copy = new T;
            *copy = *other.At(i);
            slots.At(i) = copy;
        }
        count = stored = other.count;
        return *this;
    }
    ~cf_OwnedSlots() { Clear(); }

    // Deletes every part, counted or left behind.
    void Clear()
    {
        cf_DeleteSlots<T>(slots, stored);
        count = stored = 0;
    }
    // Takes the part (not null) as part Count() + 1.
    void Put(T *part)
    {
        ++count;
        if (count <= stored)
            delete static_cast<T *>(slots.At(count)); // dropped by SetCount
        slots.At(count) = part;
        if (count > stored)
            stored = count;
    }

    // Part i (1..Count()), else null.
    T *At(int i) const { return cf_SlotAt<T>(slots, i, count); }
    int Count() const { return count; }
    // Calls f on every counted part, in order.
    template <class F> void ForEach(F f) const
    {
        for (int i = 1; i <= count; ++i)
            f(*At(i));
    }
    // Sets the count only, within 0..the number stored.
    void SetCount(int n) { count = n < 0 ? 0 : n > stored ? stored : n; }
    // The slots, for the painter's orderings over 1..Count().
    cf_DyArr &Slots() { return slots; }

private:
    cf_DyArr slots;
    int count = 0;
    int stored = 0; // slots 1..stored hold owned parts
};
