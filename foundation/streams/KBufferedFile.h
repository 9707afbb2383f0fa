#pragma once
// KBufferedFile: a KFile with one buffer of a fixed size, used for reading
// and for writing (it switches between the two as the caller does). Small
// reads and writes, the text reader's character-by-character reads among
// them, cost no system call each. Close and Flush write out what is
// buffered and throw KXStream when the system refuses; the destructor writes
// it out too but swallows a failure, so close explicitly when it matters.

#include "foundation/streams/KFile.h"
#include "foundation/streams/KStreamBuffer.h"

class KBufferedFile : public KFile
{
public:
    explicit KBufferedFile(int32_t bufferSize = 4096);
    ~KBufferedFile() override;

    void Open(int mode, bool create = false) override;
    void Close() override;

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;
    int64_t DoGetSize() override;
    void DoSetSize(int64_t size) override;
    int64_t DoGetPosition() override;
    void DoSeek(int64_t offset, int origin) override;
    void DoFlush() override;

private:
    // Writes out pending output.
    void FlushWrites();
    // Forgets read-ahead bytes, moving the file back to the logical position.
    void DropReadBuffer();

    // Not cleared when made: only bytes read or written into it are used.
    KStreamBuffer itsBuffer;
    int32_t itsCapacity;
    int32_t itsNext = 0;     // reading: next unread byte of the buffer
    int32_t itsEnd = 0;      // reading: end of the bytes read ahead
    int32_t itsPending = 0;  // writing: bytes waiting to be written
};
