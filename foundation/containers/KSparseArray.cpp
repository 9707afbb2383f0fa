#include "foundation/containers/KSparseArray.h"

void KSparseArrayItem::SetId(int32_t id)
{
    if (id == itsId)
        return;
    itsId = id;
    if (auto *array = dynamic_cast<KSparseArray *>(Owner())) {
        array->Remove(this);
        array->AddItem(this);
    }
}

KSparseArrayItem *KSparseArray::Find(int32_t id) const
{
    for (KListItem *p = First(); p; p = Next(p)) {
        auto *item = dynamic_cast<KSparseArrayItem *>(p);
        if (!item)
            continue;
        if (item->Key() == id)
            return item;
        if (item->Key() > id)
            break;
    }
    return nullptr;
}

int32_t KSparseArray::LastId() const
{
    for (KListItem *p = Last(); p; p = Previous(p))
        if (auto *item = dynamic_cast<KSparseArrayItem *>(p))
            return item->Key();
    return kNoId;
}

void KSparseArray::Add(KListItem *item)
{
    // Only KSparseArrayItems belong here; anything else goes to the end.
    auto *sparse = dynamic_cast<KSparseArrayItem *>(item);
    KListItem *before = nullptr;
    if (sparse) {
        for (KListItem *p = Last(); p; p = Previous(p)) {
            auto *other = dynamic_cast<KSparseArrayItem *>(p);
            if (other && other->Key() <= sparse->Key())
                break;
            before = p;
        }
    }
    InsertBefore(item, before);
}
