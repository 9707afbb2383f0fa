#include "foundation/streams/KKeptFileTable.h"

#include "foundation/app/KApplicationHooks.h"

#include <windows.h>

#include <atomic>
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
    uint32_t indexLow;
    uint32_t indexHigh;
    uint32_t nameLow;
    uint32_t nameHigh;
    bool Lists(uint64_t index, uint64_t name) const
    {
        return owner.process != 0 && ((indexLow == uint32_t(index) && indexHigh == uint32_t(index >> 32)) ||
                                      (nameLow == uint32_t(name) && nameHigh == uint32_t(name >> 32)));
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

// What the process remembers of the lock: when a wait for it last ended
// without it.
struct Refusal
{
    std::atomic<bool> refused{false};
    std::atomic<uint32_t> at{0};   // tick count of the last try that found the lock taken
};

Refusal &LastRefusal()
{
    static Refusal refusal;
    return refusal;
}

// The thread's wait for the lock, from its start to its end: the
// application hears of it (KAnsweringWait), and a lookup started from what
// the wait answers meanwhile does not wait again.
class Waiting
{
public:
    Waiting()
    {
        waiting = true;
        KAnsweringWait(true);
    }
    ~Waiting()
    {
        KAnsweringWait(false);
        waiting = false;
    }
    Waiting(const Waiting &) = delete;
    Waiting &operator=(const Waiting &) = delete;
    static bool Now() { return waiting; }

private:
    static thread_local bool waiting;
};

thread_local bool Waiting::waiting = false;

// Waits for the lock, handing the thread's sent messages and paint messages
// to their windows meanwhile, so that they answer and paint; their other
// messages stay queued. Answers as WaitForSingleObject does.
DWORD WaitAnswering(HANDLE lock, DWORD timeout)
{
    const Waiting waiting;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        const DWORD left = spent < timeout ? timeout - spent : 0;
        const DWORD waited = MsgWaitForMultipleObjects(1, &lock, FALSE, left, QS_SENDMESSAGE | QS_PAINT);
        if (waited != WAIT_OBJECT_0 + 1)
            return waited == WAIT_ABANDONED_0 ? WAIT_ABANDONED : waited;
        // Bounded: a window that never validates would be painted for ever.
        // The next wait wakes only for messages that come after this look.
        MSG message;
        for (int n = 0; n < 64 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE);
             ++n)
            DispatchMessageW(&message);
    }
}

// Takes the lock: at once when it is free, else by waiting kLockWait at
// most, unless a wait ended without it less than kLockWait before the last
// try that found it taken, or the thread waits for it already (a window it
// answers meanwhile saves): one wait at most for what the user started.
bool TakeLock(HANDLE lock)
{
    Refusal &refusal = LastRefusal();
    DWORD waited = WaitForSingleObject(lock, 0);
    const bool spared = refusal.refused && GetTickCount() - refusal.at < KKeptFileTable::kLockWait;
    if (waited == WAIT_TIMEOUT && !spared && !Waiting::Now())
        waited = WaitAnswering(lock, KKeptFileTable::kLockWait);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        refusal.refused = false;
        return true;
    }
    refusal.at = GetTickCount();
    refusal.refused = true;
    return false;
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
        if (shared.table && TakeLock(shared.lock))
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

// Whether the entry is this process's. Only its owner changes an entry of a
// running process, and a process writes no entry but its own without the
// lock: what it owns, it updates and frees without it.
bool Own(const Table &table, int32_t entry)
{
    return entry >= 0 && entry < KKeptFileTable::kFiles && table.entries[entry].owner == Self();
}

void Describe(Entry &entry, uint64_t index, uint64_t name)
{
    entry.indexLow = uint32_t(index);
    entry.indexHigh = uint32_t(index >> 32);
    entry.nameLow = uint32_t(name);
    entry.nameHigh = uint32_t(name >> 32);
}

// Frees an entry of this process: the process number last, so that a
// process that takes the entry (under the lock) finds the rest cleared.
void Clear(Entry &entry)
{
    Describe(entry, 0, 0);
    entry.owner.madeLow = entry.owner.madeHigh = 0;
    InterlockedExchange(reinterpret_cast<volatile LONG *>(&entry.owner.process), 0);
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

int32_t KKeptFileTable::Put(int32_t previous, uint64_t index, uint64_t name)
{
    Table *shared = TheShared().table;
    if (shared && Own(*shared, previous)) {
        Describe(shared->entries[previous], index, name);
        return previous;
    }
    HeldTable table;
    if (!table)
        return -1;
    const int32_t entry = FreeEntry(*table);
    if (entry >= 0)
        table->entries[entry] =
            Entry{Self(), uint32_t(index), uint32_t(index >> 32), uint32_t(name), uint32_t(name >> 32)};
    return entry;
}

void KKeptFileTable::Remove(int32_t entry)
{
    Table *shared = TheShared().table;
    if (shared && Own(*shared, entry))
        Clear(shared->entries[entry]);
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

bool KKeptFileTable::Holds(uint64_t index, uint64_t name)
{
    if (AnyUnsure())
        return true;
    HeldTable table;
    if (!table)
        return true;
    RunningProcesses running;
    for (const Entry &entry : table->entries)
        if (entry.Lists(index, name) && running(entry.owner))
            return true;
    return false;
}
