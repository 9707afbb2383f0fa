#pragma once
// ZafFormatData: base of the data objects that format themselves into text
// and parse themselves from text (string, integer and real data). A format
// is a "%" conversion such as "%5d"; the object inserts "Z" after its first
// "%" so that the formatted-text engines take the object itself as the
// argument. Ownership and thread as ZafData.

#include "framework/core/data/ZafData.h"

class ZafObjectPersistence;

// The parse error of SetFormattedText: the text matched no format line
// (also the number id of the "is invalid" message).
constexpr ZafError ZAF_ERROR_INVALID_TEXT = 1;

class ZafFormatData : public ZafData
{
public:
    ZafFormatData();
    ZafFormatData(const ZafFormatData &copy);
    // Storage form (written and read on the persistence's current level,
    // under the class's own name); a failure goes to Error().
    ZafFormatData(const ZafIChar *name, ZafObjectPersistence &persistence);
    virtual ZafError Write(ZafObjectPersistence &persistence);

    ZAF_CLASS_IDENTITY(ZafData, ZAF_ID_FORMAT_DATA, L"ZafFormatData")

    // Formats the object with the first line of format into buffer, which
    // holds maximum characters including the terminator. Answers the number
    // of characters, or 0 (buffer emptied) when the result does not fit or
    // buffer is null. A line without "%" is copied as it stands.
    virtual int FormattedText(wchar_t *buffer, int maximum, const wchar_t *format) const;
    // Scans text with each line of format in turn until one assigns; answers
    // the number of assignments of that line, or 0.
    virtual int SetFormattedText(const wchar_t *text, const wchar_t *format);

protected:
    // The line of format starting at line, with "Z" after its first "%",
    // into out (size characters). Answers the start of the next line, or null.
    static const wchar_t *DataFormatLine(const wchar_t *line, wchar_t *out, int size);
};
