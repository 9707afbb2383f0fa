// KReplacingFile: temporary file, flush to disk, then one rename; the flush
// worker and what the new file takes over from the old one.
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
// Vista on; looked up at run time), its classes and records: the times and
// attributes, a rename (replace flag, root folder, name length in bytes,
// name), a deletion and a deletion that frees the name at once (from
// Windows 10 on).
using SetInformationByHandle = BOOL(WINAPI *)(HANDLE, int, void *, DWORD);
constexpr int kFileBasicInfo = 0;
constexpr int kFileRenameInfo = 3;
constexpr int kFileDispositionInfo = 4;
constexpr int kFileDispositionInfoEx = 21;
constexpr DWORD kDispositionDelete = 1;
constexpr DWORD kDispositionPosixSemantics = 2;
struct BasicRecord
{
    // Times in 100 ns since 1601; 0 leaves one as it is.
    LARGE_INTEGER creation, lastAccess, lastWrite, change;
    DWORD attributes;  // 0 leaves them as they are
};
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

// What a save keeps of the file it replaces: the marks a user or the
// system set on it. Others (read-only is refused; compressed and encrypted
// follow the folder) are not the save's to give.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
} // namespace

unsigned long KReplacingFile::DeleteOpenFile(void *handle)
{
    SetInformationByHandle call = InformationCall();
    if (!call || !handle)
        return ERROR_CALL_NOT_IMPLEMENTED;
    DWORD flags = kDispositionDelete | kDispositionPosixSemantics;
    if (call(static_cast<HANDLE>(handle), kFileDispositionInfoEx, &flags, sizeof(flags)))
        return 0;
    BOOLEAN remove = TRUE;
    return call(static_cast<HANDLE>(handle), kFileDispositionInfo, &remove, sizeof(remove)) ? 0 : GetLastError();
}

// The process's flush worker. Its thread is made at the first early flush
// and kept: making a thread costs a save more than the flush gains, and
// each large save would pay that again. One file at a time holds it; the
// holder's requests are served in order, those made while it flushes by
// one more flush, and the holder waits for all of them before it lets go.
struct KReplacingFile::EarlyFlush
{
    std::atomic<bool> held{false};
    bool refused = false;  // the system refused the thread: not asked again
    HANDLE thread = nullptr;
    HANDLE wake = nullptr;  // set with each request
    HANDLE done = nullptr;  // set after each flush
    // Requests made and served since the thread started.
    std::atomic<int> requested{0};
    std::atomic<int> served{0};

    // The holder's file, set before its first request.
    KReplacingFile *owner = nullptr;
    HANDLE file = nullptr;  // a duplicate of the owner's handle
    DWORD error = 0;        // the first failed flush's; read once served

    // Lives as long as the process, as its thread does.
    static EarlyFlush &Worker()
    {
        static EarlyFlush *worker = new EarlyFlush;
        return *worker;
    }

    static unsigned __stdcall Main(void *self)
    {
        static_cast<EarlyFlush *>(self)->Run();
        return 0;
    }

    void Run()
    {
        for (;;) {
            WaitForSingleObject(wake, INFINITE);
            for (int wanted = requested; served != wanted; wanted = requested) {
                if (error == 0 && !owner->FlushToDisk(file))
                    error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
                served = wanted;
                SetEvent(done);
            }
        }
    }

    // Takes the worker for owner's file; false when another file holds it
    // or the system refuses the thread or the second handle.
    bool Hold(KReplacingFile *holder)
    {
        if (held.exchange(true))
            return false;
        HANDLE process = GetCurrentProcess();
        if (Start() && DuplicateHandle(process, static_cast<HANDLE>(holder->NativeHandle()), process, &file, 0,
                                       FALSE, DUPLICATE_SAME_ACCESS)) {
            owner = holder;
            error = 0;
            return true;
        }
        file = nullptr;
        held = false;
        return false;
    }

    bool Start()
    {
        if (thread || refused)
            return !refused;
        wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (wake && done)
            thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Main, this, 0, nullptr));
        refused = thread == nullptr;
        return !refused;
    }

    void Request()
    {
        ++requested;
        SetEvent(wake);
    }

    // Waits for the holder's requests and lets the worker go; the system's
    // error of a failed flush, else 0.
    DWORD Release()
    {
        while (served != requested)
            WaitForSingleObject(done, INFINITE);
        const DWORD failed = error;
        CloseHandle(file);
        file = nullptr;
        owner = nullptr;
        held = false;
        return failed;
    }
};

KReplacingFile::KReplacingFile(const KString &target, int32_t bufferSize)
    : KBufferedFile(bufferSize), itsTarget(target)
{
    SetFullName(TemporaryName(target, 0));
    // Made new, never through anything found under the name, with the right
    // to rename or delete it while it is open; others may read it at most
    // (the write mode's sharing). The temporary attribute marks it as a
    // save's until Commit.
    SetOpenOptions(DELETE, true, 0, true, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_OPEN_REPARSE_POINT);
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
        throw KXStream(kErrFileWrite, ERROR_ACCESS_DENIED, itsTarget);
}

