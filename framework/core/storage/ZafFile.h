#pragma once
// ZafFile: an abstract random-access file with an error code. Derived classes
// supply the raw transfers (ReadData, WriteData, Seek, Tell, Length); this
// class adds the typed little-endian reads and writes of the framework's
// data files and the storage string form: a u16 header whose bits 0-14 give
// the number of characters and whose bit 15 says that the characters follow
// as u16 (else as one byte each). A short transfer sets error 16 and leaves
// the out value zero. Whoever opened a file closes it through the file
// system that made it. One thread at a time.

#include "framework/core/base/ZafTypes.h"

// Error codes of files and file systems (also the storage's).
constexpr ZafError ZAF_FILE_ERROR_NOT_FOUND = 2;      // no such entry
constexpr ZafError ZAF_FILE_ERROR_ID_MISMATCH = 8;    // string id or number id differ
constexpr ZafError ZAF_FILE_ERROR_NOT_WRITABLE = 10;  // storage opened read-only
constexpr ZafError ZAF_FILE_ERROR_OPEN = 14;          // a disk file cannot be opened or made
constexpr ZafError ZAF_FILE_ERROR_FORMAT = 16;        // bad path or directory, short transfer
constexpr ZafError ZAF_FILE_ERROR_SHORT_COPY = 17;    // short write while copying into place
constexpr ZafError ZAF_FILE_ERROR_HEADER = 18;        // not a framework data file

// Longest storage string in characters (the 15 bits of its header).
constexpr int ZAF_MAX_STORAGE_STRING = 0x7FFF;

class ZafFile
{
public:
    ZafFile() = default;
    ZafFile(const ZafFile &) = delete;
    ZafFile &operator=(const ZafFile &) = delete;
    virtual ~ZafFile() = default;

    ZafError Error() const { return error; }
    ZafError SetError(ZafError code) { return error = code; }

    // Raw transfers: each answers the bytes moved.
    virtual int ReadData(void *buffer, int count) = 0;
    virtual int WriteData(const void *buffer, int count) = 0;
    // whence 0 from the start, 1 from the current position, 2 from the end;
    // answers 0, or -1 when the position cannot be reached.
    virtual int Seek(ZafInt32 offset, int whence) = 0;
    virtual ZafInt32 Tell() = 0;
    virtual ZafInt32 Length() = 0;

    // Typed reads: each answers the bytes read (0 and error 16 when short).
    int ReadUInt8(ZafUInt8 &value);
    int ReadInt16(ZafInt16 &value);
    int ReadUInt16(ZafUInt16 &value);
    int ReadInt32(ZafInt32 &value);
    int ReadInt(ZafInt32 &value) { return ReadInt32(value); }
    int ReadUInt32(ZafUInt32 &value);
    // size x count bytes into buffer; answers the items read.
    int ReadBlock(void *buffer, int size, int count);
    // A storage string into buffer, which holds size characters including the
    // terminator (-1: no limit, the caller's buffer holds any string). The
    // part that does not fit is skipped. Answers the characters stored, or -1
    // (error 16, empty buffer) when the file ends inside the string.
    int ReadString(ZafIChar *buffer, int size);
    // A storage string in a new array the caller frees with delete []; null
    // for an empty string or a short read (error 16).
    ZafIChar *ReadNewString();

    int WriteUInt8(ZafUInt8 value);
    int WriteInt16(ZafInt16 value);
    int WriteUInt16(ZafUInt16 value);
    int WriteInt32(ZafInt32 value);
    int WriteInt(ZafInt32 value) { return WriteInt32(value); }
    int WriteUInt32(ZafUInt32 value);
    int WriteBlock(const void *buffer, int size, int count);
    // A null text is written as the empty string; a text longer than 32767
    // characters is cut there. Answers the bytes written.
    int WriteString(const ZafIChar *text);

protected:
    ZafError error = 0;

private:
    int ReadExact(void *buffer, int count);
    int WriteExact(const void *buffer, int count);
    // The typed reads and writes: Value's bytes, least significant first.
    template <class Value> int ReadLittleEndian(Value &value);
    template <class Value> int WriteLittleEndian(Value value);
    // The header and, when it fits, the characters; -1 when short.
    int ReadStringHeader(ZafUInt16 &count, bool &wide);
};
