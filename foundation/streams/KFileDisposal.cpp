#include "foundation/streams/KFileDisposal.h"

#include <windows.h>

namespace
{
// The worker deletes what it was given this often. Not at once: the file
// system first serves the work of the thread that handed a file over, which
// on some systems would otherwise wait behind the deletion.
constexpr int32_t kPeriod = 250;
} // namespace

KFileDisposal::KFileDisposal() = default;

KFileDisposal::~KFileDisposal()
{
    Stop();
    Finish();
}

KFileDisposal &KFileDisposal::Shared()
{
    static KFileDisposal disposal;
    return disposal;
}

void KFileDisposal::Dispose(const KString &path)
{
    // The worker is started under the lock, so that two threads handing
    // over their first files at once do not both start one.
    itsLock.Lock();
    bool queued = GetState() != kStopped || Start(kPeriod, -1);
    if (queued) {
        Resume();
        itsWaiting.push_back(path);
        itsCount = int(itsWaiting.size());
    }
    itsLock.Unlock();
    if (!queued)
        DeleteFileW(path.CStr());
}

void KFileDisposal::Finish()
{
    DeleteWaiting();
}

void KFileDisposal::Tick(int32_t)
{
    if (itsCount > 0)
        DeleteWaiting();
}

void KFileDisposal::DeleteWaiting()
{
    itsDeleting.Lock();
    std::vector<KString> taken;
    itsLock.Lock();
    taken.swap(itsWaiting);
    itsCount = 0;
    itsLock.Unlock();
    std::vector<KString> held;
    for (const KString &path : taken) {
        if (!DeleteFileW(path.CStr()) && GetLastError() == ERROR_SHARING_VIOLATION)
            held.push_back(path);
    }
    if (!held.empty()) {
        itsLock.Lock();
        itsWaiting.insert(itsWaiting.begin(), held.begin(), held.end());
        itsCount = int(itsWaiting.size());
        itsLock.Unlock();
    }
    itsDeleting.Unlock();
}
