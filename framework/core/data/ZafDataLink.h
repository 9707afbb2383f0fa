#pragma once
// How an object holds a data object that it observes (a field's text, a
// button's label or image, an object's palettes): a copy of the object
// copies destroyable data and shares the rest, and letting go stops the
// observing and deletes destroyable data that nobody observes any more.
// GUI thread only.

#include "framework/core/data/ZafData.h"

// The data a copy of the holder starts with: a new copy of destroyable
// data, else the same data (null stays null).
template <class Data>
Data *ZafCopiedData(Data *data)
{
    return data && data->Destroyable() ? new Data(*data) : data;
}

// Deletes destroyable data that nobody observes; true when deleted.
template <class Data>
bool ZafDeleteIfUnobserved(Data *data)
{
    if (!data || !data->Destroyable() || data->NotificationCount() != 0)
        return false;
    delete data;
    return true;
}

// Nulls data, then stops observer watching it through function (null: all
// of observer's entries) and deletes it when nobody observes it any more.
template <class Data>
void ZafLetGoData(Data *&data, ZafElement *observer, ZafNotificationFunction function = nullptr)
{
    Data *old = data;
    data = nullptr;
    if (!old)
        return;
    old->SubtractNotification(observer, function);
    ZafDeleteIfUnobserved(old);
}

// Makes data the held data: lets go of the old as ZafLetGoData does, then
// observer watches the new (when not null) through function for the given
// notices. False, and nothing changed, when data is already held.
template <class Data>
bool ZafReplaceData(Data *&held, Data *data, ZafElement *observer, ZafNotificationFunction function,
    ZafUInt32 notices, bool letGoAllEntries = true)
{
    if (data == held)
        return false;
    ZafLetGoData(held, observer, letGoAllEntries ? nullptr : function);
    held = data;
    if (held)
        held->AddNotification(observer, function, notices);
    return true;
}
