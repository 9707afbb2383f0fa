// Test helpers: memory stream and scratch folder.
#include "foundation/support/TestStreams.h"

#include "foundation/registry/KRNode.h"
#include "foundation/streams/KFile.h"
#include "foundation/streams/KFileInfo.h"

#include <windows.h>

#include "support/RemoveTree.h"
#include "support/TestBytes.h"

#include <cstring>

int32_t MemoryStream::DoRead(void *buffer, int32_t count)
{
    int64_t left = int64_t(itsBytes.size()) - itsPosition;
    int64_t n = count < left ? count : left;
    if (itsReadLimit > 0 && n > itsReadLimit)
        n = itsReadLimit;
    if (n <= 0)
        return 0;
    std::memcpy(buffer, itsBytes.data() + itsPosition, size_t(n));
    itsPosition += n;
    return int32_t(n);
}

void MemoryStream::DoWrite(const void *buffer, int32_t count)
{
    if (itsFailAfter >= 0 && itsWritten + count > itsFailAfter)
        throw KXStream(kErrFileWrite);
    itsWritten += count;
    if (size_t(itsPosition + count) > itsBytes.size())
        itsBytes.resize(size_t(itsPosition + count));
    std::memcpy(itsBytes.data() + itsPosition, buffer, size_t(count));
    itsPosition += count;
}

void MemoryStream::DoSeek(int64_t offset, int origin)
{
    int64_t base = origin == kFromStart ? 0 : origin == kFromCurrent ? itsPosition : int64_t(itsBytes.size());
    itsPosition = base + offset;
    if (itsPosition < 0)
        itsPosition = 0;
}

ScratchFolder::ScratchFolder()
{
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t name[64];
    swprintf(name, 64, L"kstest_%lu_%d\\", GetCurrentProcessId(), ++counter);
    itsPath = temp;
    itsPath.Append(name);
    CreateDirectoryW(itsPath.CStr(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(itsPath.CStr()); }

KString ScratchFolder::File(const wchar_t *name) const
{
    KString path(itsPath);
    path.Append(name);
    return path;
}

void ScratchFolder::WriteFile(const wchar_t *name, const std::string &bytes) const
{
    HANDLE file = CreateFileW(File(name).CStr(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &done, nullptr);
    CloseHandle(file);
}

std::set<std::wstring> ScratchFolder::Names(const wchar_t *folder) const
{
    std::set<std::wstring> names;
    KString all(folder ? folder : L"");
    all.Append(folder ? L"\\*" : L"*");
    KFile pattern(File(all.CStr()).CStr());
    KFileInfo info;
    while (pattern.FindNext(info))
        names.insert(info.GetName().CStr());
    return names;
}

std::string ScratchFolder::ReadFile(const wchar_t *name) const
{
    return ReadWholeFile(File(name).CStr());
}

int32_t CodeOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const KX &error) {
        return error.Code();
    }
    return 0;
}

std::string Lines(const KRNode &node)
{
    MemoryStream stream;
    stream.SetWriteLineEnd(KStream::kLineEndLF);
    node.Write(stream);
    return stream.Text();
}
