// Opening a storage: the header, the directory tree and the temporary file.

#include "framework/core/storage/ZafStorage.h"

#include "framework/core/storage/ZafDiskFileSystem.h"

ZafStorage::ZafStorage() : diskFileSystem(new ZafDiskFileSystem)
{
    mode = ZAF_FILE_READWRITE;
    MakeEmptyRoot();
    wchar_t directory[260];
    tempName = diskFileSystem->TempName(diskFileSystem->GetCWD(directory, 260) == 0
        ? std::wstring(directory) + L"\\" : std::wstring());
    MakeTempFile();
}

ZafStorage::ZafStorage(const ZafIChar *name, int openMode) : diskFileSystem(new ZafDiskFileSystem)
{
    OpenStorage(name, openMode);
}

ZafStorage::ZafStorage(const ZafIChar *name, int openMode, ZafDiskFileSystem *fileSystem)
    : diskFileSystem(fileSystem ? fileSystem : new ZafDiskFileSystem)
{
    OpenStorage(name, openMode);
}

ZafStorage::~ZafStorage()
{
    for (ZafStorageFile *file : openFiles)
        file->SetEntry(nullptr);
    if (storageFile)
        diskFileSystem->Close(storageFile);
    if (tempFile) {
        diskFileSystem->Close(tempFile);
        diskFileSystem->Remove(tempName.c_str());
    }
    delete root;
    delete diskFileSystem;
}

std::wstring ZafStorage::StorageFileName(const ZafIChar *name)
{
    std::wstring result = name ? name : L"";
    for (size_t i = result.size(); i > 0; --i) {
        wchar_t c = result[i - 1];
        if (c == L'.')
            return result;
        if (c == L'\\' || c == L'/' || c == L':')
            break;
    }
    return result + L".zaf";
}

void ZafStorage::SetName(const ZafIChar *name)
{
    fileName = StorageFileName(name);
    stringID = ZafDiskFileSystem::FileNamePart(fileName);
}

void ZafStorage::MakeEmptyRoot()
{
    delete root;
    root = new ZafDirectoryElement(L"~", ZAF_ENTRY_DIRECTORY);
    currentDirectory = root;
    version = ZAF_STORAGE_VERSION;
}

void ZafStorage::OpenStorage(const ZafIChar *name, int openMode)
{
    mode = openMode;
    if (mode & (ZAF_FILE_CREATE | ZAF_FILE_OPENCREATE))
        mode |= ZAF_FILE_READWRITE;
    SetName(name);
    if (!name || !*name || fileName.size() > size_t(ZAF_STORAGE_MAX_NAME)) {
        MakeEmptyRoot();
        error = ZAF_FILE_ERROR_OPEN;
        return;
    }
    MakeEmptyRoot();
    if (!(mode & ZAF_FILE_CREATE)) {
        int diskMode = (mode & ZAF_FILE_READWRITE) ? ZAF_FILE_READWRITE : ZAF_FILE_READ;
        storageFile = static_cast<ZafDiskFile *>(diskFileSystem->Open(fileName.c_str(), diskMode | ZAF_FILE_BINARY));
        if (storageFile->Error()) {
            diskFileSystem->Close(storageFile);
            storageFile = nullptr;
            if (mode & ZAF_FILE_OPENCREATE) {
                // Make sure the file can be made before working without it.
                ZafFile *probe = diskFileSystem->Open(fileName.c_str(), ZAF_FILE_CREATE | ZAF_FILE_BINARY);
                error = probe->Error();
                diskFileSystem->Close(probe);
                diskFileSystem->Remove(fileName.c_str());
            } else
                error = ZAF_FILE_ERROR_OPEN;
        } else if (!ReadHeader(*storageFile) || !ReadTree(*storageFile)) {
            if (!error)
                error = ZAF_FILE_ERROR_FORMAT;
        }
    }
    if (error) {
        if (storageFile)
            diskFileSystem->Close(storageFile);
        storageFile = nullptr;
        MakeEmptyRoot();
        return;
    }
    if (Writable()) {
        tempName = diskFileSystem->TempName(ZafDiskFileSystem::DirectoryPart(fileName));
        MakeTempFile();
    }
    currentDirectory = root;
}

