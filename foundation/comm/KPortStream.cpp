// The stream factory for port descriptions.
#include "foundation/comm/KPortStream.h"

#include "foundation/comm/KSerialPort.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/comm/KUDPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"

std::unique_ptr<KStream> KOpenPortStream(const KString &description, int mode, int32_t readTimeout)
{
    int32_t kind = 0;
    if (!KString::ParseIntField(description, kind, 0))
        throw KXStream(kErrFileOpen);
    if (kind >= 0) {
        std::unique_ptr<KSerialPort> port(new KSerialPort);
        if (!port->Open(description, mode))
            throw KXSerialPort(kErrSerialNotOpen, kind);
        port->SetReadTimeout(readTimeout);
        return port;
    }
    std::unique_ptr<KSocketStream> socket;
    if (kind == KSocketStream::kTCPConnect || kind == KSocketStream::kTCPListen)
        socket.reset(new KTCPSocket);
    else if (kind == KSocketStream::kUDP)
        socket.reset(new KUDPSocket);
    else
        throw KXStream(kErrFileOpen, kind);
    // The time-out also bounds the connect.
    socket->SetReadTimeout(readTimeout);
    socket->Open(description, mode);
    return socket;
}
