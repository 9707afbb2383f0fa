#pragma once
// ZafStorage: a file system inside one framework data file (".zaf"). The
// whole directory tree is read when the storage opens; the files inside it
// are ZafStorageFile objects held in memory. While a writable storage is
// open, closed modified files go to a temporary file next to it
// ("ZTMP<n>.$$$"); the data file on disk changes only in Save, which writes a
// fresh, compact file and puts it in place. The storage owns its tree, its
// disk file system, its disk files and the storage files it opened until they
// are closed. GUI thread only.
//
// The file ("Zaf5 Data File Version 5.1U", little-endian):
//   0   64 bytes  signature text, 0x1A, zeros
//   64  u8 major version 5, u8 minor version 6, u16 magic 0x05AF
//   68  u32 offset of the directory tree
//   72  the files' data, each in one piece
//   directory: the root's name "~", then the root's record:
//     string id, i16 number id, i32 data offset (-1: none), i32 length,
//     u16 flags (bit 0 directory), each child's name and record, an empty name.
//
// Reading trusts nothing in the file: offsets and lengths must lie inside
// it, names are at most 255 characters, the tree at most 64 levels deep;
// anything else is error 16 (18 for a foreign header) with an empty tree.

#include "framework/core/storage/ZafDirectoryElement.h"
#include "framework/core/storage/ZafStorageFile.h"

#include <string>
#include <vector>

class ZafDiskFileSystem;
class ZafDiskFile;

constexpr ZafUInt16 ZAF_STORAGE_VERSION = 0x0506;         // major 5, minor 6
constexpr ZafUInt16 ZAF_STORAGE_MAGIC = 0x05AF;
constexpr int ZAF_STORAGE_HEADER_SIZE = 72;
constexpr int ZAF_STORAGE_MAX_NAME = 255;                  // characters of a name or path
constexpr int ZAF_STORAGE_MAX_DEPTH = 64;                  // directory levels read from a file
constexpr int ZAF_STORAGE_MAX_BACKUPS = 9;

class ZafStorage : public ZafFileSystem
{
public:
    // An empty writable storage without a file name; its temporary file is
    // made in the current directory. SaveAs gives it a name.
    ZafStorage();
    // Opens (mode 1 read, 2 read-write) or creates (4 create empty, 8 open
    // or create) the storage file; ".zaf" is added to a name without an
    // extension. Failures leave an empty tree and the error code set.
    ZafStorage(const ZafIChar *fileName, int mode);
    // The same over a given disk file system, which the storage takes over.
    ZafStorage(const ZafIChar *fileName, int mode, ZafDiskFileSystem *fileSystem);
    ~ZafStorage() override;

    // GetCWD gives "~" for the root, else "~a~b". Close appends a modified
    // file's data to the temporary file and deletes the file object. Open's
    // mode bits: 1 read, 2 write, 4 create (replace), 8 open or create; it
    // answers null for a directory, a path that does not resolve or a
    // missing file that is not to be made.
    ZAF_FILE_SYSTEM_OPERATIONS(ZafStorageFile);

    // Writes the storage to its file, keeping backups ".bk1" ... ".bk9" of the
    // previous files. Answers 0, -1 (error code set), 10 (read-only) or 14
    // (no temporary file). The file on disk is replaced only by a complete
    // new file; on any failure the previous file stays in place.
    int Save(int backups = 0);
    int SaveAs(const ZafIChar *newName, int backups = 0);

    int Mode() const { return mode; }
    bool Writable() const { return (mode & ZAF_FILE_READWRITE) != 0; }
    ZafUInt16 Version() const { return version; }
    const ZafIChar *FileName() const { return fileName.c_str(); }
    const ZafIChar *TempFileName() const { return tempName.c_str(); }
    // The file-name part of the storage's name.
    const ZafIChar *StringID() const { return stringID.c_str(); }
    ZafDirectoryElement *Root() const { return root; }
    ZafDirectoryElement *CurrentDirectory() const { return currentDirectory; }

    // The name with ".zaf" appended when its last component has no ".".
    static std::wstring StorageFileName(const ZafIChar *name);

private:
    void OpenStorage(const ZafIChar *name, int openMode);
    void MakeEmptyRoot();
    bool ReadHeader(ZafFile &file);
    bool ReadTree(ZafFile &file);
    ZafDirectoryElement *ReadRecord(ZafFile &file, const ZafIChar *name, ZafInt32 fileLength, int depth);
    bool ReadName(ZafFile &file, std::wstring &name);
    bool MakeTempFile();
    void SetName(const ZafIChar *name);

    // Paths.
    ZafDirectoryElement *Resolve(const ZafIChar *path);
    // The directory of all but the last component and that component; null
    // when the directory does not resolve.
    ZafDirectoryElement *SplitPath(const ZafIChar *path, std::wstring &name);
    ZafDirectoryElement *FindChild(ZafDirectoryElement *directory, const std::wstring &pattern,
        ZafDirectoryElement *after = nullptr, ZafStringID stringID = nullptr, ZafNumberID numberID = 0);
    static bool IdsMatch(const ZafDirectoryElement *entry, ZafStringID stringID, ZafNumberID numberID);
    void FillFind(ZafFindStruct &find, ZafDirectoryElement *entry);
    // Deletes an entry and its subtree, detaching open files from it.
    void DeleteEntry(ZafDirectoryElement *entry);
    void DetachFiles(ZafDirectoryElement *entry);

    // Saving.
    bool WriteStorage(ZafFile &out, std::vector<std::pair<ZafDirectoryElement *, ZafInt32>> &offsets);
    bool CopyData(ZafFile &out, ZafDirectoryElement *entry,
        std::vector<std::pair<ZafDirectoryElement *, ZafInt32>> &offsets);
    bool WriteRecord(ZafFile &out, ZafDirectoryElement *entry,
        const std::vector<std::pair<ZafDirectoryElement *, ZafInt32>> &offsets, size_t &index);
    bool PutInPlace(const std::wstring &newFile, int backups);
    bool CopyFile(const std::wstring &from, const std::wstring &to);
    std::wstring BackupName(int number) const;
    void PointEntriesAt(ZafDirectoryElement *entry, ZafFile *from, ZafFile *to);
    void ReopenAfterSave(const std::vector<std::pair<ZafDirectoryElement *, ZafInt32>> &offsets);

    int mode = ZAF_FILE_READWRITE;
    ZafUInt16 version = ZAF_STORAGE_VERSION;
    ZafDiskFile *storageFile = nullptr;     // open while the storage is open from a file
    ZafDiskFile *tempFile = nullptr;        // collects the data of closed files
    ZafDiskFileSystem *diskFileSystem;
    std::wstring fileName;
    std::wstring tempName;
    std::wstring stringID;
    ZafDirectoryElement *currentDirectory = nullptr;
    ZafDirectoryElement *root = nullptr;
    std::vector<ZafStorageFile *> openFiles;
};
