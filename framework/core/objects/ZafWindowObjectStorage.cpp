// The storage record of a window object (its "objectData" file):
//   u16 number id; i32 left, top, right, bottom in the object's coordinate
//   type; u16 flags; u16 coordinate type (bits 0-3) and region mode (4-7);
//   help topic, tip text, second tip text; u16 extra1, u16 extra2, extra
//   text; user function name, user object name, palette data name.
// Beside it: "userFunction" (3201) and "userObject" (3202) holding the names,
// and the palette data under its own name.

#include "framework/core/objects/ZafWindowObject.h"

#include "framework/core/storage/ZafStorage.h"

#include <string>

namespace {

constexpr ZafNumberID userFunctionFileID = 3201;
constexpr ZafNumberID userObjectFileID = 3202;

// Stored flag bits, in order: bit 0 dropTarget ... bit 13 paletteFromParent.
enum : ZafUInt16 {
    flagDropTarget = 0x0001, flagBorder = 0x0002, flagDragCtrl = 0x0004, flagDragCtrlShift = 0x0008,
    flagDragShift = 0x0010, flagFocusBlocked = 0x0020, flagDisabled = 0x0040, flagSystemDrawn = 0x0080,
    flagSelected = 0x0100, flagUseParentFrameHandle = 0x0200, flagVisible = 0x0400,
    flagBorderByParent = 0x0800, flagFocusByParent = 0x1000, flagPaletteFromParent = 0x2000
};

void WriteNameFile(ZafObjectPersistence &persistence, const ZafIChar *fileName, ZafNumberID id, const ZafIChar *name)
{
    ZafFile *file = persistence.OpenFile(fileName, ZAF_PERSIST_WRITE, id);
    if (!file)
        return;
    file->WriteString(name);
    persistence.CloseFile(file);
}

ZafIChar *ReadString(ZafFile &file)
{
    return file.ReadNewString();
}

} // namespace

ZafElement *ZafWindowObject::New(const ZafIChar *name, ZafObjectPersistence &persistence)
{
    return new ZafWindowObject(name, persistence);
}

const ZafIChar *ZafWindowObject::UserFunctionName(ZafUserFunction function, ZafObjectPersistence &persistence) const
{
    return persistence.UserFunctionName(function);
}

const ZafIChar *ZafWindowObject::UserObjectName(void *object, ZafObjectPersistence &persistence) const
{
    return persistence.UserObjectName(object);
}

void ZafWindowObject::Write(ZafObjectPersistence &persistence)
{
    bool ownLevel = persistence.Depth() == 0;
    if (ownLevel)
        ZafObjectPersistence::PushLevel(persistence, ClassName(), ClassID());
    persistence.AddObjectConstructor(ClassName(), ClassID(), NewFunction());
    if (!StringID() || !*StringID())
        SetStringID((L"FIELD_" + std::to_wstring(NumberID())).c_str());
    persistence.SetError(0);
    // The directory carries the object's own class, so that it is made again
    // as what it is.
    ZafFile *file = persistence.OpenObjectFile(StringID(), ZAF_PERSIST_WRITE, ClassName(), ClassID());
    if (!file) {
        SetError(persistence.Error());
    } else {
        file->WriteUInt16(ZafUInt16(NumberID()));
        ZafRegionStruct stored = region;
        if (stored.coordinateType != coordinateType)
            ConvertRegion(stored, coordinateType);
        file->WriteInt32(stored.left);
        file->WriteInt32(stored.top);
        file->WriteInt32(stored.right);
        file->WriteInt32(stored.bottom);
        ZafUInt16 flags = 0;
        const std::pair<bool, ZafUInt16> bits[] = { { dropTarget, flagDropTarget }, { border, flagBorder },
            { dragCtrl, flagDragCtrl }, { dragCtrlShift, flagDragCtrlShift }, { dragShift, flagDragShift },
            { focusBlocked, flagFocusBlocked }, { disabled, flagDisabled }, { systemDrawn, flagSystemDrawn },
            { selected, flagSelected }, { useParentFrameHandle, flagUseParentFrameHandle },
            { visible, flagVisible }, { borderByParent, flagBorderByParent }, { focusByParent, flagFocusByParent },
            { paletteFromParent, flagPaletteFromParent } };
        for (const auto &bit : bits)
            if (bit.first)
                flags |= bit.second;
        file->WriteUInt16(flags);
        file->WriteUInt16(ZafUInt16((coordinateType & 0x0F) | ((regionMode & 0x0F) << 4)));
        file->WriteString(helpTopic);
        file->WriteString(tipText);
        file->WriteString(tipText2);
        file->WriteUInt16(extra1);
        file->WriteUInt16(extra2);
        file->WriteString(extraText);
        const ZafIChar *functionName = UserFunctionName(userFunction, persistence);
        const ZafIChar *objectName = UserObjectName(userObject, persistence);
        file->WriteString(functionName);
        file->WriteString(objectName);
        file->WriteString(paletteData ? paletteData->StringID() : nullptr);
        if (file->Error())
            SetError(file->Error());
        if (functionName && *functionName)
            WriteNameFile(persistence, L"userFunction", userFunctionFileID, functionName);
        if (objectName && *objectName)
            WriteNameFile(persistence, L"userObject", userObjectFileID, objectName);
        if (paletteData && paletteData->StringID() && *paletteData->StringID())
            paletteData->Write(persistence);
        if (persistence.Error())
            SetError(persistence.Error());
    }
    if (ownLevel)
        ZafObjectPersistence::PopLevel(persistence);
}

