// Opening, closing and transfers of KSerialPort. The port list is in
// KSerialPortList.cpp, the description fields in KSerialPortDescription.cpp.
#include "foundation/comm/KSerialPort.h"

#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KSerialPortShare.h"
#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"
#include "foundation/threads/KMutex.h"
#include "foundation/threads/KPeriodicTask.h"
#include "foundation/values/KHelpers.h"

#include <windows.h>

#include <cstring>

// Re-sends the port's last message on a worker thread.
class KSerialRepeatTask : public KPeriodicTask
{
public:
    explicit KSerialRepeatTask(KSerialPort &port) : itsPort(port) {}
    ~KSerialRepeatTask() override { Stop(); }

protected:
    void Tick(int32_t now) override { itsPort.Repeat(now); }

private:
    KSerialPort &itsPort;
};

struct KSerialPort::Settings
{
    int32_t port = 0;
    int32_t baud = 9600;
    int32_t dataBits = 0;
    int32_t parity = 0;
    int32_t stopBits = 0;
    int32_t repeatPeriod = 0;
};

namespace {
// Holds a KMutex for a scope.
class TransmitGuard
{
public:
    TransmitGuard(KMutex &mutex, int32_t timeout) : itsMutex(mutex), itsHeld(mutex.Lock(0, timeout)) {}
    ~TransmitGuard()
    {
        if (itsHeld)
            itsMutex.Unlock();
    }
    bool Held() const { return itsHeld; }

private:
    KMutex &itsMutex;
    bool itsHeld;
};

// Reads one field into value: a missing or blank field keeps the default and
// passes; a field that is there must parse.
template <typename Parser>
bool OptionalField(const KString &text, int field, int32_t &value, Parser parse)
{
    KString raw;
    if (!KString::GetField(text, raw, field))
        return true;
    raw.Trim();
    if (raw.IsEmpty())
        return true;
    return parse(text, value, field);
}

enum class TransferEnd
{
    kDone,      // finished, or time-out: done holds the bytes moved
    kFailed,    // the system failed
    kStopped    // KWaitGoesOn answered false: the transfer was cancelled
};

// Waits for a transfer's event up to timeout ms (negative: for ever) in
// slices of at most KWaitSlice ms, asking KWaitGoesOn after each, so that
// the GUI thread keeps its windows alive while a unit takes its time.
// True once the event is set; false at the time-out or when told to stop.
bool WaitInSlices(HANDLE event, int32_t timeout, bool &stopped)
{
    const int32_t start = KTickCount();
    for (;;) {
        int32_t slice = KWaitSlice;
        if (timeout >= 0) {
            int32_t left = timeout - KTickElapsed(start);
            if (left < slice)
                slice = left > 0 ? left : 0;
        }
        if (WaitForSingleObject(event, DWORD(slice)) == WAIT_OBJECT_0)
            return true;
        if (timeout >= 0 && KTickElapsed(start) >= timeout)
            return false;
        if (!KWaitGoesOn()) {
            stopped = true;
            return false;
        }
    }
}

// Cancels this thread's pending transfer on the port and waits until it
// has ended. The cancellation is asked again after each slice: one that
// meets a byte arriving for a read may be lost (the system then goes on
// with the read), and the read would run until its buffer is full.
void CancelUntilEnded(HANDLE handle, HANDLE event)
{
    do
        CancelIo(handle);
    while (WaitForSingleObject(event, KWaitSlice) == WAIT_TIMEOUT);
}

// One overlapped transfer of count bytes, waiting up to timeout ms
// (negative: for ever). done receives the bytes moved. A transfer still
// pending at the time-out (or when told to stop) is cancelled, and the
// bytes it moved until then are counted.
TransferEnd Transfer(HANDLE handle, HANDLE event, bool write, void *buffer, DWORD count, int32_t timeout,
                     DWORD &done)
{
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event;
    ResetEvent(event);
    done = 0;
    BOOL ok = write ? WriteFile(handle, buffer, count, &done, &overlapped)
                    : ReadFile(handle, buffer, count, &done, &overlapped);
    if (ok)
        return TransferEnd::kDone;
    if (GetLastError() != ERROR_IO_PENDING)
        return TransferEnd::kFailed;
    bool stopped = false;
    if (!WaitInSlices(event, timeout, stopped))
        CancelUntilEnded(handle, event);
    // The transfer has ended: the OVERLAPPED lives on this stack.
    ok = GetOverlappedResult(handle, &overlapped, &done, TRUE);
    if (stopped)
        return TransferEnd::kStopped;
    return ok || GetLastError() == ERROR_OPERATION_ABORTED ? TransferEnd::kDone : TransferEnd::kFailed;
}
} // namespace

KSerialPort::KSerialPort(int32_t repeatBufferSize, int32_t readBufferSize, uint32_t usageBit)
    : itsReadEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      itsWriteEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      itsUsageBit(usageBit),
      itsReadBufferSize(readBufferSize > 0 ? readBufferSize : 1024),
      itsTransmitLock(new KMutex),
      itsRepeatBuffer(size_t(repeatBufferSize > 0 ? repeatBufferSize : 0))
{
}

KSerialPort::~KSerialPort()
{
    Close();
    CloseHandle(itsReadEvent);
    CloseHandle(itsWriteEvent);
}

