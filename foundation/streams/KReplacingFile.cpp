// KReplacingFile: temporary file, flush to disk, then one rename.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KFileDisposal.h"

#include <process.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

namespace
{
// The system's call that renames an open file (from Windows Vista on; looked
// up at run time). Its rename record: replace flag, root folder, name
// length in bytes, name.
using SetInformationByHandle = BOOL(WINAPI *)(HANDLE, int, void *, DWORD);
constexpr int kFileRenameInfo = 3;
struct RenameRecord
{
    DWORD replaceIfExists;
    HANDLE rootDirectory;
    DWORD nameBytes;
    wchar_t name[1];
};

SetInformationByHandle RenameCall()
{
    static const SetInformationByHandle call = reinterpret_cast<SetInformationByHandle>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetFileInformationByHandle")));
    return call;
}

// Renames the open file to target, replacing a file there; false when the
// system cannot (the caller then renames the closed file by its name).
bool RenameOpenFile(void *handle, const KString &target)
{
    SetInformationByHandle call = RenameCall();
    if (!call || !handle)
        return false;
    const size_t nameBytes = size_t(target.Length()) * sizeof(wchar_t);
    std::vector<uint8_t> bytes(sizeof(RenameRecord) + nameBytes, 0);
    auto *record = reinterpret_cast<RenameRecord *>(bytes.data());
    record->replaceIfExists = TRUE;
    record->rootDirectory = nullptr;
    record->nameBytes = DWORD(nameBytes);
    std::copy(target.CStr(), target.CStr() + target.Length(), record->name);
    return call(static_cast<HANDLE>(handle), kFileRenameInfo, record, DWORD(bytes.size())) != 0;
}
} // namespace

// The worker that flushes the temporary file while it is being written. It
// flushes once for each request (requests made while it flushes make one
// more flush), and on stop ends after the request it was woken for.
struct KReplacingFile::EarlyFlush
{
    KReplacingFile *owner = nullptr;
    HANDLE file = INVALID_HANDLE_VALUE;  // the second handle
    HANDLE wake = nullptr;
    HANDLE thread = nullptr;
    std::atomic<int> requested{0};
    std::atomic<bool> stop{false};
    DWORD error = 0;  // read once the thread has ended

    ~EarlyFlush()
    {
        if (thread)
            CloseHandle(thread);
        if (wake)
            CloseHandle(wake);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }

    static unsigned __stdcall Main(void *self)
    {
        static_cast<EarlyFlush *>(self)->Run();
        return 0;
    }

    void Run()
    {
        int done = 0;
        for (;;) {
            WaitForSingleObject(wake, INFINITE);
            const int wanted = requested;
            if (wanted != done) {
                done = wanted;
                if (!owner->FlushToDisk(file)) {
                    error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
                    return;
                }
            }
            if (stop)
                return;
        }
    }

    void Request()
    {
        ++requested;
        SetEvent(wake);
    }
};

KReplacingFile::KReplacingFile(const KString &target, int32_t bufferSize)
    : KBufferedFile(bufferSize), itsTarget(target)
{
    KString temporary(target);
    temporary.Append(L".tmp");
    SetFullName(temporary);
    // Made empty, with the right to rename it while it is open, and letting
    // the early flush's second handle write (a flush needs that right).
    SetOpenOptions(DELETE, true, FILE_SHARE_WRITE);
}

KReplacingFile::~KReplacingFile()
{
    if (itsBegun)
        Abandon();
}

void KReplacingFile::Begin(int64_t expectedBytes)
{
    if (itsBegun)
        Abandon();
    Open(kModeWrite, true);
    itsBegun = true;
    itsEarlyFlushRefused = false;
    itsWritten = 0;
    itsNextFlushAt = kEarlyFlushBytes;
    itsLastFlushAt = expectedBytes - kEarlyFlushBytes;
}

void KReplacingFile::DoWrite(const void *buffer, int32_t count)
{
    KBufferedFile::DoWrite(buffer, count);
    itsWritten += count;
    if (itsWritten < itsNextFlushAt || itsWritten > itsLastFlushAt)
        return;
    itsNextFlushAt = itsWritten + kEarlyFlushBytes;
    if (!itsEarlyFlush && !itsEarlyFlushRefused)
        StartEarlyFlush();
    if (itsEarlyFlush)
        itsEarlyFlush->Request();
}

bool KReplacingFile::FlushToDisk(void *handle) { return FlushFileBuffers(static_cast<HANDLE>(handle)) != 0; }

void KReplacingFile::StartEarlyFlush()
{
    std::unique_ptr<EarlyFlush> flush(new EarlyFlush);
    flush->owner = this;
    flush->file = CreateFileW(FullName().CStr(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    flush->wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (flush->file != INVALID_HANDLE_VALUE && flush->wake)
        flush->thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &EarlyFlush::Main, flush.get(), 0, nullptr));
    if (!flush->thread) {
        itsEarlyFlushRefused = true;
        return;
    }
    itsEarlyFlush = std::move(flush);
}

unsigned long KReplacingFile::EndEarlyFlush()
{
    if (!itsEarlyFlush)
        return 0;
    itsEarlyFlush->stop = true;
    SetEvent(itsEarlyFlush->wake);
    WaitForSingleObject(itsEarlyFlush->thread, INFINITE);
    const DWORD error = itsEarlyFlush->error;
    itsEarlyFlush.reset();
    return error;
}

void KReplacingFile::Commit()
{
    if (!itsBegun)
        throw KXStream(kErrFileWrite);
    try {
        Flush();
        // The new contents must be on the disk before the old file goes:
        // the whole file is flushed here, meanwhile the worker ends its
        // flush of the part written before, and both must have succeeded.
        const bool flushed = FlushToDisk(NativeHandle());
        const int32_t error = flushed ? 0 : int32_t(GetLastError());
        if (const unsigned long early = EndEarlyFlush())
            throw KXStream(kErrFileWrite, int32_t(early));
        if (!flushed)
            throw KXStream(kErrFileWrite, error);
    } catch (...) {
        Abandon();
        throw;
    }
    Replace();
    itsBegun = false;
}

void KReplacingFile::Replace()
{
    // A second name keeps the old file's space allocated through the
    // rename; only the disposal worker then frees it. Freeing even a few
    // hundred kilobytes costs the file system longer than the whole rename.
    // No second name is made when there is no old file or the name is taken.
    KString kept;
    if (itsReleaseInBackground) {
        kept = itsTarget;
        kept.Append(L".old");
        if (!CreateHardLinkW(kept.CStr(), itsTarget.CStr(), nullptr))
            kept.Clear();
    }
    bool renamed = RenameOpenFile(NativeHandle(), itsTarget);
    try {
        Close();
    } catch (...) {
        // Flushed already: nothing was left to write.
    }
    if (!renamed &&
        !MoveFileExW(FullName().CStr(), itsTarget.CStr(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        int32_t error = int32_t(GetLastError());
        // The old file may be held open by the program that kept the rename
        // from happening: its second name then goes when it is let go.
        if (!kept.IsEmpty() && !DeleteFileW(kept.CStr()))
            KFileDisposal::Shared().Dispose(kept);
        Abandon();
        throw KXStream(kErrFileWrite, error);
    }
    if (!kept.IsEmpty())
        KFileDisposal::Shared().Dispose(kept);
}

void KReplacingFile::Abandon()
{
    itsBegun = false;
    EndEarlyFlush();
    try {
        Close();
    } catch (...) {
        // The temporary file is deleted below whatever its state.
    }
    DeleteFileW(FullName().CStr());
}
