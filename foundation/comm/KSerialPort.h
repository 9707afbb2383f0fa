#pragma once
// KSerialPort: a COM port as a stream, opened from a port description
// "port,baud,databits,parity,stopbits[,repeat]" (for example
// "3,19200,8,N,1.0" or "3,9600,8,N,1.0,-5000"), with overlapped Win32 I/O.
//
// Sharing: objects that open the same COM port share one system handle; each
// object carries a usage bit (given at construction) that it adds while it
// uses the port. Close takes this object off and closes the handle when no
// user remains; it is harmless on a closed port. The line settings are those
// of the latest Open.
//
// Transfers: a read waits up to the read time-out for data and returns what
// arrived (at least one byte); no byte in that time throws KXSerialPort
// kErrSerialTimeout. A write sends every byte or throws: kErrSerialTransmit
// when the system fails or sends fewer, kErrSerialBusy when the line does not
// take the bytes in time. Reads and writes on a closed port throw
// kErrSerialNotOpen, a failing read kErrSerialReceive. The extra value of these
// errors is the COM number.
//
// Waits: a read or write waits in slices of at most KWaitSlice ms and asks
// KWaitGoesOn between them (on the GUI thread inside a long operation the
// windows repaint meanwhile); its time-out stays the whole wait's. When
// KWaitGoesOn answers false the transfer is cancelled and kErrUserAborted
// thrown.
//
// Repeat period (description field 5): when positive, a worker thread sends
// the last message (the bytes of the last Write, if they fit the repeat
// buffer) again whenever the period passed without a transmission; a negative
// period is kept (the description round-trips) but repeats nothing; 0 means
// none. The transmit state is shared with that worker under a KMutex.
//
// The port list: EnumeratePorts probes COM1 to COM128 once at start-up (not
// with "-noserialport") and the Port... functions answer from that list; it
// is built and read on the GUI thread.
//
// An object belongs to one thread at a time (the repeat worker aside).
// Modem-control lines are set when the system allows (a pseudo-terminal
// refuses them); their failure is never fatal.

#include "foundation/streams/KStream.h"

#include <cstdint>
#include <memory>
#include <vector>

class KMutex;
class KRNode;
class KString;
class KSerialRepeatTask;

class KSerialPort : public KStream
{
public:
    enum
    {
        kModeRead = 1,     // Open modes
        kModeWrite = 2,
        kModeReadWrite = 3
    };
    enum
    {
        kFirstPort = 1,   // the range EnumeratePorts probes
        kLastPort = 128
    };

    // repeatBufferSize: the longest message the repeat worker re-sends;
    // readBufferSize: the system's input queue and the largest single read;
    // usageBit: this object's bit in the shared port's usage mask.
    KSerialPort(int32_t repeatBufferSize = 1024, int32_t readBufferSize = 1024, uint32_t usageBit = 1);
    ~KSerialPort() override;

    // Opens the port of field 0 and applies the other fields (missing ones
    // take their defaults: 9600 baud, 8 data bits, no parity, 1 stop bit, no
    // repeat). False, with the port closed, when the port number is below 1,
    // a field holds an invalid value or the system refuses the port. An open
    // port is closed first. mode: kModeRead, kModeWrite or kModeReadWrite.
    bool Open(const KString &description, int mode = kModeReadWrite);
    void Close();
    bool IsOpen() const { return itsHandle != nullptr; }
    // The COM number while open, else 0.
    int32_t Port() const { return itsPort; }
    uint32_t UsageBit() const { return itsUsageBit; }
    int32_t RepeatPeriod() const { return itsRepeatPeriod; }

    // Milliseconds a read waits for data; negative waits for ever. Default 1000.
    void SetReadTimeout(int32_t milliseconds) { itsReadTimeout = milliseconds; }
    int32_t ReadTimeout() const { return itsReadTimeout; }
    // The line's rate in baud, as the latest Open set it.
    int32_t Baud() const { return itsBaud; }
    // Bytes that have arrived and wait to be read (0 on a closed port); a
    // read of at most that many returns at once.
    int32_t Waiting();
    // Drops every byte that has arrived and not been read.
    void DiscardInput();

    // The present-port list (probe order = ascending COM numbers).
    static void EnumeratePorts();
    static void ForgetPorts();
    static int32_t PortCount();
    // COM number at index; 0 outside the list (also for -1).
    static int32_t PortNumber(int32_t index);
    // Index of a COM number in the list; -1 when absent.
    static int32_t PortIndex(int32_t port);
    // Appends the port's name: the text "\Strings\SerialPort\PortLocal" of
    // the settings (see SetSettings; "COM" without them) and the number.
    static void PortName(int32_t port, KString &out);
    // The settings tree PortName reads; the start-up sets it once the
    // settings are loaded and clears it (none) before they are deleted.
    static void SetSettings(const KRNode *settings);
    // Usage bits of the objects that have this COM port open; 0 when none.
    static uint32_t UsageMask(int32_t port);

    // Port descriptions (see KSerialPortDescription.cpp for the field rules).
    // Appends "port,baud,bits,parity,stop" and ",repeat" when repeat is not
    // 0; an index outside its range leaves its field empty. Always true.
    static bool MakeDescription(KString &out, int32_t port, int32_t baud, int32_t dataBits,
                                int32_t parity, int32_t stopBits, int32_t repeatPeriod);
    // Each reads one field (index from 0) of a description; false, with out
    // at its default, when the field is missing or not an allowed value.
    // Port: the COM number (default 0; below 1 means no port).
    static bool ParsePort(const KString &text, int32_t &port, int field = 0);
    // Baud rate as an integer above 0 (default 9600).
    static bool ParseBaud(const KString &text, int32_t &baud, int field);
    // Data bits 8, 7, 6, 5, 4 as index 0..4 (default 0).
    static bool ParseDataBits(const KString &text, int32_t &index, int field);
    // First character after trimming, upper case: N, O, E, M, S as 0..4.
    static bool ParseParity(const KString &text, int32_t &index, int field);
    // Stop bits 1.0, 1.5, 2.0 (read as a real number) as 0..2.
    static bool ParseStopBits(const KString &text, int32_t &index, int field);
    // Repeat period in milliseconds, signed (default 0).
    static bool ParseRepeatPeriod(const KString &text, int32_t &period, int field);

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;

private:
    friend class KSerialRepeatTask;
    struct Settings;

    bool Configure(const Settings &settings, bool first);
    // Sends the bytes; the caller holds the transmit lock.
    void Transmit(const void *buffer, int32_t count);
    // The repeat worker's tick.
    void Repeat(int32_t now);

    void *itsHandle = nullptr; // the shared system handle
    void *itsReadEvent;        // manual-reset events of the overlapped transfers
    void *itsWriteEvent;
    int32_t itsPort = 0;
    uint32_t itsUsageBit;
    int32_t itsBaud = 9600;
    int32_t itsReadTimeout = 1000;
    int32_t itsReadBufferSize;
    int32_t itsRepeatPeriod = 0;

    // Transmit state, shared with the repeat worker under itsTransmitLock.
    std::unique_ptr<KMutex> itsTransmitLock;
    std::vector<uint8_t> itsRepeatBuffer;
    int32_t itsRepeatLength = 0;
    int32_t itsLastSend = 0;
    std::unique_ptr<KSerialRepeatTask> itsRepeater;
};
