#pragma once
// KFileInfo: one entry found by KFile::FindNext, and the state of that
// directory search (a system search handle, closed at the end of the search
// or by the destructor). One search per object at a time; it belongs to one
// thread.

#include "foundation/strings/KString.h"

#include <cstdint>

class KFileInfo
{
public:
    KFileInfo();
    ~KFileInfo();
    KFileInfo(const KFileInfo &) = delete;
    KFileInfo &operator=(const KFileInfo &) = delete;

    // The found entry's name (no folder).
    const KString &GetName() const { return itsName; }
    bool IsFolder() const { return itsFolder; }
    int64_t Size() const { return itsSize; }
    // Ends the search; the next FindNext starts again.
    void Reset();

private:
    friend class KFile;

    void *itsSearch = nullptr;
    KString itsName;
    bool itsFolder = false;
    int64_t itsSize = 0;
};
