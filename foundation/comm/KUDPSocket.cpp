// UDP datagram streams.
#include "foundation/comm/KUDPSocket.h"

#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"

#include <winsock2.h>

#include <cstring>

KUDPSocket::KUDPSocket() = default;
KUDPSocket::~KUDPSocket() = default;

void KUDPSocket::Open(const KString &description, int /*mode*/)
{
    Close();
    int32_t kind = 0;
    uint32_t address = INADDR_BROADCAST;
    uint16_t port = 0;
    if (!KString::ParseIntField(description, kind, 0) || kind != kUDP)
        throw KXStream(kErrSocketConnect);
    if (HasField(description, 1) && !ParseAddress(description, address, 1))
        throw KXStream(kErrSocketConnect);
    if (!ParsePort(description, port, 2) || port == 0)
        throw KXStream(kErrSocketConnect);
    if (address == 0)
        address = INADDR_BROADCAST; // "0.0.0.0" names no peer: broadcast, as no address does

    SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET)
        Fail(kErrSocketConnect);
    uintptr_t handle = uintptr_t(s);
    BOOL on = TRUE;
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    if ((address == INADDR_BROADCAST &&
         setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char *>(&on), sizeof on) ==
             SOCKET_ERROR) ||
        bind(s, reinterpret_cast<sockaddr *>(&local), sizeof local) == SOCKET_ERROR) {
        int error = WSAGetLastError();
        CloseSocket(handle);
        throw KXStream(kErrSocketConnect, error);
    }
    itsSocket = handle;
    itsAddress = address;
    itsPort = port;
}

void KUDPSocket::Close()
{
    KSocketStream::Close();
    itsNext = itsEnd = 0;
}

int32_t KUDPSocket::DoRead(void *buffer, int32_t count)
{
    if (!IsOpen())
        throw KXStream(kErrSocketReceive);
    // An empty datagram carries nothing to hand out: wait for the next one.
    while (itsNext >= itsEnd) {
        if (!WaitFor(itsSocket, true, itsReadTimeout, kErrSocketReceive))
            throw KXStream(kErrSocketReceive, WSAETIMEDOUT);
        // The whole datagram is taken at once: a smaller buffer would lose its rest.
        itsDatagram.resize(kMaxDatagram);
        int n = recvfrom(SOCKET(itsSocket), itsDatagram.data(), kMaxDatagram, 0, nullptr, nullptr);
        if (n == SOCKET_ERROR)
            Fail(kErrSocketReceive);
        itsNext = 0;
        itsEnd = n;
    }
    int32_t n = itsEnd - itsNext < count ? itsEnd - itsNext : count;
    std::memcpy(buffer, itsDatagram.data() + itsNext, size_t(n));
    itsNext += n;
    return n;
}

void KUDPSocket::DoWrite(const void *buffer, int32_t count)
{
    if (!IsOpen() || count > kMaxDatagram)
        throw KXStream(kErrSocketSend);
    sockaddr_in where = {};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(itsAddress);
    where.sin_port = htons(itsPort);
    int n = sendto(SOCKET(itsSocket), static_cast<const char *>(buffer), count, 0,
                   reinterpret_cast<sockaddr *>(&where), sizeof where);
    if (n != count)
        Fail(kErrSocketSend);
}