bool KSerialPort::Open(const KString &description, int mode)
{
    Close();
    Settings settings;
    if (!ParsePort(description, settings.port, 0) || settings.port < 1)
        return false;
    if (!OptionalField(description, 1, settings.baud, ParseBaud) ||
        !OptionalField(description, 2, settings.dataBits, ParseDataBits) ||
        !OptionalField(description, 3, settings.parity, ParseParity) ||
        !OptionalField(description, 4, settings.stopBits, ParseStopBits) ||
        !OptionalField(description, 5, settings.repeatPeriod, ParseRepeatPeriod))
        return false;

    DWORD access = 0;
    if (mode & kModeRead)
        access |= GENERIC_READ;
    if (mode & kModeWrite)
        access |= GENERIC_WRITE;
    if (!access)
        return false;
    bool first = false;
    void *handle = KSerialPortShare::Acquire(settings.port, access, itsUsageBit, first);
    if (!handle)
        return false;
    itsHandle = handle;
    itsPort = settings.port;
    if (!Configure(settings, first)) {
        Close();
        return false;
    }
    return true;
}

bool KSerialPort::Configure(const Settings &settings, bool first)
{
    HANDLE h = itsHandle;
    if (first)
        SetupComm(h, DWORD(itsReadBufferSize), DWORD(itsReadBufferSize));

    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    GetCommState(h, &dcb);
    dcb.BaudRate = DWORD(settings.baud);
    dcb.ByteSize = BYTE(8 - settings.dataBits);
    dcb.Parity = BYTE(settings.parity);     // NOPARITY .. SPACEPARITY share the indices
    dcb.StopBits = BYTE(settings.stopBits); // ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != 0;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(h, &dcb))
        return false;

    // No driver time-outs: every wait is bounded here, by the overlapped waits.
    COMMTIMEOUTS timeouts = {};
    SetCommTimeouts(h, &timeouts);
    if (first)
        PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    // The modem lines may be refused (a pseudo-terminal has none): not an error.
    EscapeCommFunction(h, SETDTR);
    EscapeCommFunction(h, SETRTS);

    itsBaud = settings.baud;
    itsRepeatPeriod = settings.repeatPeriod;
    itsRepeatLength = 0;
    if (itsRepeatPeriod > 0) {
        itsRepeater.reset(new KSerialRepeatTask(*this));
        if (!itsRepeater->Start(itsRepeatPeriod))
            return false;
        itsRepeater->Resume();
    }
    return true;
}

void KSerialPort::Close()
{
    // The worker goes first: it must not send on a handle being closed.
    itsRepeater.reset();
    if (itsHandle)
        KSerialPortShare::Release(itsPort, itsUsageBit);
    itsHandle = nullptr;
    itsPort = 0;
    itsRepeatLength = 0;
    DropReadAhead();
}

int32_t KSerialPort::DoRead(void *buffer, int32_t count)
{
    if (!itsHandle)
        throw KXSerialPort(kErrSerialNotOpen);
    DWORD done = 0;
    DWORD wanted = DWORD(count < itsReadBufferSize ? count : itsReadBufferSize);
    TransferEnd end = Transfer(itsHandle, itsReadEvent, false, buffer, wanted, itsReadTimeout, done);
    if (end == TransferEnd::kStopped)
        throw KXSerialPort(kErrUserAborted, itsPort);
    if (end == TransferEnd::kFailed)
        throw KXSerialPort(kErrSerialReceive, itsPort);
    if (done == 0)
        throw KXSerialPort(kErrSerialTimeout, itsPort);
    return int32_t(done);
}

int32_t KSerialPort::Waiting()
{
    DWORD errors = 0;
    COMSTAT status = {};
    if (!itsHandle || !ClearCommError(itsHandle, &errors, &status))
        return 0;
    return int32_t(status.cbInQue);
}

void KSerialPort::DiscardInput()
{
    DropReadAhead();
    if (itsHandle)
        PurgeComm(itsHandle, PURGE_RXCLEAR);
}

void KSerialPort::DoWrite(const void *buffer, int32_t count)
{
    if (!itsHandle)
        throw KXSerialPort(kErrSerialNotOpen);
    TransmitGuard guard(*itsTransmitLock, -1);
    // The message to repeat is the one asked for, even if sending it fails.
    if (size_t(count) <= itsRepeatBuffer.size()) {
        std::memcpy(itsRepeatBuffer.data(), buffer, size_t(count));
        itsRepeatLength = count;
    } else {
        itsRepeatLength = 0; // too long to keep: repeating a part would send garbage
    }
    Transmit(buffer, count);
}

void KSerialPort::Transmit(const void *buffer, int32_t count)
{
    // Time for the bytes at the line's speed (10 bits each), twice over, plus a margin.
    int64_t timeout = 2000 + int64_t(count) * 20000 / (itsBaud > 0 ? itsBaud : 9600);
    DWORD done = 0;
    TransferEnd end = Transfer(itsHandle, itsWriteEvent, true, const_cast<void *>(buffer), DWORD(count),
                               int32_t(timeout > 0x7FFFFFFF ? 0x7FFFFFFF : timeout), done);
    itsLastSend = KTickCount();
    if (end == TransferEnd::kStopped)
        throw KXSerialPort(kErrUserAborted, itsPort);
    if (end == TransferEnd::kFailed)
        throw KXSerialPort(kErrSerialTransmit, itsPort);
    if (done != DWORD(count))
        throw KXSerialPort(done == 0 ? kErrSerialBusy : kErrSerialTransmit, itsPort);
}

void KSerialPort::Repeat(int32_t now)
{
    TransmitGuard guard(*itsTransmitLock, itsRepeatPeriod);
    if (!guard.Held() || !itsHandle || itsRepeatLength <= 0)
        return;
    // A message just sent by the caller counts as this period's transmission.
    if (int32_t(uint32_t(now) - uint32_t(itsLastSend)) < itsRepeatPeriod * 3 / 4)
        return;
    try {
        Transmit(itsRepeatBuffer.data(), itsRepeatLength);
    } catch (const KX &) {
        // The next message or the next period tries again.
    }
}
