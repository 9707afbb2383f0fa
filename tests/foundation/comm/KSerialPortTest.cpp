// Serial ports on a real COM port pair: the harness links two connected
// pseudo-terminals into the Wine prefix, so what end A sends arrives at end B.
#include "foundation/comm/KPortStream.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"
#include "foundation/support/KTestApplication.h"
#include "support/ComPortPair.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace {
KString Text(const std::wstring &text) { return KString(text.c_str()); }

// Opens a port raw, as the program's callers do.
void OpenRaw(KSerialPort &port, const std::wstring &description)
{
    port.SetReadEncoding(0);
    port.SetReadLineEnd(0);
    port.SetWriteEncoding(0);
    port.SetWriteLineEnd(0);
    ASSERT_TRUE(port.Open(Text(description))) << std::string(description.begin(), description.end());
}

// Reads whatever arrives until the line stays silent for quiet ms.
std::string Drain(KSerialPort &port, int32_t quiet)
{
    std::string got;
    port.SetReadTimeout(quiet);
    try {
        for (;;) {
            char c;
            port.Read(&c, 1);
            got += c;
        }
    } catch (const KXSerialPort &e) {
        EXPECT_EQ(e.Code(), kErrSerialTimeout);
    }
    return got;
}

// Reads exactly count bytes, waiting up to two seconds for them.
std::string ReadExactly(KSerialPort &port, int32_t count)
{
    std::string got(size_t(count), '\0');
    port.SetReadTimeout(2000);
    port.Read(&got[0], count);
    return got;
}

// Opens nearEnd raw on the pair's near port and farEnd on its far one.
void OpenPair(const ComPortPair &pair, KSerialPort &nearEnd, KSerialPort &farEnd,
              const wchar_t *settings = L"19200,8,N,1.0")
{
    OpenRaw(nearEnd, ComPortPair::Description(pair.port, settings));
    OpenRaw(farEnd, ComPortPair::Description(pair.peerPort, settings));
}

// Opens first and second raw on the pair's near port and peer on its far one.
void OpenSharedAndPeer(const ComPortPair &pair, KSerialPort &first, KSerialPort &second, KSerialPort &peer)
{
    OpenRaw(first, ComPortPair::Description(pair.port));
    OpenPair(pair, second, peer);
}

// Opens board raw as a scoreboard port repeating every period ms (its
// description's last field) and the display raw on the pair's far end; writes
// the messages through board, closes it after ms and answers all the display
// received, a copy still on its way included.
std::string RepeatedToDisplay(const ComPortPair &pair, KSerialPort &board, const wchar_t *period,
                              std::initializer_list<std::string> messages, int32_t ms)
{
    KSerialPort display;
    OpenRaw(display, ComPortPair::Description(pair.peerPort));
    OpenRaw(board, ComPortPair::Description(pair.port, (std::wstring(L"19200,8,N,1.0,") + period).c_str()));
    for (const std::string &message : messages)
        board.Write(message.data(), int32_t(message.size()));
    std::string got = CollectFromPort(display, ms);
    board.Close();
    return got + Drain(display, 300);
}

} // namespace

TEST(KSerialPortTransfer, TenThousandBytesArriveIntactAtTheOtherEnd)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort sender, receiver;
    OpenPair(pair, sender, receiver);
    std::vector<uint8_t> sent(10000);
    for (size_t i = 0; i < sent.size(); ++i)
        sent[i] = uint8_t(i * 7 + i / 251);

    std::thread writer([&] { sender.Write(sent.data(), int32_t(sent.size())); });
    std::vector<uint8_t> got(sent.size());
    receiver.SetReadTimeout(3000);
    int32_t n = 0;
    try {
        n = receiver.Read(got.data(), int32_t(got.size()));
    } catch (const KX &e) {
        ADD_FAILURE() << "read failed with " << e.Code();
    }
    writer.join();
    EXPECT_EQ(n, 10000);
    EXPECT_TRUE(got == sent);
}

TEST(KSerialPortTransfer, TypedValuesAndLinesCrossInBothDirections)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort a, b;
    OpenPair(pair, a, b, L"9600,8,E,2.0");
    a.WriteU32(0x10006);
    a.WriteU16(0x281);
    b.SetReadTimeout(2000);
    EXPECT_EQ(b.ReadU32(), 0x10006u);
    EXPECT_EQ(b.ReadU16(), 0x281u);

    b.WriteText(L"RRQ,1,1,2\r\n");
    a.SetReadTimeout(2000);
    KString line;
    EXPECT_EQ(a.ReadLine(line, L"\n", L"\r"), L'\n');
    EXPECT_STREQ(line.CStr(), L"RRQ,1,1,2");
}

