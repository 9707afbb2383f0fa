// TCP connections and listeners.
#include "foundation/comm/KTCPSocket.h"

#include "foundation/app/KApplicationHooks.h"
#include "foundation/comm/KAddress.h"
#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

#include <winsock2.h>

namespace {
sockaddr_in MakeAddress(uint32_t address, uint16_t port)
{
    sockaddr_in where = {};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(address);
    where.sin_port = htons(port);
    return where;
}

void SetBlocking(SOCKET s, bool blocking)
{
    u_long nonBlocking = blocking ? 0 : 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
}

// A connection: non-blocking, with a send buffer small enough that the
// system reports room again soon after a slow peer took some bytes: Linux
// reports it only once a third of the buffer drained, and Wine refuses
// every send until then (with the system's default of megabytes a peer
// reading 100 KB a second would seem to take nothing for many seconds).
void PrepareConnection(SOCKET s)
{
    SetBlocking(s, false);
    int size = KTCPSocket::kSendBuffer;
    setsockopt(s, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char *>(&size), sizeof size);
}
} // namespace

KTCPSocket::KTCPSocket() : itsClient(uintptr_t(INVALID_SOCKET)) {}

KTCPSocket::~KTCPSocket() { CloseSocket(itsClient); }

void KTCPSocket::Open(const KString &description, int /*mode*/)
{
    Close();
    int32_t kind = 0;
    uint32_t address = 0;
    uint16_t port = 0;
    KString::ParseIntField(description, kind, 0);
    if (HasField(description, 1) && !ParseAddress(description, address, 1))
        throw KXStream(kErrSocketConnect);
    if (!ParsePort(description, port, 2) || port == 0)
        throw KXStream(kErrSocketConnect);
    if (kind == kTCPConnect) {
        if (address == 0)
            throw KXStream(kErrSocketConnect); // "not configured"
        Connect(address, port);
    } else if (kind == kTCPListen) {
        Listen(address, port);
    } else {
        throw KXStream(kErrSocketConnect);
    }
}

void KTCPSocket::Connect(uint32_t address, uint16_t port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        Fail(kErrSocketConnect);
    uintptr_t handle = uintptr_t(s);
    // Connect without blocking so that the read time-out bounds the wait.
    PrepareConnection(s);
    sockaddr_in where = MakeAddress(address, port);
    if (connect(s, reinterpret_cast<sockaddr *>(&where), sizeof where) == SOCKET_ERROR) {
        int error = WSAGetLastError();
        bool connected = false;
        if (error == WSAEWOULDBLOCK) {
            try {
                connected = WaitFor(handle, false, itsReadTimeout, kErrSocketConnect);
            } catch (const KX &) {
                CloseSocket(handle);
                throw;
            }
            error = WSAETIMEDOUT;
        }
        if (!connected) {
            CloseSocket(handle);
            throw KXStream(kErrSocketConnect, error);
        }
    }
    // Stays non-blocking: reads wait in select, and the write time-out
    // bounds every send.
    itsSocket = handle;
    itsListening = false;
}

void KTCPSocket::Listen(uint32_t address, uint16_t port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        Fail(kErrSocketConnect);
    uintptr_t handle = uintptr_t(s);
    sockaddr_in where = MakeAddress(address, port);
    if (bind(s, reinterpret_cast<sockaddr *>(&where), sizeof where) == SOCKET_ERROR ||
        listen(s, kBacklog) == SOCKET_ERROR) {
        int error = WSAGetLastError();
        CloseSocket(handle);
        throw KXStream(kErrSocketConnect, error);
    }
    itsSocket = handle;
    itsListening = true;
}

void KTCPSocket::Close()
{
    CloseSocket(itsClient);
    KSocketStream::Close();
    itsListening = false;
}

bool KTCPSocket::Accept(int32_t timeout)
{
    if (!IsOpen())
        return false;
    if (!itsListening || itsClient != uintptr_t(INVALID_SOCKET))
        return true;
    if (!WaitFor(itsSocket, true, timeout, kErrSocketReceive))
        return false;
    SOCKET client = accept(SOCKET(itsSocket), nullptr, nullptr);
    if (client == INVALID_SOCKET)
        return false;
    PrepareConnection(client);   // as every connection (see Connect)
    itsClient = uintptr_t(client);
    return true;
}

