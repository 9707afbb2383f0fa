#include "framework/core/storage/ZafDiskFileSystem.h"

#include <direct.h>
#include <io.h>

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/' || c == L':';
}

} // namespace

ZafDiskFile::ZafDiskFile(FILE *stream) : stream(stream)
{
    if (!stream)
        error = ZAF_FILE_ERROR_OPEN;
}

ZafDiskFile::~ZafDiskFile()
{
    CloseStream();
}

bool ZafDiskFile::CloseStream()
{
    if (!stream)
        return true;
    bool ok = std::fflush(stream) == 0;
    ok = std::fclose(stream) == 0 && ok;
    stream = nullptr;
    if (!ok)
        error = ZAF_FILE_ERROR_OPEN;
    return ok;
}

bool ZafDiskFile::Flush()
{
    return stream && std::fflush(stream) == 0;
}

int ZafDiskFile::ReadData(void *buffer, int count)
{
    if (!stream || count <= 0)
        return 0;
    return int(std::fread(buffer, 1, size_t(count), stream));
}

int ZafDiskFile::WriteData(const void *buffer, int count)
{
    if (!stream || count <= 0)
        return 0;
    return int(std::fwrite(buffer, 1, size_t(count), stream));
}

int ZafDiskFile::Seek(ZafInt32 offset, int whence)
{
    if (!stream)
        return -1;
    int origin = whence == 1 ? SEEK_CUR : whence == 2 ? SEEK_END : SEEK_SET;
    return std::fseek(stream, long(offset), origin) == 0 ? 0 : -1;
}

ZafInt32 ZafDiskFile::Tell()
{
    return stream ? ZafInt32(std::ftell(stream)) : 0;
}

ZafInt32 ZafDiskFile::Length()
{
    if (!stream)
        return 0;
    long position = std::ftell(stream);
    std::fseek(stream, 0, SEEK_END);
    long length = std::ftell(stream);
    std::fseek(stream, position, SEEK_SET);
    return ZafInt32(length);
}

int ZafDiskFileSystem::ChDir(const ZafIChar *path, ZafStringID, ZafNumberID)
{
    return path && _wchdir(path) == 0 ? 0 : -1;
}

int ZafDiskFileSystem::FindFirst(ZafFindStruct &, const ZafIChar *, ZafStringID, ZafNumberID)
{
    return -1;
}

int ZafDiskFileSystem::FindNext(ZafFindStruct &, const ZafIChar *, ZafStringID, ZafNumberID)
{
    return -1;
}

int ZafDiskFileSystem::GetCWD(ZafIChar *buffer, int size)
{
    return buffer && size > 0 && _wgetcwd(buffer, size) ? 0 : -1;
}

int ZafDiskFileSystem::MkDir(const ZafIChar *path, ZafStringID, ZafNumberID)
{
    return path && _wmkdir(path) == 0 ? 0 : -1;
}

int ZafDiskFileSystem::RmDir(const ZafIChar *path, bool)
{
    return path && _wrmdir(path) == 0 ? 0 : -1;
}

void ZafDiskFileSystem::Close(ZafFile *file)
{
    ZafDiskFile *disk = dynamic_cast<ZafDiskFile *>(file);
    if (disk && !disk->CloseStream())
        error = ZAF_FILE_ERROR_OPEN;
    delete file;
}

ZafFile *ZafDiskFileSystem::Open(const ZafIChar *path, int mode, ZafStringID, ZafNumberID)
{
    const wchar_t *how = (mode & ZAF_FILE_CREATE) ? L"w+b" : (mode & ZAF_FILE_READWRITE) ? L"r+b" : L"rb";
    FILE *stream = path && *path ? _wfopen(path, how) : nullptr;
    ZafDiskFile *file = new ZafDiskFile(stream);
    if (!stream)
        error = ZAF_FILE_ERROR_OPEN;
    return file;
}

int ZafDiskFileSystem::Remove(const ZafIChar *path)
{
    return path && _wremove(path) == 0 ? 0 : ZAF_FILE_ERROR_NOT_FOUND;
}

int ZafDiskFileSystem::Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID, ZafNumberID)
{
    return oldPath && newPath && _wrename(oldPath, newPath) == 0 ? 0 : ZAF_FILE_ERROR_NOT_FOUND;
}

bool ZafDiskFileSystem::Exists(const ZafIChar *path)
{
    return path && _waccess(path, 0) == 0;
}

std::wstring ZafDiskFileSystem::DirectoryPart(const std::wstring &path)
{
    size_t end = path.size();
    while (end > 0 && !IsSeparator(path[end - 1]))
        --end;
    return path.substr(0, end);
}

std::wstring ZafDiskFileSystem::FileNamePart(const std::wstring &path)
{
    return path.substr(DirectoryPart(path).size());
}

std::wstring ZafDiskFileSystem::ReplaceExtension(const std::wstring &path, const std::wstring &extension)
{
    size_t start = DirectoryPart(path).size();
    size_t dot = path.rfind(L'.');
    std::wstring base = (dot != std::wstring::npos && dot >= start) ? path.substr(0, dot) : path;
    return base + L"." + extension;
}

std::wstring ZafDiskFileSystem::TempName(const std::wstring &directory)
{
    for (int n = 0;; ++n) {
        std::wstring candidate = directory + L"ZTMP" + std::to_wstring(n) + L".$$$";
        if (!Exists(candidate.c_str()))
            return candidate;
    }
}