TEST(KSerialPortTransfer, TheNativePeerPathIsTheOtherEnd)
{
    QV_REQUIRE_COMPORTS(pair);
    ASSERT_FALSE(pair.peerPty.empty());
    KSerialPort port;
    OpenRaw(port, ComPortPair::Description(pair.port));
    port.Write("unit", 4);
    // A simulated unit running natively reads the Linux path; Wine shows it on drive Z:.
    KString path(L"Z:");
    path.AppendAnsi(pair.peerPty.c_str());
    KFile peer;
    peer.SetFullName(path);
    ASSERT_NO_THROW(peer.Open(3));
    char got[4] = {};
    EXPECT_EQ(peer.Read(got, 4), 4);
    EXPECT_EQ(std::string(got, 4), "unit");
    peer.Close();
}

TEST(KSerialPortTransfer, ReadOnASilentPortRaisesTimeoutAfterTheReadTimeout)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort port;
    OpenRaw(port, ComPortPair::Description(pair.peerPort));
    port.SetReadTimeout(300);
    const int32_t start = KTickCount();
    try {
        port.ReadU8();
        ADD_FAILURE() << "a read on a silent port returned";
    } catch (const KXSerialPort &e) {
        EXPECT_EQ(e.Code(), kErrSerialTimeout);
        EXPECT_EQ(e.Extra(), pair.peerPort);
    }
    const int32_t elapsed = KTickElapsed(start);
    EXPECT_GE(elapsed, 250);
    EXPECT_LT(elapsed, 1500);
}

TEST(KSerialPortTransfer, APartAnswerRaisesTheTimeoutAndTheNextReadStartsClean)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort a, b;
    OpenPair(pair, a, b);
    a.Write("abc", 3);
    b.SetReadTimeout(300);
    char got[8] = {};
    // Three bytes arrive of the five asked for: the stream hands them out and
    // then reports the time-out for the rest.
    EXPECT_THROW(b.Read(got, 5), KXSerialPort);
    a.Write("de", 2);
    EXPECT_EQ(ReadExactly(b, 2), "de");
}

// A read that asks for more than comes is cut at its time-out even while
// bytes keep trickling in (a cancellation that meets an arriving byte must
// not be lost, or the read would run until its buffer is full), and the
// bytes it took before the cut are handed out: none is lost or doubled.
TEST(KSerialPortTransfer, AReadCutByItsTimeOutWhileBytesTrickleInEndsAtOnceAndLosesNone)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort a, b;
    OpenPair(pair, a, b);
    constexpr int kBytes = 1500;
    std::atomic<bool> readerDone{ false };
    std::thread trickle([&] {
        for (int i = 0; i < kBytes; ++i) {
            const uint8_t byte = uint8_t(i);
            a.Write(&byte, 1);
            KSleep(2);
        }
        // A read whose cancellation was lost would wait for ever: fill its
        // buffer, so that the test ends and says so.
        for (int i = 0; i < 1000 && !readerDone; ++i)
            KSleep(10);
        if (!readerDone) {
            const std::vector<uint8_t> filler(1024, 0xFF);
            a.Write(filler.data(), int32_t(filler.size()));
        }
    });
    std::vector<uint8_t> got;
    int32_t longest = 0;
    b.SetReadTimeout(15);
    uint8_t buffer[1000];
    for (int32_t quietSince = KTickCount(); got.size() < size_t(kBytes) && KTickElapsed(quietSince) < 2000;) {
        const int32_t start = KTickCount();
        int32_t n = 0;
        try {
            n = b.ReadSome(buffer, int32_t(sizeof buffer));
        } catch (const KXSerialPort &e) {
            EXPECT_EQ(e.Code(), kErrSerialTimeout);
        }
        longest = std::max(longest, KTickElapsed(start));
        got.insert(got.end(), buffer, buffer + n);
        if (n > 0)
            quietSince = KTickCount();
    }
    readerDone = true;
    trickle.join();
    // A lost cancellation waits for a thousand bytes: two seconds and more.
    EXPECT_LT(longest, 1000);
    ASSERT_EQ(got.size(), size_t(kBytes));
    for (int i = 0; i < kBytes; ++i)
        ASSERT_EQ(got[size_t(i)], uint8_t(i)) << "at byte " << i;
}

