#pragma once
// ZafFileSystem: the abstract file system the framework reads its data
// through: a tree of directories and files, each entry with a name, an
// optional string id and a 16-bit number id. ZafStorage (a file system inside
// one data file) and ZafDiskFileSystem (the native one) derive from it. The
// error code holds the last failure. One thread at a time.

#include "framework/core/storage/ZafFile.h"

class ZafDirectoryElement;

// Entry flags.
constexpr ZafUInt16 ZAF_ENTRY_DIRECTORY = 0x0001;    // the entry is a directory

// Filled by FindFirst and FindNext; the texts belong to the entry found and
// live as long as it does.
struct ZafFindStruct
{
    const ZafIChar *name = nullptr;
    const ZafIChar *stringID = nullptr;
    ZafUInt16 numberID = 0;
    ZafUInt32 size = 0;                  // data length in bytes
    ZafUInt16 flags = 0;                 // ZAF_ENTRY_DIRECTORY
    ZafDirectoryElement *entry = nullptr;
};

// Open modes.
constexpr int ZAF_FILE_READ = 0x01;
constexpr int ZAF_FILE_READWRITE = 0x02;
constexpr int ZAF_FILE_CREATE = 0x04;
constexpr int ZAF_FILE_OPENCREATE = 0x08;            // storages: open, or create when missing
constexpr int ZAF_FILE_BINARY = 0x20;

// Inside the class body of a file system: the overrides of every operation,
// Open answering a FileType pointer.
#define ZAF_FILE_SYSTEM_OPERATIONS(FileType)                                                \
    int ChDir(const ZafIChar *path, ZafStringID stringID = nullptr, ZafNumberID numberID = 0) override; \
    int FindFirst(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr, \
        ZafNumberID numberID = 0) override;                                                 \
    int FindNext(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr, \
        ZafNumberID numberID = 0) override;                                                 \
    int GetCWD(ZafIChar *buffer, int size) override;                                        \
    int MkDir(const ZafIChar *path, ZafStringID stringID = nullptr, ZafNumberID numberID = 0) override; \
    int RmDir(const ZafIChar *path, bool recursive = false) override;                       \
    void Close(ZafFile *file) override;                                                     \
    FileType *Open(const ZafIChar *path, int mode, ZafStringID stringID = nullptr,          \
        ZafNumberID numberID = 0) override;                                                 \
    int Remove(const ZafIChar *path) override;                                              \
    int Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID stringID = nullptr, \
        ZafNumberID numberID = 0) override

class ZafFileSystem
{
public:
    ZafFileSystem() = default;
    ZafFileSystem(const ZafFileSystem &) = delete;
    ZafFileSystem &operator=(const ZafFileSystem &) = delete;
    virtual ~ZafFileSystem() = default;

    ZafError Error() const { return error; }
    ZafError SetError(ZafError code) { return error = code; }

    // Each answers 0 on success, -1 (or the code given in the class) else.
    virtual int ChDir(const ZafIChar *path, ZafStringID stringID = nullptr, ZafNumberID numberID = 0) = 0;
    virtual int FindFirst(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0) = 0;
    virtual int FindNext(ZafFindStruct &find, const ZafIChar *pattern, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0) = 0;
    // Ends a search; nothing to release in the framework's file systems.
    virtual int FindClose(ZafFindStruct &) { return 0; }
    // The current directory into buffer (size characters with terminator).
    virtual int GetCWD(ZafIChar *buffer, int size) = 0;
    virtual int MkDir(const ZafIChar *path, ZafStringID stringID = nullptr, ZafNumberID numberID = 0) = 0;
    virtual int RmDir(const ZafIChar *path, bool recursive = false) = 0;
    // Closes (and deletes) a file this file system opened.
    virtual void Close(ZafFile *file) = 0;
    virtual ZafFile *Open(const ZafIChar *path, int mode, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0) = 0;
    virtual int Remove(const ZafIChar *path) = 0;
    virtual int Rename(const ZafIChar *oldPath, const ZafIChar *newPath, ZafStringID stringID = nullptr,
        ZafNumberID numberID = 0) = 0;

protected:
    ZafError error = 0;
};
