// The storage record of a prompt, after the window object's record in the
// same "objectData" file: the name of its string data, u16 flags (bit 0
// auto-size, 1 transparent), u16 hot-key character, u16 justification
// (bits 0-3 horizontal, 4-7 vertical), i32 hot-key index; the string data
// is stored beside the record under its name.
#include "framework/controls/ZafPrompt.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/controls/ZafControlData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"

void ZafPrompt::Write(ZafObjectPersistence &persistence)
{
    // The record keeps the region the caller asked for, not the fitted one.
    ZafRegionStruct shown = region;
    region = requestedRegion;
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindowObject::Write(persistence);
    region = shown;
    ZafFile *file = persistence.File();
    if (file && !Error())
    {
        ZafWriteDataName(*file, stringData, L"text");
        file->WriteUInt16(ZafUInt16((autoSize ? 1 : 0) | (transparent ? 2 : 0)));
        file->WriteUInt16(ZafUInt16(hotKeyChar));
        file->WriteUInt16(ZafUInt16((hzJustify & 0x0F) | ((vtJustify & 0x0F) << 4)));
        file->WriteInt32(hotKeyIndex);
        if (file->Error())
            SetError(file->Error());
        if (ZafError error = ZafWriteDataObject(stringData, persistence))
            SetError(error);
    }
    ZafPopObjectLevel(*this, persistence);
}

ZafPrompt::ZafPrompt(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindowObject(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    focusBlocked = true;
    requestedRegion = region;
    ZafFile *file = persistence.File();
    if (file && !Error())
    {
        ZafIChar *dataName = file->ReadNewString();
        ZafUInt16 flags = 0, key = 0, justify = 0;
        ZafInt32 index = -1;
        file->ReadUInt16(flags);
        file->ReadUInt16(key);
        file->ReadUInt16(justify);
        file->ReadInt32(index);
        if (file->Error())
            SetError(file->Error());
        else
        {
            autoSize = flags & 1;
            transparent = flags & 2;
            hotKeyChar = ZafIChar(key);
            hzJustify = justify & 0x0F;
            vtJustify = (justify >> 4) & 0x0F;
            hotKeyIndex = index;
            ZafError error = 0;
            stringData = ZafReadDataObject(dataName, persistence, error);
            if (error)
                SetError(error);
            Observe();
        }
        delete[] dataName;
    }
    ZafObjectPersistence::PopLevel(persistence);
}
