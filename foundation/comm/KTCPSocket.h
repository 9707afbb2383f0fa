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
// writes send every byte or throw kErrSocketSend, also when the peer leaves
// the connection full for longer than the write time-out (then the connection
// is dropped as if the peer had left); this holds for every connection, made
// by Open, Accept or AcceptClient. A write that waits for the peer asks
// KWaitGoesOn between its slices (inside a long operation the GUI runs
// meanwhile) and, when that answers false, drops the connection and throws
// kErrUserAborted. The write time-out counts from the later of the last byte
// the connection took and the moment a reader of kSteadyReadRate, starting
// with the write, has read every byte the write handed over (SteadyReadTime):
// TCP hands a slow steady reader its bytes in bursts seconds apart, in as
// many pieces as the system likes, while megabytes may wait in the buffers
// between the two ends; the system reports free room only once much of the
// connection drained. The socket library must be started (KSocketStartup).
// A socket belongs to one thread at a time.

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
    // Sends what the connection takes now, without waiting: the bytes taken
    // (0 when it is full). A transport failure drops the connection and
    // throws kErrSocketSend.
    int32_t WriteSome(const void *buffer, int32_t count);

    // Milliseconds between two tries of a write the connection had no room for.
    static constexpr int32_t kWriteSlice = 10;
    // Bytes of the send buffer asked for every connection (the system may
    // double it): a peer reading 64 KB a second frees a third of it well
    // within a second and a half, while a fast peer still gets its bytes
    // at the network's pace.
    static constexpr int kSendBuffer = 65536;

    // Bytes a second of the slowest reader a write keeps serving.
    static constexpr int32_t kSteadyReadRate = 65536;
    // The ms a reader of kSteadyReadRate needs for bytes.
    static int32_t SteadyReadTime(int64_t bytes);

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
    // True once a write that began at start and handed over taken bytes,
    // the last of them at lastTaken, has waited for room longer than the
    // write time-out allows.
    bool PeerStalled(int32_t start, int64_t taken, int32_t lastTaken) const;

    uintptr_t itsClient;
    bool itsListening = false;
    int32_t itsWriteTimeout = -1;
};
