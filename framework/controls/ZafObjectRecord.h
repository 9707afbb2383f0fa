#pragma once
// The own record of a control that is a window object but not a window (a
// number field): a small file named after the record inside the object's
// storage directory, beside its "objectData" record, written after the
// object's record and read back after it. Internal to the framework's
// control sources.

#include "framework/core/base/ZafTypes.h"

#include <functional>

class ZafFile;
class ZafObjectPersistence;

// Writes the record of the object stored as name through writer, entering
// the object's directory first (on the persistence's current level, the
// class's own); answers the storage error, or 0.
ZafError ZafWriteObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &writer);
// Reads that record through reader; answers the storage error, 0 when read.
// The level's object file stays open until PopLevel.
ZafError ZafReadObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &reader);
