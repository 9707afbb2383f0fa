// The storage record of a button, after the window object's record:
// i32 value, i32 depth, u16 flags (bit 0 toggle, 1 auto-repeat, 2 automatic
// size, 3 select on double click, 4 select on press, 5 send message, 6 may
// be the default button, bits 12-15 the button type), u16 placements (bits
// 0-3 horizontal, 4-7 vertical), u16 hot-key character, i32 hot-key index,
// the string ids of the text and the bitmap data, the message text. The data
// objects are stored beside it.
#include "framework/controls/ZafButton.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/data/ZafImageData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/storage/ZafObjectPersistence.h"

#include <string>

namespace {

enum : ZafUInt16 {
    flagToggle = 0x0001, flagAutoRepeat = 0x0002, flagAutoSize = 0x0004, flagSelectOnDoubleClick = 0x0008,
    flagSelectOnPress = 0x0010, flagSendMessage = 0x0020, flagAllowDefault = 0x0040
};

// A data object needs a name to be stored; an unnamed one takes the
// button's name with a suffix, so that the button finds it again.
const ZafIChar *DataName(ZafData *data, const ZafWindowObject &owner, const wchar_t *suffix)
{
    if (!data)
        return nullptr;
    if (!data->StringID() || !*data->StringID())
        data->SetStringID((std::wstring(owner.StringID() ? owner.StringID() : L"FIELD") + suffix).c_str());
    return data->StringID();
}

} // namespace

ZafButton::ZafButton(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafButton(name, persistence, RecordExtensionReader())
{
}

ZafButton::ZafButton(const ZafIChar *name, ZafObjectPersistence &persistence,
    const RecordExtensionReader &readExtension)
    : ZafWindowObject(name, ZafObjectPersistence::PushLevel(persistence, className, classID))
{
    savedRegion = region;
    CreateBuiltInImages();
    ZafFile *file = persistence.File();
    if (file && !Error() && !persistence.Error())
    {
        ZafInt32 storedValue = 0, storedDepth = 2, storedIndex = -1;
        ZafUInt16 flags = 0, placements = 0, hotKey = 0;
        ZafIChar textName[128] = {}, bitmapName[128] = {};
        file->ReadInt32(storedValue);
        file->ReadInt(storedDepth);
        file->ReadUInt16(flags);
        file->ReadUInt16(placements);
        file->ReadUInt16(hotKey);
        file->ReadInt(storedIndex);
        file->ReadString(textName, 128);
        file->ReadString(bitmapName, 128);
        ZafIChar *storedMessage = file->ReadNewString();
        if (file->Error())
            SetError(file->Error());
        else
        {
            value = storedValue;
            depth = storedDepth;
            toggle = flags & flagToggle;
            autoRepeat = flags & flagAutoRepeat;
            autoSize = flags & flagAutoSize;
            selectOnDoubleClick = flags & flagSelectOnDoubleClick;
            selectOnPress = flags & flagSelectOnPress;
            sendMessage = flags & flagSendMessage;
            allowDefault = flags & flagAllowDefault;
            buttonType = (flags >> 12) & 0x0F;
            if (buttonType == ZAF_FLAT_BUTTON)
                depth = 0;
            horizontalPlacement = placements & 0x0F;
            verticalPlacement = (placements >> 4) & 0x0F;
            hotKeyChar = hotKey;
            hotKeyIndex = storedIndex;
            messageText = storedMessage;
            storedMessage = nullptr;
            if (*textName)
                SetStringData(new ZafStringData(textName, persistence));
            if (*bitmapName)
                SetBitmap(new ZafBitmapData(bitmapName, persistence));
            if (readExtension)
            {
                persistence.SetError(0);
                readExtension(*file, persistence);
                if (file->Error())
                    SetError(file->Error());
            }
        }
        delete[] storedMessage;
    }
    ZafPopObjectLevel(*this, persistence);
    if (sendMessage)
        memberFunction = static_cast<ZafMemberUserFunction>(&ZafButton::SendMessageRoutine);
}

void ZafButton::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, className, classID);
    const ZafRegionStruct shown = region;
    region = savedRegion;
    ZafWindowObject::Write(persistence);
    region = shown;
    ZafFile *file = persistence.File();
    if (file && !Error())
    {
        ZafUInt16 flags = ZafUInt16((buttonType & 0x0F) << 12);
        const std::pair<bool, ZafUInt16> bits[] = { { toggle, flagToggle }, { autoRepeat, flagAutoRepeat },
            { autoSize, flagAutoSize }, { selectOnDoubleClick, flagSelectOnDoubleClick },
            { selectOnPress, flagSelectOnPress }, { sendMessage, flagSendMessage },
            { allowDefault, flagAllowDefault } };
        for (const auto &bit : bits)
            if (bit.first)
                flags |= bit.second;
        file->WriteInt32(value);
        file->WriteInt(depth);
        file->WriteUInt16(flags);
        file->WriteUInt16(ZafUInt16((horizontalPlacement & 0x0F) | (verticalPlacement & 0x0F) << 4));
        file->WriteUInt16(hotKeyChar);
        file->WriteInt(hotKeyIndex);
        file->WriteString(DataName(stringData, *this, L"_TEXT"));
        file->WriteString(DataName(bitmapData, *this, L"_BITMAP"));
        file->WriteString(messageText);
        if (file->Error())
            SetError(file->Error());
        if (stringData)
            stringData->Write(persistence);
        if (bitmapData)
            bitmapData->Write(persistence);
        WriteRecordExtension(*file, persistence);
        if (file->Error())
            SetError(file->Error());
    }
    ZafPopObjectLevel(*this, persistence);
}
