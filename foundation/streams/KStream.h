#pragma once
// KStream: an abstract byte stream. It offers typed little-endian reads and
// writes, and text reading and writing with a chosen encoding and line-end
// convention, on top of a byte transport that each subclass supplies (a file,
// a serial port, a socket).
//
// Subclasses override the protected Do... operations; callers use only the
// public ones. Reads that need more bytes than the input holds and every
// transport failure throw KXStream. A stream belongs to one thread at a time.
//
// Text encodings (read and write):
//   0  8-bit text in the system's ANSI code page;
//   1  UTF-16 little-endian (a file starts with the byte-order mark FF FE);
//   3  detect on read: the first text read looks for the byte-order mark and
//      switches to 1 when it is there, else to 0. Written as 0.
// Line ends: when reading text, the stream's line end becomes one line feed
// (10); when writing text, each line feed becomes the stream's line end.
//   0  raw: characters pass unchanged;
//   1  LF;  2  CR LF;  3  CR.

#include <cstdint>

class KString;

class KStream
{
public:
    enum
    {
        kEncoding8Bit = 0,  // ANSI code page
        kEncoding16Bit = 1, // UTF-16LE
        kEncodingDetect = 3 // byte-order mark decides on the first text read
    };
    enum
    {
        kLineEndRaw = 0,  // no translation
        kLineEndLF = 1,   // line feed
        kLineEndCRLF = 2, // carriage return, line feed
        kLineEndCR = 3    // carriage return
    };
    enum
    {
        kFromStart = 0,   // Seek origin: the start of the stream
        kFromCurrent = 1, // the current position
        kFromEnd = 2      // the end
    };

    KStream();
    virtual ~KStream();
    KStream(const KStream &) = delete;
    KStream &operator=(const KStream &) = delete;

    // Byte blocks. Read answers how many bytes it read, fewer than count only
    // at the end of the input (0 there). Write writes all or throws.
    int32_t Read(void *buffer, int32_t count);
    void Write(const void *buffer, int32_t count);
    // Reads what one transfer of the transport gives, at most count bytes:
    // fewer whenever less has arrived. A port or socket waits up to its read
    // time-out for the first byte and throws as its reads do.
    int32_t ReadSome(void *buffer, int32_t count);
    // Reads exactly count bytes; throws KXStream kErrFileRead when the input
    // ends first.
    void ReadExact(void *buffer, int32_t count);

    // Length and position in bytes; -1 when the stream has none (ports,
    // sockets). SetSize and Seek throw KXStream when the stream cannot.
    int64_t GetSize();
    void SetSize(int64_t size);
    int64_t GetPosition();
    void Seek(int64_t offset, int origin = kFromStart);
    // Bytes left before the end, -1 when unknown.
    int64_t Remaining();
    // Hands buffered output to the system.
    void Flush();

    // Typed little-endian values.
    void WriteU8(uint8_t value);
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI16(int16_t value) { WriteU16(uint16_t(value)); }
    void WriteI32(int32_t value) { WriteU32(uint32_t(value)); }
    void WriteDouble(double value);
    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int16_t ReadI16() { return int16_t(ReadU16()); }
    int32_t ReadI32() { return int32_t(ReadU32()); }
    double ReadDouble();

    // Text settings (see the table above).
    int ReadEncoding() const { return itsReadEncoding; }
    void SetReadEncoding(int encoding)
    {
        itsReadEncoding = encoding;
        itsDetected = false;
    }
    int WriteEncoding() const { return itsWriteEncoding; }
    void SetWriteEncoding(int encoding) { itsWriteEncoding = encoding; }
    int ReadLineEnd() const { return itsReadLineEnd; }
    void SetReadLineEnd(int lineEnd) { itsReadLineEnd = lineEnd; }
    int WriteLineEnd() const { return itsWriteLineEnd; }
    void SetWriteLineEnd(int lineEnd) { itsWriteLineEnd = lineEnd; }

    // The next character in the read encoding, line ends translated; -1 at
    // the end of the input.
    int ReadChar();
    // Reads one line into target (which is emptied first): characters up to a
    // character of delimiters, which is consumed and answered. Characters of
    // ignore are dropped; a character of comment drops the rest of the line
    // up to the delimiter. At most maximum characters are kept (-1: as many
    // as target holds); the rest of a longer line is read and dropped.
    // Answers -1 at the end of the input (target holds what came before it).
    // Null sets are empty.
    int ReadLine(KString &target, const wchar_t *delimiters = L"\n", const wchar_t *ignore = nullptr,
                 const wchar_t *comment = nullptr, int maximum = -1);
    // Writes FF FE when the write encoding is 16-bit; nothing otherwise.
    void WriteByteOrderMark();
    // Writes the characters in the write encoding, line feeds as line ends.
    // In 8-bit text a character the code page lacks is written as '?' or as
    // the code page's look-alike (LostCharacters tells).
    void WriteText(const KString &text);
    void WriteText(const wchar_t *text, int length = -1);
    // True when 8-bit text written since the last clear held a character the
    // code page could not carry exactly (written as '?' or a look-alike).
    bool LostCharacters() const { return itsLostCharacters; }
    void ClearLostCharacters() { itsLostCharacters = false; }

protected:
    // The transport. DoRead answers the bytes read (0 at the end of input)
    // and may return fewer than asked; DoWrite writes all or throws.
    virtual int32_t DoRead(void *buffer, int32_t count) = 0;
    virtual void DoWrite(const void *buffer, int32_t count) = 0;
    // Defaults: no length or position (-1); SetSize and Seek throw
    // kErrFileAccess.
    virtual int64_t DoGetSize();
    virtual void DoSetSize(int64_t size);
    virtual int64_t DoGetPosition();
    virtual void DoSeek(int64_t offset, int origin);
    virtual void DoFlush() {}
    // Forgets bytes read ahead by the text reader (after the transport was
    // repositioned or closed behind the stream's back).
    void DropReadAhead() { itsBackCount = 0; }
    // A new input begins (a file was opened): an encoding that detection
    // chose for the previous input goes back to detect-on-read; one the
    // caller set stays.
    void RestartDetection();

private:
    int ReadByte();
    void PushBack(const uint8_t *bytes, int count);
    // Moves up to count read-ahead bytes into out; answers how many.
    int32_t TakeReadAhead(uint8_t *out, int32_t count);
    // Read (whole: until count bytes or the end) and ReadSome (the read-ahead
    // bytes, else one transport read).
    int32_t ReadUpTo(void *buffer, int32_t count, bool whole);
    int DecodeChar();
    int Decode8Bit(int first);
    void DetectEncoding();

    // Bytes read ahead by the text reader, served before the transport.
    uint8_t itsBack[8];
    int itsBackCount = 0;
    int itsReadEncoding = kEncodingDetect;
    bool itsDetected = false; // itsReadEncoding was chosen by detection
    int itsWriteEncoding = kEncoding8Bit;
    int itsReadLineEnd = kLineEndCRLF;
    int itsWriteLineEnd = kLineEndCRLF;
    bool itsLostCharacters = false;
};
