#pragma once
// KString: a text of 16-bit characters, always terminated by 0, with a read
// cursor that parsers advance. The characters live in one of three places:
// - a heap buffer that grows as needed (a plain KString);
// - an inline buffer of fixed capacity (KString15 ... KString511), where text
//   beyond the capacity is cut; nothing is ever written past the capacity;
// - a buffer borrowed from the caller (fixed capacity as well), which must
//   outlive the string.
// Copies always copy the characters into the target's own buffer.
// A string belongs to one thread at a time.
//
// The stream record (Write/Read: tag, length, characters) is defined with the
// stream classes.

#include <cstdint>

class KPoint;
class KStream;

class KString
{
public:
    KString();
    KString(const wchar_t *text);
    KString(const KString &other);
    // Borrows buffer, which holds capacity characters plus the terminator;
    // the text already in it (up to capacity characters) is kept.
    KString(wchar_t *buffer, int capacity);
    ~KString();

    KString &operator=(const KString &other);
    KString &operator=(const wchar_t *text);

    const wchar_t *CStr() const { return itsText; }
    int Length() const { return itsLength; }
    // Characters the buffer can hold; -1 for a heap string (no limit).
    int Capacity() const { return itsKind == kHeap ? -1 : itsCapacity; }
    bool IsEmpty() const { return itsLength == 0; }
    // The character at index, 0 outside the text.
    wchar_t operator[](int index) const;

    // Empties the text and rewinds the read cursor.
    void Clear();
    // Cuts the text to length characters (no effect when it is shorter).
    void Truncate(int length);

    KString &Append(const KString &text);
    KString &Append(const wchar_t *text);
    KString &Append(const wchar_t *text, int count);
    KString &AppendChar(wchar_t c);
    // Signed decimal.
    KString &AppendInt(int32_t value);
    // value through a printf-style format with one integer conversion, for
    // example L"  %d   " or L"%04X"; a format asking for anything else (a text
    // or pointer argument, "*", two conversions) appends nothing and answers false.
    bool AppendIntFormat(int32_t value, const wchar_t *format);
    // 8-bit text in the system's ANSI code page; length -1 up to its 0.
    KString &AppendAnsi(const char *text, int length = -1);
    // "(x,y)".
    KString &AppendPoint(const KPoint &point);

    // Removes leading and trailing white space.
    void Trim();
    // Replaces each backslash followed by "n" with carriage return and line feed.
    void ExpandNewlines();

    // Index of the first c at or after start, -1 when there is none.
    int Find(wchar_t c, int start = 0) const;
    // target := count characters from start (clipped to the text; count -1:
    // to the end).
    void Extract(KString &target, int start, int count) const;
    // target := the field of that index (from 0) between delimiters. With a
    // quote character, a delimiter between quotes belongs to the field and the
    // quotes themselves are dropped. At most maximum characters are copied
    // (-1: all). False, and target empty, when the text has fewer fields.
    bool GetField(KString &target, int index, wchar_t delimiter = L',', wchar_t quote = 0,
                  int maximum = -1) const;
    static bool GetField(const KString &text, KString &target, int index, wchar_t delimiter = L',',
                         wchar_t quote = 0, int maximum = -1);

    bool operator==(const KString &other) const;
    bool operator!=(const KString &other) const { return !(*this == other); }
    bool operator==(const wchar_t *text) const;
    bool operator!=(const wchar_t *text) const { return !(*this == text); }
    // True when both agree over at most n characters, case ignored; n = -1
    // compares the whole texts (which then must have the same length).
    bool EqualsIgnoreCase(const KString &other, int n = -1) const;
    static bool EqualsIgnoreCase(const KString &a, const KString &b, int n = -1);

    // The read cursor: the index where the next parse starts.
    int Cursor() const { return itsCursor; }
    void SetCursor(int index);
    bool AtEnd() const { return itsCursor >= itsLength; }
    // The character at the cursor (0 at the end), and advancing past it.
    wchar_t Peek() const { return (*this)[itsCursor]; }
    wchar_t NextChar();
    void SkipWhiteSpace();

    // Parses an integer at the read cursor after white space: optional sign,
    // then with radix 0 "0x" for hexadecimal, a leading 0 for octal, else
    // decimal (radix 2..36 fixes it). Values beyond 32 bits are clamped. On
    // success the cursor moves past the number; false, cursor and value
    // unchanged, when no number is there.
    bool ParseInt(int32_t &value, int radix = 0);
    // The same on a whole text, from its start (its cursor is not moved).
    static bool ParseInt(const KString &text, int32_t &value, int radix = 0);
    // The comma-separated field of that index (from 0) as an integer with
    // automatic radix; value 0 and false when the field is missing or no number.
    static bool ParseIntField(const KString &text, int32_t &value, int index);

    // The stream record; defined with the stream classes.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

protected:
    enum Kind { kHeap, kFixed, kBorrowed };
    // For the fixed-capacity strings: buffer holds capacity + 1 characters.
    KString(wchar_t *buffer, int capacity, Kind kind);

private:
    // Makes room for length characters; answers how many fit.
    int Reserve(int length);
    void Assign(const wchar_t *text, int count);

    wchar_t *itsText;
    int itsLength = 0;
    int itsCapacity = 0;
    int itsCursor = 0;
    Kind itsKind = kHeap;
};

// KString with an inline buffer of N characters; text beyond N is cut.
template <int N>
class KFixedString : public KString
{
public:
    KFixedString() : KString(itsBuffer, N, kFixed) {}
    KFixedString(const wchar_t *text) : KFixedString() { KString::operator=(text); }
    KFixedString(const KString &text) : KFixedString() { KString::operator=(text); }
    KFixedString(const KFixedString &other) : KFixedString() { KString::operator=(other); }
    KFixedString &operator=(const KFixedString &other)
    {
        KString::operator=(other);
        return *this;
    }
    using KString::operator=;

private:
    wchar_t itsBuffer[N + 1];
};

using KString15 = KFixedString<15>;
using KString31 = KFixedString<31>;
using KString63 = KFixedString<63>;
using KString127 = KFixedString<127>;
using KString255 = KFixedString<255>;
using KString511 = KFixedString<511>;
