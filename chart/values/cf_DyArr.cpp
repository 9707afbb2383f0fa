#include "chart/values/cf_DyArr.h"

cf_DyArr::cf_DyArr() : slots(nullptr), capacity(0)
{
    Resize(16);
}

cf_DyArr::cf_DyArr(int slotCount) : slots(nullptr), capacity(0)
{
    Resize(slotCount < 1 ? 1 : slotCount);
}

cf_DyArr::~cf_DyArr()
{
    delete[] slots;
}

void *&cf_DyArr::Grown(int i)
{
    if (i < 0)
        i = 0;
    int wanted = capacity < 1 ? 1 : capacity;
    while (i >= wanted)
        wanted *= 2;
    Resize(wanted);
    return slots[i];
}

void cf_DyArr::Grow(int n)
{
    if (n > 0)
        Resize(capacity + n);
}

void cf_DyArr::Resize(int n)
{
    if (n <= capacity)
        return;
    void **larger = new void *[n]();
    for (int i = 0; i < capacity; ++i)
        larger[i] = slots[i];
    delete[] slots;
    slots = larger;
    capacity = n;
}
