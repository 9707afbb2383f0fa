#pragma once
// The own record of a window class derived from ZafWindow (a scroll bar, a
// list, a combo box, a notebook): a small file named after the class inside
// the window's storage directory, beside its "objectData" record. The class
// writes it from its WriteSupportObjects (the window's directory is the
// current one then) and reads it back after the window part has been read.
// Internal to the framework's control sources.

#include "framework/core/base/ZafTypes.h"

#include <functional>

class ZafFile;
class ZafObjectPersistence;

// Writes the record through writer; answers the storage error, or 0.
ZafError ZafWriteWindowRecord(ZafObjectPersistence &persistence, const ZafIChar *recordName,
    const std::function<void(ZafFile &)> &writer);
// Reads the record of the window stored as name (on the persistence's
// current level, the class's own) through reader; answers the storage
// error, 0 when read. The level's object file stays open until PopLevel.
ZafError ZafReadWindowRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &reader);
// The same for a window object (not a window): the record goes into the
// object's directory, which the persistence enters first (on the current
// level, the class's own) when it is not there yet.
ZafError ZafWriteObjectRecord(ZafObjectPersistence &persistence, const ZafIChar *name, const ZafIChar *className,
    ZafClassID classID, const ZafIChar *recordName, const std::function<void(ZafFile &)> &writer);
