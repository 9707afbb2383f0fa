// Paths and directory operations of a storage: resolving "~a~b" paths,
// finding entries by pattern, making, removing and renaming entries, and
// opening and closing the files inside it.

#include "framework/core/storage/ZafStorage.h"

#include "framework/core/storage/ZafDiskFileSystem.h"
#include "framework/core/text/ZafStrings.h"

#include <algorithm>
#include <cstring>

namespace {

// "*" any run of characters, "?" any one, else the character itself (case
// matters). Iterative, so a long name cannot exhaust the stack.
bool MatchPattern(const wchar_t *pattern, const wchar_t *name)
{
    const wchar_t *star = nullptr;
    const wchar_t *resume = nullptr;
    while (*name) {
        if (*pattern == L'*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == L'?' || *pattern == *name) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else
            return false;
    }
    while (*pattern == L'*')
        ++pattern;
    return *pattern == 0;
}

std::vector<std::wstring> Components(const std::wstring &path)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'~', start);
        if (end == std::wstring::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Levels below the root; the root is 0.
int Depth(const ZafDirectoryElement *entry)
{
    int depth = 0;
    for (; entry && entry->ParentEntry(); entry = entry->ParentEntry())
        ++depth;
    return depth;
}

// Levels of the subtree below entry; 0 for an entry without children.
int Height(const ZafDirectoryElement *entry)
{
    int height = 0;
    for (const ZafDirectoryElement *child = entry->FirstChild(); child; child = child->NextSibling()) {
        int below = 1 + Height(child);
        if (below > height)
            height = below;
    }
    return height;
}

} // namespace

bool ZafStorage::IdsMatch(const ZafDirectoryElement *entry, ZafStringID stringID, ZafNumberID numberID)
{
    if (stringID && *stringID && (!entry->StringID() || ZafStrCmp(entry->StringID(), stringID) != 0))
        return false;
    return numberID == 0 || entry->NumberID() == numberID;
}

ZafDirectoryElement *ZafStorage::FindChild(ZafDirectoryElement *directory, const std::wstring &pattern,
    ZafDirectoryElement *after, ZafStringID stringID, ZafNumberID numberID)
{
    if (!directory)
        return nullptr;
    ZafDirectoryElement *child = after ? after->NextSibling() : directory->FirstChild();
    for (; child; child = child->NextSibling())
        if (MatchPattern(pattern.c_str(), child->Name()) && IdsMatch(child, stringID, numberID))
            return child;
    return nullptr;
}

ZafDirectoryElement *ZafStorage::Resolve(const ZafIChar *path)
{
    if (!path || ZafStrLen(path) > ZAF_STORAGE_MAX_NAME)
        return nullptr;
    std::wstring text = path;
    ZafDirectoryElement *entry = (!text.empty() && text[0] == L'~') ? root : currentDirectory;
    for (const std::wstring &part : Components(text)) {
        if (!entry)
            return nullptr;
        if (part == L".")
            continue;
        if (part == L"..") {
            entry = entry->ParentEntry() ? entry->ParentEntry() : entry;
            continue;
        }
        entry = entry->IsDirectory() ? FindChild(entry, part) : nullptr;
    }
    return entry;
}

ZafDirectoryElement *ZafStorage::SplitPath(const ZafIChar *path, std::wstring &name)
{
    name.clear();
    if (!path || ZafStrLen(path) > ZAF_STORAGE_MAX_NAME)
        return nullptr;
    std::wstring text = path;
    size_t last = text.rfind(L'~');
    ZafDirectoryElement *directory;
    if (last == std::wstring::npos) {
        directory = currentDirectory;
        name = text;
    } else {
        std::wstring head = text.substr(0, last);
        directory = head.empty() ? root : Resolve(head.c_str());
        name = text.substr(last + 1);
    }
    return directory && directory->IsDirectory() ? directory : nullptr;
}

void ZafStorage::FillFind(ZafFindStruct &find, ZafDirectoryElement *entry)
{
    find.name = entry->Name();
    find.stringID = entry->StringID();
    find.numberID = ZafUInt16(entry->NumberID());
    find.size = ZafUInt32(entry->length);
    find.flags = entry->flags;
    find.entry = entry;
}

int ZafStorage::ChDir(const ZafIChar *path, ZafStringID stringID, ZafNumberID numberID)
{
    ZafDirectoryElement *entry = Resolve(path);
    if (!entry || !entry->IsDirectory()) {
        error = ZAF_FILE_ERROR_NOT_FOUND;
        return -1;
    }
    if (!IdsMatch(entry, stringID, numberID)) {
        error = ZAF_FILE_ERROR_ID_MISMATCH;
        return -1;
    }
    currentDirectory = entry;
    return 0;
}

int ZafStorage::FindFirst(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID, ZafNumberID numberID)
{
    std::wstring name;
    ZafDirectoryElement *directory = SplitPath(pattern, name);
    if (!directory) {
        error = ZAF_FILE_ERROR_FORMAT;
        return -1;
    }
    ZafDirectoryElement *entry = FindChild(directory, name, nullptr, stringID, numberID);
    if (!entry)
        return -1;
    FillFind(find, entry);
    return 0;
}

int ZafStorage::FindNext(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID, ZafNumberID numberID)
{
    std::wstring name;
    ZafDirectoryElement *directory = SplitPath(pattern, name);
    if (!directory || !find.entry || find.entry->ParentEntry() != directory) {
        error = ZAF_FILE_ERROR_FORMAT;
        return -1;
    }
    ZafDirectoryElement *entry = FindChild(directory, name, find.entry, stringID, numberID);
    if (!entry)
        return -1;
    FillFind(find, entry);
    return 0;
}

int ZafStorage::GetCWD(ZafIChar *buffer, int size)
{
    std::wstring path;
    for (ZafDirectoryElement *entry = currentDirectory; entry && entry != root; entry = entry->ParentEntry())
        path = L"~" + std::wstring(entry->Name()) + path;
    if (path.empty())
        path = L"~";
    if (!buffer || size <= 0)
        return -1;
    ZafStrLCpy(buffer, path.c_str(), size);
    return 0;
}

int ZafStorage::MkDir(const ZafIChar *path, ZafStringID stringID, ZafNumberID numberID)
{
    std::wstring name;
    ZafDirectoryElement *directory = SplitPath(path, name);
    // Deeper trees could be saved but not read again.
    if (!directory || name.empty() || name == L"." || name == L".." || FindChild(directory, name) ||
        name.find_first_of(L"*?") != std::wstring::npos || Depth(directory) + 1 > ZAF_STORAGE_MAX_DEPTH)
        return -1;
    directory->AddChild(new ZafDirectoryElement(name.c_str(), ZAF_ENTRY_DIRECTORY, stringID, numberID));
    return 0;
}

void ZafStorage::DetachFiles(ZafDirectoryElement *entry)
{
    for (ZafStorageFile *file : openFiles)
        if (file->Entry() && entry->IsAncestorOf(file->Entry()))
            file->SetEntry(nullptr);
}

void ZafStorage::DeleteEntry(ZafDirectoryElement *entry)
{
    DetachFiles(entry);
    if (entry->ParentEntry())
        entry->ParentEntry()->SubtractChild(entry);
    delete entry;
}

int ZafStorage::RmDir(const ZafIChar *path, bool recursive)
{
    ZafDirectoryElement *entry = Resolve(path);
    if (!entry || !entry->IsDirectory() || entry == root)
        return -1;
    if (entry->ChildCount() > 0 && !recursive)
        return -1;
    if (recursive ? entry->IsAncestorOf(currentDirectory) : entry == currentDirectory)
        return -1;
    DeleteEntry(entry);
    return 0;
}

ZafStorageFile *ZafStorage::Open(const ZafIChar *path, int openMode, ZafStringID stringID, ZafNumberID numberID)
{
    std::wstring name;
    ZafDirectoryElement *directory = SplitPath(path, name);
    if (!directory || name.empty())
        return nullptr;
    ZafDirectoryElement *entry = FindChild(directory, name, nullptr, stringID, numberID);
    if (entry && entry->IsDirectory())
        return nullptr;
    bool makes = (openMode & (ZAF_FILE_CREATE | ZAF_FILE_OPENCREATE)) != 0;
    if (!Writable() && (makes && (!entry || (openMode & ZAF_FILE_CREATE)))) {
        // A read-only storage neither replaces nor adds entries.
        error = entry ? ZAF_FILE_ERROR_NOT_WRITABLE : ZAF_FILE_ERROR_NOT_FOUND;
        return nullptr;
    }
    if (entry && (openMode & ZAF_FILE_CREATE)) {
        DeleteEntry(entry);
        entry = nullptr;
    }
    if (!entry) {
        if (!makes || name.find_first_of(L"*?") != std::wstring::npos ||
            Depth(directory) + 1 > ZAF_STORAGE_MAX_DEPTH) {
            error = ZAF_FILE_ERROR_NOT_FOUND;
            return nullptr;
        }
        entry = directory->AddChild(new ZafDirectoryElement(name.c_str(), 0, stringID, numberID));
    }
    ZafUInt8 *buffer = nullptr;
    ZafInt32 length = 0;
    if (entry->offset >= 0 && entry->file) {
        length = entry->length;
        buffer = new ZafUInt8[size_t(length > 0 ? length : 1)];
        if (entry->file->Seek(entry->offset, 0) != 0 || entry->file->ReadData(buffer, length) != length) {
            delete[] buffer;
            error = ZAF_FILE_ERROR_FORMAT;
            return nullptr;
        }
    } else if (entry->offset >= 0) {
        error = ZAF_FILE_ERROR_OPEN;    // its data file was lost in a failed save
        return nullptr;
    }
    ZafStorageFile *file = new ZafStorageFile(openMode, buffer, length);
    file->SetEntry(entry);
    openFiles.push_back(file);
    return file;
}

void ZafStorage::Close(ZafFile *file)
{
    ZafStorageFile *storageFile = dynamic_cast<ZafStorageFile *>(file);
    if (!storageFile)
        return;
    auto position = std::find(openFiles.begin(), openFiles.end(), storageFile);
    if (position == openFiles.end())
        return;   // not a file of this storage
    openFiles.erase(position);
    ZafDirectoryElement *entry = storageFile->Entry();
    if (storageFile->Modified() && entry && tempFile && Writable()) {
        ZafInt32 length = storageFile->Length();
        ZafInt32 offset = -1;
        bool ok = tempFile->Seek(0, 2) == 0;
        if (ok) {
            offset = tempFile->Tell();
            ok = tempFile->WriteData(storageFile->Data(), length) == length && tempFile->Flush();
        }
        if (ok) {
            entry->file = tempFile;
            entry->offset = offset;
            entry->length = length;
        } else
            error = ZAF_FILE_ERROR_FORMAT;
    }
    delete storageFile;
}

int ZafStorage::Remove(const ZafIChar *path)
{
    std::wstring name;
    ZafDirectoryElement *directory = SplitPath(path, name);
    ZafDirectoryElement *entry = directory ? FindChild(directory, name) : nullptr;
    if (!entry || entry->IsDirectory())
        return ZAF_FILE_ERROR_NOT_FOUND;
    DeleteEntry(entry);
    return 0;
}

int ZafStorage::Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID stringID, ZafNumberID numberID)
{
    std::wstring oldName, newName;
    ZafDirectoryElement *oldDirectory = SplitPath(oldPath, oldName);
    ZafDirectoryElement *newDirectory = SplitPath(newPath, newName);
    if (!oldDirectory || !newDirectory)
        return ZAF_FILE_ERROR_NOT_FOUND;
    ZafDirectoryElement *entry = FindChild(oldDirectory, oldName);
    ZafDirectoryElement *existing = FindChild(newDirectory, newName);
    if (!entry || (existing && existing != entry))
        return ZAF_FILE_ERROR_NOT_FOUND;
    if (!existing) {
        if (newName.empty() || newName.find_first_of(L"*?") != std::wstring::npos ||
            (entry->IsDirectory() && entry->IsAncestorOf(newDirectory)) ||
            Depth(newDirectory) + 1 + Height(entry) > ZAF_STORAGE_MAX_DEPTH)
            return ZAF_FILE_ERROR_NOT_FOUND;
        oldDirectory->SubtractChild(entry);
        entry->SetName(newName.c_str());
        newDirectory->AddChild(entry);
    }
    if (stringID && *stringID)
        entry->SetStringID(stringID);
    if (numberID != 0)
        entry->SetNumberID(numberID);
    return 0;
}
