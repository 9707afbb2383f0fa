// The shared table of open COM ports.
#include "foundation/comm/KSerialPortShare.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <vector>

namespace {
struct Entry
{
    HANDLE handle;
    // One usage bit per user; objects made with the same bit count separately.
    std::vector<uint32_t> users;

    uint32_t Mask() const
    {
        uint32_t mask = 0;
        for (uint32_t bit : users)
            mask |= bit;
        return mask;
    }
};

std::mutex gLock;
std::map<int32_t, Entry> &Table()
{
    static std::map<int32_t, Entry> table;
    return table;
}

HANDLE OpenPort(int32_t port, uint32_t access)
{
    wchar_t name[24];
    // The device form reaches COM10 and above as well.
    swprintf(name, sizeof name / sizeof name[0], L"\\\\.\\COM%d", int(port));
    HANDLE h = CreateFileW(name, access, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}
} // namespace

void *KSerialPortShare::Acquire(int32_t port, uint32_t access, uint32_t usageBit, bool &first)
{
    std::lock_guard<std::mutex> hold(gLock);
    auto it = Table().find(port);
    if (it != Table().end()) {
        it->second.users.push_back(usageBit);
        first = false;
        return it->second.handle;
    }
    HANDLE h = OpenPort(port, access);
    if (!h)
        return nullptr;
    Table()[port] = Entry{h, {usageBit}};
    first = true;
    return h;
}

void KSerialPortShare::Release(int32_t port, uint32_t usageBit)
{
    std::lock_guard<std::mutex> hold(gLock);
    auto it = Table().find(port);
    if (it == Table().end())
        return;
    std::vector<uint32_t> &users = it->second.users;
    for (auto user = users.begin(); user != users.end(); ++user) {
        if (*user == usageBit) {
            users.erase(user);
            break;
        }
    }
    if (!users.empty())
        return;
    CloseHandle(it->second.handle);
    Table().erase(it);
}

uint32_t KSerialPortShare::UsageMask(int32_t port)
{
    std::lock_guard<std::mutex> hold(gLock);
    auto it = Table().find(port);
    return it == Table().end() ? 0 : it->second.Mask();
}
