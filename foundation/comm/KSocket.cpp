// Socket library start-up and the common part of the socket streams.
#include "foundation/comm/KSocket.h"

#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"

#include <winsock2.h>

bool KSocketStartup()
{
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

void KSocketCleanup() { WSACleanup(); }

KSocketStream::KSocketStream() : itsSocket(uintptr_t(INVALID_SOCKET)) {}

KSocketStream::~KSocketStream() { CloseSocket(itsSocket); }

void KSocketStream::Close()
{
    CloseSocket(itsSocket);
    DropReadAhead();
}

bool KSocketStream::IsOpen() const { return itsSocket != uintptr_t(INVALID_SOCKET); }

bool KSocketStream::WaitFor(uintptr_t socket, bool forReading, int32_t timeout, int32_t code)
{
    fd_set set;
    FD_ZERO(&set);
    FD_SET(SOCKET(socket), &set);
    // A failed connect shows up in the exception set, not the write set.
    fd_set errors;
    FD_ZERO(&errors);
    FD_SET(SOCKET(socket), &errors);
    timeval limit = {timeout / 1000, (timeout % 1000) * 1000};
    int n = select(0, forReading ? &set : nullptr, forReading ? nullptr : &set, &errors,
                   timeout < 0 ? nullptr : &limit);
    if (n == SOCKET_ERROR)
        Fail(code);
    if (n > 0 && FD_ISSET(SOCKET(socket), &errors))
        Fail(code);
    return n > 0;
}

void KSocketStream::CloseSocket(uintptr_t &socket)
{
    if (socket != uintptr_t(INVALID_SOCKET)) {
        closesocket(SOCKET(socket));
        socket = uintptr_t(INVALID_SOCKET);
    }
}

void KSocketStream::Fail(int32_t code) { throw KXStream(code, WSAGetLastError()); }

bool KSocketStream::HasField(const KString &description, int field)
{
    KString value;
    if (!KString::GetField(description, value, field))
        return false;
    value.Trim();
    return !value.IsEmpty();
}
