#include "framework/core/storage/ZafFile.h"

#include <cstring>
#include <type_traits>

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

template <class Value>
int ZafFile::ReadLittleEndian(Value &value)
{
    ZafUInt8 bytes[sizeof(Value)] = {};
    const int read = ReadExact(bytes, int(sizeof bytes));
    std::make_unsigned_t<Value> raw = 0;
    for (size_t i = sizeof bytes; i-- > 0;)
        raw = std::make_unsigned_t<Value>((raw << 8) | bytes[i]);
    value = Value(raw);
    return read;
}

template <class Value>
int ZafFile::WriteLittleEndian(Value value)
{
    const auto raw = std::make_unsigned_t<Value>(value);
    ZafUInt8 bytes[sizeof(Value)];
    for (size_t i = 0; i < sizeof bytes; ++i)
        bytes[i] = ZafUInt8(raw >> (8 * i));
    return WriteExact(bytes, int(sizeof bytes));
}

int ZafFile::ReadUInt8(ZafUInt8 &value) { return ReadLittleEndian(value); }
int ZafFile::ReadInt16(ZafInt16 &value) { return ReadLittleEndian(value); }
int ZafFile::ReadUInt16(ZafUInt16 &value) { return ReadLittleEndian(value); }
int ZafFile::ReadInt32(ZafInt32 &value) { return ReadLittleEndian(value); }
int ZafFile::ReadUInt32(ZafUInt32 &value) { return ReadLittleEndian(value); }

int ZafFile::WriteUInt8(ZafUInt8 value) { return WriteLittleEndian(value); }
int ZafFile::WriteInt16(ZafInt16 value) { return WriteLittleEndian(value); }
int ZafFile::WriteUInt16(ZafUInt16 value) { return WriteLittleEndian(value); }
int ZafFile::WriteInt32(ZafInt32 value) { return WriteLittleEndian(value); }
int ZafFile::WriteUInt32(ZafUInt32 value) { return WriteLittleEndian(value); }

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
