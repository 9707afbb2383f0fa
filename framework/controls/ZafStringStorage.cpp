// The storage record of a string field, after the window object's record in
// the same "objectData" file: u16 flags (bit 0 auto-select, 1 invalid,
// 2 unanswered, 3 lower case, 4 password, 5 upper case, 6 underscore blanks,
// 7 view-only, 8 error choice, 9 report errors), u16 justification (low four
// bits), then the names of the string data, format list, output format and
// range; the data objects are stored beside the record under those names.
#include "framework/controls/ZafString.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/controls/ZafControlData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafStorage.h"

namespace {

enum : ZafUInt16 {
    flagAutoSelect = 0x001, flagInvalid = 0x002, flagUnanswered = 0x004, flagLowerCase = 0x008,
    flagPassword = 0x010, flagUpperCase = 0x020, flagUnderscoreBlanks = 0x040, flagViewOnly = 0x080,
    flagErrorChoice = 0x100, flagReportErrors = 0x200
};

} // namespace

void ZafString::Write(ZafObjectPersistence &persistence)
{
    GetOSText();
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindowObject::Write(persistence);
    ZafFile *file = persistence.File();
    if (file && !Error())
    {
        ZafUInt16 flags = 0;
        const std::pair<bool, ZafUInt16> bits[] = { { autoSelect, flagAutoSelect }, { invalid, flagInvalid },
            { unanswered, flagUnanswered }, { lowerCase, flagLowerCase }, { password, flagPassword },
            { upperCase, flagUpperCase }, { underscoreBlanks, flagUnderscoreBlanks }, { viewOnly, flagViewOnly },
            { errorChoice, flagErrorChoice }, { reportErrors, flagReportErrors } };
        for (const auto &bit : bits)
            if (bit.first)
                flags |= bit.second;
        file->WriteUInt16(flags);
        file->WriteUInt16(ZafUInt16(justification & 0x0F));
        ZafWriteDataName(*file, stringData, L"text");
        ZafWriteDataName(*file, formatList, L"formatList");
        ZafWriteDataName(*file, outputFormat, L"outputFormat");
        ZafWriteDataName(*file, range, L"range");
        if (file->Error())
            SetError(file->Error());
        for (ZafStringData *data : { stringData, formatList, outputFormat, range })
            if (ZafError error = ZafWriteDataObject(data, persistence))
                SetError(error);
    }
    ZafPopObjectLevel(*this, persistence);
}

ZafString::ZafString(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindowObject(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    memberFunction = static_cast<ZafMemberUserFunction>(&ZafString::ValidateFunction);
    ZafFile *file = persistence.File();
    if (file && !Error())
    {
        ZafUInt16 flags = 0, justify = 0;
        file->ReadUInt16(flags);
        file->ReadUInt16(justify);
        ZafIChar *names[4] = { file->ReadNewString(), file->ReadNewString(), file->ReadNewString(),
            file->ReadNewString() };
        if (file->Error())
            SetError(file->Error());
        else
        {
            autoSelect = flags & flagAutoSelect;
            invalid = flags & flagInvalid;
            unanswered = flags & flagUnanswered;
            lowerCase = flags & flagLowerCase;
            password = flags & flagPassword;
            upperCase = flags & flagUpperCase;
            if (upperCase)
                lowerCase = false;
            underscoreBlanks = flags & flagUnderscoreBlanks;
            viewOnly = flags & flagViewOnly;
            errorChoice = flags & flagErrorChoice;
            reportErrors = flags & flagReportErrors;
            justification = justify & 0x0F;
            ZafError error = 0;
            stringData = ZafReadDataObject(names[0], persistence, error);
            if (ZafStringData *list = ZafReadDataObject(names[1], persistence, error))
            {
                SetFormatList(list->Text());
                delete list;
            }
            if (ZafStringData *output = ZafReadDataObject(names[2], persistence, error))
            {
                SetOutputFormat(output->Text());
                delete output;
            }
            range = ZafReadDataObject(names[3], persistence, error);
            if (error)
                SetError(error);
        }
        for (ZafIChar *text : names)
            delete[] text;
    }
    if (!stringData)
        stringData = new ZafStringData(L"", 255, false);
    ObserveStringData();
    ZafObjectPersistence::PopLevel(persistence);
}
