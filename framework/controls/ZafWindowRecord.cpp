#include "framework/controls/ZafWindowRecord.h"

#include "framework/core/storage/ZafFile.h"
#include "framework/core/storage/ZafObjectPersistence.h"

ZafError ZafWriteWindowRecord(ZafObjectPersistence &persistence, const ZafIChar *recordName,
    const std::function<void(ZafFile &)> &writer)
{
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_WRITE);
    if (!file)
        return persistence.Error() ? persistence.Error() : 16;
    writer(*file);
    ZafError error = file->Error();
    persistence.CloseFile(file);
    return error;
}

ZafError ZafReadWindowRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &reader)
{
    if (!persistence.File() && !persistence.OpenObjectFile(name, ZAF_PERSIST_READ, className, classID))
        return persistence.Error() ? persistence.Error() : 16;
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_READ);
    if (!file)
        return persistence.Error() ? persistence.Error() : 16;
    reader(*file);
    ZafError error = file->Error();
    persistence.CloseFile(file);
    return error;
}

ZafError ZafWriteObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &writer)
{
    // Entering the directory through its record opened for reading leaves
    // the record as written.
    if (!persistence.File() && !persistence.OpenObjectFile(name, ZAF_PERSIST_READ, className, classID))
        return persistence.Error() ? persistence.Error() : 16;
    return ZafWriteWindowRecord(persistence, recordName, writer);
}
