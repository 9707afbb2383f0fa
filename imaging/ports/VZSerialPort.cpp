#include "imaging/ports/VZSerialPort.h"

#include "domain/hardware/VSerialPort.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImagingTexts.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/dialogs/KZDialog.h"

VZSerialPort::VZSerialPort(KZDialog *dialog, uint32_t mask) : KZSerialPort(dialog, mask) {}

bool VZSerialPort::ListsDomainPorts() const
{
    return PortList() && (Mask() & kPortLocal) && (Mask() & kPortExtra);
}

bool VZSerialPort::GetPort(int32_t &port)
{
    if (ListsDomainPorts()) {
        if (AbsentPortSelected(port))
            return true;
        const int selected = PortList()->Selection();
        if (selected < NetworkIndex()) {
            port = VSerialPort::PortFromIndex(selected - 1);
            return true;
        }
    }
    return KZSerialPort::GetPort(port);
}

bool VZSerialPort::SetPort(int32_t port)
{
    if (!ListsDomainPorts() || port < 0)
        return KZSerialPort::SetPort(port);
    const int32_t index = VSerialPort::IndexOfPort(port);
    SelectSerialEntry(index >= 0 ? index + 1 : -1, port);
    ShowFields();
    return true;
}

int32_t VZSerialPort::AddPortEntries(int32_t serialEntries)
{
    const KString prefix = VImagingText(kTextPortLocal);
    int32_t added = 0;
    for (int32_t index = serialEntries; index < VSerialPort::PortCount(); ++index, ++added) {
        const int32_t port = VSerialPort::PortFromIndex(index);
        KString text(prefix);
        text.AppendInt(port);
        Dialog()->AddComboItem(text.CStr(), 0);
    }
    return added;
}

bool VZSerialPort::SetSerialFields(const KString &description, int firstField)
{
    int32_t baud = 0, dataBits = 0, parity = 0, stopBits = 0;
    KSerialPort::ParseBaud(description, baud, firstField);
    KSerialPort::ParseDataBits(description, dataBits, firstField + 1);
    KSerialPort::ParseParity(description, parity, firstField + 2);
    KSerialPort::ParseStopBits(description, stopBits, firstField + 3);
    SetBaud(baud);
    SetDataBits(dataBits);
    SetParity(parity);
    SetStopBits(stopBits);
    return true;
}
