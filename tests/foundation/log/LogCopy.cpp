// A second copy of a program writing the log that a test writes too
// (KLogTest.cpp starts it): it writes the log of PROGRAM (PROGRAM with the
// extension log), kept to MOST bytes, one error line LogCopyLine('B', n)
// after another, n = 0, 1, ..., from when it sets the named event READY
// until the named event STOP is set.
//
// Usage: log_copy PROGRAM MOST READY STOP
// Exit code: 2 for wrong arguments, 3 when the log did not open.

#include "LogCopyLine.h"

#include "foundation/app/KApplicationHooks.h"
#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// Names the program whose log this copy writes.
class CopyHooks : public KApplicationHooks
{
public:
    explicit CopyHooks(const wchar_t *program) : itsProgram(program) {}
    void ProgramPath(KString &path) const override { path.Append(itsProgram); }
    const wchar_t *FindOption(const wchar_t *) const override { return nullptr; }

private:
    const wchar_t *itsProgram;
};

} // namespace

int wmain(int argc, wchar_t **argv)
{
    HANDLE ready = argc == 5 ? OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]) : nullptr;
    HANDLE stop = argc == 5 ? OpenEventW(SYNCHRONIZE, FALSE, argv[4]) : nullptr;
    if (!ready || !stop)
        return 2;
    CopyHooks hooks(argv[1]);
    KSetApplicationHooks(&hooks);
    KLog log(_wtoi64(argv[2]));
    if (!log.IsOpen())
        return 3;
    SetEvent(ready);
    for (int n = 0; WaitForSingleObject(stop, 0) == WAIT_TIMEOUT; ++n) {
        const std::string line = LogCopyLine('B', n);
        log.Error(KString(std::wstring(line.begin(), line.end()).c_str()));
    }
    return 0;
}