ZafWindowObject::ZafWindowObject(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindowObject(0, 0, 1, 1)
{
    bool ownLevel = persistence.Depth() == 0;
    if (ownLevel)
        ZafObjectPersistence::PushLevel(persistence, ClassName(), ClassID());
    SetStringID(name);
    persistence.SetError(0);
    ZafFile *file = ZafDataPersistence::OpenObjectFile(persistence, name, ZAF_PERSIST_READ);
    if (!file) {
        SetError(persistence.Error() ? persistence.Error() : ZAF_FILE_ERROR_NOT_FOUND);
    } else {
        ZafUInt16 numberID, flags, types, storedExtra1, storedExtra2;
        ZafInt32 left, top, right, bottom;
        file->ReadUInt16(numberID);
        file->ReadInt32(left);
        file->ReadInt32(top);
        file->ReadInt32(right);
        file->ReadInt32(bottom);
        file->ReadUInt16(flags);
        file->ReadUInt16(types);
        ZafIChar *texts[3] = { ReadString(*file), ReadString(*file), ReadString(*file) };
        file->ReadUInt16(storedExtra1);
        file->ReadUInt16(storedExtra2);
        ZafIChar *storedExtraText = ReadString(*file);
        ZafIChar *functionName = ReadString(*file);
        ZafIChar *objectName = ReadString(*file);
        ZafIChar *paletteName = ReadString(*file);
        if (file->Error())
            SetError(file->Error());
        else if ((types & 0x0F) > ZAF_TENTH_MM)
            SetError(ZAF_FILE_ERROR_FORMAT);   // no such coordinate type
        else {
            SetNumberID(ZafNumberID(numberID));
            coordinateType = types & 0x0F;
            regionMode = (types >> 4) & 0x0F;
            region.Assign(left, top, right, bottom, coordinateType);
            dropTarget = flags & flagDropTarget;
            border = flags & flagBorder;
            dragCtrl = flags & flagDragCtrl;
            dragCtrlShift = flags & flagDragCtrlShift;
            dragShift = flags & flagDragShift;
            focusBlocked = flags & flagFocusBlocked;
            disabled = flags & flagDisabled;
            systemDrawn = flags & flagSystemDrawn;
            selected = flags & flagSelected;
            useParentFrameHandle = flags & flagUseParentFrameHandle;
            visible = flags & flagVisible;
            borderByParent = flags & flagBorderByParent;
            focusByParent = flags & flagFocusByParent;
            paletteFromParent = flags & flagPaletteFromParent;
            SetHelpTopic(texts[0]);
            SetTipText(texts[1]);
            SetTipText2(texts[2]);
            extra1 = storedExtra1;
            extra2 = storedExtra2;
            SetExtraText(storedExtraText);
            if (functionName)
                userFunction = persistence.GetUserFunction(functionName);
            if (objectName)
                userObject = persistence.GetUserObject(objectName);
            if (paletteName) {
                ZafPaletteData *palette = new ZafPaletteData(paletteName, persistence);
                if (palette->Error()) {
                    SetError(palette->Error());
                    delete palette;
                } else
                    SetPaletteData(palette);
            }
        }
        for (ZafIChar *text : texts)
            delete[] text;
        delete[] storedExtraText;
        delete[] functionName;
        delete[] objectName;
        delete[] paletteName;
    }
    if (ownLevel)
        ZafObjectPersistence::PopLevel(persistence);
}
