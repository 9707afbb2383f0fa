#include "framework/controls/ZafControlData.h"

#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafObjectPersistence.h"
#include "framework/core/storage/ZafFile.h"

void ZafWriteDataName(ZafFile &file, ZafStringData *data, const ZafIChar *defaultName)
{
    if (data && (!data->StringID() || !*data->StringID()))
        data->SetStringID(defaultName);
    file.WriteString(data ? data->StringID() : nullptr);
}

ZafError ZafWriteDataObject(ZafStringData *data, ZafObjectPersistence &persistence)
{
    return data ? data->Write(persistence) : 0;
}

ZafStringData *ZafReadDataObject(const ZafIChar *name, ZafObjectPersistence &persistence, ZafError &error)
{
    if (!name || !*name)
        return nullptr;
    ZafStringData *data = new ZafStringData(name, persistence);
    if (data->Error())
    {
        error = data->Error();
        delete data;
        return nullptr;
    }
    return data;
}
