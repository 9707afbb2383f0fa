#pragma once
// KSerialPortShare: the process-wide table of open COM port handles. Several
// KSerialPort objects may use one port at once (a scoreboard and a download
// on the same line); the first opens the handle, each user adds its usage
// bit, and the handle is closed when the last user leaves. Thread-safe.
// Internal to the serial-port classes.

#include <cstdint>

namespace KSerialPortShare
{
// The port's handle with user added: the shared one, or a newly opened one
// (first is then true). access is the Win32 access mask. Null when the
// system refuses to open the port.
void *Acquire(int32_t port, uint32_t access, uint32_t usageBit, bool &first);
// Takes one user with usageBit off the port; closes the handle when none remains.
void Release(int32_t port, uint32_t usageBit);
// Usage bits of the objects using the port; 0 when it is not open here.
uint32_t UsageMask(int32_t port);
} // namespace KSerialPortShare
