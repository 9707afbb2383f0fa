#include "framework/core/storage/ZafObjectPersistence.h"

#include "framework/core/storage/ZafStorage.h"
#include "framework/core/text/ZafStrings.h"

ZafObjectPersistence *ZafObjectPersistence::defaultPersistence = nullptr;

ZafObjectPersistence::ZafObjectPersistence(ZafStorage *newStorage) : storage(newStorage)
{
}

ZafObjectPersistence::~ZafObjectPersistence()
{
    while (!levels.empty())
        PopLevel(*this);
    if (defaultPersistence == this)
        defaultPersistence = nullptr;
}

ZafStorage *ZafObjectPersistence::SetStorage(ZafStorage *newStorage)
{
    while (!levels.empty())
        PopLevel(*this);
    return storage = newStorage;
}

ZafObjectPersistence *ZafObjectPersistence::SetDefaultPersistence(ZafObjectPersistence *persistence)
{
    ZafObjectPersistence *previous = defaultPersistence;
    defaultPersistence = persistence;
    return previous;
}

ZafObjectPersistence &ZafObjectPersistence::PushLevel(ZafObjectPersistence &persistence,
    const ZafIChar *className, ZafClassID classID, ZafUInt16 flags)
{
    Level level{ className ? className : L"", classID, flags, std::wstring(), nullptr };
    if (persistence.storage) {
        ZafIChar directory[ZAF_STORAGE_MAX_NAME + 2];
        if (persistence.storage->GetCWD(directory, ZAF_STORAGE_MAX_NAME + 2) == 0)
            level.directory = directory;
    }
    persistence.levels.push_back(level);
    return persistence;
}

ZafObjectPersistence &ZafObjectPersistence::PopLevel(ZafObjectPersistence &persistence)
{
    if (persistence.levels.empty())
        return persistence;
    Level level = persistence.levels.back();
    persistence.levels.pop_back();
    if (persistence.storage) {
        if (level.file) {
            persistence.storage->SetError(0);
            persistence.storage->Close(level.file);
            if (persistence.storage->Error() && !persistence.error)
                persistence.error = persistence.storage->Error();
        }
        if (!level.directory.empty())
            persistence.storage->ChDir(level.directory.c_str());
    }
    return persistence;
}

const ZafIChar *ZafObjectPersistence::CurrentClassName() const
{
    return levels.empty() ? nullptr : levels.back().className.c_str();
}

ZafClassID ZafObjectPersistence::CurrentClassID() const
{
    return levels.empty() ? 0 : levels.back().classID;
}

ZafFile *ZafObjectPersistence::File() const
{
    return levels.empty() ? nullptr : levels.back().file;
}

int ZafObjectPersistence::ChDir(const ZafIChar *path, ZafStringID stringID, ZafNumberID numberID)
{
    return storage ? storage->ChDir(path, stringID, numberID) : -1;
}

int ZafObjectPersistence::FindFirst(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID,
    ZafNumberID numberID)
{
    return storage ? storage->FindFirst(find, pattern, stringID, numberID) : -1;
}

int ZafObjectPersistence::FindNext(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID,
    ZafNumberID numberID)
{
    return storage ? storage->FindNext(find, pattern, stringID, numberID) : -1;
}

ZafFile *ZafObjectPersistence::OpenFile(const ZafIChar *name, int mode, ZafNumberID numberID)
{
    if (!storage || !name) {
        error = ZAF_FILE_ERROR_OPEN;
        return nullptr;
    }
    int storageMode = mode == ZAF_PERSIST_WRITE ? (ZAF_FILE_CREATE | ZAF_FILE_READWRITE) : ZAF_FILE_READ;
    ZafFile *file = storage->Open(name, storageMode, nullptr, mode == ZAF_PERSIST_WRITE ? numberID : 0);
    if (!file)
        error = storage->Error() ? storage->Error() : ZAF_FILE_ERROR_NOT_FOUND;
    return file;
}

void ZafObjectPersistence::CloseFile(ZafFile *file)
{
    if (storage && file)
        storage->Close(file);
}

