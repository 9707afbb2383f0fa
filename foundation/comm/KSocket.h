#pragma once
// Network streams. KSocketStartup and KSocketCleanup start and end the system's
// socket library; the program calls them once at start-up and once at shut-down
// (any user of sockets may pair them around its own use). Calls may nest: each
// startup needs its own cleanup.
//
// KSocketStream is the common part of KTCPSocket and KUDPSocket: the socket
// handle, the read time-out and closing. A socket stream belongs to one
// thread at a time. Failures throw KXStream with the socket codes:
//   kErrSocketReadClosed: the peer closed the connection while reading,
//   kErrSocketReceive: receive failed or no data within the read time-out,
//   kErrSocketConnect: connect, bind or listen failed (also: a description
//        that names no usable address or port),
//   kErrSocketSend: send failed.

#include "foundation/streams/KStream.h"

#include <cstdint>

class KString;

bool KSocketStartup();
void KSocketCleanup();

class KSocketStream : public KStream
{
public:
    // Port description kinds (the first field of a description).
    enum
    {
        kTCPConnect = -1, // "-1,address,port": connects to a listener
        kTCPListen = -2,  // "-2,[address],port": waits for clients (KTCPSocket)
        kUDP = -3         // "-3,[address],port": datagrams; no address = broadcast
    };

    ~KSocketStream() override;

    // Opens from a port description with the given mode (1 read, 2 write, 3
    // both); a stream that is open is closed first. Throws KXStream
    // kErrSocketConnect when the description is unusable or the system refuses.
    virtual void Open(const KString &description, int mode = 3) = 0;
    // Closes the socket; harmless when closed.
    virtual void Close();
    bool IsOpen() const;

    // Milliseconds a read (and a connect) waits for the peer; negative waits
    // for ever. The default is 5000.
    void SetReadTimeout(int32_t milliseconds) { itsReadTimeout = milliseconds; }
    int32_t ReadTimeout() const { return itsReadTimeout; }

    // Port descriptions. MakeDescription appends kind, the dotted-decimal
    // address and the port, separated by commas ("-2,0.0.0.0,1950"; -3 with
    // 0xFFFFFFFF gives "-3,255.255.255.255,1950"); always true. ParseAddress
    // reads the address field (host order; 0 and false when missing, empty or
    // no address); ParsePort the port field (0 and false when missing or not
    // 0..65535).
    static bool MakeDescription(KString &out, int32_t kind, uint32_t address, uint16_t port);
    static bool ParseAddress(const KString &text, uint32_t &address, int field);
    static bool ParsePort(const KString &text, uint16_t &port, int field);

protected:
    KSocketStream();

    // The socket handle (a SOCKET; ~0 when there is none).
    uintptr_t itsSocket;
    int32_t itsReadTimeout = 5000;

    // Waits until the socket can be read (true) or written; false when the
    // time-out (negative: none) passed first. Throws code on a system failure.
    static bool WaitFor(uintptr_t socket, bool forReading, int32_t timeout, int32_t code);
    static void CloseSocket(uintptr_t &socket);
    // True when the description has that field and it is not blank.
    static bool HasField(const KString &description, int field);
    // Throws KXStream(code) with the system's last socket error as extra.
    [[noreturn]] static void Fail(int32_t code);
};
