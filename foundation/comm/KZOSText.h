#pragma once
// KZOSText: a text prepared for the 8-bit (ANSI) forms of the system calls.
// On a system that offers only those (KUseAnsiApi), the constructor converts
// the wide text character by character to the system's code page, a NUL
// character staying one 0 byte, and ends it with 0; otherwise it converts
// nothing and GetText answers null, since the wide calls take the KString
// itself.
//
// Buffer: every text gets a buffer of 2 x length + 2 bytes of its own,
// freed by the destructor, so that several live texts (a DDE service and
// its topic, a document name and an output path) never overwrite each
// other. Use it only while the source is unchanged.

#include <cstdint>

class KString;

class KZOSText
{
public:
    // forcePrivateCopy is kept for callers that ask for it; every text has its own copy.
    KZOSText(const KString &text, bool forcePrivateCopy = false);
    ~KZOSText();
    KZOSText(const KZOSText &) = delete;
    KZOSText &operator=(const KZOSText &) = delete;

    // The converted bytes, 0-terminated; null when the wide calls are in use.
    const char *GetText() const { return itsText; }
    // Bytes before the terminator (embedded NUL characters included).
    int32_t Length() const { return itsLength; }

private:
    char *itsText = nullptr;
    int32_t itsLength = 0;
    bool itsOwned = false;
};
