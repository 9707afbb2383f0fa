// The storage record of a window, after the window object's record in the
// same "objectData" file: i32 client width, i32 client height (in the
// window's coordinate type), u16 window flags, u16 selection type, the
// permanent default button's string id and the compare function's name.
// Beside it: "compareFunction" holding that name, then one directory per
// support object and child.

#include "framework/core/objects/ZafWindow.h"
#include "framework/core/storage/ZafObjectLevel.h"

#include "framework/core/storage/ZafStorage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

enum : ZafUInt16 {
    flagDestroyable = 0x0001, flagLocked = 0x0002, flagMaximized = 0x0004, flagMinimized = 0x0008,
    flagMoveable = 0x0010, flagSizeable = 0x0020, flagTemporary = 0x0040, flagModal = 0x0080,
    flagAltFreeHotKeys = 0x0100
};

ZafInt32 SizeWord(int64_t value)
{
    return value < 0 ? 0 : value > 0x7FFFFFFF ? 0x7FFFFFFF : ZafInt32(value);
}

// Writes one object on its own level. The window's directory is made afresh
// for each write, so a name already in it belongs to a sibling written just
// before (two objects without string id and with the same number id, say):
// the later object gets the name with "_2", "_3", ... added rather than
// replace its sibling.
void WriteObject(ZafWindowObject *object, ZafObjectPersistence &persistence)
{
    std::wstring name = object->StringID() && *object->StringID()
        ? std::wstring(object->StringID()) : L"FIELD_" + std::to_wstring(object->NumberID());
    ZafFindStruct find;
    if (persistence.FindFirst(find, name.c_str()) == 0) {
        std::wstring unique;
        for (int suffix = 2;; ++suffix) {
            unique = name + L"_" + std::to_wstring(suffix);
            if (persistence.FindFirst(find, unique.c_str()) != 0)
                break;
        }
        object->SetStringID(unique.c_str());
    }
    ZafObjectPersistence::PushLevel(persistence, object->ClassName(), object->ClassID());
    object->Write(persistence);
    ZafObjectPersistence::PopLevel(persistence);
}

} // namespace

const ZafIChar *ZafWindow::CompareFunctionName(ZafCompareFunction function, ZafObjectPersistence &persistence) const
{
    return persistence.CompareFunctionName(function);
}

void ZafWindow::WriteSupportObjects(ZafObjectPersistence &persistence)
{
    for (ZafElement *element = supportList.First(); element; element = element->Next())
        WriteObject(static_cast<ZafWindowObject *>(element), persistence);
}

void ZafWindow::WriteChildren(ZafObjectPersistence &persistence)
{
    for (ZafElement *element = ZafList::First(); element; element = element->Next())
        WriteObject(static_cast<ZafWindowObject *>(element), persistence);
}

void ZafWindow::Write(ZafObjectPersistence &persistence)
{
    ZafObjectPersistence::PushLevel(persistence, L"ZafWindow", classID);
    ZafWindowObject::Write(persistence);
    ZafFile *file = persistence.File();
    if (file && !Error()) {
        ZafRegionStruct client = clientSize;
        if (client.coordinateType != coordinateType)
            ConvertRegion(client, coordinateType);
        file->WriteInt32(client.right - client.left + 1);
        file->WriteInt32(client.bottom - client.top + 1);
        ZafUInt16 flags = 0;
        const std::pair<bool, ZafUInt16> bits[] = { { destroyable, flagDestroyable }, { locked, flagLocked },
            { maximized, flagMaximized }, { minimized, flagMinimized }, { moveable, flagMoveable },
            { sizeable, flagSizeable }, { temporary, flagTemporary }, { modal, flagModal },
            { altFreeHotKeys, flagAltFreeHotKeys } };
        for (const auto &bit : bits)
            if (bit.first)
                flags |= bit.second;
        file->WriteUInt16(flags);
        file->WriteUInt16(ZafUInt16(selectionType & 0x0F));
        file->WriteString(permanentDefault ? permanentDefault->StringID() : nullptr);
        const ZafIChar *compareName = CompareFunctionName(compareFunction, persistence);
        file->WriteString(compareName);
        WriteRecordExtension(*file);
        if (file->Error())
            SetError(file->Error());
        if (compareName && *compareName) {
            if (ZafFile *nameFile = persistence.OpenFile(L"compareFunction", ZAF_PERSIST_WRITE)) {
                nameFile->WriteString(compareName);
                persistence.CloseFile(nameFile);
            }
        }
        WriteSupportObjects(persistence);
        WriteChildren(persistence);
    }
    ZafPopObjectLevel(*this, persistence);
}

