#pragma once
// KReplacingFile: writes a new version of a file without ever losing the old
// one. Begin creates a temporary file beside the target and the caller writes
// into it; Commit writes it out and only then renames it over the target,
// which the system releases there and then. When anything fails before that,
// or the object is destroyed without Commit, the temporary file is deleted
// and the target stays byte for byte as it was. Nothing but the target and
// the temporary file is ever made, changed or deleted. One thread at a time.
//
// The temporary name is the target's name with ".tmp" added. A name that
// would be longer than kMaxNameLength characters is cut and gets a mark of
// the whole name before ".tmp", so that no two targets share a temporary
// name and none is its own target's. The file is made new; only when the
// name is taken is what has it looked at. A file there (left by a save that
// never ended, a hard link) is removed as a name, never written through. A
// name that leads elsewhere when opened (a symbolic link the system follows
// and cannot remove by itself, as Wine's) and a link that cannot be opened
// at all (to a file another program holds, to a device, in a circle) are
// left alone, and the next name is taken: ".1.tmp", ".2.tmp" and so on,
// each cleared the same way, and so is a file that any running copy of the
// program keeps (KKeptFile: the file of an open document, or whatever file
// has its name).
// Where a name leads is told by the volumes and the paths on them that the
// system gives for the open file and its folder, at any length; the paths
// compared exactly where the volume tells names apart by case (and always
// under Wine, whose Linux file systems do so whatever the volume reports),
// case ignored elsewhere. When those paths cannot be had, a file is removed
// only when it carries this class's mark: it is made with the system's
// temporary attribute, which Commit takes off.
//
// Commit gives the new file the target's hidden, system and not-indexed
// attributes (the archive attribute set, as for any file written) and its
// creation time where the system keeps one, as the system's own replace
// does.
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
    // (another program holds it open), all kTemporaryNames names taken by
    // links, and a file that cannot be made (for example when the target's
    // folder does not exist).
    void Begin(int64_t expectedBytes = 0);
    // Writes everything out and replaces the target with the temporary file.
    // Throws KXStream (kErrDiskFull when the disk is full, else kErrFileWrite)
    // and leaves the target untouched, and no temporary file, on failure.
    void Commit();
    // Deletes the temporary file; the target is untouched.
    void Abandon();
    // The file index (KFile::FileIndex) of the file the last Commit put in
    // the target's place; 0 before, or when the system could not tell.
    uint64_t CommittedFileIndex() const { return itsCommittedIndex; }

    // Bytes written before the first early flush, between two of them, and
    // before the expected size after the last one at least.
    static constexpr int64_t kFirstEarlyFlushBytes = 768 * 1024;
    static constexpr int64_t kEarlyFlushBytes = 2 * 1024 * 1024;
    static constexpr int64_t kLastEarlyFlushGap = 1024 * 1024;
    // The longest file name (without its folder) the file systems take.
    static constexpr int kMaxNameLength = 255;
    // Temporary names tried past links before Begin gives up: ".tmp" and
    // ".1.tmp" to ".9.tmp".
    static constexpr int kTemporaryNames = 10;
    // Hexadecimal digits of the mark of a cut temporary name.
    static constexpr int kNameMarkDigits = 16;
    // The temporary name of a try from 0: the target with ".tmp", or with
    // "." attempt ".tmp", added. When that is longer than kMaxNameLength
    // characters, the target's file name is cut so that it keeps to them
    // with "~", kNameMarkDigits hexadecimal digits of a 64-bit FNV-1a hash
    // of the whole file name (in capitals) and the suffix added.
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
    // Makes the temporary file new under FullName; false when the name is
    // taken. Throws KXStream for any other failure.
    bool MadeTemporaryFile();
    // Removes whatever has the temporary name (FullName) as a name; false,
    // leaving it, for a name that leads elsewhere, a kept file or a link
    // that cannot be opened. Throws KXStream for a folder and for a file of that name that
    // cannot be removed.
    bool ClearTemporaryName() const;
    // Answers ClearTemporaryName for a name that could not be opened for
    // removal, with the system's error.
    bool ClearUnopenedName(unsigned long error) const;
    // Makes the temporary file new under the first name it can clear.
    void OpenTemporaryFile();
    // Refuses a read-only target (KXStream kErrFileWrite) and gives the
    // temporary file the target's attributes and creation time; answers the
    // attributes that the file still lacks (the system could not set them
    // on the open file).
    unsigned long TakeOverTargetMarks();
    // Puts the written temporary file in the target's place and gives it
    // the attributes still lacking; throws KXStream.
    void Replace(unsigned long attributes);
    // Marks the open file for deletion when its last handle closes, freeing
    // its name at once where the system can; 0 when done, else the system's
    // error (ERROR_CALL_NOT_IMPLEMENTED when the system cannot).
    static unsigned long DeleteOpenFile(void *handle);

    KString itsTarget;
    bool itsBegun = false;
    // Whether this file holds the worker, or could not have it.
    bool itsEarlyFlushHeld = false;
    bool itsEarlyFlushRefused = false;
    int64_t itsWritten = 0;
    int64_t itsLastFlushAt = 0;
    int64_t itsNextFlushAt = kFirstEarlyFlushBytes;
    uint64_t itsCommittedIndex = 0;
};
