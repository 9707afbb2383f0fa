#pragma once
// KReplacingFile: writes a new version of a file without ever losing the old
// one. Begin creates a temporary file beside the target (the target's name
// with ".tmp" added) and the caller writes into it; Commit writes it out and
// only then puts it in the target's place. When anything fails before that,
// or the object is destroyed without Commit, the temporary file is deleted
// and the target stays byte for byte as it was. One thread at a time.

#include "foundation/streams/KBufferedFile.h"

class KReplacingFile : public KBufferedFile
{
public:
    explicit KReplacingFile(const KString &target, int32_t bufferSize = 4096);
    ~KReplacingFile() override;

    const KString &Target() const { return itsTarget; }
    // Opens an empty temporary file for writing. Throws KXStream 3002 when it
    // cannot be made (for example when the target's folder does not exist).
    void Begin();
    // Writes everything out and replaces the target with the temporary file.
    // Throws KXStream (3005, 3006 or 3002) and leaves the target untouched on failure.
    void Commit();
    // Deletes the temporary file; the target is untouched.
    void Abandon();

private:
    KString itsTarget;
    bool itsBegun = false;
};
