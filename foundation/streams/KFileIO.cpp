// KFile: opening, closing, the system transport and directory searches.
#include "foundation/streams/KFile.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KFileInfo.h"

#include <windows.h>

namespace
{
HANDLE Native(void *handle) { return static_cast<HANDLE>(handle); }

// NtQueryInformationFile, which gives the file index alone; the Win32 calls
// that give it ask for the volume's serial number too. Looked up at run
// time: the systems before Windows NT have none.
using QueryFileCall = LONG(WINAPI *)(HANDLE, void *status, void *information, ULONG length, int kind);
constexpr int kFileInternalInformation = 6;

QueryFileCall QueryFile()
{
    static const QueryFileCall call = reinterpret_cast<QueryFileCall>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    return call;
}

uint64_t IndexOf(HANDLE handle)
{
    if (QueryFileCall query = QueryFile()) {
        ULONG_PTR status[2];   // the call's status block: a status and a count
        ULARGE_INTEGER index;
        return query(handle, status, &index, sizeof(index), kFileInternalInformation) >= 0 ? index.QuadPart : 0;
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information))
        return 0;
    return uint64_t(information.nFileIndexHigh) << 32 | information.nFileIndexLow;
}
} // namespace

int32_t KFile::WriteErrorCode(unsigned long systemError)
{
    return systemError == ERROR_DISK_FULL || systemError == ERROR_HANDLE_DISK_FULL ? kErrDiskFull : kErrFileWrite;
}

