#pragma once
// KOpenPortStream: the one place that turns a port description into an open
// stream of the right kind:
//   0 or more   a serial port (KSerialPort, usage bit 1);
//   -1, -2      a TCP connection or listener (KTCPSocket);
//   -3          UDP datagrams (KUDPSocket).
// The caller owns the stream. readTimeout (ms; negative waits for ever) is set
// before the stream is handed out. Failures throw: KXSerialPort
// kErrSerialNotOpen when a serial port cannot be opened (extra: the port
// number), KXStream kErrSocketConnect from the sockets, KXStream kErrFileOpen
// for a description of no known kind.

#include <cstdint>
#include <memory>

class KStream;
class KString;

std::unique_ptr<KStream> KOpenPortStream(const KString &description, int mode = 3,
                                         int32_t readTimeout = 1000);
