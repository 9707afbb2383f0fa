#pragma once
// KZOSText: a text prepared for the 8-bit (ANSI) forms of the system calls.
// On a system that offers only those (KUseAnsiApi), the constructor converts
// the wide text character by character to the system's code page, a NUL
// character staying one 0 byte, and ends it with 0; otherwise it converts
// nothing and GetText answers null, since the wide calls take the KString
// itself.
//
// Buffer: a text of at most 127 characters without a private copy goes into
// one shared static buffer, which the next such KZOSText overwrites; longer
// texts, or a private copy asked for, get a buffer of 2 x length + 2 bytes
// of their own, freed by the destructor. Use it on the GUI thread only (the
// shared buffer is not guarded), and only while the source is unchanged.

#include <cstdint>

class KString;

class KZOSText
{
public:
    KZOSText(const KString &text, bool forcePrivateCopy = false);
    ~KZOSText();
    KZOSText(const KZOSText &) = delete;
    KZOSText &operator=(const KZOSText &) = delete;

    // The converted bytes, 0-terminated; null when the wide calls are in use.
    const char *GetText() const { return itsText; }
    // Bytes before the terminator (embedded NUL characters included).
    int32_t Length() const { return itsLength; }

    enum { kSharedLength = 127 }; // the longest text the shared buffer takes

private:
    char *itsText = nullptr;
    int32_t itsLength = 0;
    bool itsOwned = false;
};
