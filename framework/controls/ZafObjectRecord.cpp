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

// Opens the object's record in mode and hands it to use; answers the
// storage error, else the record's.
ZafError UseObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, int mode, const std::function<void(ZafFile &)> &use)
{
    if (!EnterObject(persistence, name, className, classID))
        return StorageError(persistence);
    ZafFile *file = persistence.OpenFile(recordName, mode);
    if (!file)
        return StorageError(persistence);
    use(*file);
    ZafError error = file->Error();
    persistence.CloseFile(file);
    return error;
}

} // namespace

ZafError ZafWriteObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &writer)
{
    return UseObjectRecord(persistence, name, className, classID, recordName, ZAF_PERSIST_WRITE, writer);
}

ZafError ZafReadObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &reader)
{
    return UseObjectRecord(persistence, name, className, classID, recordName, ZAF_PERSIST_READ, reader);
}
