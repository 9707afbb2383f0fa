#include "tools/unitsim/UnitSimPort.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace unitsim
{

Port::~Port() { Close(); }

bool Port::Open(int number)
{
    Close();
    wchar_t name[32];
    std::swprintf(name, 32, L"\\\\.\\COM%d", number);
    HANDLE h = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DCB dcb;
    std::memset(&dcb, 0, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    if (GetCommState(h, &dcb))
    {
        dcb.BaudRate = 19200;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = FALSE;
        dcb.fOutX = dcb.fInX = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        SetCommState(h, &dcb);   // a pseudo-terminal may refuse parts of it
    }
    m_handle = h;
    m_wait = -1;
    return true;
}

void Port::Close()
{
    if (m_handle)
        CloseHandle(m_handle);
    m_handle = nullptr;
}

int Port::Read(uint8_t *buffer, int size, int waitMs)
{
    if (!m_handle)
        return -1;
    // Return at once with what is there; otherwise wait up to waitMs for the
    // first byte.
    if (waitMs != m_wait)
    {
        COMMTIMEOUTS timeouts = {MAXDWORD, MAXDWORD, DWORD(waitMs), 0, 0};
        SetCommTimeouts(m_handle, &timeouts);
        m_wait = waitMs;
    }
    DWORD got = 0;
    if (!ReadFile(m_handle, buffer, DWORD(size), &got, nullptr))
        return -1;
    return int(got);
}

bool Port::Write(const uint8_t *bytes, size_t count)
{
    while (count > 0 && m_handle)
    {
        DWORD put = 0;
        if (!WriteFile(m_handle, bytes, DWORD(count), &put, nullptr) || put == 0)
            return false;
        bytes += put;
        count -= put;
    }
    return m_handle != nullptr;
}

} // namespace unitsim
