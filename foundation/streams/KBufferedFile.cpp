// KBufferedFile: the buffer between the caller and the system file.
#include "foundation/streams/KBufferedFile.h"

#include <cstring>

namespace
{
int32_t Capacity(int32_t requested) { return requested > 16 ? requested : 16; }

// Copies into the buffer. The typed values (a few bytes each, tens of
// thousands of them in a document) are copied in place: calling the
// library's copy costs more than such a value.
void CopyBytes(uint8_t *to, const void *from, int32_t count)
{
    const uint8_t *bytes = static_cast<const uint8_t *>(from);
    if (count > 8) {
        std::memcpy(to, bytes, size_t(count));
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        to[i] = bytes[i];
}
} // namespace

KBufferedFile::KBufferedFile(int32_t bufferSize)
    : itsBuffer(Capacity(bufferSize)), itsCapacity(Capacity(bufferSize))
{
}

KBufferedFile::~KBufferedFile()
{
    try {
        FlushWrites();
    } catch (...) {
        // Nothing may leave a destructor; Close reports this failure.
    }
    CloseHandleOnly();
}

void KBufferedFile::Open(int mode, bool create)
{
    KFile::Open(mode, create);
    itsNext = itsEnd = itsPending = 0;
}

void KBufferedFile::Close()
{
    try {
        FlushWrites();
    } catch (...) {
        itsPending = 0;
        CloseHandleOnly();
        throw;
    }
    itsNext = itsEnd = 0;
    CloseHandleOnly();
}

void KBufferedFile::FlushWrites()
{
    if (itsPending > 0) {
        int32_t count = itsPending;
        itsPending = 0;
        KFile::DoWrite(itsBuffer.Data(), count);
    }
}

void KBufferedFile::DropReadBuffer()
{
    int32_t unread = itsEnd - itsNext;
    itsNext = itsEnd = 0;
    if (unread > 0)
        KFile::DoSeek(-int64_t(unread), kFromCurrent);
}

int32_t KBufferedFile::DoRead(void *buffer, int32_t count)
{
    FlushWrites();
    if (itsNext == itsEnd) {
        // A large read bypasses the buffer.
        if (count >= itsCapacity)
            return KFile::DoRead(buffer, count);
        itsNext = 0;
        itsEnd = KFile::DoRead(itsBuffer.Data(), itsCapacity);
        if (itsEnd <= 0) {
            itsEnd = 0;
            return 0;
        }
    }
    int32_t n = count < itsEnd - itsNext ? count : itsEnd - itsNext;
    std::memcpy(buffer, itsBuffer.Data() + itsNext, size_t(n));
    itsNext += n;
    return n;
}

void KBufferedFile::DoWrite(const void *buffer, int32_t count)
{
    if (itsNext != itsEnd)
        DropReadBuffer();
    // The buffer goes to the system only when full: a long file is written
    // in pieces of the buffer's size, each ending on a page boundary.
    const uint8_t *bytes = static_cast<const uint8_t *>(buffer);
    while (count > 0) {
        if (itsPending == 0 && count >= itsCapacity) {
            KFile::DoWrite(bytes, count);
            return;
        }
        const int32_t n = count < itsCapacity - itsPending ? count : itsCapacity - itsPending;
        CopyBytes(itsBuffer.Data() + itsPending, bytes, n);
        itsPending += n;
        bytes += n;
        count -= n;
        if (itsPending == itsCapacity)
            FlushWrites();
    }
}

int64_t KBufferedFile::DoGetSize()
{
    FlushWrites();
    return KFile::DoGetSize();
}

void KBufferedFile::DoSetSize(int64_t size)
{
    FlushWrites();
    DropReadBuffer();
    KFile::DoSetSize(size);
}

int64_t KBufferedFile::DoGetPosition()
{
    return KFile::DoGetPosition() - (itsEnd - itsNext) + itsPending;
}

void KBufferedFile::DoSeek(int64_t offset, int origin)
{
    FlushWrites();
    DropReadBuffer();
    KFile::DoSeek(offset, origin);
}

void KBufferedFile::DoFlush() { FlushWrites(); }
