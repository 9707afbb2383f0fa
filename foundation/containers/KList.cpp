#include "foundation/containers/KList.h"

KListItem::~KListItem()
{
    if (itsOwner)
        itsOwner->Remove(this);
}

KList::~KList()
{
    DeleteAll();
}

KListItem *KList::Next(const KListItem *item) const
{
    if (!item)
        return itsFirst;
    return item->itsOwner == this ? item->itsNext : nullptr;
}

KListItem *KList::Previous(const KListItem *item) const
{
    if (!item)
        return itsLast;
    return item->itsOwner == this ? item->itsPrevious : nullptr;
}

KListItem *KList::operator[](int32_t index) const
{
    if (index < 0 || index >= itsCount)
        return nullptr;
    KListItem *item = itsFirst;
    while (index-- > 0)
        item = item->itsNext;
    return item;
}

int32_t KList::IndexOf(const KListItem *item) const
{
    if (!item || item->itsOwner != this)
        return -1;
    int32_t index = 0;
    for (KListItem *p = itsFirst; p && p != item; p = p->itsNext)
        ++index;
    return index;
}

void KList::AddItem(KListItem *item)
{
    if (!item)
        return;
    if (item->itsOwner)
        item->itsOwner->Remove(item);
    Add(item);
}

void KList::Add(KListItem *item)
{
    InsertBefore(item, nullptr);
}

void KList::InsertBefore(KListItem *item, KListItem *before)
{
    if (before && before->itsOwner != this)
        before = nullptr;
    item->itsOwner = this;
    Links::LinkAfter(itsFirst, itsLast, itsCount, item, before ? before->itsPrevious : itsLast);
}

bool KList::Remove(KListItem *item)
{
    if (!item || item->itsOwner != this)
        return false;
    Links::Unlink(itsFirst, itsLast, itsCount, item);
    item->itsOwner = nullptr;
    return true;
}

bool KList::Delete(KListItem *item)
{
    if (!Remove(item))
        return false;
    delete item;
    return true;
}

void KList::DeleteAll()
{
    // An item's destructor may delete other items of this list: always take
    // the current first one.
    while (itsFirst)
        Delete(itsFirst);
}

void KList::RemoveAll()
{
    while (itsFirst)
        Remove(itsFirst);
}

void KList::MoveFrom(KList &other)
{
    if (&other == this)
        return;
    while (KListItem *item = other.First()) {
        other.Remove(item);
        Add(item);
    }
}
