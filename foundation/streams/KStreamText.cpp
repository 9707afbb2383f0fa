// Text on a KStream: encodings, line ends, line reading and text writing.
#include "foundation/streams/KStream.h"

#include "foundation/strings/KString.h"
#include "foundation/strings/KText.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace
{
bool InSet(const wchar_t *set, int c)
{
    if (!set || c <= 0)
        return false;
    for (; *set; ++set)
        if (*set == c)
            return true;
    return false;
}
} // namespace

int KStream::ReadByte()
{
    uint8_t b;
    return Read(&b, 1) == 1 ? b : -1;
}

void KStream::PushBack(const uint8_t *bytes, int count)
{
    if (count <= 0 || itsBackCount + count > int(sizeof itsBack))
        return;
    std::memmove(itsBack + count, itsBack, size_t(itsBackCount));
    std::memcpy(itsBack, bytes, size_t(count));
    itsBackCount += count;
}

void KStream::DetectEncoding()
{
    uint8_t bom[2];
    int n = Read(bom, 2);
    itsDetected = true;
    if (n == 2 && bom[0] == 0xFF && bom[1] == 0xFE) {
        itsReadEncoding = kEncoding16Bit;
        return;
    }
    itsReadEncoding = kEncoding8Bit;
    PushBack(bom, n);
}

void KStream::RestartDetection()
{
    if (itsDetected) {
        itsReadEncoding = kEncodingDetect;
        itsDetected = false;
    }
}

int KStream::Decode8Bit(int first)
{
    if (first < 0x80)
        return first;
    char bytes[2] = {char(first), 0};
    int length = 1;
    if (IsDBCSLeadByte(BYTE(first))) {
        int second = ReadByte();
        if (second >= 0)
            bytes[length++] = char(second);
    }
    wchar_t c = 0;
    if (KTextAnsiToWide(bytes, length, &c, 1) != 1)
        return L'?';
    return c;
}

int KStream::DecodeChar()
{
    if (itsReadEncoding == kEncodingDetect)
        DetectEncoding();
    if (itsReadEncoding == kEncoding16Bit) {
        uint8_t b[2];
        // An odd byte at the end of a damaged file is dropped.
        if (Read(b, 2) != 2)
            return -1;
        return b[0] | (b[1] << 8);
    }
    int first = ReadByte();
    return first < 0 ? -1 : Decode8Bit(first);
}

int KStream::ReadChar()
{
    int c = DecodeChar();
    if (c != L'\r' || itsReadLineEnd == kLineEndRaw || itsReadLineEnd == kLineEndLF)
        return c;
    if (itsReadLineEnd == kLineEndCR)
        return L'\n';
    // CR LF: look at the next character's bytes without decoding them twice.
    uint8_t next[2];
    int width = itsReadEncoding == kEncoding16Bit ? 2 : 1;
    int n = Read(next, width);
    if (n == width && next[0] == 0x0A && (width == 1 || next[1] == 0))
        return L'\n';
    PushBack(next, n);
    return c;
}

int KStream::ReadLine(KString &target, const wchar_t *delimiters, const wchar_t *ignore,
                      const wchar_t *comment, int maximum)
{
    target.Clear();
    int kept = 0;
    bool inComment = false;
    for (;;) {
        int c = ReadChar();
        if (c < 0)
            return -1;
        if (InSet(delimiters, c))
            return c;
        // A NUL would end the text early; it never belongs to a line.
        if (c == 0 || inComment || InSet(ignore, c))
            continue;
        if (InSet(comment, c)) {
            inComment = true;
            continue;
        }
        if (maximum >= 0 && kept >= maximum)
            continue;
        target.AppendChar(wchar_t(c));
        ++kept;
    }
}

void KStream::WriteByteOrderMark()
{
    if (itsWriteEncoding == kEncoding16Bit) {
        static const uint8_t bom[2] = {0xFF, 0xFE};
        Write(bom, 2);
    }
}

void KStream::WriteText(const KString &text) { WriteText(text.CStr(), text.Length()); }

void KStream::WriteText(const wchar_t *text, int length)
{
    if (!text)
        return;
    if (length < 0)
        length = int(wcslen(text));
    const bool wide = itsWriteEncoding == kEncoding16Bit;
    std::string bytes;
    bytes.reserve(size_t(length) * (wide ? 2 : 1) + 16);
    auto put = [&](wchar_t c) {
        if (wide) {
            bytes.push_back(char(c & 0xFF));
            bytes.push_back(char(c >> 8));
        } else {
            bytes.push_back(char(c));
        }
    };
    for (int i = 0; i < length; ++i) {
        wchar_t c = text[i];
        if (c == L'\n' && itsWriteLineEnd != kLineEndRaw) {
            if (itsWriteLineEnd != kLineEndLF)
                put(L'\r');
            if (itsWriteLineEnd != kLineEndCR)
                put(L'\n');
            continue;
        }
        if (wide || c < 0x80) {
            put(c);
            continue;
        }
        // 8-bit text: the code page decides; a surrogate pair converts as one.
        int units = (c >= 0xD800 && c < 0xDC00 && i + 1 < length) ? 2 : 1;
        char out[8];
        int n = KTextWideToAnsi(text + i, units, out, sizeof out);
        if (n <= 0) {
            out[0] = '?';
            n = 1;
        }
        wchar_t back[4];
        if (KTextAnsiToWide(out, n, back, 4) != units || back[0] != text[i] || (units == 2 && back[1] != text[i + 1]))
            itsLostCharacters = true;
        bytes.append(out, size_t(n));
        i += units - 1;
    }
    Write(bytes.data(), int32_t(bytes.size()));
}
