#pragma once
// cf_DyArr: a growable array of pointer slots. It does not own what the
// slots point to; its owner does. Any index is valid: At grows the array by
// doubling until the index fits. New slots start null. Any thread, one owner.

class cf_DyArr {
public:
    cf_DyArr();                       // 16 slots
    explicit cf_DyArr(int slotCount); // a count below 1 gives 1 slot
    ~cf_DyArr();
    cf_DyArr(const cf_DyArr &) = delete;
    cf_DyArr &operator=(const cf_DyArr &) = delete;

    // Slot i, growing the array first while i is not below the capacity.
    // A negative index refers to slot 0, which the chart never uses.
    void *&At(int i) { return i >= 0 && i < capacity ? slots[i] : Grown(i); }
    // Capacity becomes capacity + n (n below 1 changes nothing).
    void Grow(int n);
    // Enlarges to n slots, keeping the old ones; a smaller n changes nothing.
    void Resize(int n);
    int Capacity() const { return capacity; }

private:
    // At for an index outside the slots.
    void *&Grown(int i);

    void **slots;
    int capacity;
};

// Slot n of slots as a T; null outside 1..count (the slots an owner counts).
template <class T> T *cf_SlotAt(const cf_DyArr &slots, int n, int count)
{
    if (n < 1 || n > count)
        return nullptr;
    return static_cast<T *>(const_cast<cf_DyArr &>(slots).At(n));
}

// Deletes the T that each of slots 1..count points to and empties the slots.
template <class T> void cf_DeleteSlots(cf_DyArr &slots, int count)
{
    for (int n = 1; n <= count; ++n) {
        delete static_cast<T *>(slots.At(n));
        slots.At(n) = nullptr;
    }
}