ZafFile *ZafObjectPersistence::OpenObjectFile(const ZafIChar *name, int mode, const ZafIChar *className,
    ZafClassID classID)
{
    if (!storage || !name || !*name || levels.empty()) {
        error = ZAF_FILE_ERROR_OPEN;
        return nullptr;
    }
    Level &level = levels.back();
    bool writing = mode == ZAF_PERSIST_WRITE;
    if (writing && !storage->Writable()) {
        error = ZAF_FILE_ERROR_NOT_WRITABLE;
        return nullptr;
    }
    // The directory that holds the object: its own (window objects) or its
    // class's (data objects).
    const ZafIChar *directory = (level.flags & ZAF_PERSIST_DATA_BIT) ? level.className.c_str() : name;
    ZafNumberID directoryID = (level.flags & ZAF_PERSIST_DATA_BIT) ? 0 : ZafNumberID(classID);
    if (writing && !(level.flags & ZAF_PERSIST_DATA_BIT) && storage->ChDir(directory) == 0) {
        // An object written again replaces its whole directory, so that no
        // child of the earlier version is read back with it.
        storage->ChDir(level.directory.c_str());
        storage->RmDir(directory, true);
    }
    if (storage->ChDir(directory) != 0) {
        if (!writing || storage->MkDir(directory, (level.flags & ZAF_PERSIST_DATA_BIT) ? nullptr : className,
                                       directoryID) != 0 || storage->ChDir(directory) != 0) {
            error = ZAF_FILE_ERROR_NOT_FOUND;
            return nullptr;
        }
    }
    const ZafIChar *fileName = (level.flags & ZAF_PERSIST_DATA_BIT) ? name : ZAF_OBJECT_DATA;
    ZafFile *file = OpenFile(fileName, mode, ZafNumberID(classID));
    if (!file) {
        storage->ChDir(level.directory.c_str());
        return nullptr;
    }
    if (level.file)
        storage->Close(level.file);
    level.file = file;
    if (level.flags & ZAF_PERSIST_DATA_BIT)
        storage->ChDir(level.directory.c_str());
    return file;
}

ZafFile *ZafDataPersistence::OpenObjectFile(ZafObjectPersistence &persistence, const ZafIChar *name, int mode)
{
    const ZafIChar *className = persistence.CurrentClassName();
    return persistence.OpenObjectFile(name, mode, className, persistence.CurrentClassID());
}

void ZafObjectPersistence::AddObjectConstructor(const ZafIChar *className, ZafClassID classID,
    ZafObjectConstructor function)
{
    for (ClassEntry &entry : classes)
        if (entry.id == classID) {
            entry.name = className ? className : L"";
            entry.function = function;
            return;
        }
    classes.push_back({ className ? className : L"", classID, function });
}

ZafObjectConstructor ZafObjectPersistence::GetObjectConstructor(ZafClassID classID) const
{
    for (const ClassEntry &entry : classes)
        if (entry.id == classID)
            return entry.function;
    return nullptr;
}

ZafObjectConstructor ZafObjectPersistence::GetObjectConstructor(const ZafIChar *className) const
{
    for (const ClassEntry &entry : classes)
        if (className && entry.name == className)
            return entry.function;
    return nullptr;
}

const ZafIChar *ZafObjectPersistence::ClassNameOf(ZafClassID classID) const
{
    for (const ClassEntry &entry : classes)
        if (entry.id == classID)
            return entry.name.c_str();
    return nullptr;
}

namespace {

template <typename List, typename T>
void AddNamed(List &list, const ZafIChar *name, T value)
{
    if (!name || !*name)
        return;
    for (auto &entry : list)
        if (entry.name == name) {
            entry.value = value;
            return;
        }
    list.push_back({ name, value });
}

template <typename List, typename T>
const ZafIChar *NameOf(const List &list, T value)
{
    if (!value)
        return nullptr;
    for (const auto &entry : list)
        if (entry.value == value)
            return entry.name.c_str();
    return nullptr;
}

template <typename T, typename List>
T ValueOf(const List &list, const ZafIChar *name)
{
    if (!name || !*name)
        return nullptr;
    for (const auto &entry : list)
        if (entry.name == name)
            return entry.value;
    return nullptr;
}

} // namespace

void ZafObjectPersistence::AddUserFunction(const ZafIChar *name, ZafUserFunction function)
{
    AddNamed(userFunctions, name, function);
}

void ZafObjectPersistence::AddUserObject(const ZafIChar *name, void *object)
{
    AddNamed(userObjects, name, object);
}

void ZafObjectPersistence::AddCompareFunction(const ZafIChar *name, ZafCompareFunction function)
{
    AddNamed(compareFunctions, name, function);
}

const ZafIChar *ZafObjectPersistence::UserFunctionName(ZafUserFunction function) const
{
    return NameOf(userFunctions, function);
}

const ZafIChar *ZafObjectPersistence::UserObjectName(void *object) const
{
    return NameOf(userObjects, object);
}

const ZafIChar *ZafObjectPersistence::CompareFunctionName(ZafCompareFunction function) const
{
    return NameOf(compareFunctions, function);
}

ZafUserFunction ZafObjectPersistence::GetUserFunction(const ZafIChar *name) const
{
    return ValueOf<ZafUserFunction>(userFunctions, name);
}

void *ZafObjectPersistence::GetUserObject(const ZafIChar *name) const
{
    return ValueOf<void *>(userObjects, name);
}

ZafCompareFunction ZafObjectPersistence::GetCompareFunction(const ZafIChar *name) const
{
    return ValueOf<ZafCompareFunction>(compareFunctions, name);
}
