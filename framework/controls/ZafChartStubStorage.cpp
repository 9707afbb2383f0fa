// The storage record of a chart stub, after the window object's record in the
// same "objectData" file: u8 first colour, u8 second colour, i32 chart type,
// i32 chart option, u16 flags (bit 0 first flag, bit 1 second flag), then the
// three texts.

#include "framework/controls/ZafChartStub.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/storage/ZafStorage.h"

namespace {

enum : ZafUInt16 { flagFirst = 0x0001, flagSecond = 0x0002 };

} // namespace

void ZafChartStub::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    ZafWindowObject::Write(persistence);
    ZafFile *file = persistence.File();
    if (file && !Error()) {
        file->WriteUInt8(firstColor);
        file->WriteUInt8(secondColor);
        file->WriteInt32(chartType);
        file->WriteInt32(chartOption);
        file->WriteUInt16(ZafUInt16((firstFlag ? flagFirst : 0) | (secondFlag ? flagSecond : 0)));
        file->WriteString(text1);
        file->WriteString(text2);
        file->WriteString(text3);
        if (file->Error())
            SetError(file->Error());
    }
    ZafPopObjectLevel(*this, persistence);
}

ZafChartStub::ZafChartStub(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindowObject(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    ownOSWindow = false;
    focusBlocked = true;
    ZafFile *file = persistence.File();
    if (file && !Error()) {
        ZafUInt8 first = 0, second = 0;
        ZafInt32 type = 0, option = 0;
        ZafUInt16 flags = 0;
        file->ReadUInt8(first);
        file->ReadUInt8(second);
        file->ReadInt32(type);
        file->ReadInt32(option);
        file->ReadUInt16(flags);
        ZafIChar *texts[3] = { file->ReadNewString(), file->ReadNewString(), file->ReadNewString() };
        if (file->Error())
            SetError(file->Error());
        else {
            SetColors(first, second);
            chartType = type;
            chartOption = option;
            firstFlag = flags & flagFirst;
            secondFlag = flags & flagSecond;
            SetText1(texts[0]);
            SetText2(texts[1]);
            SetText3(texts[2]);
        }
        for (ZafIChar *text : texts)
            delete[] text;
    }
    ZafObjectPersistence::PopLevel(persistence);
}
