#include "foundation/streams/KKeptFile.h"

#include "foundation/streams/KKeptFileTable.h"
#include "foundation/threads/KMutex.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace
{
// The files this process keeps. Never destroyed: a document may outlive
// the other statics at the process's end.
struct ProcessFiles
{
    KMutex mutex;
    std::vector<const KKeptFile *> files;
    int unlisted = 0;   // of them, those the shared table does not list
};

ProcessFiles &Kept()
{
    static ProcessFiles *kept = new ProcessFiles;
    return *kept;
}

// The volume serial number and file index of what the name leads to; false
// when it cannot be opened.
bool Identify(const KString &path, uint32_t &volume, uint64_t &index)
{
    HANDLE file = CreateFileW(path.CStr(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    volume = information.dwVolumeSerialNumber;
    index = uint64_t(information.nFileIndexHigh) << 32 | information.nFileIndexLow;
    return known;
}

// Counts a kept file that the table does not list (change 1) or no longer
// (-1); while there is one, the process holds the mark of the unsure.
void CountUnlisted(ProcessFiles &kept, int change)
{
    kept.unlisted += change;
    KKeptFileTable::SetUnsure(kept.unlisted > 0);
}
} // namespace

void KKeptFile::Keep(const KString &path)
{
    Release();
    if (path.IsEmpty())
        return;
    ProcessFiles &kept = Kept();
    KMutexHold hold(kept.mutex);
    itsPath = path;
    kept.files.push_back(this);
    uint32_t volume = 0;
    uint64_t index = 0;
    if (Identify(path, volume, index))
        itsEntry = KKeptFileTable::Put(volume, index);
    if (itsEntry < 0)
        CountUnlisted(kept, 1);
}

void KKeptFile::Release()
{
    if (itsPath.IsEmpty())
        return;
    ProcessFiles &kept = Kept();
    KMutexHold hold(kept.mutex);
    kept.files.erase(std::find(kept.files.begin(), kept.files.end(), this));
    if (itsEntry >= 0)
        KKeptFileTable::Remove(itsEntry);
    else
        CountUnlisted(kept, -1);
    itsEntry = -1;
    itsPath = KString();
}

bool KKeptFile::IsKept(const KString &path, uint32_t volume, uint64_t index)
{
    {
        ProcessFiles &kept = Kept();
        KMutexHold hold(kept.mutex);
        for (const KKeptFile *file : kept.files)
            if (file->itsPath.EqualsIgnoreCase(path))
                return true;
    }
    return KKeptFileTable::Holds(volume, index);
}
