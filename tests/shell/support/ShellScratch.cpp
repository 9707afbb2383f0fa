#include "shell/support/ShellScratch.h"

#include <windows.h>

#include "support/RemoveTree.h"
#include "support/TestBytes.h"

ShellScratch::ShellScratch(const wchar_t *prefix)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    folder = std::wstring(temp) + prefix + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_"
             + std::to_wstring(++counter);
    CreateDirectoryW(folder.c_str(), nullptr);
}

ShellScratch::~ShellScratch()
{
    RemoveTree(folder);
}

std::string ReadBytes(const std::wstring &path)
{
    return ReadWholeFile(path);
}

void WriteBytes(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring BuiltProgramFolder()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder = path;
    for (int level = 0; level < 3; ++level)
        folder.erase(folder.find_last_of(L"\\/"));
    return folder + L"\\bin";
}
