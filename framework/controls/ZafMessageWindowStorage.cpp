// The storage of a message window: the dialog's window records in its
// "objectData" file (without children: they are made when it is shown), and
// beside them the file "messageData": i16 icon type, u16 button flags, u16
// default button flag, the message (at most 1023 characters; empty: none)
// and the name of the title's text (empty: no title), which is stored
// beside them under that name.
#include "framework/controls/ZafMessageWindow.h"

#include "framework/controls/ZafControlData.h"
#include "framework/controls/ZafText.h"
#include "framework/controls/ZafTitle.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"
#include "framework/core/text/ZafLanguageData.h"

#include <string>

namespace {

const ZafIChar *const recordName = L"messageData";

} // namespace

void ZafMessageWindow::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafDialogWindow::Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
}

void ZafMessageWindow::WriteChildren(ZafObjectPersistence &persistence)
{
    ZafFile *file = persistence.OpenFile(recordName, ZAF_PERSIST_WRITE);
    if (!file)
    {
        SetError(persistence.Error());
        return;
    }
    file->WriteInt16(ZafInt16(iconType));
    file->WriteUInt16(buttonFlags);
    file->WriteUInt16(defaultButton);
    std::wstring message = Message() ? Message() : L"";
    if (message.size() > size_t(MESSAGE_LENGTH - 1))
        message.resize(size_t(MESSAGE_LENGTH - 1));
    file->WriteString(message.c_str());
    ZafStringData *titleData = title ? title->StringData() : nullptr;
    ZafWriteDataName(*file, titleData, L"title");
    if (file->Error())
        SetError(file->Error());
    persistence.CloseFile(file);
    if (ZafError error = ZafWriteDataObject(titleData, persistence))
        SetError(error);
}

ZafMessageWindow::ZafMessageWindow(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafDialogWindow(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ZafObjectPersistence::PopLevel(persistence);
    destroyable = false;
    sizeable = false;
    languageData = ZafLanguageManager::GetLanguageData(className, DefaultLabels());
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafFile *file = (!Error() && persistence.ChDir(name) == 0) ? persistence.OpenFile(recordName, ZAF_PERSIST_READ) : nullptr;
    if (file)
    {
        ZafInt16 icon = 0;
        ZafUInt16 flags = 0, defaultFlag = 0;
        file->ReadInt16(icon);
        file->ReadUInt16(flags);
        file->ReadUInt16(defaultFlag);
        ZafIChar *message = file->ReadNewString();
        ZafIChar *titleName = file->ReadNewString();
        if (file->Error())
            SetError(file->Error());
        else
        {
            iconType = ZafUInt16(icon);
            buttonFlags = flags;
            defaultButton = defaultFlag;
            if (message && *message)
                SetMessage(L"%s", message);
        }
        persistence.CloseFile(file);
        ZafError error = 0;
        if (ZafStringData *titleData = ZafReadDataObject(titleName, persistence, error))
            title = new ZafTitle(titleData);
        if (error)
            SetError(error);
        delete[] message;
        delete[] titleName;
    }
    else if (!Error())
        SetError(persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_NOT_FOUND);
    ZafObjectPersistence::PopLevel(persistence);
}
