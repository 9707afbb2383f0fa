#pragma once
// The serial ports the port-settings panel offers: the start-up's present-port
// list, or the one given to KZSerialPort::SetPresentPorts. GUI thread only.

#include <cstdint>

namespace KZSerialPortList {

int32_t Count();
// COM number at index; 0 outside the list.
int32_t Number(int32_t index);
// Index of a COM number; -1 when absent.
int32_t Index(int32_t port);

} // namespace KZSerialPortList
