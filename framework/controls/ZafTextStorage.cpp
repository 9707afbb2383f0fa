// The storage of a multi-line text field: the window's records in its
// "objectData" file, and beside them the file "textData" with u16 flags
// (bit 0 select all on entry, 1 invalid, 2 unanswered, 3 view-only, 4 word
// wrap), u16 justification (low four bits) and the name of its string data,
// which is stored beside them under that name.
#include "framework/controls/ZafText.h"

#include "framework/controls/ZafControlData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"

namespace {

const ZafIChar *const recordName = L"textData";

} // namespace

void ZafText::Write(ZafObjectPersistence &persistence)
{
    GetOSText();
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindow::Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
}

void ZafText::WriteChildren(ZafObjectPersistence &persistence)
{
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_WRITE);
    if (!file)
    {
        SetError(persistence.Error());
        return;
    }
    ZafUInt16 flags = ZafUInt16((autoSelect ? 1 : 0) | (invalid ? 2 : 0) | (unanswered ? 4 : 0)
        | (viewOnly ? 8 : 0) | (wordWrap ? 16 : 0));
    file->WriteUInt16(flags);
    file->WriteUInt16(ZafUInt16(justification & 0x0F));
    ZafWriteDataName(*file, stringData, L"text");
    if (file->Error())
        SetError(file->Error());
    persistence.CloseFile(file);
    if (ZafError error = ZafWriteDataObject(stringData, persistence))
        SetError(error);
}

ZafText::ZafText(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafFramelessWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafObjectPersistence::PopLevel(persistence);
    destroyable = false;
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafFile *file = (!Error() && persistence.ChDir(name) == 0) ? persistence.OpenFile(recordName, ZAF_PERSIST_READ) : nullptr;
    if (file)
    {
        ZafUInt16 flags = 0, justify = 0;
        file->ReadUInt16(flags);
        file->ReadUInt16(justify);
        ZafIChar *dataName = file->ReadNewString();
        if (file->Error())
            SetError(file->Error());
        else
        {
            autoSelect = flags & 1;
            invalid = flags & 2;
            unanswered = flags & 4;
            viewOnly = flags & 8;
            wordWrap = flags & 16;
            justification = justify & 0x0F;
        }
        persistence.CloseFile(file);
        ZafError error = 0;
        stringData = ZafReadDataObject(dataName, persistence, error);
        if (error)
            SetError(error);
        delete[] dataName;
    }
    else if (!Error())
        SetError(persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_NOT_FOUND);
    ZafObjectPersistence::PopLevel(persistence);
    if (!stringData)
        stringData = new ZafStringData(L"", -1, false);
    Observe();
}
