#pragma once
// How an object that is read or written at its class's own storage level
// ends that level: the level is closed and a storage error is handed to the
// object unless it already has one of its own. Object is any class with
// Error() and SetError() (the window objects). GUI thread only.

#include "framework/core/storage/ZafFile.h"
#include "framework/core/storage/ZafObjectPersistence.h"

#include <memory>

// The storage error, if any, becomes object's error when it has none.
template <class Object>
void ZafTakeStorageError(Object &object, const ZafObjectPersistence &persistence)
{
    if (persistence.Error() && !object.Error())
        object.SetError(persistence.Error());
}

// Closes the current level (ZafObjectPersistence::PopLevel), then takes the
// storage error as ZafTakeStorageError does.
template <class Object>
void ZafPopObjectLevel(Object &object, ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PopLevel(persistence);
    ZafTakeStorageError(object, persistence);
}

// A record-extension reader for a record that ends in a 16-bit flag word:
// bit 0 goes to *flag, which stays as it is when the word cannot be read.
// The flag is shared because the reader runs inside a base constructor,
// before the reading object's own members exist.
inline auto ZafFlagBitReader(std::shared_ptr<bool> flag)
{
    return [flag](ZafFile &file) {
        ZafUInt16 flags = 0;
        if (file.ReadUInt16(flags))
            *flag = (flags & 1) != 0;
    };
}

// Writes through write at the level of the given class (opened before,
// closed after as ZafPopObjectLevel does).
template <class Object, class Write>
void ZafWriteAtLevel(Object &object, ZafObjectPersistence &persistence, const ZafIChar *className,
    ZafClassID classID, Write write)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    write();
    ZafPopObjectLevel(object, persistence);
}
