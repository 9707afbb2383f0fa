#pragma once
// KKeptFileTable: the files kept from every save's temporary name by all the
// running copies of the program (by every process of this code) on the
// machine, each entry the file's index and the mark of the name it is kept
// under, with the process that keeps it: its id and the time the system made
// it, so that an id given again to a later process does not count. The table
// is a named file mapping guarded by a named mutex, made by the first copy
// and gone with the last; the entries of a process that no longer runs,
// ended or killed, count as gone, and their places are taken again. A
// process whose kept files the table does not all list holds a named mark
// while it does; the system drops the mark with the process, however it
// ends.
//
// Taking an entry and looking the table up hold the lock; a process updates
// and frees the entries it owns without it (no other process writes them
// while it runs), so that a save of a listed file and a close never wait.
// The lock is waited for at most kLockWait, and the windows of the waiting
// thread go on painting and answering what is sent to them meanwhile (their
// input waits until the wait ends); the application hears of the wait
// (KAnsweringWait), so that nothing it did not ask for starts inside it. A
// call made from what the wait answers (a window's handler that saves)
// does not wait again: it takes the lock when it is free, else answers at
// once as after a wait that ended without it. A wait that ends without the
// lock spares the process every further wait until kLockWait has passed
// since the last try that found the lock taken: until then each call finds
// the table taken at once and answers as for a table it cannot have. Any
// thread. Internal to KKeptFile.

#include <cstdint>

namespace KKeptFileTable
{
// Entries of the table, for all the copies together.
constexpr int32_t kFiles = 1024;
// Longest wait in milliseconds for another copy to let go of the table.
constexpr uint32_t kLockWait = 5000;
// The shared objects' names; another layout of the table takes other names.
constexpr const wchar_t *kTableName = L"KKeptFileTable.2";
constexpr const wchar_t *kLockName = L"KKeptFileTable.2.lock";
constexpr const wchar_t *kUnsureName = L"KKeptFileTable.2.unsure";

// Lists the file (its 64-bit file index and the mark of its name) for this
// process: in place of what the entry previous lists when it is this
// process's (-1: none), without the lock; else in a free entry, or one of a
// process that no longer runs. Answers the entry, or -1 when the table is
// full or cannot be had.
int32_t Put(int32_t previous, uint64_t index, uint64_t name);
// Frees the entry when it is this process's; never waits.
void Remove(int32_t entry);
// Sets or takes away this process's mark of files the table does not list.
void SetUnsure(bool unsure);
// Whether a running process lists the file index or the name's mark; also
// when the table cannot tell: it cannot be had, or a running process holds
// the mark.
bool Holds(uint64_t index, uint64_t name);
} // namespace KKeptFileTable
