#include "foundation/streams/KKeptFileTable.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace
{
// A process: its id (0: none) and the time the system made it (0 where the
// system cannot tell).
struct Owner
{
    uint32_t process;
    uint32_t madeLow;
    uint32_t madeHigh;
    bool operator==(const Owner &other) const
    {
        return process == other.process && madeLow == other.madeLow && madeHigh == other.madeHigh;
    }
};

struct Entry
{
    Owner owner;   // process 0: a free entry
    uint32_t volume;
    uint32_t indexLow;
    uint32_t indexHigh;
    bool Lists(uint32_t fileVolume, uint64_t index) const
    {
        return owner.process != 0 && volume == fileVolume && indexLow == uint32_t(index) &&
               indexHigh == uint32_t(index >> 32);
    }
};

// The shared memory: a new mapping is all zeros, every entry free.
struct Table
{
    Entry entries[KKeptFileTable::kFiles];
};

const Owner &Self()
{
    static const Owner self = [] {
        FILETIME made = {}, ended, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &made, &ended, &kernel, &user);
        return Owner{GetCurrentProcessId(), made.dwLowDateTime, made.dwHighDateTime};
    }();
    return self;
}

// Whether the process still runs; so where the system does not tell
// otherwise (a process of another user that may not be asked).
bool Runs(const Owner &owner)
{
    if (owner == Self())
        return true;
    // The limited right of Windows Vista on, for a process that refuses more.
    constexpr DWORD kQueryLimited = 0x1000;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, owner.process);
    if (!process && GetLastError() != ERROR_INVALID_PARAMETER)
        process = OpenProcess(kQueryLimited, FALSE, owner.process);
    // No such process: it ended and nothing holds it any more.
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = STILL_ACTIVE;
    FILETIME made, ended, kernel, user;
    const bool runs = (!GetExitCodeProcess(process, &code) || code == STILL_ACTIVE) &&
                      (!GetProcessTimes(process, &made, &ended, &kernel, &user) ||
                       (made.dwLowDateTime == owner.madeLow && made.dwHighDateTime == owner.madeHigh));
    CloseHandle(process);
    return runs;
}

// Runs, asking the system once for each process during one look at the table.
class RunningProcesses
{
public:
    bool operator()(const Owner &owner)
    {
        for (const auto &known : itsKnown)
            if (known.first == owner)
                return known.second;
        itsKnown.emplace_back(owner, Runs(owner));
        return itsKnown.back().second;
    }

private:
    std::vector<std::pair<Owner, bool>> itsKnown;
};

// The table and its lock, opened once for the life of the process; no
// table when either cannot be had.
struct Shared
{
    HANDLE lock = nullptr;
    Table *table = nullptr;
};

const Shared &TheShared()
{
    static const Shared shared = [] {
        Shared opened;
        HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Table),
                                            KKeptFileTable::kTableName);
        void *view = mapping ? MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Table)) : nullptr;
        opened.lock = CreateMutexW(nullptr, FALSE, KKeptFileTable::kLockName);
        if (view && opened.lock)
            opened.table = static_cast<Table *>(view);
        return opened;
    }();
    return shared;
}

// The table, locked for the scope; none when it cannot be had. A lock left
// by a process that ended holding it is taken over: what that process was
// writing is its own, and it counts as gone.
class HeldTable
{
public:
    HeldTable()
    {
        const Shared &shared = TheShared();
        const DWORD waited = shared.table ? WaitForSingleObject(shared.lock, KKeptFileTable::kLockWait) : WAIT_FAILED;
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
            itsTable = shared.table;
    }
    ~HeldTable()
    {
        if (itsTable)
            ReleaseMutex(TheShared().lock);
    }
    HeldTable(const HeldTable &) = delete;
    HeldTable &operator=(const HeldTable &) = delete;
    Table *operator->() const { return itsTable; }
    Table &operator*() const { return *itsTable; }
    explicit operator bool() const { return itsTable != nullptr; }

private:
    Table *itsTable = nullptr;
};

// A free entry, else one of a process that no longer runs; -1 when none.
int32_t FreeEntry(const Table &table)
{
    for (int32_t e = 0; e < KKeptFileTable::kFiles; ++e)
        if (table.entries[e].owner.process == 0)
            return e;
    RunningProcesses running;
    for (int32_t e = 0; e < KKeptFileTable::kFiles; ++e)
        if (!running(table.entries[e].owner))
            return e;
    return -1;
}

bool Own(const Table &table, int32_t entry)
{
    return entry >= 0 && entry < KKeptFileTable::kFiles && table.entries[entry].owner == Self();
}

bool AnyUnsure()
{
    HANDLE mark = OpenEventW(SYNCHRONIZE, FALSE, KKeptFileTable::kUnsureName);
    if (!mark)
        return false;
    CloseHandle(mark);
    return true;
}
} // namespace

int32_t KKeptFileTable::Put(uint32_t volume, uint64_t index)
{
    HeldTable table;
    if (!table)
        return -1;
    const int32_t entry = FreeEntry(*table);
    if (entry >= 0)
        table->entries[entry] = Entry{Self(), volume, uint32_t(index), uint32_t(index >> 32)};
    return entry;
}

void KKeptFileTable::Remove(int32_t entry)
{
    HeldTable table;
    if (table && Own(*table, entry))
        table->entries[entry] = Entry{};
}

void KKeptFileTable::SetUnsure(bool unsure)
{
    // This process's handle to the mark, which lasts while any process holds
    // one; the system closes them with their process, however it ends.
    static HANDLE mark = nullptr;
    if (unsure && !mark)
        mark = CreateEventW(nullptr, TRUE, FALSE, kUnsureName);
    else if (!unsure && mark) {
        CloseHandle(mark);
        mark = nullptr;
    }
}

bool KKeptFileTable::Holds(uint32_t volume, uint64_t index)
{
    if (AnyUnsure())
        return true;
    HeldTable table;
    if (!table)
        return true;
    RunningProcesses running;
    for (const Entry &entry : table->entries)
        if (entry.Lists(volume, index) && running(entry.owner))
            return true;
    return false;
}
