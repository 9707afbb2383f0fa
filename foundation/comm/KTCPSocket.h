#pragma once
// KTCPSocket: a TCP connection as a stream, opened from a port description.
//   "-1,address,port"   connects to a listener at that address;
//   "-2,[address],port" listens there (no address or 0.0.0.0: every local
//                       address). Used as a stream it serves one client at a
//                       time: the first read or write waits (read time-out)
//                       for a client, and after the client left the next one
//                       is accepted. AcceptClient instead hands each waiting
//                       client to a connection of its own, so that a caller
//                       can serve several at once; up to kBacklog clients
//                       wait to be accepted.
// A connect description with address 0 ("-1,0,1950") means "not configured":
// Open refuses it with kErrSocketConnect instead of trying 0.0.0.0. Reads
// return what has arrived (at least one byte); no data within the read time-out
// throws kErrSocketReceive, a peer that closed throws kErrSocketReadClosed;
// writes send every byte or throw kErrSocketSend, also when the peer takes none
// of them within the write time-out, or the write outlasts its limit (then the
// connection is dropped as if the peer had left); this holds for every
// connection, made by Open, Accept or AcceptClient. The write time-out counts
// from the last byte the connection took, not from the system's report of
// free room (Linux and Wine report it only once a third of the connection
// drained): a peer that keeps reading, however slowly, is never cut off by
// it. The socket library must be started (KSocketStartup). A socket
// belongs to one thread at a time.

#include "foundation/comm/KSocket.h"

class KTCPSocket : public KSocketStream
{
public:
    KTCPSocket();
    ~KTCPSocket() override;

    void Open(const KString &description, int mode = 3) override;
    void Close() override;
    // True for a listener, false for a connection.
    bool IsListener() const { return itsListening; }
    // Listener: waits up to timeout ms (negative: for ever) for a client;
    // true when one is connected. A connection answers true while open.
    bool Accept(int32_t timeout);
    // Listener: waits up to timeout ms (0: only looks) for the next client
    // and makes connection an open connection to it (connection is closed
    // first); false when none came or this is no listener.
    bool AcceptClient(KTCPSocket &connection, int32_t timeout);
    // Milliseconds a write may wait for the peer to take bytes; negative (the
    // default) waits for ever.
    void SetWriteTimeout(int32_t milliseconds) { itsWriteTimeout = milliseconds; }
    // Milliseconds one write may last in all, however steadily the peer
    // takes bytes; negative (the default): no limit. A write without a limit
    // that waits for the peer asks KWaitGoesOn between its slices (inside a
    // long operation the GUI runs meanwhile) and, when that answers false,
    // drops the connection and throws kErrUserAborted; a limited write only
    // waits.
    void SetWriteLimit(int32_t milliseconds) { itsWriteLimit = milliseconds; }

    // Milliseconds between two tries of a write the connection had no room for.
    static constexpr int32_t kWriteSlice = 10;
    // Bytes of the send buffer asked for every connection (the system may
    // double it): a peer reading 64 KB a second frees a third of it well
    // within a second and a half, while a fast peer still gets its bytes
    // at the network's pace.
    static constexpr int kSendBuffer = 65536;

    // Clients that may wait to be accepted by a listener.
    static constexpr int kBacklog = 32;

protected:
    int32_t DoRead(void *buffer, int32_t count) override;
    void DoWrite(const void *buffer, int32_t count) override;

private:
    void Connect(uint32_t address, uint16_t port);
    void Listen(uint32_t address, uint16_t port);
    // The socket that carries data (the accepted client for a listener);
    // throws code when there is none.
    uintptr_t Connection(int32_t code);
    void DropClient();

    uintptr_t itsClient;
    bool itsListening = false;
    int32_t itsWriteTimeout = -1;
    int32_t itsWriteLimit = -1;
};
