// KReplacingFile: temporary file, flush to disk, then one rename.
#include "foundation/streams/KReplacingFile.h"

#include "foundation/errors/KX.h"

#include <windows.h>

KReplacingFile::KReplacingFile(const KString &target, int32_t bufferSize)
    : KBufferedFile(bufferSize), itsTarget(target)
{
    KString temporary(target);
    temporary.Append(L".tmp");
    SetFullName(temporary);
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
    SetSize(0);
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
        Close();
    } catch (...) {
        Abandon();
        throw;
    }
    if (!MoveFileExW(FullName().CStr(), itsTarget.CStr(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        int32_t error = int32_t(GetLastError());
        Abandon();
        throw KXStream(kErrFileWrite, error);
    }
    itsBegun = false;
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
