#include "framework/core/data/ZafDataRecord.h"

ZafError ZafReadDataRecord(ZafData &data, const ZafIChar *name, ZafObjectPersistence &persistence,
    const ZafIChar *className, ZafClassID classID, const std::function<bool(ZafFile &)> &reader)
{
    data.SetStringID(name);
    persistence.SetError(0);
    ZafObjectPersistence::PushLevel(persistence, className, classID, ZAF_PERSIST_DATA);
    ZafFile *file = ZafDataPersistence::OpenObjectFile(persistence, name, ZAF_PERSIST_READ);
    ZafError error = 0;
    if (!file)
        error = persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_NOT_FOUND;
    else {
        ZafInt16 numberID = 0;
        bool read = file->ReadInt16(numberID) != 0 && reader(*file) && file->Error() == 0;
        if (read)
            data.SetNumberID(numberID);
        else
            error = file->Error() ? file->Error() : ZAF_FILE_ERROR_FORMAT;
    }
    ZafObjectPersistence::PopLevel(persistence);
    data.SetError(error);
    return error;
}

ZafError ZafWriteDataRecord(ZafData &data, ZafObjectPersistence &persistence, const ZafIChar *className,
    ZafClassID classID, const std::function<void(ZafFile &)> &writer)
{
    if (!data.StringID() || !*data.StringID())
        return data.SetError(ZAF_FILE_ERROR_FORMAT);
    persistence.SetError(0);
    ZafObjectPersistence::PushLevel(persistence, className, classID, ZAF_PERSIST_DATA);
    ZafFile *file = ZafDataPersistence::OpenObjectFile(persistence, data.StringID(), ZAF_PERSIST_WRITE);
    ZafError error = 0;
    if (!file)
        error = persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_OPEN;
    else {
        file->WriteInt16(data.NumberID());
        writer(*file);
        error = file->Error();
    }
    ZafObjectPersistence::PopLevel(persistence);
    if (!error)
        error = persistence.Error();
    return data.SetError(error);
}

bool ZafRecordHolds(ZafFile &file, ZafInt32 count, ZafInt32 size)
{
    if (count < 0 || size <= 0)
        return false;
    ZafInt32 remaining = file.Length() - file.Tell();
    return count <= remaining / size;
}
