#pragma once
// Helpers shared by the storage forms of the data objects: each object is a
// file named by its string id in its class's directory on the persistence's
// current level. The file begins with the data part (i16 number id); the
// class's own fields follow. Reading refuses counts that the rest of the file
// cannot hold. Internal to the framework's storage sources.

#include "framework/core/data/ZafData.h"
#include "framework/core/storage/ZafObjectPersistence.h"

#include <functional>

// Reads the record of name into data through reader (false: damaged).
// Sets the string id, the number id and the error; answers the error.
ZafError ZafReadDataRecord(ZafData &data, const ZafIChar *name, ZafObjectPersistence &persistence,
    const ZafIChar *className, ZafClassID classID, const std::function<bool(ZafFile &)> &reader);
// Writes data's record under its string id through writer; answers the error
// (also stored in data). A data object without a string id cannot be stored
// (error 16).
ZafError ZafWriteDataRecord(ZafData &data, ZafObjectPersistence &persistence, const ZafIChar *className,
    ZafClassID classID, const std::function<void(ZafFile &)> &writer);
// True when count items of size bytes remain in the file.
bool ZafRecordHolds(ZafFile &file, ZafInt32 count, ZafInt32 size);
