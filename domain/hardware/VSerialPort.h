#pragma once
// VSerialPort: the serial ports the program offers for a link: the
// machine's COM ports (in the order the start-up found them) followed by the
// ports of the hardware hub, numbered from 256. This program's hub has no
// ports of its own, so the list is the machine's ports. Static; GUI thread.

#include <cstdint>

class VSerialPort
{
public:
    static constexpr int32_t kFirstHubPort = 256;

    static int32_t PortCount();
    // Port number of list index i; 0 for an index outside the list.
    static int32_t PortFromIndex(int32_t index);
    // List index of port, -1 when the port is not offered.
    static int32_t IndexOfPort(int32_t port);
};
