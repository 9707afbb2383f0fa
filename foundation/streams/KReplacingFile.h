#pragma once
// KReplacingFile: writes a new version of a file without ever losing the old
// one. Begin creates a temporary file beside the target and the caller writes
// into it; Commit writes it out and only then renames it over the target,
// which the system releases there and then. When anything fails before that,
// or the object is destroyed without Commit, the temporary file is deleted
// and the target stays byte for byte as it was. Nothing but the target and
// the temporary file is ever made, changed or deleted. One thread at a time.
//
// The temporary name is the target's name with ".tmp" added, the name cut
// so that it keeps to kMaxNameLength characters. Whatever Begin finds under
// it (a file left by a save that never ended, a hard link) is removed as a
// name, never written through, and the file is made new. A name that leads
// elsewhere when opened, a link the system cannot remove by itself (Wine's
// symbolic links), is left alone and the next name is taken: ".1.tmp",
// ".2.tmp" and so on, each name cleared the same way.
//
// Every error names its file (KX::Text): the temporary file for making,
// writing and flushing it, the target for a refused target or rename.
// A read-only target is refused (KXStream kErrFileWrite) before anything is
// written, by Begin, and by Commit when it became read-only meanwhile.
//
// The temporary file is open for writing through this object alone: others
// may only read it, and only when they let it be deleted. It is renamed and,
// on failure, deleted through its own handle where the system can (from
// Windows Vista on), so that nothing but the file written is ever put in
// the target's place or deleted; on older systems it is closed first and
// renamed or deleted by its name.
//
// Writing a file of megabytes to the disk takes as long as the rest of the
// save. So that Commit does not wait for all of it at the end, the written
// part of a large file is flushed on a worker thread, through a duplicate of
// the object's own handle, while the caller goes on writing; Commit flushes
// the whole file once more and waits for the worker. A failed early flush
// fails Commit as a failed final flush does. Each flush has a fixed cost that
// only the writing of a megabyte or more hides: the first early flush is
// made at kFirstEarlyFlushBytes, the next ones every kEarlyFlushBytes, and
// none in the last kLastEarlyFlushGap before the size the caller expects,
// so that none is still running long when Commit flushes; smaller files, and
// files of unknown size, are flushed by Commit alone. The process keeps one
// such worker, made at the first early flush: making a thread costs more
// than the flushes gain. A file begun while another holds it is flushed by
// its Commit alone.

#include "foundation/streams/KBufferedFile.h"

class KReplacingFile : public KBufferedFile
{
public:
    explicit KReplacingFile(const KString &target, int32_t bufferSize = 4096);
    ~KReplacingFile() override;

    const KString &Target() const { return itsTarget; }
    // Opens a new, empty temporary file for writing. Throws KXStream
    // kErrDiskFull when the disk is full, else kErrFileWrite: for a read-only
    // target, a temporary name that holds a folder or cannot be removed
    // (another program holds it open) and a file that cannot be made (for
    // example when the target's folder does not exist).
    void Begin(int64_t expectedBytes = 0);
    // Writes everything out and replaces the target with the temporary file.
    // Throws KXStream (kErrDiskFull when the disk is full, else kErrFileWrite)
    // and leaves the target untouched, and no temporary file, on failure.
    void Commit();
    // Deletes the temporary file; the target is untouched.
    void Abandon();

    // Bytes written before the first early flush, between two of them, and
    // before the expected size after the last one at least.
    static constexpr int64_t kFirstEarlyFlushBytes = 768 * 1024;
    static constexpr int64_t kEarlyFlushBytes = 2 * 1024 * 1024;
    static constexpr int64_t kLastEarlyFlushGap = 1024 * 1024;
    // The longest file name (without its folder) the file systems take.
    static constexpr int kMaxNameLength = 255;
    // Temporary names tried past links before Begin gives up.
    static constexpr int kTemporaryNames = 10;
    // The temporary name of a try from 0: the target with ".tmp", or with
    // "." attempt ".tmp", added; the target's file name is cut so that the
    // whole file name keeps to kMaxNameLength characters.
    static KString TemporaryName(const KString &target, int attempt);

protected:
    void DoWrite(const void *buffer, int32_t count) override;
    // Puts what was written through the system handle on the disk; false,
    // with the system's error set, when that fails. Called on the worker
    // thread for the early flushes, which end before Commit or Abandon do: a
    // class that overrides it calls Abandon in its own destructor.
    virtual bool FlushToDisk(void *handle);

private:
    struct EarlyFlush;

    // Waits for the worker's flushes of this file and lets it go; the
    // system's error of a failed early flush, else 0.
    unsigned long EndEarlyFlush();
    // Throws KXStream kErrFileWrite when the target is read-only.
    void RefuseReadOnlyTarget() const;
    // Removes whatever has the temporary name (FullName) as a name; false,
    // leaving it, for a name that leads elsewhere. Throws KXStream for a
    // folder and for a name that cannot be removed.
    bool ClearTemporaryName() const;
    // Makes the temporary file new under the first name it can clear.
    void OpenTemporaryFile();
    // Puts the written temporary file in the target's place; throws KXStream.
    void Replace();

    KString itsTarget;
    bool itsBegun = false;
    // Whether this file holds the worker, or could not have it.
    bool itsEarlyFlushHeld = false;
    bool itsEarlyFlushRefused = false;
    int64_t itsWritten = 0;
    int64_t itsLastFlushAt = 0;
    int64_t itsNextFlushAt = kFirstEarlyFlushBytes;
};
