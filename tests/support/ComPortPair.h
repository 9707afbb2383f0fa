#pragma once
// ComPortPair: the connected pair of COM ports that the serial-port harness
// (tools/comport/comport.sh) links into the test Wine prefix for a test
// program. End A is the program's port; end B is the peer, either linked as
// a second COM port (for a peer that runs under Wine, such as the test
// itself) or reached as a Linux pseudo-terminal by a simulated unit running
// natively.
//
// The harness hands the pair over in the environment (ctest sets it through
// qt_use_comports in tools/comport/ComPort.cmake; by hand use
// "comport.sh run DIR A B -- ./wine-run.sh test.exe"):
//   QV_TEST_COM       COM number of end A
//   QV_TEST_PEER_COM  COM number of end B, empty when end B is not linked
//   QV_TEST_PEER_PTY  Linux path of end B
//
// Tests start with QV_REQUIRE_COMPORTS(pair), which skips the test with a
// hint when the program runs without the harness.

#include <cstdint>
#include <string>

class KSerialPort;

struct ComPortPair
{
    int port = 0;        // end A
    int peerPort = 0;    // end B as a COM port; 0 when not linked
    std::string peerPty; // end B as a Linux path

    bool HasPort() const { return port > 0; }
    bool HasPeerPort() const { return peerPort > 0; }

    static ComPortPair FromEnvironment();
    // The further pair of a test program that has two (qt_use_second_comports:
    // QV_TEST_COM2 and QV_TEST_PEER_COM2, both linked as COM ports).
    static ComPortPair SecondFromEnvironment();
    // A serial description "port,settings", for example Description(41) is
    // "41,19200,8,N,1.0".
    static std::wstring Description(int port, const wchar_t *settings = L"19200,8,N,1.0");
};

// What arrives on an open port within ms milliseconds; it stops early once
// the text read ends with end (never when end is empty).
std::string CollectFromPort(KSerialPort &port, int32_t ms, const std::string &end = std::string());

#define QV_REQUIRE_COMPORTS(pair)                                                                  \
    ComPortPair pair = ComPortPair::FromEnvironment();                                             \
    if (!pair.HasPort() || !pair.HasPeerPort())                                                    \
    GTEST_SKIP() << "needs a COM port pair: run through ctest or tools/comport/comport.sh run"
