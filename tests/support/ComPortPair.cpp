#include "support/ComPortPair.h"

#include <cstdlib>

#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/values/KHelpers.h"

namespace {
int NumberFrom(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::atoi(value) : 0;
}
} // namespace

ComPortPair ComPortPair::FromEnvironment()
{
    ComPortPair pair;
    pair.port = NumberFrom("QV_TEST_COM");
    pair.peerPort = NumberFrom("QV_TEST_PEER_COM");
    if (const char *pty = std::getenv("QV_TEST_PEER_PTY"))
        pair.peerPty = pty;
    return pair;
}

ComPortPair ComPortPair::SecondFromEnvironment()
{
    ComPortPair pair;
    pair.port = NumberFrom("QV_TEST_COM2");
    pair.peerPort = NumberFrom("QV_TEST_PEER_COM2");
    return pair;
}

std::wstring ComPortPair::Description(int port, const wchar_t *settings)
{
    return std::to_wstring(port) + L"," + settings;
}

std::string CollectFromPort(KSerialPort &port, int32_t ms, const std::string &end)
{
    std::string got;
    port.SetReadTimeout(50);
    const int32_t start = KTickCount();
    while (KTickElapsed(start) < ms) {
        char c;
        try {
            port.Read(&c, 1);
        } catch (const KX &) {
            continue;   // nothing within the read time-out
        }
        got += c;
        if (!end.empty() && got.size() >= end.size() && got.compare(got.size() - end.size(), end.size(), end) == 0)
            break;
    }
    return got;
}
