// The port list's kinds and the conversion between the fields and a port
// description.
#include "shell/toolkit/ports/KZSerialPort.h"

#include "shell/toolkit/ports/KZSerialPortList.h"

#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KSocket.h"
#include "foundation/strings/KString.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

constexpr uint32_t kBroadcast = 4294967295u;

} // namespace

int32_t KZSerialPort::NetworkKind(int offset) const
{
    if (mask & kPortNetTCP) {
        if (offset == 0)
            return kKindTCPConnect;
        if (offset == 1)
            return kKindTCPListen;
        offset -= 2;
    }
    return (mask & kPortNetUDP) && offset == 0 ? kKindUDP : 0;
}

int KZSerialPort::NetworkOffset(int32_t kind) const
{
    const bool tcp = (mask & kPortNetTCP) != 0;
    switch (kind) {
    case kKindTCPConnect: return tcp ? 0 : -1;
    case kKindTCPListen: return tcp ? 1 : -1;
    case kKindUDP: return (mask & kPortNetUDP) ? (tcp ? 2 : 0) : -1;
    default: return -1;
    }
}

bool KZSerialPort::GetPort(int32_t &port)
{
    if (!portList)
        return false;
    if (AbsentPortSelected(port))
        return true;
    const int32_t selected = portList->Selection();
    if ((mask & (kPortNetTCP | kPortNetUDP)) && selected >= networkIndex) {
        port = NetworkKind(selected - networkIndex);
        return true;
    }
    if (!(mask & kPortLocal))
        return false;
    port = selected >= 1 ? KZSerialPortList::Number(selected - 1) : 0;
    return true;
}

bool KZSerialPort::SetPort(int32_t port)
{
    if (!portList)
        return false;
    if (port < 0 && (mask & (kPortNetTCP | kPortNetUDP))) {
        const int offset = NetworkOffset(port);
        if (offset < 0)
            return false;
        DropAbsentEntry();
        portList->SetSelection(networkIndex + offset);
    } else {
        if (!(mask & kPortLocal))
            return false;
        const int32_t index = port > 0 ? KZSerialPortList::Index(port) : -1;
        SelectSerialEntry(index >= 0 ? index + 1 : -1, port);
    }
    ShowFields();
    return true;
}

bool KZSerialPort::GetDescription(KString &out)
{
    int32_t kind = 0;
    if (!GetPort(kind))
        return false;
    uint32_t ipAddress = 0;
    uint16_t port = 0;
    switch (kind) {
    case kKindUDP:
    {
        // An empty address field sends to every host; a text that is no
        // address is refused rather than taken for the broadcast address.
        KString text(address && address->Text() ? address->Text() : L"");
        text.Trim();
        if (!address || text.IsEmpty())
            ipAddress = kBroadcast;
        else if (!GetAddress(ipAddress))
            return false;
        if (!GetIPPort(port))
            return false;
        return KSocketStream::MakeDescription(out, kind, ipAddress, port);
    }
    case kKindTCPConnect:
        if (!GetAddress(ipAddress) || !GetIPPort(port))
            return false;
        return KSocketStream::MakeDescription(out, kind, ipAddress, port);
    case kKindTCPListen:
        if (!GetIPPort(port))
            return false;
        return KSocketStream::MakeDescription(out, kind, 0, port);
    default:
        break;
    }
    if (kind < 0)
        return false;
    int32_t baudRate = 0, bits = 0, parityIndex = 0, stop = 0, period = 0;
    if (!GetBaud(baudRate) || !GetDataBits(bits) || !GetParity(parityIndex) || !GetStopBits(stop))
        return false;
    if ((mask & kPortRepeat) && !GetRepeatPeriod(period))
        return false;
    return KSerialPort::MakeDescription(out, kind, baudRate, bits, parityIndex, stop, period);
}

bool KZSerialPort::SetDescription(const KString &description)
{
    int32_t kind = 0;
    if (!KString::ParseIntField(description, kind, 0))
        kind = 0;
    uint32_t ipAddress = 0;
    uint16_t port = 0;
    switch (kind) {
    case kKindUDP:
    case kKindTCPConnect:
    case kKindTCPListen:
        // A listener's description carries no address to show.
        SetPort(kind);
        if (kind != kKindTCPListen)
            KSocketStream::ParseAddress(description, ipAddress, 1);
        SetAddress(ipAddress);
        KSocketStream::ParsePort(description, port, 2);
        SetIPPort(port);
        return true;
    default:
        break;
    }
    if (kind < 0)
        return false;
    int32_t baudRate = 9600, bits = 0, parityIndex = 0, stop = 0, period = 0;
    SetPort(kind);
    KSerialPort::ParseBaud(description, baudRate, 1);
    SetBaud(baudRate);
    KSerialPort::ParseDataBits(description, bits, 2);
    SetDataBits(bits);
    KSerialPort::ParseParity(description, parityIndex, 3);
    SetParity(parityIndex);
    KSerialPort::ParseStopBits(description, stop, 4);
    SetStopBits(stop);
    KSerialPort::ParseRepeatPeriod(description, period, 5);
    SetRepeatPeriod(period);
    return true;
}
