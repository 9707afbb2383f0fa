#pragma once
// KLog: the program's text log, a file named like the program with the
// extension "log". Lines are appended at its end, each tagged E (error) or W
// (warning) with the local date and time:
//     E 2026-05-01 10:00:00.000 VImageBlocks::Add: p null
// Internal consistency checks write "class::method: condition" lines through
// Consistency. The file is written in UTF-8. When the log is destroyed and
// the file is empty it is deleted, so a clean run leaves no log behind.
// The file keeps to kMostBytes, whatever earlier runs left: a line that
// would take it past first drops the oldest lines (the newest whole lines,
// at most half of kMostBytes, move to the file's start and the line follows
// them); a line longer than the whole log is cut to fit.
//
// Any thread of any number of copies of the program may write the same file:
// each line is appended, and the oldest dropped, under one lock that every
// copy takes, a named mutex derived from the file's full path (LockName), so
// that lines stay whole and no copy writes past another's cut. A line that
// cannot have the lock within kLockWait is not written; a lock whose holder
// ended without releasing it is taken all the same. A log whose file or lock
// cannot be opened writes nothing and reports so through IsOpen. The
// start-up publishes one log as the program's log (KSetProgramLog); others
// reach it with KProgramLog.

#include <cstdint>
#include <vector>

#include "foundation/strings/KString.h"

class KLog
{
public:
    // The file's largest size in bytes.
    static constexpr int64_t kMostBytes = 4 * 1024 * 1024;
    // The longest wait for the lock of the file, in milliseconds.
    static constexpr uint32_t kLockWait = 1000;

    // Opens (creating) the program path with the extension "log".
    KLog();
    // The same, kept to mostBytes instead of kMostBytes.
    explicit KLog(int64_t mostBytes);
    KLog(const KLog &) = delete;
    KLog &operator=(const KLog &) = delete;
    ~KLog();

    bool IsOpen() const { return itsFile != nullptr; }
    const KString &Path() const { return itsPath; }
    // The name of the mutex that every copy writing the file takes: "KLog."
    // and the file's full path in upper case, with '/' for '\' (a path too
    // long for a name: a hash of it). Empty when the log is not open.
    const KString &LockName() const { return itsLockName; }

    void Error(const KString &text);
    void Warning(const KString &text);
    // An E line of the form className "::" method ": " condition.
    void Consistency(const wchar_t *className, const wchar_t *method, const wchar_t *condition);

private:
    void WriteLine(wchar_t tag, const KString &text);
    // Appends the line (UTF-8, its line end included) within the size.
    void Append(std::vector<char> &utf8);

    KString itsPath;
    KString itsLockName;
    void *itsFile = nullptr;
    void *itsLock = nullptr;
    int64_t itsMostBytes;
};

// The program's log, none before the start-up publishes one or after it was
// withdrawn.
KLog *KProgramLog();
void KSetProgramLog(KLog *log);
