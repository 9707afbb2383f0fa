#include "ZafStorageTestSupport.h"

#include <cstdio>
#include <direct.h>
#include <io.h>

namespace {

class FailingDiskFile : public ZafDiskFile
{
public:
    FailingDiskFile(FILE *stream, const bool &fail, bool failHere)
        : ZafDiskFile(stream), fail(fail), failHere(failHere) { }
    int WriteData(const void *buffer, int count) override
    {
        if (fail || failHere)
            return count > 1 ? ZafDiskFile::WriteData(buffer, count / 2) : 0;
        return ZafDiskFile::WriteData(buffer, count);
    }

private:
    const bool &fail;
    bool failHere;
};

bool EndsWith(const std::wstring &text, const std::wstring &end)
{
    return !end.empty() && text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

ZafFile *ZafFailingDiskFileSystem::Open(const ZafIChar *path, int mode, ZafStringID, ZafNumberID)
{
    const wchar_t *how = (mode & ZAF_FILE_CREATE) ? L"w+b" : (mode & ZAF_FILE_READWRITE) ? L"r+b" : L"rb";
    FILE *stream = path && *path && !EndsWith(path, failOpensOf) ? _wfopen(path, how) : nullptr;
    if (!stream)
        error = ZAF_FILE_ERROR_OPEN;
    return new FailingDiskFile(stream, failWrites, path && EndsWith(path, failWritesTo));
}

int ZafFailingDiskFileSystem::Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID stringID,
    ZafNumberID numberID)
{
    if (failTemporaryRenames && oldPath && std::wstring(oldPath).find(L"ZTMP") != std::wstring::npos)
        return ZAF_FILE_ERROR_NOT_FOUND;
    return ZafDiskFileSystem::Rename(oldPath, newPath, stringID, numberID);
}

ZafScratchFolder::ZafScratchFolder(const std::wstring &name) : folder(L"scratch_" + name)
{
    _wmkdir(folder.c_str());
    Empty();
}

ZafScratchFolder::~ZafScratchFolder()
{
    Empty();
    _wrmdir(folder.c_str());
}

bool ZafScratchFolder::Exists(const std::wstring &name) const
{
    return _waccess(Path(name).c_str(), 0) == 0;
}

std::vector<unsigned char> ZafScratchFolder::Read(const std::wstring &name) const
{
    std::vector<unsigned char> bytes;
    FILE *file = _wfopen(Path(name).c_str(), L"rb");
    if (!file)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
}

void ZafScratchFolder::Write(const std::wstring &name, const std::vector<unsigned char> &bytes) const
{
    FILE *file = _wfopen(Path(name).c_str(), L"wb");
    if (!file)
        return;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::vector<std::wstring> ZafScratchFolder::Files() const
{
    std::vector<std::wstring> names;
    _wfinddata_t data;
    intptr_t handle = _wfindfirst((folder + L"\\*").c_str(), &data);
    if (handle == -1)
        return names;
    do {
        std::wstring name = data.name;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (_wfindnext(handle, &data) == 0);
    _findclose(handle);
    return names;
}

void ZafScratchFolder::Empty() const
{
    for (const std::wstring &name : Files())
        _wremove(Path(name).c_str());
}
