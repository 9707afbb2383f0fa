#include "foundation/app/KApplicationHooks.h"

#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

#include <windows.h>

#include <vector>

namespace {

KApplicationHooks *gHooks = nullptr;

} // namespace

void KSetApplicationHooks(KApplicationHooks *hooks)
{
    gHooks = hooks;
}

KApplicationHooks *KGetApplicationHooks()
{
    return gHooks;
}

void KProgramPath(KString &path)
{
    if (gHooks) {
        gHooks->ProgramPath(path);
        return;
    }
    // Long paths do not fit MAX_PATH: grow until the name is complete.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0)
            return;
        if (n < buffer.size()) {
            path.Append(buffer.data(), int(n));
            return;
        }
        if (buffer.size() >= 32768)
            return;
        buffer.resize(buffer.size() * 2);
    }
}

const wchar_t *KFindOption(const wchar_t *option)
{
    return gHooks && option ? gHooks->FindOption(option) : nullptr;
}

bool KWaitGoesOn()
{
    // A wait inside what the hooks run meanwhile (a window's handler that
    // itself waits on a port) only waits: the hooks are never entered twice.
    static thread_local bool asking = false;
    if (!gHooks || asking)
        return true;
    struct Asking
    {
        bool &flag;
        explicit Asking(bool &flag) : flag(flag) { flag = true; }
        ~Asking() { flag = false; }
    } scope(asking);
    return gHooks->WaitGoesOn();
}

void KAnsweringWait(bool begins)
{
    if (gHooks)
        gHooks->AnsweringWait(begins);
}

bool KWaitSleep(int milliseconds)
{
    const int32_t start = KTickCount();
    for (;;) {
        int left = milliseconds - KTickElapsed(start);
        if (left <= 0)
            return true;
        KSleep(left < KWaitSlice ? left : KWaitSlice);
        if (!KWaitGoesOn())
            return false;
    }
}
