#include "foundation/streams/KFileDisposal.h"

#include <windows.h>

namespace
{
// The worker looks for files this often even without a wake-up.
constexpr int32_t kPeriod = 1000;
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
    if (GetState() == kStopped) {
        if (!Start(kPeriod, -1)) {
            DeleteFileW(path.CStr());
            return;
        }
        Resume();
    }
    itsLock.Lock();
    itsWaiting.push_back(path);
    itsLock.Unlock();
    Wake();
}

void KFileDisposal::Finish()
{
    DeleteWaiting();
}

void KFileDisposal::Tick(int32_t)
{
    DeleteWaiting();
}

void KFileDisposal::DeleteWaiting()
{
    itsDeleting.Lock();
    std::vector<KString> taken;
    itsLock.Lock();
    taken.swap(itsWaiting);
    itsLock.Unlock();
    for (const KString &path : taken)
        DeleteFileW(path.CStr());
    itsDeleting.Unlock();
}
