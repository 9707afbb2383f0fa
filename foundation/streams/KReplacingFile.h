#pragma once
// KReplacingFile: writes a new version of a file without ever losing the old
// one. Begin creates a temporary file beside the target (the target's name
// with ".tmp" added; a file of that name left by a save that never ended is
// replaced) and the caller writes into it; Commit writes it out and only then
// renames it over the target, which the system releases there and then. When
// anything fails before that, or the object is destroyed without Commit, the
// temporary file is deleted and the target stays byte for byte as it was.
// Nothing but the target and the temporary file is ever made, changed or
// deleted. One thread at a time.
//
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
    // Opens an empty temporary file for writing. Throws KXStream kErrFileWrite
    // for a read-only target, kErrDiskFull when the disk is full and
    // kErrFileOpen when the file cannot be made otherwise (for example when
    // the target's folder does not exist).
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
