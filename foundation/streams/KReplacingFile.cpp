// KReplacingFile: temporary file, flush to disk, then one rename.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"

#include <process.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

namespace
{
// The system's call that renames or deletes an open file (from Windows
// Vista on; looked up at run time), its classes and records: a rename
// (replace flag, root folder, name length in bytes, name), a deletion and a
// deletion that frees the name at once (from Windows 10 on).
using SetInformationByHandle = BOOL(WINAPI *)(HANDLE, int, void *, DWORD);
constexpr int kFileRenameInfo = 3;
constexpr int kFileDispositionInfo = 4;
constexpr int kFileDispositionInfoEx = 21;
constexpr DWORD kDispositionDelete = 1;
constexpr DWORD kDispositionPosixSemantics = 2;
struct RenameRecord
{
    DWORD replaceIfExists;
    HANDLE rootDirectory;
    DWORD nameBytes;
    wchar_t name[1];
};

SetInformationByHandle InformationCall()
{
    static const SetInformationByHandle call = reinterpret_cast<SetInformationByHandle>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetFileInformationByHandle")));
    return call;
}

// Whether a failed call on an open file means that the system cannot do it
// that way at all (the caller then goes by the file's name).
bool NotSupported(DWORD error)
{
    return error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
           error == ERROR_INVALID_PARAMETER;
}

// Renames the open file to target, replacing a file there; 0 when done,
// else the system's error.
DWORD RenameOpenFile(void *handle, const KString &target)
{
    SetInformationByHandle call = InformationCall();
    if (!call || !handle)
        return ERROR_CALL_NOT_IMPLEMENTED;
    const size_t nameBytes = size_t(target.Length()) * sizeof(wchar_t);
    std::vector<uint8_t> bytes(sizeof(RenameRecord) + nameBytes, 0);
    auto *record = reinterpret_cast<RenameRecord *>(bytes.data());
    record->replaceIfExists = TRUE;
    record->rootDirectory = nullptr;
    record->nameBytes = DWORD(nameBytes);
    std::copy(target.CStr(), target.CStr() + target.Length(), record->name);
    return call(static_cast<HANDLE>(handle), kFileRenameInfo, record, DWORD(bytes.size())) ? 0 : GetLastError();
}

// Marks the open file for deletion when its last handle closes, freeing its
// name at once where the system can; false when the system cannot.
bool DeleteOpenFile(void *handle)
{
    SetInformationByHandle call = InformationCall();
    if (!call || !handle)
        return false;
    DWORD flags = kDispositionDelete | kDispositionPosixSemantics;
    if (call(static_cast<HANDLE>(handle), kFileDispositionInfoEx, &flags, sizeof(flags)))
        return true;
    BOOLEAN remove = TRUE;
    return call(static_cast<HANDLE>(handle), kFileDispositionInfo, &remove, sizeof(remove)) != 0;
}
} // namespace

// The worker that flushes the temporary file while it is being written. It
// flushes once for each request (requests made while it flushes make one
// more flush), and on stop ends after the request it was woken for.
struct KReplacingFile::EarlyFlush
{
    KReplacingFile *owner = nullptr;
    HANDLE file = nullptr;  // a duplicate of the owner's handle
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
        if (file)
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
    // Made empty, with the right to rename or delete it while it is open;
    // others may read it at most (the write mode's sharing).
    SetOpenOptions(DELETE, true);
}

KReplacingFile::~KReplacingFile()
{
    if (itsBegun)
        Abandon();
}

void KReplacingFile::RefuseReadOnlyTarget() const
{
    const DWORD attributes = GetFileAttributesW(itsTarget.CStr());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw KXStream(kErrFileWrite, ERROR_ACCESS_DENIED);
}

void KReplacingFile::Begin(int64_t expectedBytes)
{
    if (itsBegun)
        Abandon();
    RefuseReadOnlyTarget();
    try {
        Open(kModeWrite, true);
    } catch (const KXStream &x) {
        if (WriteErrorCode(static_cast<unsigned long>(x.Extra())) == kErrDiskFull)
            throw KXStream(kErrDiskFull, x.Extra());
        throw;
    }
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
    HANDLE process = GetCurrentProcess();
    if (!DuplicateHandle(process, static_cast<HANDLE>(NativeHandle()), process, &flush->file, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        flush->file = nullptr;
    flush->wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (flush->file && flush->wake)
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
        const DWORD error = flushed ? 0 : GetLastError();
        if (const DWORD early = EndEarlyFlush())
            throw KXStream(WriteErrorCode(early), int32_t(early));
        if (!flushed)
            throw KXStream(WriteErrorCode(error), int32_t(error));
        RefuseReadOnlyTarget();
        Replace();
    } catch (...) {
        Abandon();
        throw;
    }
    itsBegun = false;
}

void KReplacingFile::Replace()
{
    DWORD error = RenameOpenFile(NativeHandle(), itsTarget);
    if (error == 0) {
        try {
            Close();
        } catch (...) {
            // Flushed already: nothing was left to write.
        }
        return;
    }
    if (!NotSupported(error))
        throw KXStream(WriteErrorCode(error), int32_t(error));
    Close();
    if (!MoveFileExW(FullName().CStr(), itsTarget.CStr(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        throw KXStream(WriteErrorCode(error), int32_t(error));
    }
}

void KReplacingFile::Abandon()
{
    if (!itsBegun)
        return;
    itsBegun = false;
    EndEarlyFlush();
    const bool deleted = IsOpen() && DeleteOpenFile(NativeHandle());
    try {
        Close();
    } catch (...) {
        // The temporary file is deleted whatever its state.
    }
    if (!deleted)
        DeleteFileW(FullName().CStr());
}
