#include "domain/hardware/VSerialPort.h"

#include "domain/hardware/VHardware.h"
#include "foundation/comm/KSerialPort.h"

namespace
{
int32_t HubPorts()
{
    VHardware *hub = VHardware::Instance();
    return hub ? hub->PortCount() : 0;
}
}

int32_t VSerialPort::PortCount()
{
    return KSerialPort::PortCount() + HubPorts();
}

int32_t VSerialPort::PortFromIndex(int32_t index)
{
    int32_t machine = KSerialPort::PortCount();
    if (index < 0)
        return 0;
    if (index < machine)
        return KSerialPort::PortNumber(index);
    if (index < machine + HubPorts())
        return kFirstHubPort + (index - machine);
    return 0;
}

int32_t VSerialPort::IndexOfPort(int32_t port)
{
    if (port >= kFirstHubPort) {
        int32_t hubIndex = port - kFirstHubPort;
        return hubIndex < HubPorts() ? KSerialPort::PortCount() + hubIndex : -1;
    }
    return KSerialPort::PortIndex(port);
}
