// TCP and UDP streams on the loopback interface.
#include "foundation/comm/KPortStream.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/comm/KUDPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"
#include "foundation/support/TestStreams.h"
#include "support/FreePort.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

namespace {

class KSocketTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(KSocketStartup()); }
    void TearDown() override { KSocketCleanup(); }

    static KString Description(int kind, const wchar_t *address, int port)
    {
        KString text;
        text.AppendInt(kind).AppendChar(L',').Append(address).AppendChar(L',').AppendInt(port);
        return text;
    }
};

int32_t OpenCode(KSocketStream &socket, const KString &description)
{
    return CodeOf([&] { socket.Open(description); });
}

std::vector<uint8_t> Pattern(size_t size, int seed)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t(i * 13 + seed + i / 256);
    return bytes;
}
} // namespace

TEST_F(KSocketTest, ListenerAndClientOnLoopbackExchange64KiB)
{
    const int port = FreePort(SOCK_STREAM, INADDR_ANY);   // listened on every address
    KTCPSocket listener;
    listener.Open(Description(-2, L"0.0.0.0", port));
    EXPECT_TRUE(listener.IsListener());
    const std::vector<uint8_t> up = Pattern(65536, 1), down = Pattern(65536, 2);
    std::vector<uint8_t> clientGot(down.size());
    std::string clientError;

    std::thread client([&] {
        try {
            KTCPSocket socket;
            socket.Open(Description(-1, L"127.0.0.1", port));
            socket.Write(up.data(), int32_t(up.size()));
            socket.ReadExact(clientGot.data(), int32_t(clientGot.size()));
        } catch (const KX &e) {
            clientError = "client failed with " + std::to_string(e.Code());
        }
    });
    std::vector<uint8_t> serverGot(up.size());
    try {
        listener.ReadExact(serverGot.data(), int32_t(serverGot.size()));
        listener.Write(down.data(), int32_t(down.size()));
    } catch (const KX &e) {
        ADD_FAILURE() << "listener failed with " << e.Code();
    }
    client.join();
    EXPECT_EQ(clientError, "");
    EXPECT_TRUE(serverGot == up);
    EXPECT_TRUE(clientGot == down);
}