void KReplacingFile::Begin(int64_t expectedBytes)
{
    if (itsBegun)
        Abandon();
    RefuseReadOnlyTarget();
    itsCommittedIndex = 0;
    OpenTemporaryFile();
    itsBegun = true;
    itsEarlyFlushRefused = false;
    itsWritten = 0;
    itsNextFlushAt = kFirstEarlyFlushBytes;
    itsLastFlushAt = expectedBytes - kLastEarlyFlushGap;
}

void KReplacingFile::DoWrite(const void *buffer, int32_t count)
{
    KBufferedFile::DoWrite(buffer, count);
    itsWritten += count;
    if (itsWritten < itsNextFlushAt || itsWritten > itsLastFlushAt)
        return;
    itsNextFlushAt = itsWritten + kEarlyFlushBytes;
    if (!itsEarlyFlushHeld && !itsEarlyFlushRefused) {
        itsEarlyFlushHeld = EarlyFlush::Worker().Hold(this);
        itsEarlyFlushRefused = !itsEarlyFlushHeld;
    }
    if (itsEarlyFlushHeld)
        EarlyFlush::Worker().Request();
}

bool KReplacingFile::FlushToDisk(void *handle) { return FlushFileBuffers(static_cast<HANDLE>(handle)) != 0; }

unsigned long KReplacingFile::EndEarlyFlush()
{
    if (!itsEarlyFlushHeld)
        return 0;
    itsEarlyFlushHeld = false;
    return EarlyFlush::Worker().Release();
}

void KReplacingFile::Commit()
{
    if (!itsBegun)
        throw KXStream(kErrFileWrite, -1, itsTarget);
    try {
        Flush();
        // The new contents must be on the disk before the old file goes:
        // the whole file is flushed here, meanwhile the worker ends its
        // flush of the part written before, and both must have succeeded.
        const bool flushed = FlushToDisk(NativeHandle());
        const DWORD error = flushed ? 0 : GetLastError();
        if (const DWORD early = EndEarlyFlush())
            throw KXStream(WriteErrorCode(early), int32_t(early), FullName());
        if (!flushed)
            throw KXStream(WriteErrorCode(error), int32_t(error), FullName());
        const uint64_t index = FileIndex();
        Replace(TakeOverTargetMarks());
        itsCommittedIndex = index;
    } catch (...) {
        Abandon();
        throw;
    }
    itsBegun = false;
}

unsigned long KReplacingFile::TakeOverTargetMarks()
{
    WIN32_FILE_ATTRIBUTE_DATA target;
    const bool exists = GetFileAttributesExW(itsTarget.CStr(), GetFileExInfoStandard, &target) != 0;
    if (exists && (target.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        throw KXStream(kErrFileWrite, ERROR_ACCESS_DENIED, itsTarget);
    BasicRecord record = {};
    record.attributes = (exists ? target.dwFileAttributes & kKeptAttributes : 0) | FILE_ATTRIBUTE_ARCHIVE;
    if (exists) {
        record.creation.LowPart = target.ftCreationTime.dwLowDateTime;
        record.creation.HighPart = LONG(target.ftCreationTime.dwHighDateTime);
    }
    SetInformationByHandle call = InformationCall();
    if (call && call(static_cast<HANDLE>(NativeHandle()), kFileBasicInfo, &record, sizeof(record)))
        return 0;
    // Before Windows Vista: the time through the open file, the attributes
    // by name once it is the target. A system that cannot keep them does
    // not fail the save.
    if (exists)
        SetFileTime(static_cast<HANDLE>(NativeHandle()), &target.ftCreationTime, nullptr, nullptr);
    return record.attributes;
}

void KReplacingFile::Replace(unsigned long attributes)
{
    DWORD error = RenameOpenFile(NativeHandle(), itsTarget);
    if (error == 0) {
        try {
            Close();
        } catch (...) {
            // Flushed already: nothing was left to write.
        }
    } else {
        if (!NotSupported(error))
            throw KXStream(WriteErrorCode(error), int32_t(error), itsTarget);
        Close();
        if (!MoveFileExW(FullName().CStr(), itsTarget.CStr(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = GetLastError();
            throw KXStream(WriteErrorCode(error), int32_t(error), itsTarget);
        }
    }
    if (attributes != 0)
        SetFileAttributesW(itsTarget.CStr(), attributes);
}

void KReplacingFile::Abandon()
{
    if (!itsBegun)
        return;
    itsBegun = false;
    EndEarlyFlush();
    const bool deleted = IsOpen() && DeleteOpenFile(NativeHandle()) == 0;
    try {
        Close();
    } catch (...) {
        // The temporary file is deleted whatever its state.
    }
    if (!deleted)
        DeleteFileW(FullName().CStr());
}
