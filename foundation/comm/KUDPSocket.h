#pragma once
// KUDPSocket: UDP datagrams as a stream, opened from a port description
// "-3,[address],port". The socket receives on that port (every local address)
// and sends each Write as one datagram to the address and port; with no address
// (or "255.255.255.255", or "0.0.0.0") it broadcasts. An address text that is
// not a dotted-decimal address is refused (kErrSocketConnect), never taken for
// broadcast. A read waits up to the read time-out for a datagram
// (kErrSocketReceive when none comes) and hands out its bytes, the rest of it
// on the next reads. A Write larger than one datagram can carry throws
// kErrSocketSend. The socket library must be started (KSocketStartup). A socket
// belongs to one thread at a time.

#include "foundation/comm/KSocket.h"

#include <vector>

class KUDPSocket : public KSocketStream
{
public:
    // The largest payload of one datagram.
    enum { kMaxDatagram = 65507 };

    KUDPSocket();
    ~KUDPSocket() override;

    void Open(const KString &description, int mode = 3) override;
    void Close() override;
    // Host-order destination address and port of the open socket.
    uint32_t Destination() const { return itsAddress; }
    uint16_t Port() const { return itsPort; }

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;

private:
    uint32_t itsAddress = 0;
    uint16_t itsPort = 0;
    // The datagram being handed out and how much of it is left.
    std::vector<char> itsDatagram;
    int32_t itsNext = 0;
    int32_t itsEnd = 0;
};
