#include "framework/core/storage/ZafFile.h"

#include <cstring>

int ZafFile::ReadExact(void *buffer, int count)
{
    int read = ReadData(buffer, count);
    if (read != count) {
        std::memset(buffer, 0, size_t(count));
        error = ZAF_FILE_ERROR_FORMAT;
        return 0;
    }
    return read;
}

int ZafFile::WriteExact(const void *buffer, int count)
{
    int written = WriteData(buffer, count);
    if (written != count)
        error = ZAF_FILE_ERROR_FORMAT;
    return written;
}

int ZafFile::ReadUInt8(ZafUInt8 &value)
{
    return ReadExact(&value, 1);
}

int ZafFile::ReadUInt16(ZafUInt16 &value)
{
    ZafUInt8 bytes[2];
    int read = ReadExact(bytes, 2);
    value = ZafUInt16(bytes[0] | (bytes[1] << 8));
    return read;
}

int ZafFile::ReadInt16(ZafInt16 &value)
{
    ZafUInt16 raw;
    int read = ReadUInt16(raw);
    value = ZafInt16(raw);
    return read;
}

int ZafFile::ReadUInt32(ZafUInt32 &value)
{
    ZafUInt8 bytes[4];
    int read = ReadExact(bytes, 4);
    value = ZafUInt32(bytes[0]) | (ZafUInt32(bytes[1]) << 8) | (ZafUInt32(bytes[2]) << 16) |
            (ZafUInt32(bytes[3]) << 24);
    return read;
}

int ZafFile::ReadInt32(ZafInt32 &value)
{
    ZafUInt32 raw;
    int read = ReadUInt32(raw);
    value = ZafInt32(raw);
    return read;
}

int ZafFile::ReadBlock(void *buffer, int size, int count)
{
    if (size <= 0 || count <= 0)
        return 0;
    int read = ReadData(buffer, size * count);
    if (read != size * count)
        error = ZAF_FILE_ERROR_FORMAT;
    return read / size;
}

int ZafFile::ReadStringHeader(ZafUInt16 &count, bool &wide)
{
    ZafUInt16 header;
    if (!ReadUInt16(header))
        return -1;
    count = header & 0x7FFF;
    wide = (header & 0x8000) != 0;
    // Refuse a count the rest of the file cannot hold before reading on.
    ZafInt32 needed = ZafInt32(count) * (wide ? 2 : 1);
    if (needed > Length() - Tell()) {
        error = ZAF_FILE_ERROR_FORMAT;
        return -1;
    }
    return count;
}

int ZafFile::ReadString(ZafIChar *buffer, int size)
{
    if (buffer && size != 0)
        buffer[0] = 0;
    ZafUInt16 count;
    bool wide;
    if (ReadStringHeader(count, wide) < 0)
        return -1;
    int stored = 0;
    for (int i = 0; i < count; ++i) {
        ZafIChar c;
        if (wide) {
            ZafUInt16 value;
            if (!ReadUInt16(value))
                return -1;
            c = ZafIChar(value);
        } else {
            ZafUInt8 value;
            if (!ReadUInt8(value))
                return -1;
            c = ZafIChar(value);
        }
        if (buffer && (size < 0 || stored < size - 1))
            buffer[stored++] = c;
    }
    if (buffer && size != 0)
        buffer[stored] = 0;
    return stored;
}

ZafIChar *ZafFile::ReadNewString()
{
    ZafInt32 start = Tell();
    ZafUInt16 count;
    bool wide;
    if (ReadStringHeader(count, wide) <= 0)
        return nullptr;
    Seek(start, 0);
    ZafIChar *text = new ZafIChar[count + 1];
    if (ReadString(text, count + 1) < 0) {
        delete[] text;
        return nullptr;
    }
    return text;
}

int ZafFile::WriteUInt8(ZafUInt8 value)
{
    return WriteExact(&value, 1);
}

int ZafFile::WriteUInt16(ZafUInt16 value)
{
    ZafUInt8 bytes[2] = { ZafUInt8(value), ZafUInt8(value >> 8) };
    return WriteExact(bytes, 2);
}

int ZafFile::WriteInt16(ZafInt16 value)
{
    return WriteUInt16(ZafUInt16(value));
}

int ZafFile::WriteUInt32(ZafUInt32 value)
{
    ZafUInt8 bytes[4] = { ZafUInt8(value), ZafUInt8(value >> 8), ZafUInt8(value >> 16), ZafUInt8(value >> 24) };
    return WriteExact(bytes, 4);
}

int ZafFile::WriteInt32(ZafInt32 value)
{
    return WriteUInt32(ZafUInt32(value));
}

int ZafFile::WriteBlock(const void *buffer, int size, int count)
{
    if (size <= 0 || count <= 0)
        return 0;
    return WriteExact(buffer, size * count) / size;
}

int ZafFile::WriteString(const ZafIChar *text)
{
    int count = 0;
    bool wide = false;
    while (text && text[count] && count < ZAF_MAX_STORAGE_STRING) {
        if (ZafUInt16(text[count]) > 255)
            wide = true;
        ++count;
    }
    int written = WriteUInt16(ZafUInt16(count | (wide ? 0x8000 : 0)));
    for (int i = 0; i < count; ++i)
        written += wide ? WriteUInt16(ZafUInt16(text[i])) : WriteUInt8(ZafUInt8(text[i]));
    return written;
}
