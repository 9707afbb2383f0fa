#pragma once
// ZafDiskFileSystem: the native file system under ZafStorage. Open never
// answers null: a file that could not be opened carries ZAF_FILE_ERROR_OPEN and
// moves no bytes. Paths are wide and go to the C runtime's wide calls. The path
// helpers split a path, replace its extension and find a free temporary name
// ("ZTMP" + number + ".$$$"). Virtual, so that another file system (one whose
// writes fail, say) can stand in for it. One thread at a time.

#include "framework/core/storage/ZafFileSystem.h"

#include <cstdio>
#include <string>

// A native file (binary). Owned by whoever opened it; Close deletes it.
class ZafDiskFile : public ZafFile
{
public:
    // Takes the C runtime stream (null: a failed open, error 14).
    explicit ZafDiskFile(FILE *stream);
    ~ZafDiskFile() override;

    int ReadData(void *buffer, int count) override;
    int WriteData(const void *buffer, int count) override;
    int Seek(ZafInt32 offset, int whence) override;
    ZafInt32 Tell() override;
    ZafInt32 Length() override;
    // Flushes and closes the stream; answers false (error 14) when buffered
    // data could not be written. Idempotent.
    bool CloseStream();
    // Hands buffered data to the system; false when it could not be written.
    bool Flush();
    bool IsOpen() const { return stream != nullptr; }

private:
    FILE *stream;
};

class ZafDiskFileSystem : public ZafFileSystem
{
public:
    ZafDiskFileSystem() = default;

    // The disk file system does not enumerate: FindFirst and FindNext answer
    // -1. Close closes the stream (a failed flush sets this file system's
    // error 14) and deletes the file. Open's mode: 1 read, 2 read-write, 4
    // create (empty, read-write), 0x20 binary (always binary); it never
    // answers null. Rename fails (non-zero) when the new name exists.
    ZAF_FILE_SYSTEM_OPERATIONS(ZafFile);

    bool Exists(const ZafIChar *path);

    // Path helpers (the separators are "\" and "/", and ":" after a drive).
    // The directory part with its trailing separator ("" when none).
    static std::wstring DirectoryPart(const std::wstring &path);
    static std::wstring FileNamePart(const std::wstring &path);
    // The path with its extension replaced (the "." added when missing).
    static std::wstring ReplaceExtension(const std::wstring &path, const std::wstring &extension);
    // "ZTMP" + the first number from 0 whose file does not exist + ".$$$" in
    // directory (which ends in a separator or is empty).
    std::wstring TempName(const std::wstring &directory);
};