bool ZafStorage::MakeTempFile()
{
    tempFile = static_cast<ZafDiskFile *>(diskFileSystem->Open(tempName.c_str(), ZAF_FILE_CREATE | ZAF_FILE_BINARY));
    if (tempFile->Error()) {
        diskFileSystem->Close(tempFile);
        tempFile = nullptr;
        error = ZAF_FILE_ERROR_OPEN;
        return false;
    }
    return true;
}

bool ZafStorage::ReadHeader(ZafFile &file)
{
    ZafUInt8 header[68];
    if (file.Seek(0, 0) != 0 || file.ReadData(header, 68) != 68) {
        error = ZAF_FILE_ERROR_HEADER;
        return false;
    }
    ZafUInt8 major = header[64];
    ZafUInt8 minor = header[65];
    ZafUInt16 magic = ZafUInt16(header[66] | (header[67] << 8));
    if (magic != ZAF_STORAGE_MAGIC || major != 5) {
        error = ZAF_FILE_ERROR_HEADER;
        return false;
    }
    version = ZafUInt16((major << 8) | minor);
    return true;
}

bool ZafStorage::ReadTree(ZafFile &file)
{
    ZafInt32 fileLength = file.Length();
    ZafUInt32 directoryOffset;
    if (!file.ReadUInt32(directoryOffset) || directoryOffset < ZafUInt32(ZAF_STORAGE_HEADER_SIZE) ||
        directoryOffset >= ZafUInt32(fileLength) || file.Seek(ZafInt32(directoryOffset), 0) != 0)
        return false;
    std::wstring rootName;
    if (!ReadName(file, rootName) || rootName != L"~")
        return false;
    ZafDirectoryElement *tree = ReadRecord(file, L"~", fileLength, 0);
    if (!tree || !tree->IsDirectory()) {
        delete tree;
        return false;
    }
    delete root;
    root = tree;
    return true;
}

bool ZafStorage::ReadName(ZafFile &file, std::wstring &name)
{
    ZafIChar buffer[ZAF_STORAGE_MAX_NAME + 2];
    ZafInt32 start = file.Tell();
    ZafUInt16 header;
    if (!file.ReadUInt16(header) || (header & 0x7FFF) > ZAF_STORAGE_MAX_NAME)
        return false;
    file.Seek(start, 0);
    if (file.ReadString(buffer, ZAF_STORAGE_MAX_NAME + 1) < 0)
        return false;
    name = buffer;
    return true;
}

ZafDirectoryElement *ZafStorage::ReadRecord(ZafFile &file, const ZafIChar *name, ZafInt32 fileLength, int depth)
{
    if (depth > ZAF_STORAGE_MAX_DEPTH)
        return nullptr;
    std::wstring entryID;
    ZafInt16 numberID;
    ZafInt32 offset, length;
    ZafUInt16 flags;
    if (!ReadName(file, entryID) || !file.ReadInt16(numberID) || !file.ReadInt32(offset) ||
        !file.ReadInt32(length) || !file.ReadUInt16(flags))
        return nullptr;
    // Data must lie between the header and the end of the file.
    if (length < 0 || (offset == -1 && length != 0) ||
        (offset != -1 && (offset < ZAF_STORAGE_HEADER_SIZE || offset > fileLength - length)))
        return nullptr;
    ZafDirectoryElement *entry = new ZafDirectoryElement(name, flags,
        entryID.empty() ? nullptr : entryID.c_str(), numberID);
    entry->file = offset == -1 ? nullptr : &file;
    entry->offset = offset;
    entry->length = length;
    for (;;) {
        std::wstring childName;
        if (!ReadName(file, childName)) {
            delete entry;
            return nullptr;
        }
        if (childName.empty())
            break;
        ZafDirectoryElement *child = entry->IsDirectory()
            ? ReadRecord(file, childName.c_str(), fileLength, depth + 1) : nullptr;
        if (!child) {
            delete entry;
            return nullptr;
        }
        entry->AddChild(child);
    }
    return entry;
}
