#pragma once
// A loopback port on which no one listens now: a test that listens or
// connects on it never meets another test program running at the same time
// (the plain run and the desktop run, or another copy of the tree).
#include <winsock2.h>

#include "foundation/comm/KSocket.h"

inline int FreeLoopbackPort()
{
    KSocketStartup();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in where = {};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof where;
    int port = 0;
    if (s != INVALID_SOCKET && bind(s, reinterpret_cast<sockaddr *>(&where), sizeof where) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr *>(&where), &length) == 0)
        port = ntohs(where.sin_port);
    if (s != INVALID_SOCKET)
        closesocket(s);
    return port;
}
