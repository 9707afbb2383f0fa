#include "tools/unitsim/UnitHostPort.h"

#include "foundation/comm/KSerialPort.h"
#include "foundation/strings/KString.h"

bool OpenUnitHostPort(KSerialPort &port, int number, int baud)
{
    KString description;
    KSerialPort::MakeDescription(description, number, baud, 0, 0, 0, 0);
    if (!port.Open(description))
        return false;
    port.SetReadEncoding(KStream::kEncoding8Bit);
    port.SetWriteEncoding(KStream::kEncoding8Bit);
    port.SetReadLineEnd(KStream::kLineEndRaw);
    port.SetWriteLineEnd(KStream::kLineEndRaw);
    port.SetReadTimeout(1000);
    return true;
}
