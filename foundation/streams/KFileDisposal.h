#pragma once
// KFileDisposal: deletes files on a worker thread, so that the thread that
// hands a file over does not wait while the file system frees its space
// (deleting a file of many megabytes takes milliseconds). Files are deleted
// in the order given, within a quarter of a second; Finish deletes what is
// left at once and waits. A file another program holds open (without
// letting it be deleted) stays waiting and is tried again on each round.
// One instance for the process (Shared); its worker starts with the first
// file and ends when the instance is destroyed, deleting what is left.
// Dispose and Finish may be called from any thread.

#include "foundation/strings/KString.h"
#include "foundation/threads/KMutex.h"
#include "foundation/threads/KPeriodicTask.h"

#include <atomic>
#include <vector>

class KFileDisposal : private KPeriodicTask
{
public:
    KFileDisposal();
    ~KFileDisposal() override;

    static KFileDisposal &Shared();

    // Deletes the file at path on the worker. When no worker can run, the
    // file is deleted at once.
    void Dispose(const KString &path);
    // Deletes every file still waiting, on the calling thread, and waits for
    // one the worker is deleting.
    void Finish();

private:
    void Tick(int32_t now) override;
    // Takes the waiting files and deletes them.
    void DeleteWaiting();

    KMutex itsLock;      // guards itsWaiting and the worker's start
    KMutex itsDeleting;  // held while files are being deleted
    std::vector<KString> itsWaiting;
    std::atomic<int> itsCount{0};  // files waiting; read without the lock
};
