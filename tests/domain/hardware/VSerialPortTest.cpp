#include "domain/hardware/VSerialPort.h"

#include "foundation/comm/KSerialPort.h"

#include <gtest/gtest.h>

TEST(VSerialPort, OffersTheMachinesPortsOnly)
{
    KSerialPort::EnumeratePorts();
    EXPECT_EQ(VSerialPort::PortCount(), KSerialPort::PortCount());
    EXPECT_EQ(VSerialPort::PortFromIndex(-1), 0);
    EXPECT_EQ(VSerialPort::PortFromIndex(VSerialPort::PortCount()), 0);
    EXPECT_EQ(VSerialPort::IndexOfPort(VSerialPort::kFirstHubPort), -1);
    for (int i = 0; i < VSerialPort::PortCount(); ++i)
        EXPECT_EQ(VSerialPort::IndexOfPort(VSerialPort::PortFromIndex(i)), i);
    KSerialPort::ForgetPorts();
}