TEST(KSerialPortTransfer, BytesWaitingAreCountedAndDroppedUnread)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort a, b;
    OpenPair(pair, a, b);
    EXPECT_EQ(b.Waiting(), 0);
    a.Write("stale", 5);
    for (int i = 0; i < 200 && b.Waiting() < 5; ++i)
        KSleep(10);
    EXPECT_EQ(b.Waiting(), 5);
    b.DiscardInput();
    EXPECT_EQ(b.Waiting(), 0);
    a.Write("new", 3);
    EXPECT_EQ(ReadExactly(b, 3), "new");
    b.Close();
    EXPECT_EQ(b.Waiting(), 0);
}

TEST(KSerialPortState, ClosedPortsRefuseTransfersAndCloseTwiceHarmlessly)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort port;
    try {
        port.WriteU8(1);
        ADD_FAILURE() << "write on a closed port";
    } catch (const KXSerialPort &e) {
        EXPECT_EQ(e.Code(), kErrSerialNotOpen);
    }
    EXPECT_THROW(port.ReadU8(), KXSerialPort);
    port.Close();
    OpenRaw(port, ComPortPair::Description(pair.port));
    EXPECT_EQ(port.Port(), pair.port);
    port.Close();
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Port(), 0);
}

TEST(KSerialPortState, AWriteThatTheSystemRefusesRaisesTheTransmitError)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort listener;
    ASSERT_TRUE(listener.Open(Text(ComPortPair::Description(pair.port)), KSerialPort::kModeRead));
    try {
        listener.Write("x", 1);
        ADD_FAILURE() << "a port opened for reading accepted a write";
    } catch (const KXSerialPort &e) {
        EXPECT_EQ(e.Code(), kErrSerialTransmit);
        EXPECT_EQ(e.Extra(), pair.port);
    }
}

TEST(KSerialPortState, OpenRefusesDescriptionsItCannotHonour)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort port;
    EXPECT_FALSE(port.Open(KString(L"0,19200,8,N,1.0")));   // no port chosen
    EXPECT_FALSE(port.Open(KString(L"-1,127.0.0.1,1950"))); // not a serial description
    EXPECT_FALSE(port.Open(Text(ComPortPair::Description(pair.port, L"19200,9,N,1.0"))));
    EXPECT_FALSE(port.Open(Text(ComPortPair::Description(pair.port, L"19200,8,X,1.0"))));
    EXPECT_FALSE(port.Open(Text(ComPortPair::Description(pair.port, L"19200,8,N,3.0"))));
    EXPECT_FALSE(port.Open(Text(ComPortPair::Description(pair.port, L"fast,8,N,1.0"))));
    EXPECT_FALSE(port.Open(KString(L"127,9600,8,N,1.0"))); // no such port in the prefix
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0u);
    // Missing fields take their defaults.
    EXPECT_TRUE(port.Open(Text(std::to_wstring(pair.port))));
    EXPECT_EQ(port.RepeatPeriod(), 0);
}

TEST(KSerialPortState, TwoObjectsSharingAPortKeepItOpenUntilBothClose)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort first(1024, 1024, 0x01), second(1024, 1024, 0x80), peer;
    OpenSharedAndPeer(pair, first, second, peer);
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0x81u);

    first.Close();
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0x80u);
    second.Write("still open", 10);
    EXPECT_EQ(ReadExactly(peer, 10), "still open");

    second.Close();
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0u);
    first.Close();
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0u);
}

TEST(KSerialPortState, ObjectsWithTheSameUsageBitDoNotCloseThePortUnderEachOther)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort first(1024, 1024, 0x02), second(1024, 1024, 0x02), peer;
    OpenSharedAndPeer(pair, first, second, peer);
    first.Close();
    EXPECT_EQ(KSerialPort::UsageMask(pair.port), 0x02u);
    second.Write("ok", 2);
    EXPECT_EQ(ReadExactly(peer, 2), "ok");
}

TEST(KSerialPortRepeat, APositivePeriodResendsTheLastMessageAtThatRate)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort board;
    std::string got = RepeatedToDisplay(pair, board, L"200", {"<12:03>"}, 1000);
    EXPECT_EQ(board.RepeatPeriod(), 200);
    // The message itself and about five repeats in one second (a busy
    // machine may delay a repeat, never add one).
    const int copies = CountOf(got, "<12:03>");
    EXPECT_GE(copies, 3);
    EXPECT_LE(copies, 8);
    EXPECT_EQ(got.size(), size_t(copies) * 7) << "only whole messages are repeated";
}

