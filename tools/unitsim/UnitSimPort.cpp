#include "tools/unitsim/UnitSimPort.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace unitsim
{

Port::~Port() { Close(); }

namespace
{
// Runs one overlapped transfer to its end (or, for a read, at most waitMs;
// waitMs < 0 waits for ever) and answers the bytes moved, -1 on an error.
int Overlapped(HANDLE handle, HANDLE event, bool write, void *buffer, DWORD count, int waitMs)
{
    OVERLAPPED overlapped;
    std::memset(&overlapped, 0, sizeof overlapped);
    overlapped.hEvent = event;
    ResetEvent(event);
    DWORD done = 0;
    BOOL ok = write ? WriteFile(handle, buffer, count, &done, &overlapped)
                    : ReadFile(handle, buffer, count, &done, &overlapped);
    if (!ok)
    {
        if (GetLastError() != ERROR_IO_PENDING)
            return -1;
        if (WaitForSingleObject(event, waitMs < 0 ? INFINITE : DWORD(waitMs)) != WAIT_OBJECT_0)
            CancelIo(handle);
        ok = GetOverlappedResult(handle, &overlapped, &done, TRUE);
        if (!ok && GetLastError() != ERROR_OPERATION_ABORTED)
            return -1;
    }
    return int(done);
}

void SetTimeouts(HANDLE handle, bool immediate)
{
    // Immediate: a read takes what is there and returns. Otherwise a read
    // waits for every byte it asked for.
    COMMTIMEOUTS timeouts;
    std::memset(&timeouts, 0, sizeof timeouts);
    if (immediate)
        timeouts.ReadIntervalTimeout = MAXDWORD;
    SetCommTimeouts(handle, &timeouts);
}

// Milliseconds after the last byte during which a read polls instead of
// waiting: requests come in bursts, and a poll answers them sooner.
constexpr DWORD kBurstMs = 3;
} // namespace

bool Port::Open(int number, int baud)
{
    Close();
    wchar_t name[32];
    std::swprintf(name, 32, L"\\\\.\\COM%d", number);
    HANDLE h = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DCB dcb;
    std::memset(&dcb, 0, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    if (GetCommState(h, &dcb))
    {
        dcb.BaudRate = DWORD(baud > 0 ? baud : 19200);
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = FALSE;
        dcb.fOutX = dcb.fInX = FALSE;
        SetCommState(h, &dcb);   // a pseudo-terminal may refuse parts of it
    }
    m_handle = h;
    m_immediate = false;
    m_lastData = 0;
    m_readEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_writeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return true;
}

void Port::Close()
{
    if (m_handle)
        CloseHandle(m_handle);
    if (m_readEvent)
        CloseHandle(m_readEvent);
    if (m_writeEvent)
        CloseHandle(m_writeEvent);
    m_handle = m_readEvent = m_writeEvent = nullptr;
}

int Port::Read(uint8_t *buffer, int size, int waitMs)
{
    if (!m_handle || size < 1)
        return -1;
    for (;;)
    {
        if (!m_immediate)
        {
            SetTimeouts(m_handle, true);
            m_immediate = true;
        }
        // Wine may leave even an immediate read pending on an empty line.
        int got = Overlapped(m_handle, m_readEvent, false, buffer, DWORD(size), 0);
        if (got != 0)
        {
            if (got > 0)
                m_lastData = GetTickCount();
            return got;
        }
        if (GetTickCount() - m_lastData > kBurstMs)
            break;
        Sleep(0);
    }
    // Quiet: wait for the first byte (at most waitMs), then take the rest.
    SetTimeouts(m_handle, false);
    m_immediate = false;
    int got = Overlapped(m_handle, m_readEvent, false, buffer, 1, waitMs);
    if (got <= 0 || size == 1)
        return got;
    m_lastData = GetTickCount();
    SetTimeouts(m_handle, true);
    m_immediate = true;
    int more = Overlapped(m_handle, m_readEvent, false, buffer + 1, DWORD(size - 1), 0);
    return more < 0 ? -1 : 1 + more;
}

bool Port::Write(const uint8_t *bytes, size_t count)
{
    while (count > 0 && m_handle)
    {
        int put = Overlapped(m_handle, m_writeEvent, true, const_cast<uint8_t *>(bytes), DWORD(count), -1);
        if (put <= 0)
            return false;
        bytes += put;
        count -= size_t(put);
    }
    return m_handle != nullptr;
}

} // namespace unitsim
