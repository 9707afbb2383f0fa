// Byte blocks, positions and typed values of KStream. The text half is in
// KStreamText.cpp.
#include "foundation/streams/KStream.h"

#include "foundation/errors/KX.h"

#include <cstring>

KStream::KStream() = default;
KStream::~KStream() = default;

int32_t KStream::TakeReadAhead(uint8_t *out, int32_t count)
{
    int32_t done = 0;
    while (itsBackCount > 0 && done < count) {
        out[done++] = itsBack[0];
        std::memmove(itsBack, itsBack + 1, size_t(--itsBackCount));
    }
    return done;
}

int32_t KStream::Read(void *buffer, int32_t count)
{
    return ReadUpTo(buffer, count, true);
}

int32_t KStream::ReadSome(void *buffer, int32_t count)
{
    return ReadUpTo(buffer, count, false);
}

int32_t KStream::ReadUpTo(void *buffer, int32_t count, bool whole)
{
    if (count <= 0)
        return 0;
    uint8_t *out = static_cast<uint8_t *>(buffer);
    int32_t done = TakeReadAhead(out, count);
    // The transport may deliver a block in pieces: a whole read asks until it
    // reports the end. Bytes in hand are not held back by a transport that waits.
    while (done < count && (whole || done == 0)) {
        int32_t n = DoRead(out + done, count - done);
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

void KStream::Write(const void *buffer, int32_t count)
{
    if (count > 0)
        DoWrite(buffer, count);
}

void KStream::ReadExact(void *buffer, int32_t count)
{
    if (Read(buffer, count) != count)
        throw KXStream(kErrFileRead);
}

int64_t KStream::GetSize() { return DoGetSize(); }

void KStream::SetSize(int64_t size)
{
    itsBackCount = 0;
    DoSetSize(size);
}

int64_t KStream::GetPosition()
{
    int64_t position = DoGetPosition();
    return position < 0 ? position : position - itsBackCount;
}

void KStream::Seek(int64_t offset, int origin)
{
    // Bytes read ahead lie behind the transport's position.
    if (origin == kFromCurrent)
        offset -= itsBackCount;
    itsBackCount = 0;
    DoSeek(offset, origin);
}

int64_t KStream::Remaining()
{
    int64_t size = GetSize();
    int64_t position = GetPosition();
    if (size < 0 || position < 0)
        return -1;
    return size > position ? size - position : 0;
}

void KStream::Flush() { DoFlush(); }

int64_t KStream::DoGetSize() { return -1; }
void KStream::DoSetSize(int64_t) { throw KXStream(kErrFileAccess); }
int64_t KStream::DoGetPosition() { return -1; }
void KStream::DoSeek(int64_t, int) { throw KXStream(kErrFileAccess); }

void KStream::WriteU8(uint8_t value) { Write(&value, 1); }

void KStream::WriteU16(uint16_t value)
{
    uint8_t bytes[2] = {uint8_t(value), uint8_t(value >> 8)};
    Write(bytes, 2);
}

void KStream::WriteU32(uint32_t value)
{
    uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    Write(bytes, 4);
}

void KStream::WriteDouble(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteU32(uint32_t(bits));
    WriteU32(uint32_t(bits >> 32));
}

uint8_t KStream::ReadU8()
{
    uint8_t value;
    ReadExact(&value, 1);
    return value;
}

uint16_t KStream::ReadU16()
{
    uint8_t b[2];
    ReadExact(b, 2);
    return uint16_t(b[0] | (b[1] << 8));
}

uint32_t KStream::ReadU32()
{
    uint8_t b[4];
    ReadExact(b, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

double KStream::ReadDouble()
{
    uint64_t low = ReadU32();
    uint64_t high = ReadU32();
    uint64_t bits = low | (high << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
