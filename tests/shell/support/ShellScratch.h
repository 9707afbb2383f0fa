#ifndef SHELL_SCRATCH_H
#define SHELL_SCRATCH_H

// A fresh scratch folder under the temporary folder, removed with what it
// holds at the end; small file helpers for the shell tests.
#include <string>

class ShellScratch
{
public:
    explicit ShellScratch(const wchar_t *prefix = L"qshell");
    ~ShellScratch();
    ShellScratch(const ShellScratch &) = delete;
    ShellScratch &operator=(const ShellScratch &) = delete;

    // The folder, without a trailing separator.
    const std::wstring &Folder() const { return folder; }
    std::wstring PathOf(const std::wstring &name) const { return folder + L"\\" + name; }

private:
    std::wstring folder;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::wstring &path);
void WriteBytes(const std::wstring &path, const std::string &bytes);
bool FileExists(const std::wstring &path);
// The folder of the built program (build/bin), found from this test's own location.
std::wstring BuiltProgramFolder();

#endif
