#pragma once
// ZafStorageFile: a file inside a ZafStorage, held whole in memory. Reads and
// writes work on the buffer; ZafStorage::Close appends a modified buffer to
// the storage's temporary file and deletes the file object. The capacity
// starts at 60 bytes and doubles as writes need room; Seek clamps to the
// data. Made and owned by the storage that opened it, until Close. GUI
// thread only.

#include "framework/core/storage/ZafFile.h"

class ZafDirectoryElement;

class ZafStorageFile : public ZafFile
{
public:
    // Takes ownership of buffer (null: an empty buffer of 60 bytes) holding
    // length bytes.
    ZafStorageFile(int mode, ZafUInt8 *buffer, ZafInt32 length);
    ~ZafStorageFile() override;

    int ReadData(void *buffer, int count) override;
    int WriteData(const void *buffer, int count) override;
    int Seek(ZafInt32 offset, int whence) override;
    ZafInt32 Tell() override { return position; }
    ZafInt32 Length() override { return length; }

    int Mode() const { return mode; }
    bool Modified() const { return modified; }
    const ZafUInt8 *Data() const { return data; }
    ZafInt32 Capacity() const { return capacity; }
    // The directory entry the file belongs to (null once the entry is gone).
    ZafDirectoryElement *Entry() const { return entry; }
    void SetEntry(ZafDirectoryElement *newEntry) { entry = newEntry; }

private:
    int mode;
    bool modified = false;
    ZafUInt8 *data;
    ZafInt32 capacity;
    ZafInt32 length;
    ZafInt32 position = 0;
    ZafDirectoryElement *entry = nullptr;
};
