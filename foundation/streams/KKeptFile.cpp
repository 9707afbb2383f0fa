#include "foundation/streams/KKeptFile.h"

#include "foundation/streams/KFile.h"
#include "foundation/streams/KKeptFileTable.h"
#include "foundation/threads/KMutex.h"

#include <windows.h>

#include <algorithm>
#include <string>
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

// The mark of a name in the table: a 64-bit FNV-1a hash of its full path in
// capitals, the same for every spelling the system resolves to that path
// (relative, with "/", in another case).
uint64_t NameMark(const KString &path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.CStr(), DWORD(full.size()), &full[0], nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.CStr(), length, &full[0], nullptr);
    }
    if (length == 0 || length >= full.size())
        full = path.CStr();
    else
        full.resize(length);
    const int count = int(full.size());
    std::wstring upper(full.size(), L'\0');
    if (count > 0 && LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, full.c_str(), count, &upper[0], count) != count)
        upper = full;
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : upper) {
        hash ^= uint16_t(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// Counts a kept file that the table does not list (change 1) or no longer
// (-1); while there is one, the process holds the mark of the unsure.
void CountUnlisted(ProcessFiles &kept, int change)
{
    kept.unlisted += change;
    KKeptFileTable::SetUnsure(kept.unlisted > 0);
}
} // namespace

void KKeptFile::Keep(const KString &path, uint64_t fileIndex)
{
    if (path.IsEmpty()) {
        Release();
        return;
    }
    if (fileIndex == 0)
        fileIndex = KFile::FileIndexAt(path);
    // The file takes the place of the one kept before in the same entry.
    int32_t entry = -1;
    if (fileIndex != 0)
        entry = KKeptFileTable::Put(itsEntry, fileIndex, NameMark(path));
    else
        KKeptFileTable::Remove(itsEntry);
    ProcessFiles &kept = Kept();
    KMutexHold hold(kept.mutex);
    const bool wasUnlisted = !itsPath.IsEmpty() && itsEntry < 0;
    if (itsPath.IsEmpty())
        kept.files.push_back(this);
    itsPath = path;
    itsEntry = entry;
    if (wasUnlisted != (entry < 0))
        CountUnlisted(kept, entry < 0 ? 1 : -1);
}

void KKeptFile::Release()
{
    if (itsPath.IsEmpty())
        return;
    const int32_t entry = itsEntry;
    {
        ProcessFiles &kept = Kept();
        KMutexHold hold(kept.mutex);
        kept.files.erase(std::find(kept.files.begin(), kept.files.end(), this));
        if (entry < 0)
            CountUnlisted(kept, -1);
        itsEntry = -1;
        itsPath = KString();
    }
    KKeptFileTable::Remove(entry);
}

bool KKeptFile::IsKept(const KString &path, uint64_t index)
{
    {
        ProcessFiles &kept = Kept();
        KMutexHold hold(kept.mutex);
        for (const KKeptFile *file : kept.files)
            if (file->itsPath.EqualsIgnoreCase(path))
                return true;
    }
    return KKeptFileTable::Holds(index, NameMark(path));
}
