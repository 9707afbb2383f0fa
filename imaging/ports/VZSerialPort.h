#pragma once
// VZSerialPort: the port-settings panel of the options pages. Its port list
// offers every port the domain offers: the machine's serial ports, then the
// hardware hub's ports (numbered from 256, listed by the same "COM" text as
// the machine's). Network entries and panels without the extra ports answer
// as the base panel. The fields belong to the dialog being built; GUI
// thread only.

#include <cstdint>

#include "shell/toolkit/ports/KZSerialPort.h"

class VZSerialPort : public KZSerialPort
{
public:
    VZSerialPort(KZDialog *dialog, uint32_t mask);

    // The port number of the selected serial or hub entry (0 for the first
    // entry); network entries as the base.
    bool GetPort(int32_t &port) override;
    // Selects the entry of a serial or hub port (the first entry for port 0,
    // an entry of its own for a port not offered) and shows the serial
    // fields; network kinds as the base.
    bool SetPort(int32_t port) override;
    // One entry per hub port; answers how many.
    int32_t AddPortEntries(int32_t serialEntries) override;

    // Sets the baud-rate, data-bits, parity and stop-bits fields from the
    // fields firstField to firstField + 3 of a description; always true.
    bool SetSerialFields(const KString &description, int firstField);

private:
    bool ListsDomainPorts() const;
};
