#pragma once
// Scratch folders and whole-file helpers for the storage tests. Each test
// works in its own folder below the test program's working directory.

#include "framework/core/storage/ZafDiskFileSystem.h"

#include <string>
#include <vector>

class ZafScratchFolder
{
public:
    // A fresh, empty folder named after the test.
    explicit ZafScratchFolder(const std::wstring &name);
    ~ZafScratchFolder();

    // The folder's path joined with name.
    std::wstring Path(const std::wstring &name) const { return folder + L"\\" + name; }
    bool Exists(const std::wstring &name) const;
    std::vector<unsigned char> Read(const std::wstring &name) const;
    void Write(const std::wstring &name, const std::vector<unsigned char> &bytes) const;
    // Names of the files in the folder.
    std::vector<std::wstring> Files() const;

private:
    void Empty() const;
    std::wstring folder;
};

// A disk file system that fails on demand: writes come back short (as on a
// full disk), to every file or only to files whose name ends with a given
// text; renames of temporary files ("ZTMP...") fail.
class ZafFailingDiskFileSystem : public ZafDiskFileSystem
{
public:
    bool failWrites = false;
    std::wstring failWritesTo;
    bool failTemporaryRenames = false;
    std::wstring failOpensOf;           // opens of paths ending with this fail
    ZafFile *Open(const ZafIChar *path, int mode, ZafStringID stringID = nullptr, ZafNumberID numberID = 0) override;
    int Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0) override;
};
