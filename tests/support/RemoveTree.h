#pragma once
// RemoveTree: deletes a scratch folder of the tests with everything in it.
// Header only, so that every test program's scratch helper can use it
// without another source in its list.
#include <windows.h>

#include <string>

// Deletes the files and sub-folders of folder (with or without a trailing
// separator), then the folder itself; whatever cannot be deleted stays.
inline void RemoveTree(const std::wstring &folder)
{
    const std::wstring base = !folder.empty() && folder.back() == L'\\' ? folder : folder + L"\\";
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((base + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(base + name);
            else
                DeleteFileW((base + name).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}