TEST(KSerialPortRepeat, OnlyTheLatestMessageIsRepeated)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort board;
    std::string got = RepeatedToDisplay(pair, board, L"150", {"old", "new"}, 500);
    EXPECT_EQ(CountOf(got, "old"), 1);
    EXPECT_GE(CountOf(got, "new"), 2);
}

TEST(KSerialPortRepeat, ANegativePeriodOrAMessageLongerThanTheRepeatBufferIsSentOnce)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort board, small(4, 1024, 1);
    EXPECT_EQ(RepeatedToDisplay(pair, board, L"-5000", {"once"}, 800), "once");
    EXPECT_EQ(board.RepeatPeriod(), -5000);
    EXPECT_EQ(RepeatedToDisplay(pair, small, L"100", {"12:03:45"}, 500), "12:03:45") << "a cut copy would show a wrong time";
}

TEST(KSerialPortList, EnumeratePortsListsTheMappedPorts)
{
    QV_REQUIRE_COMPORTS(pair);
    KSerialPort::EnumeratePorts();
    const int32_t a = KSerialPort::PortIndex(pair.port);
    const int32_t b = KSerialPort::PortIndex(pair.peerPort);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_LT(a, b) << "probe order is ascending";
    EXPECT_EQ(KSerialPort::PortNumber(a), pair.port);
    EXPECT_EQ(KSerialPort::PortNumber(b), pair.peerPort);
    EXPECT_EQ(KSerialPort::PortNumber(-1), 0);
    EXPECT_EQ(KSerialPort::PortNumber(KSerialPort::PortCount()), 0);
    EXPECT_EQ(KSerialPort::PortIndex(0), -1);

    // A port some object holds open counts as present too.
    KSerialPort held;
    OpenRaw(held, ComPortPair::Description(pair.port));
    KSerialPort::EnumeratePorts();
    EXPECT_GE(KSerialPort::PortIndex(pair.port), 0);

    KSerialPort::ForgetPorts();
    EXPECT_EQ(KSerialPort::PortCount(), 0);
    EXPECT_EQ(KSerialPort::PortIndex(pair.port), -1);
}

TEST(KSerialPortList, NoSerialPortOptionSkipsTheProbe)
{
    QV_REQUIRE_COMPORTS(pair);
    {
        KTestApplication app;
        app.AddArgument(L"-noserialport");
        KSerialPort::EnumeratePorts();
    }
    EXPECT_EQ(KSerialPort::PortCount(), 0);
    EXPECT_EQ(KSerialPort::PortIndex(pair.port), -1);
}

TEST(KSerialPortList, PortNameIsTheLocalPrefixAndTheNumber)
{
    KString name(L"> ");
    KSerialPort::PortName(12, name);
    EXPECT_STREQ(name.CStr(), L"> COM12");

    KRegistry settings;
    settings.Parse(L"Strings\\SerialPort\\PortLocal:String=Port ");
    KSerialPort::SetSettings(&settings);
    KString local;
    KSerialPort::PortName(3, local);
    KSerialPort::SetSettings(nullptr);
    EXPECT_STREQ(local.CStr(), L"Port 3");
}

TEST(KPortStreamFactory, SerialDescriptionsOpenASerialPort)
{
    QV_REQUIRE_COMPORTS(pair);
    std::unique_ptr<KStream> stream = KOpenPortStream(Text(ComPortPair::Description(pair.port)), 3, 2000);
    ASSERT_NE(dynamic_cast<KSerialPort *>(stream.get()), nullptr);
    KSerialPort peer;
    OpenRaw(peer, ComPortPair::Description(pair.peerPort));
    stream->Write("ping", 4);
    EXPECT_EQ(ReadExactly(peer, 4), "ping");
    EXPECT_EQ(dynamic_cast<KSerialPort *>(stream.get())->ReadTimeout(), 2000);

    try {
        KOpenPortStream(KString(L"0,9600,8,N,1.0"));
        ADD_FAILURE() << "a description without a port opened";
    } catch (const KXSerialPort &e) {
        EXPECT_EQ(e.Code(), kErrSerialNotOpen);
    }
}
