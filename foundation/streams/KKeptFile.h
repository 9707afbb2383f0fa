#pragma once
// KKeptFile: a file that no save (KReplacingFile) takes for a leftover of
// its own under a temporary name, whichever name leads to it, in any running
// copy of the program: the file of an open document, which owns one such
// object and keeps its file with it from when the file is opened or saved
// until the document goes. The file's index and the mark of its name (its
// full path, case ignored) are recorded when it is kept, in a table that all
// the running copies share (KKeptFileTable), so that a save looks the file
// it finds up there instead of opening every document's file; a process
// that ends, also killed, keeps nothing any more. The name kept counts in
// every copy, whatever file has it by then (another copy may have saved
// over it): in its own process compared as given, case ignored, in the
// others by the full path's mark. The file index is the system's, without
// the volume: a file of another volume with the same index is kept too,
// as a file is when unsure. A file whose identity cannot be recorded (it
// cannot be opened, the table is full or cannot be had) makes every save of
// every copy leave whatever it finds while it is kept: when unsure, no file
// is taken for a leftover. Keeping a file costs one look at the table when
// the file is listed first (an open), and neither that nor any call to the
// system when a listed file's place is taken by another (a save) and the
// caller gives the file index it read.
// Any thread; one object is used by one thread at a time.

#include "foundation/strings/KString.h"

#include <cstdint>

class KKeptFile
{
public:
    KKeptFile() = default;
    ~KKeptFile() { Release(); }
    KKeptFile(const KKeptFile &) = delete;
    KKeptFile &operator=(const KKeptFile &) = delete;

    // Keeps the file at path in place of the one kept before (none for an
    // empty path), as it is now: called again whenever another file takes
    // the name (each save puts a new file in its target's place). fileIndex
    // is the file's KFile::FileIndex, read while it was open under path;
    // 0: looked up by the name.
    void Keep(const KString &path, uint64_t fileIndex = 0);
    // Keeps no file any more.
    void Release();
    // The name kept; empty when none.
    const KString &Path() const { return itsPath; }

    // Whether a save leaves the file it found under the temporary name path,
    // with its 64-bit file index: its name is kept by any running copy, or
    // the file, or that cannot be told.
    static bool IsKept(const KString &path, uint64_t index);

private:
    KString itsPath;
    int32_t itsEntry = -1;   // the file's entry in the shared table; -1: none
};
