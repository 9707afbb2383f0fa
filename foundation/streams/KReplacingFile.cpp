// KReplacingFile: temporary file, flush to disk, then one rename.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"

#include <process.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
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
// name at once where the system can; 0 when done, else the system's error
// (ERROR_CALL_NOT_IMPLEMENTED when the system cannot).
DWORD DeleteOpenFile(void *handle)
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

// The system's call that tells the path of an open file as the file system
// knows it, links followed (from Windows Vista on; looked up at run time).
using FinalPathCall = DWORD(WINAPI *)(HANDLE, wchar_t *, DWORD, DWORD);

FinalPathCall FinalPath()
{
    static const FinalPathCall call = reinterpret_cast<FinalPathCall>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
    return call;
}

// The open file's path with links followed; empty when the system cannot tell.
std::wstring FinalPathOf(HANDLE handle)
{
    FinalPathCall call = FinalPath();
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = call ? call(handle, &path[0], DWORD(path.size()), 0) : 0;
    if (length >= path.size()) {
        path.resize(length + 1);
        length = call(handle, &path[0], DWORD(path.size()), 0);
    }
    path.resize(length < path.size() ? length : 0);
    return path;
}

// A handle closed when it goes out of scope.
struct ScopedHandle
{
    explicit ScopedHandle(HANDLE h) : handle(h) {}
    ~ScopedHandle()
    {
        if (Valid())
            CloseHandle(handle);
    }
    ScopedHandle(const ScopedHandle &) = delete;
    ScopedHandle &operator=(const ScopedHandle &) = delete;
    bool Valid() const { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
    HANDLE handle;
};

// Whether the name at path, open as file, leads to a file of another name or
// in another folder: a link that the system followed when it opened the name
// (Wine does so for a symbolic link, even when asked for the link itself, and
// then deletes or renames the file the link names, never the link). Before
// Windows Vista, which makes no links to files, the answer is false.
bool ReachedThroughLink(HANDLE file, const KString &path)
{
    if (!FinalPath())
        return false;
    // Unknown counts as a link: the name is then left alone.
    const DWORD length = GetFullPathNameW(path.CStr(), 0, nullptr, nullptr);
    std::vector<wchar_t> full(length + 1);
    wchar_t *name = nullptr;
    if (length == 0 || GetFullPathNameW(path.CStr(), DWORD(full.size()), full.data(), &name) >= full.size() || !name)
        return true;
    const std::wstring folderPath(full.data(), name);
    ScopedHandle folder(CreateFileW(folderPath.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    std::wstring expected = folder.Valid() ? FinalPathOf(folder.handle) : std::wstring();
    const std::wstring found = FinalPathOf(file);
    if (expected.empty() || found.empty())
        return true;
    if (expected.back() != L'\\')
        expected += L'\\';
    expected += name;
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, expected.c_str(), int(expected.size()), found.c_str(),
                          int(found.size())) != CSTR_EQUAL;
}

bool NameTaken(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }
} // namespace

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
    // (the write mode's sharing).
    SetOpenOptions(DELETE, true, 0, true);
}

KReplacingFile::~KReplacingFile()
{
    if (itsBegun)
        Abandon();
}

KString KReplacingFile::TemporaryName(const KString &target, int attempt)
{
    KString suffix(L".");
    if (attempt > 0)
        suffix.AppendInt(attempt).AppendChar(L'.');
    suffix.Append(L"tmp");
    int nameStart = target.Length();
    while (nameStart > 0 && target[nameStart - 1] != L'\\' && target[nameStart - 1] != L'/' &&
           target[nameStart - 1] != L':')
        --nameStart;
    KString name(target);
    int end = nameStart + kMaxNameLength - suffix.Length();
    if (end < target.Length()) {
        // Never half of a character that takes two.
        if (target[end - 1] >= 0xD800 && target[end - 1] <= 0xDBFF)
            --end;
        name.Truncate(end);
    }
    name.Append(suffix);
    return name;
}

void KReplacingFile::RefuseReadOnlyTarget() const
{
    const DWORD attributes = GetFileAttributesW(itsTarget.CStr());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw KXStream(kErrFileWrite, ERROR_ACCESS_DENIED, itsTarget);
}

bool KReplacingFile::ClearTemporaryName() const
{
    const KString &path = FullName();
    // The name itself, not what a link names, where the system can; with the
    // sharing that lets another program's open file be freed of its name.
    ScopedHandle found(CreateFileW(path.CStr(), DELETE | FILE_READ_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!found.Valid()) {
        const DWORD error = GetLastError();
        // Nothing there, or no folder to make the file in, which the
        // making reports.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return true;
        throw KXStream(WriteErrorCode(error), int32_t(error), path);
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(found.handle, &information)) {
        const DWORD error = GetLastError();
        throw KXStream(WriteErrorCode(error), int32_t(error), path);
    }
    if (ReachedThroughLink(found.handle, path))
        return false;
    const DWORD attributes = information.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        throw KXStream(kErrFileWrite, ERROR_ALREADY_EXISTS, path);
    DWORD error = DeleteOpenFile(found.handle);
    if (error == ERROR_CALL_NOT_IMPLEMENTED) {
        // Older systems make no links to files: the name is the file's own.
        CloseHandle(found.handle);
        found.handle = nullptr;
        error = DeleteFileW(path.CStr()) ? 0 : GetLastError();
    }
    if (error != 0)
        throw KXStream(WriteErrorCode(error), int32_t(error), path);
    return true;
}

void KReplacingFile::OpenTemporaryFile()
{
    for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
        SetFullName(TemporaryName(itsTarget, attempt));
        if (!ClearTemporaryName())
            continue;
        try {
            Open(kModeWrite, true);
            return;
        } catch (const KXStream &x) {
            // Taken again since it was cleared: the next name.
            if (!NameTaken(DWORD(x.Extra())))
                throw KXStream(WriteErrorCode(static_cast<unsigned long>(x.Extra())), x.Extra(), FullName());
        }
    }
    SetFullName(TemporaryName(itsTarget, 0));
    throw KXStream(kErrFileWrite, ERROR_FILE_EXISTS, FullName());
}

void KReplacingFile::Begin(int64_t expectedBytes)
{
    if (itsBegun)
        Abandon();
    RefuseReadOnlyTarget();
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
        throw KXStream(WriteErrorCode(error), int32_t(error), itsTarget);
    Close();
    if (!MoveFileExW(FullName().CStr(), itsTarget.CStr(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        throw KXStream(WriteErrorCode(error), int32_t(error), itsTarget);
    }
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