void KFile::Open(int mode, bool create)
{
    if (IsOpen())
        throw KXStream(kErrFileAlreadyOpen);
    DWORD access, share;
    switch (mode) {
    case kModeRead:
        access = GENERIC_READ;
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    case kModeWrite:
        access = GENERIC_WRITE;
        share = FILE_SHARE_READ;
        break;
    case kModeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        share = FILE_SHARE_READ;
        break;
    default:
        throw KXStream(kErrFileOpen);
    }
    if (itsPath.IsEmpty())
        throw KXStream(kErrFileOpen, ERROR_INVALID_NAME);
    const DWORD disposition = create ? (itsOnlyNew ? CREATE_NEW : itsEmpty ? CREATE_ALWAYS : OPEN_ALWAYS)
                                     : (itsEmpty ? TRUNCATE_EXISTING : OPEN_EXISTING);
    HANDLE handle = CreateFileW(itsPath.CStr(), access | itsExtraAccess, share | itsExtraShare, nullptr, disposition,
                                itsSystemFlags ? itsSystemFlags : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw KXStream(kErrFileOpen, int32_t(GetLastError()), itsPath);
    itsHandle = handle;
    itsMode = mode;
    DropReadAhead();
    RestartDetection();
}

void KFile::Close()
{
    CloseHandleOnly();
}

void KFile::CloseHandleOnly()
{
    if (itsHandle) {
        CloseHandle(Native(itsHandle));
        itsHandle = nullptr;
    }
    DropReadAhead();
}

uint64_t KFile::FileIndex() const { return itsHandle ? IndexOf(Native(itsHandle)) : 0; }

uint64_t KFile::FileIndexAt(const KString &path)
{
    HANDLE file = CreateFileW(path.CStr(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    const uint64_t index = IndexOf(file);
    CloseHandle(file);
    return index;
}

bool KFile::Delete()
{
    Close();
    if (itsPath.IsEmpty())
        return false;
    if (DeleteFileW(itsPath.CStr()))
        return true;
    return GetFileAttributesW(itsPath.CStr()) == INVALID_FILE_ATTRIBUTES;
}

bool KFile::Move(const KString &newFullName)
{
    const bool wasOpen = IsOpen();
    const int mode = itsMode;
    int64_t position = wasOpen ? GetPosition() : 0;
    Close();
    bool moved = MoveFileExW(itsPath.CStr(), newFullName.CStr(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
    if (moved)
        itsPath = newFullName;
    if (wasOpen) {
        const int encoding = ReadEncoding();
        Open(mode, false);
        Seek(position, kFromStart);
        SetReadEncoding(encoding);
    }
    return moved;
}

void KFile::TakeOver(KFile &other)
{
    if (&other == this)
        return;
    Close();
    other.Flush();
    itsHandle = other.itsHandle;
    itsPath = other.itsPath;
    itsMode = other.itsMode;
    other.itsHandle = nullptr;
    other.Close();
    DropReadAhead();
}

void KFile::RequireOpen() const
{
    if (!IsOpen())
        throw KXStream(kErrFileAccess);
}

int32_t KFile::DoRead(void *buffer, int32_t count)
{
    RequireOpen();
    DWORD done = 0;
    if (!ReadFile(Native(itsHandle), buffer, DWORD(count), &done, nullptr))
        throw KXStream(kErrFileRead, int32_t(GetLastError()));
    return int32_t(done);
}

void KFile::DoWrite(const void *buffer, int32_t count)
{
    RequireOpen();
    const char *bytes = static_cast<const char *>(buffer);
    while (count > 0) {
        DWORD done = 0;
        if (!WriteFile(Native(itsHandle), bytes, DWORD(count), &done, nullptr)) {
            const DWORD error = GetLastError();
            throw KXStream(WriteErrorCode(error), int32_t(error), itsPath);
        }
        if (done == 0)
            throw KXStream(kErrDiskFull, -1, itsPath);
        bytes += done;
        count -= int32_t(done);
    }
}

int64_t KFile::DoGetSize()
{
    RequireOpen();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(Native(itsHandle), &size))
        throw KXStream(kErrFileAccess, int32_t(GetLastError()));
    return size.QuadPart;
}

void KFile::DoSetSize(int64_t size)
{
    RequireOpen();
    LARGE_INTEGER target, previous, zero;
    target.QuadPart = size;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(Native(itsHandle), zero, &previous, FILE_CURRENT) ||
        !SetFilePointerEx(Native(itsHandle), target, nullptr, FILE_BEGIN) || !SetEndOfFile(Native(itsHandle)))
        throw KXStream(kErrFileAccess, int32_t(GetLastError()));
    // The position stays where it was, or at the new end when it lay beyond.
    if (previous.QuadPart < size)
        SetFilePointerEx(Native(itsHandle), previous, nullptr, FILE_BEGIN);
}

int64_t KFile::DoGetPosition()
{
    RequireOpen();
    LARGE_INTEGER zero, position;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(Native(itsHandle), zero, &position, FILE_CURRENT))
        throw KXStream(kErrFileAccess, int32_t(GetLastError()));
    return position.QuadPart;
}

void KFile::DoSeek(int64_t offset, int origin)
{
    RequireOpen();
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (origin < kFromStart || origin > kFromEnd)
        throw KXStream(kErrFileAccess);
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(Native(itsHandle), distance, nullptr, methods[origin]))
        throw KXStream(kErrFileAccess, int32_t(GetLastError()));
}

bool KFile::FindNext(KFileInfo &info) const
{
    WIN32_FIND_DATAW data;
    for (;;) {
        if (!info.itsSearch) {
            HANDLE search = FindFirstFileW(itsPath.CStr(), &data);
            if (search == INVALID_HANDLE_VALUE)
                return false;
            info.itsSearch = search;
        } else if (!FindNextFileW(Native(info.itsSearch), &data)) {
            info.Reset();
            return false;
        }
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
            break;
    }
    info.itsName = data.cFileName;
    info.itsFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.itsSize = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

KFileInfo::KFileInfo() = default;

KFileInfo::~KFileInfo() { Reset(); }

void KFileInfo::Reset()
{
    if (itsSearch) {
        FindClose(Native(itsSearch));
        itsSearch = nullptr;
    }
}