bool KTCPSocket::AcceptClient(KTCPSocket &connection, int32_t timeout)
{
    if (!IsOpen() || !itsListening || &connection == this)
        return false;
    connection.Close();
    if (!WaitFor(itsSocket, true, timeout, kErrSocketReceive))
        return false;
    SOCKET client = accept(SOCKET(itsSocket), nullptr, nullptr);
    if (client == INVALID_SOCKET)
        return false;   // the client gave up between the wait and the accept
    // Reads wait in select; a non-blocking socket lets the write time-out
    // bound every send too.
    PrepareConnection(client);
    connection.itsSocket = uintptr_t(client);
    connection.itsListening = false;
    return true;
}

uintptr_t KTCPSocket::Connection(int32_t code)
{
    if (!IsOpen())
        throw KXStream(code);
    if (!itsListening)
        return itsSocket;
    if (!Accept(itsReadTimeout))
        throw KXStream(code, WSAETIMEDOUT);
    return itsClient;
}

void KTCPSocket::DropClient()
{
    DropReadAhead();
    // A connection is over; a listener waits for the next client.
    if (itsListening)
        CloseSocket(itsClient);
    else
        KSocketStream::Close();
}

int32_t KTCPSocket::DoRead(void *buffer, int32_t count)
{
    uintptr_t s = Connection(kErrSocketReceive);
    if (!WaitFor(s, true, itsReadTimeout, kErrSocketReceive))
        throw KXStream(kErrSocketReceive, WSAETIMEDOUT);
    int n = recv(SOCKET(s), static_cast<char *>(buffer), count, 0);
    if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
        throw KXStream(kErrSocketReceive, WSAETIMEDOUT);   // readable, yet nothing to take after all
    if (n == 0) {
        DropClient();
        throw KXStream(kErrSocketReadClosed);
    }
    if (n == SOCKET_ERROR) {
        int error = WSAGetLastError();
        DropClient();
        throw KXStream(kErrSocketReceive, error);
    }
    return n;
}

int32_t KTCPSocket::SteadyReadTime(int64_t bytes)
{
    return int32_t(bytes * 1000 / kSteadyReadRate);
}

bool KTCPSocket::PeerStalled(int32_t start, int64_t taken, int32_t lastTaken) const
{
    if (itsWriteTimeout < 0)
        return false;
    // A reader of kSteadyReadRate may still have bytes of this write to
    // read, wherever they wait, until SteadyReadTime(taken) after it began.
    const int32_t sinceReaderDone = KTickElapsed(start) - SteadyReadTime(taken);
    return KTickElapsed(lastTaken) >= itsWriteTimeout && sinceReaderDone >= itsWriteTimeout;
}

int32_t KTCPSocket::WriteSome(const void *buffer, int32_t count)
{
    uintptr_t s = Connection(kErrSocketSend);
    int n = count > 0 ? send(SOCKET(s), static_cast<const char *>(buffer), count, 0) : 0;
    if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
        return 0;
    if (n == SOCKET_ERROR || (n == 0 && count > 0)) {
        int error = WSAGetLastError();
        DropClient();
        throw KXStream(kErrSocketSend, error);
    }
    return n;
}

void KTCPSocket::DoWrite(const void *buffer, int32_t count)
{
    uintptr_t s = Connection(kErrSocketSend);
    const char *bytes = static_cast<const char *>(buffer);
    const int32_t start = KTickCount();
    int32_t lastTaken = start;
    int64_t taken = 0;
    while (count > 0) {
        int n = send(SOCKET(s), bytes, count, 0);
        if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) {
            // The connection is full. The send is tried again every slice:
            // the system reports room only once much of it drained, while
            // the peer may be taking bytes all along.
            if (PeerStalled(start, taken, lastTaken)) {
                DropClient();
                throw KXStream(kErrSocketSend, WSAETIMEDOUT);
            }
            WaitFor(s, false, kWriteSlice, kErrSocketSend);
            if (!KWaitGoesOn()) {
                DropClient();
                throw KXStream(kErrUserAborted);
            }
            continue;
        }
        if (n == SOCKET_ERROR || n == 0) {
            int error = WSAGetLastError();
            DropClient();
            throw KXStream(kErrSocketSend, error);
        }
        bytes += n;
        count -= n;
        taken += n;
        lastTaken = KTickCount();
    }
}
