// Linked into every test program: a stack overflow ends the program at once
// with the overflow's own code. Left to Wine, an overflow deep inside a window
// procedure leaves no room to run the unhandled-exception path, and the
// program can end with exit code 0 as if it had finished.
#include <windows.h>

namespace {

LONG CALLBACK EndOnStackOverflow(EXCEPTION_POINTERS *info)
{
    if (info->ExceptionRecord->ExceptionCode != EXCEPTION_STACK_OVERFLOW)
        return EXCEPTION_CONTINUE_SEARCH;
    static const char kSaid[] = "test program: stack overflow, ending the program\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), kSaid, sizeof kSaid - 1, &written, nullptr);
    TerminateProcess(GetCurrentProcess(), EXCEPTION_STACK_OVERFLOW);
    return EXCEPTION_CONTINUE_SEARCH;
}

const PVOID kHandler = AddVectoredExceptionHandler(1, EndOnStackOverflow);

} // namespace
