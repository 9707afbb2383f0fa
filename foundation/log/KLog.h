#pragma once
// KLog: the program's text log, a file named like the program with the
// extension "log". Lines are appended at its end, each tagged E (error) or W
// (warning) with the local date and time:
//     E 2026-05-01 10:00:00.000 VImageBlocks::Add: p null
// Internal consistency checks write "class::method: condition" lines through
// Consistency. The file is written in UTF-8. When the log is destroyed and
// the file is empty it is deleted, so a clean run leaves no log behind.
//
// Any thread may write: a mutex keeps lines whole. A log whose file cannot
// be opened writes nothing and reports so through IsOpen. The start-up
// publishes one log as the program's log (KSetProgramLog); others reach it
// with KProgramLog.

#include <mutex>

#include "foundation/strings/KString.h"

class KLog
{
public:
    // Opens (creating) the program path with the extension "log".
    KLog();
    KLog(const KLog &) = delete;
    KLog &operator=(const KLog &) = delete;
    ~KLog();

    bool IsOpen() const { return itsFile != nullptr; }
    const KString &Path() const { return itsPath; }

    void Error(const KString &text);
    void Warning(const KString &text);
    // An E line of the form className "::" method ": " condition.
    void Consistency(const wchar_t *className, const wchar_t *method, const wchar_t *condition);

private:
    void WriteLine(wchar_t tag, const KString &text);

    std::mutex itsMutex;
    KString itsPath;
    void *itsFile = nullptr;
};

// The program's log, none before the start-up publishes one or after it was
// withdrawn.
KLog *KProgramLog();
void KSetProgramLog(KLog *log);