ZafWindow::ZafWindow(const ZafIChar *name, ZafObjectPersistence &persistence)
    : ZafWindow(name, persistence, RecordExtensionReader())
{
}

ZafWindow::ZafWindow(const ZafIChar *name, ZafObjectPersistence &persistence,
    const RecordExtensionReader &readExtension)
    : ZafWindowObject(name, ZafObjectPersistence::PushLevel(persistence, L"ZafWindow", classID)), ZafList(nullptr)
{
    // A damaged region must not overflow the size computed from it.
    clientSize.Assign(0, 0, SizeWord(int64_t(region.right) - region.left),
        SizeWord(int64_t(region.bottom) - region.top), coordinateType);
    restoreRegion.Assign(0, 0, 0, 0, coordinateType);
    ZafFile *file = persistence.File();
    if (file && !Error()) {
        ZafInt32 width = 0, height = 0;
        ZafUInt16 flags = 0, storedSelection = 0;
        file->ReadInt32(width);
        file->ReadInt32(height);
        file->ReadUInt16(flags);
        file->ReadUInt16(storedSelection);
        ZafIChar *defaultName = file->ReadNewString();
        ZafIChar *compareName = file->ReadNewString();
        if (readExtension && !file->Error())
            readExtension(*file);
        if (file->Error())
            SetError(file->Error());
        else if (width < 0 || height < 0)
            SetError(ZAF_FILE_ERROR_FORMAT);
        else {
            clientSize.Assign(0, 0, width - 1, height - 1, coordinateType);
            destroyable = flags & flagDestroyable;
            locked = flags & flagLocked;
            maximized = flags & flagMaximized;
            minimized = flags & flagMinimized;
            moveable = flags & flagMoveable;
            sizeable = flags & flagSizeable;
            temporary = flags & flagTemporary;
            modal = flags & flagModal;
            altFreeHotKeys = flags & flagAltFreeHotKeys;
            selectionType = storedSelection & 0x0F;
            if (ZafFile *nameFile = persistence.OpenFile(L"compareFunction", ZAF_PERSIST_READ)) {
                ZafIChar *stored = nameFile->ReadNewString();
                compareFunction = persistence.GetCompareFunction(stored);
                delete[] stored;
                persistence.CloseFile(nameFile);
            }
            persistence.SetError(0);
            // Every stored object whose class the persistence can make, in
            // the order they were written (support objects first).
            ZafFindStruct find;
            std::vector<std::pair<std::wstring, ZafClassID>> entries;
            for (int found = persistence.FindFirst(find, L"*"); found == 0;
                 found = persistence.FindNext(find, L"*"))
                if ((find.flags & ZAF_ENTRY_DIRECTORY) && find.numberID != 0)
                    entries.emplace_back(find.name, ZafClassID(ZafInt16(find.numberID)));
            for (const auto &entry : entries) {
                ZafObjectConstructor make = persistence.GetObjectConstructor(entry.second);
                if (!make)
                    continue;
                const ZafIChar *entryClass = persistence.ClassNameOf(entry.second);
                ZafObjectPersistence::PushLevel(persistence, entryClass, entry.second);
                ZafElement *made = make(entry.first.c_str(), persistence);
                ZafObjectPersistence::PopLevel(persistence);
                ZafWindowObject *object = dynamic_cast<ZafWindowObject *>(made);
                if (object)
                    Add(object);
                else
                    delete made;
            }
            if (defaultName) {
                ZafWindowObject *button = GetObjectByStringID(defaultName);
                if (button && button->IsAClassID(ZAF_ID_BUTTON))
                    SetDefaultButton(button, true);
            }
        }
        delete[] defaultName;
        delete[] compareName;
    }
    ZafObjectPersistence::PopLevel(persistence);
}
