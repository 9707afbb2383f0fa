#pragma once
// Storage of the string data objects a control keeps (its text, formats,
// range): each is stored beside the control's record under its string id,
// and a control's record names them. A data object without a string id is
// given the control's default name for it, so that nothing is lost.

#include "framework/core/base/ZafTypes.h"

class ZafFile;
class ZafObjectPersistence;
class ZafStringData;

// Writes the name of the data object into the record (empty for none),
// naming an unnamed one defaultName first.
void ZafWriteDataName(ZafFile &file, ZafStringData *data, const ZafIChar *defaultName);
// Writes the data object itself beside the record; its error, or 0.
ZafError ZafWriteDataObject(ZafStringData *data, ZafObjectPersistence &persistence);
// Reads the string data named name (null or empty: none); answers the new
// object, or null with error set when it could not be read.
ZafStringData *ZafReadDataObject(const ZafIChar *name, ZafObjectPersistence &persistence, ZafError &error);
