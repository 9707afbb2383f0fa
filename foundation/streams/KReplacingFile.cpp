// KReplacingFile: temporary file, flush to disk, then one rename.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"
#include "foundation/streams/KFileDisposal.h"

#include <windows.h>

#include <algorithm>
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

KReplacingFile::KReplacingFile(const KString &target, int32_t bufferSize)
    : KBufferedFile(bufferSize), itsTarget(target)
{
    KString temporary(target);
    temporary.Append(L".tmp");
    SetFullName(temporary);
    // Made empty, and with the right to rename it while it is open.
    SetOpenOptions(DELETE, true);
}

KReplacingFile::~KReplacingFile()
{
    if (itsBegun)
        Abandon();
}

void KReplacingFile::Begin()
{
    if (itsBegun)
        Abandon();
    Open(kModeWrite, true);
    itsBegun = true;
}

void KReplacingFile::Commit()
{
    if (!itsBegun)
        throw KXStream(kErrFileWrite);
    try {
        Flush();
        // The new contents must be on the disk before the old file goes.
        if (!FlushFileBuffers(static_cast<HANDLE>(NativeHandle())))
            throw KXStream(kErrFileWrite, int32_t(GetLastError()));
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
    try {
        Close();
    } catch (...) {
        // The temporary file is deleted below whatever its state.
    }
    DeleteFileW(FullName().CStr());
}
