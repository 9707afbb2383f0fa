#pragma once
// KReplacingFile: writes a new version of a file without ever losing the old
// one. Begin creates a temporary file beside the target (the target's name
// with ".tmp" added) and the caller writes into it; Commit writes it out and
// only then puts it in the target's place. When anything fails before that,
// or the object is destroyed without Commit, the temporary file is deleted
// and the target stays byte for byte as it was. One thread at a time.
//
// The temporary file is renamed while still open where the system can
// (from Windows Vista on), else closed and renamed by its name.
//
// Replacing a file makes the file system free the old file's space, which
// costs more than the rename itself (milliseconds for a file of megabytes).
// With SetReleaseInBackground the old file is kept under a second name (the
// target's with ".old" added, when no such file exists) until the new one
// has taken its place, and that name is then deleted by KFileDisposal's
// worker: the target always names a whole file, the old or the new one.

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
    // Lets Commit hand the old file to KFileDisposal (see above).
    void SetReleaseInBackground(bool release) { itsReleaseInBackground = release; }

private:
    // Puts the written temporary file in the target's place; throws KXStream.
    void Replace();

    KString itsTarget;
    bool itsBegun = false;
    bool itsReleaseInBackground = false;
};
