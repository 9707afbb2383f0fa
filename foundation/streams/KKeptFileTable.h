#pragma once
// KKeptFileTable: the files kept from every save's temporary name by all the
// running copies of the program (by every process of this code) on the
// machine, each entry the file's volume serial number and file index with
// the process that keeps it: its id and the time the system made it, so that
// an id given again to a later process does not count. The table is a named
// file mapping guarded by a named mutex, made by the first copy and gone with
// the last; the entries of a process that no longer runs, ended or killed,
// count as gone, and their places are taken again. A process whose kept
// files the table does not all list holds a named mark while it does; the
// system drops the mark with the process, however it ends. Any thread.
// Internal to KKeptFile.

#include <cstdint>

namespace KKeptFileTable
{
// Entries of the table, for all the copies together.
constexpr int32_t kFiles = 1024;
// Longest wait in milliseconds for another copy to let go of the table.
constexpr uint32_t kLockWait = 5000;
// The shared objects' names; another layout of the table takes other names.
constexpr const wchar_t *kTableName = L"KKeptFileTable.1";
constexpr const wchar_t *kLockName = L"KKeptFileTable.1.lock";
constexpr const wchar_t *kUnsureName = L"KKeptFileTable.1.unsure";

// Lists the file (volume serial number, 64-bit file index) for this process
// in a free entry, or one of a process that no longer runs; answers the
// entry, or -1 when the table is full or cannot be had.
int32_t Put(uint32_t volume, uint64_t index);
// Frees the entry when it is this process's.
void Remove(int32_t entry);
// Sets or takes away this process's mark of files the table does not list.
void SetUnsure(bool unsure);
// Whether a running process lists the file; also when the table cannot tell:
// it cannot be had, or a running process holds the mark.
bool Holds(uint32_t volume, uint64_t index);
} // namespace KKeptFileTable
