#include "framework/controls/ZafObjectRecord.h"

#include "framework/core/storage/ZafFile.h"
#include "framework/core/storage/ZafObjectPersistence.h"

namespace {

// Enters the object's directory through its record file, opened for reading
// (so the record stays as written).
bool EnterObject(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID)
{
    return persistence.File() || persistence.OpenObjectFile(name, ZAF_PERSIST_READ, className, classID);
}

ZafError StorageError(ZafObjectPersistence &persistence)
{
    return persistence.Error() ? persistence.Error() : 16;
}

} // namespace

ZafError ZafWriteObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &writer)
{
    if (!EnterObject(persistence, name, className, classID))
        return StorageError(persistence);
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_WRITE);
    if (!file)
        return StorageError(persistence);
    writer(*file);
    ZafError error = file->Error();
    persistence.CloseFile(file);
    return error;
}

ZafError ZafReadObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &reader)
{
    if (!EnterObject(persistence, name, className, classID))
        return StorageError(persistence);
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_READ);
    if (!file)
        return StorageError(persistence);
    reader(*file);
    ZafError error = file->Error();
    persistence.CloseFile(file);
    return error;
}
