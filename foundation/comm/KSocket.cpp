// Socket library start-up and the common part of the socket streams.
#include "foundation/comm/KSocket.h"

#include "foundation/comm/KAddress.h"
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

bool KSocketStream::MakeDescription(KString &out, int32_t kind, uint32_t address, uint16_t port)
{
    out.AppendInt(kind).AppendChar(L',');
    KFormatAddress(out, address);
    out.AppendChar(L',').AppendInt(port);
    return true;
}

bool KSocketStream::ParseAddress(const KString &text, uint32_t &address, int field)
{
    KString value;
    address = 0;
    return KString::GetField(text, value, field) && KParseAddress(value, address);
}

bool KSocketStream::ParsePort(const KString &text, uint16_t &port, int field)
{
    int32_t value = 0;
    port = 0;
    if (!KString::ParseIntField(text, value, field) || value < 0 || value > 65535)
        return false;
    port = uint16_t(value);
    return true;
}
