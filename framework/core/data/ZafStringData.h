#pragma once
// ZafStringData: the framework's shared, observable text value. It holds a
// wide text with a maximum length (-1 = unlimited) either in a buffer it owns
// or in a caller's buffer ("static" text, which the object never grows or
// frees). Text fields, prompts and titles keep their text in one; observers
// added through ZafNotification hear of every change once, when the outermost
// change ends. It also supplies the %c, %s and %[ conversions of the
// formatted-text engines, including their data-object form (%Zs).
//
// Every write is bounded: an owned limited value keeps at most its maximum,
// a static value never writes past the room its caller declared (maximum + 1
// characters, or the length of the text it was given when unlimited), and
// positions past the end are clamped. GUI thread only.

#include "framework/core/text/ZafFormatData.h"

class ZafObjectPersistence;

class ZafStringData : public ZafFormatData
{
public:
    // An empty value; static without a buffer when staticText is set.
    explicit ZafStringData(bool staticText = false);
    // Owned: a copy of text (cut to maximumLength when limited). Static: the
    // caller's buffer, which must hold maximumLength + 1 characters (or the
    // text when unlimited) for as long as the object uses it.
    ZafStringData(const wchar_t *text, int maximumLength = -1, bool staticText = false);
    // The same from local 8-bit text (converted when owned; a static
    // object takes the pointer as the wide buffer it must then be).
    ZafStringData(const char *text, int maximumLength = -1, bool staticText = false);
    // Takes the other's static flag and text (a static copy shares the
    // other's buffer).
    ZafStringData(const ZafStringData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    // The text comes back owned (not static) with its maximum length.
    ZafStringData(const ZafIChar *name, ZafObjectPersistence &persistence);
    ZafError Write(ZafObjectPersistence &persistence) override;
    // Makes a string data object from storage (the class's creation function).
    static ZafElement *New(const ZafIChar *name, ZafObjectPersistence &persistence);
    ~ZafStringData() override;

    ZAF_CLASS_IDENTITY(ZafFormatData, ZAF_ID_STRING_DATA, L"ZafStringData")
    virtual ZafStringData *Duplicate() const { return new ZafStringData(*this); }

    // The text; null only for a static value without a buffer.
    const wchar_t *Text() const { return text; }
    int Length() const;
    int MaxLength() const { return maxLength; }
    int Capacity() const { return capacity; }       // characters, terminator included
    bool StaticText() const { return staticText; }

    // Modifiers: each notifies the observers once (nested calls once in all).
    virtual void Clear();                           // empty text, error reset
    virtual int SetText(const wchar_t *newText, int maximumLength);
    virtual int SetText(const wchar_t *newText);    // keeps the maximum
    virtual int SetText(const ZafStringData &other);
    virtual int SetLocalText(const char *localText);
    int SetMappedText(const wchar_t *mappedText);
    virtual ZafStringData &Append(const wchar_t *more);
    // Inserts length characters of more (-1 = all) at position (clamped to
    // the text). A static value that would overflow stays unchanged.
    virtual ZafStringData &Insert(int position, const wchar_t *more, int length = -1);
    // Removes count characters from position (both clamped to the text).
    virtual ZafStringData &DeleteChars(int position, int count);
    // Removes the first occurrence of part; no occurrence: no change, no notice.
    virtual ZafStringData &RemoveSubstring(const wchar_t *part);
    // DeleteChars then Insert, as one change.
    virtual ZafStringData &ReplaceChars(int position, int deleteCount, const wchar_t *more, int length = -1);
    // Stores c at position: 0, or 5 when the position is outside the buffer
    // of a static or limited value (an owned unlimited value grows). quiet
    // stores without notifying.
    virtual int SetChar(int position, wchar_t c, bool quiet = false);
    // Records the maximum (-1 = unlimited) and cuts the text to it; no notice.
    virtual int SetMaxLength(int maximumLength);
    // Off: the value takes an owned copy of its text. On: later changes are
    // made in place without growing the buffer.
    virtual bool SetStaticText(bool flag);

    // ZafStrCmp (or ZafStrICmp when ignoreCase) of the text and other.
    virtual int Compare(const wchar_t *other, bool ignoreCase = false) const;

    // New buffers the caller frees with delete []: the text, the text in the
    // local code set, the text passed through the code set's outward map.
    wchar_t *DuplicateText() const;
    char *DuplicateLocalText() const;
    wchar_t *DuplicateMappedText() const;

    int FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const override;
    int SetFormattedText(const wchar_t *newText, const wchar_t *format) override;

    ZafStringData &operator=(const ZafStringData &other);
    ZafStringData &operator=(const wchar_t *newText);
    ZafStringData &operator=(wchar_t c);
    ZafStringData &operator+=(wchar_t c);

    // Registers the conversions with the formatted-text engines once (and
    // starts the language and locale services when none exist yet).
    static void RegisterConversions();

private:
    friend struct ZafStringDataEngineAccess;

    void Allocate(int newCapacity);                 // a zeroed owned buffer
    void Grow(int newCapacity);                     // keeps the text
    int Room() const { return capacity > 0 ? capacity - 1 : 0; }

    bool staticText = false;
    bool ownsBuffer = false;
    int capacity = 0;
    int maxLength = -1;
    wchar_t *text = nullptr;
};

// Local 8-bit text to wide characters in the shared code set (size in
// characters, terminator included).
void ZafStringDataLocalToWide(const char *local, wchar_t *wide, int size);

// Results are new owned values (never sharing an operand's buffer).
ZafStringData operator+(const ZafStringData &a, const ZafStringData &b);
ZafStringData operator+(const ZafStringData &a, const wchar_t *b);
ZafStringData operator+(const wchar_t *a, const ZafStringData &b);
ZafStringData operator+(const ZafStringData &a, wchar_t b);
ZafStringData operator+(wchar_t a, const ZafStringData &b);
ZafStringData operator-(const ZafStringData &a, const ZafStringData &b);
ZafStringData operator-(const ZafStringData &a, const wchar_t *b);
ZafStringData operator-(const wchar_t *a, const ZafStringData &b);
