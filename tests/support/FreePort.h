#pragma once
// Ports on which no one listens now: a test that listens or connects on one
// never meets another test program running at the same time (the plain run
// and the desktop run, or another copy of the tree). The system hands out
// the port; it stays free until someone binds it.
#include <winsock2.h>

#include "foundation/comm/KSocket.h"
#include "foundation/strings/KString.h"

// A port of type (SOCK_STREAM: TCP, SOCK_DGRAM: UDP) free on the address
// (in host order); 0 when the system gave none.
inline int FreePort(int type, unsigned long address)
{
    KSocketStartup();
    SOCKET s = socket(AF_INET, type, type == SOCK_DGRAM ? IPPROTO_UDP : IPPROTO_TCP);
    sockaddr_in where = {};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(address);
    int length = sizeof where;
    int port = 0;
    if (s != INVALID_SOCKET && bind(s, reinterpret_cast<sockaddr *>(&where), sizeof where) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr *>(&where), &length) == 0)
        port = ntohs(where.sin_port);
    if (s != INVALID_SOCKET)
        closesocket(s);
    return port;
}

// A TCP port on loopback.
inline int FreeLoopbackPort()
{
    return FreePort(SOCK_STREAM, INADDR_LOOPBACK);
}

// A UDP port free on every address (a datagram socket binds them all).
inline int FreeUdpPort()
{
    return FreePort(SOCK_DGRAM, INADDR_ANY);
}

// "kind,127.0.0.1,port": a TCP socket on loopback that listens (kind -2) or
// connects (kind -1).
inline KString LoopbackDescription(int kind, int port)
{
    return KString(L"").AppendInt(kind).Append(L",127.0.0.1,").AppendInt(port);
}
