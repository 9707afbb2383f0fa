// The list of COM ports present on the machine, probed once at start-up.
#include "foundation/comm/KSerialPort.h"

#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KSerialPortShare.h"
#include "foundation/registry/KRNode.h"
#include "foundation/strings/KString.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
const KRNode *gSettings = nullptr;

std::vector<int32_t> &PresentPorts()
{
    static std::vector<int32_t> ports;
    return ports;
}

// A port is present when it opens, or when the system names it but another
// program holds it.
bool Probe(int32_t port)
{
    if (KSerialPortShare::UsageMask(port) != 0)
        return true;
    wchar_t name[24];
    swprintf(name, sizeof name / sizeof name[0], L"\\\\.\\COM%d", int(port));
    HANDLE h = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}
} // namespace

void KSerialPort::EnumeratePorts()
{
    PresentPorts().clear();
    if (KFindOption(L"-noserialport"))
        return;
    for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
        if (Probe(port))
            PresentPorts().push_back(port);
    }
}

void KSerialPort::ForgetPorts() { PresentPorts().clear(); }

int32_t KSerialPort::PortCount() { return int32_t(PresentPorts().size()); }

int32_t KSerialPort::PortNumber(int32_t index)
{
    if (index < 0 || index >= PortCount())
        return 0;
    return PresentPorts()[size_t(index)];
}

int32_t KSerialPort::PortIndex(int32_t port)
{
    for (int32_t i = 0; i < PortCount(); ++i) {
        if (PresentPorts()[size_t(i)] == port)
            return i;
    }
    return -1;
}

void KSerialPort::PortName(int32_t port, KString &out)
{
    if (gSettings)
        out.Append(gSettings->GetText(L"\\Strings\\SerialPort\\PortLocal"));
    else
        out.Append(L"COM");
    out.AppendInt(port);
}

void KSerialPort::SetSettings(const KRNode *settings) { gSettings = settings; }

uint32_t KSerialPort::UsageMask(int32_t port) { return KSerialPortShare::UsageMask(port); }