TEST_F(KSocketTest, ConnectDescriptionWithAddressZeroIsNotConfigured)
{
    KTCPSocket socket;
    socket.SetReadTimeout(5000);
    const int32_t start = KTickCount();
    EXPECT_EQ(OpenCode(socket, KString(L"-1,0,1950")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(socket, KString(L"-1,0.0.0.0,1950")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(socket, KString(L"-1,,1950")), kErrSocketConnect);
    EXPECT_LT(KTickElapsed(start), 1000) << "no connection was attempted";
    EXPECT_FALSE(socket.IsOpen());
}

TEST_F(KSocketTest, UnusableDescriptionsAndConnectsWithoutAListenerAreRefused)
{
    KTCPSocket tcp;
    EXPECT_EQ(OpenCode(tcp, KString(L"-1,results-pc,1950")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(tcp, KString(L"-1,127.0.0.1")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(tcp, KString(L"-1,127.0.0.1,0")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(tcp, KString(L"-3,127.0.0.1,1950")), kErrSocketConnect);
    KUDPSocket udp;
    EXPECT_EQ(OpenCode(udp, KString(L"-3,10.0.0.300,1950")), kErrSocketConnect);
    EXPECT_EQ(OpenCode(udp, KString(L"-3,scoreboard,1950")), kErrSocketConnect);
    EXPECT_FALSE(udp.IsOpen());
    // A well-formed description with no listener behind it fails the same way.
    tcp.SetReadTimeout(2000);
    EXPECT_EQ(OpenCode(tcp, Description(-1, L"127.0.0.1", FreeLoopbackPort())), kErrSocketConnect);
    EXPECT_FALSE(tcp.IsOpen());
}

TEST_F(KSocketTest, ReadsReportSilenceAndAClosedPeer)
{
    const int port = FreeLoopbackPort();
    KTCPSocket listener, client;
    listener.Open(Description(-2, L"127.0.0.1", port));
    client.Open(Description(-1, L"127.0.0.1", port));
    listener.SetReadTimeout(300);
    EXPECT_TRUE(listener.Accept(2000));
    EXPECT_EQ(CodeOf([&] { listener.ReadU8(); }), kErrSocketReceive);

    client.Write("ab", 2);
    client.Close();
    // The bytes sent before the close arrive; reading on after them reports the close.
    char buffer[4];
    EXPECT_EQ(CodeOf([&] { listener.Read(buffer, 4); }), kErrSocketReadClosed);
    EXPECT_EQ(CodeOf([&] { client.WriteU8(1); }), kErrSocketSend);
}

TEST_F(KSocketTest, ListenerServesTheNextClientAfterOneLeft)
{
    const int port = FreePort(SOCK_STREAM, INADDR_ANY);   // listened on every address
    KTCPSocket listener;
    listener.Open(Description(-2, L"", port));
    listener.SetReadTimeout(2000);
    for (uint8_t round = 1; round <= 2; ++round) {
        KTCPSocket client;
        client.Open(Description(-1, L"127.0.0.1", port));
        client.WriteU8(round);
        EXPECT_EQ(listener.ReadU8(), round);
        client.Close();
        EXPECT_EQ(CodeOf([&] { listener.ReadU8(); }), kErrSocketReadClosed);
    }
    EXPECT_TRUE(listener.IsOpen());
}

TEST_F(KSocketTest, ListenerWithoutClientTimesOut)
{
    KTCPSocket listener;
    listener.Open(Description(-2, L"127.0.0.1", FreeLoopbackPort()));
    listener.SetReadTimeout(200);
    EXPECT_FALSE(listener.Accept(100));
    EXPECT_EQ(CodeOf([&] { listener.ReadU8(); }), kErrSocketReceive);
}

TEST_F(KSocketTest, ListenerHandsEachWaitingClientItsOwnConnection)
{
    const int port = FreeLoopbackPort();
    KTCPSocket listener;
    listener.Open(Description(-2, L"127.0.0.1", port));
    KTCPSocket clients[3], connections[3];
    for (KTCPSocket &client : clients)
        client.Open(Description(-1, L"127.0.0.1", port));
    for (KTCPSocket &connection : connections) {
        ASSERT_TRUE(listener.AcceptClient(connection, 2000));
        EXPECT_FALSE(connection.IsListener());
    }
    EXPECT_FALSE(listener.AcceptClient(connections[0], 0));
    EXPECT_FALSE(connections[0].IsOpen());   // given back closed when none waited

    clients[1].Write("abc", 3);
    char buffer[100];
    connections[1].SetReadTimeout(2000);
    EXPECT_EQ(connections[1].ReadSome(buffer, sizeof buffer), 3);   // what arrived, not the whole count
    connections[2].Write("z", 1);
    clients[2].SetReadTimeout(2000);
    EXPECT_EQ(clients[2].ReadU8(), 'z');
    clients[1].SetReadTimeout(100);
    EXPECT_EQ(CodeOf([&] { clients[1].ReadU8(); }), kErrSocketReceive);
}

// On either end of a connection: the accepted one and the connecting one.
// The time-out counts from when a steady reader would have read what the
// connection took: a few seconds for what its buffers hold.
TEST_F(KSocketTest, WriteToAPeerThatTakesNothingFailsAfterTheWriteTimeout)
{
    const int port = FreeLoopbackPort();
    KTCPSocket listener;
    listener.Open(Description(-2, L"127.0.0.1", port));
    for (bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "accepted" : "connecting");
        KTCPSocket client, connection;
        client.Open(Description(-1, L"127.0.0.1", port));
        ASSERT_TRUE(listener.AcceptClient(connection, 2000));
        KTCPSocket &writer = accepted ? connection : client;
        writer.SetWriteTimeout(200);
        const std::vector<char> bytes(1024 * 1024, 'x');
        int32_t code = 0;
        for (int i = 0; i < 256 && code == 0; ++i)
            code = CodeOf([&] { writer.Write(bytes.data(), int32_t(bytes.size())); });
        EXPECT_EQ(code, kErrSocketSend);
        EXPECT_FALSE(writer.IsOpen());
    }
}

TEST_F(KSocketTest, UdpDatagramsArriveWholeAndInOrder)
{
    const int port = FreeUdpPort();
    KUDPSocket socket;
    socket.Open(Description(-3, L"127.0.0.1", port));
    EXPECT_EQ(socket.Destination(), 0x7F000001u);
    socket.SetReadTimeout(2000);
    socket.Write("first", 5);
    socket.Write("second!", 7);
    char got[12] = {};
    socket.ReadExact(got, 12);
    EXPECT_EQ(std::string(got, 12), "firstsecond!");
    socket.SetReadTimeout(200);
    EXPECT_EQ(CodeOf([&] { socket.ReadU8(); }), kErrSocketReceive);
    std::vector<char> huge(KUDPSocket::kMaxDatagram + 1);
    try {
        socket.Write(huge.data(), int32_t(huge.size()));
        ADD_FAILURE() << "an oversized datagram was sent";
    } catch (const KXStream &e) {
        EXPECT_EQ(e.Code(), kErrSocketSend);
    }
}

TEST_F(KSocketTest, UdpWithoutAddressBroadcasts)
{
    const int port = FreeUdpPort();
    for (const wchar_t *address : {L"", L"  ", L"255.255.255.255"}) {
        KUDPSocket socket;
        socket.Open(Description(-3, address, port));
        EXPECT_EQ(socket.Destination(), 0xFFFFFFFFu) << address;
        EXPECT_EQ(socket.Port(), port);
    }
}

TEST_F(KSocketTest, FactoryOpensTheStreamOfEachKind)
{
    const int port = FreePort(SOCK_STREAM, INADDR_ANY);   // listened on every address
    std::unique_ptr<KStream> listener = KOpenPortStream(Description(-2, L"0.0.0.0", port), 3, 2000);
    ASSERT_NE(dynamic_cast<KTCPSocket *>(listener.get()), nullptr);
    std::unique_ptr<KStream> client = KOpenPortStream(Description(-1, L"127.0.0.1", port), 3, 2000);
    client->WriteU32(0xC0FFEE);
    EXPECT_EQ(listener->ReadU32(), 0xC0FFEEu);

    std::unique_ptr<KStream> udp = KOpenPortStream(Description(-3, L"127.0.0.1", FreeUdpPort()));
    EXPECT_NE(dynamic_cast<KUDPSocket *>(udp.get()), nullptr);

    try {
        KOpenPortStream(KString(L"-1,0,1950"));
        ADD_FAILURE() << "an unconfigured connection opened";
    } catch (const KXStream &e) {
        EXPECT_EQ(e.Code(), kErrSocketConnect);
    }
    EXPECT_THROW(KOpenPortStream(KString(L"-7,0,1950")), KXStream);
    EXPECT_THROW(KOpenPortStream(KString(L"")), KXStream);
}
