#pragma once
// Test stand-in for the application object: a program path inside a fresh
// scratch folder and a settable argument list. Installs itself as the
// foundation's application hooks for its lifetime and removes the scratch
// folder (with the files the test left) at the end.

#include "foundation/app/KApplicationHooks.h"
#include "foundation/strings/KString.h"

#include <windows.h>

#include <string>
#include <vector>

class KTestApplication : public KApplicationHooks
{
public:
    explicit KTestApplication(const wchar_t *programName = L"test.exe")
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        itsFolder = std::wstring(temp) + L"kfound_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                    std::to_wstring(++counter);
        CreateDirectoryW(itsFolder.c_str(), nullptr);
        itsProgram = itsFolder + L"\\" + programName;
        KSetApplicationHooks(this);
    }
    ~KTestApplication() override
    {
        KSetApplicationHooks(nullptr);
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((itsFolder + L"\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((itsFolder + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(itsFolder.c_str());
    }

    void ProgramPath(KString &path) const override { path.Append(itsProgram.c_str()); }
    const wchar_t *FindOption(const wchar_t *option) const override
    {
        KString wanted(option);
        for (const std::wstring &argument : itsArguments)
            if (KString(argument.c_str()).EqualsIgnoreCase(wanted, wanted.Length()))
                return argument.c_str();
        return nullptr;
    }

    // The scratch folder, without a trailing separator.
    const std::wstring &Folder() const { return itsFolder; }
    // A path inside the scratch folder.
    std::wstring PathOf(const wchar_t *name) const { return itsFolder + L"\\" + name; }
    void SetProgram(const std::wstring &path) { itsProgram = path; }
    void AddArgument(const wchar_t *argument) { itsArguments.emplace_back(argument); }

private:
    std::wstring itsFolder;
    std::wstring itsProgram;
    std::vector<std::wstring> itsArguments;
};
