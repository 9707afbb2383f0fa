#include "support/ComPortPair.h"

#include <cstdlib>

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
