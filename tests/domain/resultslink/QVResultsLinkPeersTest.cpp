// The results link against awkward peers on loopback: floods, clients that
// leave half-way, silent clients, many clients at once, slow readers.
#include "ResultsLinkTest.h"

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/resultslink/QVLinkConnection.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/TestStreams.h"
#include "foundation/values/KHelpers.h"
#include "support/FreePort.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

namespace {

const std::string kAnswerForHeat2 = "RRP,1\r\nRESULT,1,1,2,201,,Dubois,Claire,,,,,0,0\r\n";

// What the peer has received so far, waiting at most wait ms for the first byte.
std::string Received(KTCPSocket &peer, int32_t wait)
{
    std::string text;
    char buffer[4096];
    peer.SetReadTimeout(wait);
    try {
        for (;;) {
            int32_t n = peer.ReadSome(buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, size_t(n));
            peer.SetReadTimeout(20);
        }
    } catch (const KX &) {
    }
    return text;
}

// True once someone listens on the loopback port: it can no longer be bound.
bool PortTaken(int port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in where = {};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    where.sin_port = htons(u_short(port));
    const bool taken = bind(s, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0;
    closesocket(s);
    return taken;
}

// A peer of the link in a Linux process of its own (steady-reader.sh, handed
// its socket by socat), so that the link meets a plain Linux socket and not
// one of this Wine process: it takes a hand-over 64 KB once a second and
// acknowledges it once it is whole. The process ends by itself at the
// latest after kLifetime.
class SteadyReader
{
public:
    static constexpr int kLifetime = 400;   // seconds

    explicit SteadyReader(int port)
        : m_port(std::to_string(port)),
          m_name("qv-steady-reader-" + std::to_string(GetCurrentProcessId()) + "-" + m_port)
    {
    }
    ~SteadyReader()
    {
        DeleteFileW(WindowsPath().c_str());
        DeleteFileW((WindowsPath() + L".part").c_str());
    }
    // Connects to the link listening on the port.
    bool Connect() { return Start("TCP:127.0.0.1:" + m_port); }
    // Listens on the port for the link; true once it does.
    bool Listen()
    {
        if (!Start("TCP-LISTEN:" + m_port + ",bind=127.0.0.1,reuseaddr"))
            return false;
        for (int i = 0; i < 500 && !PortTaken(std::stoi(m_port)); ++i)
            KSleep(10);
        return PortTaken(std::stoi(m_port));
    }
    // What the reader took (the RFL line, then the file), waiting at most
    // wait ms for it to finish; what it took so far when it did not.
    std::string Took(int32_t wait) const
    {
        for (int32_t waited = 0; GetFileAttributesW(WindowsPath().c_str()) == INVALID_FILE_ATTRIBUTES && waited < wait;
             waited += 50)
            KSleep(50);
        if (GetFileAttributesW(WindowsPath().c_str()) == INVALID_FILE_ATTRIBUTES)
            return ReadWholeFile(WindowsPath() + L".part");
        return ReadWholeFile(WindowsPath());
    }

private:
    // Wine runs a Linux program on its own: nothing waits for it.
    bool Start(const std::string &socket) const
    {
        const std::string command = "/usr/bin/timeout " + std::to_string(kLifetime) + " /usr/bin/socat " + socket +
                                    " \"EXEC:/bin/bash " QV_STEADY_READER " /tmp/" + m_name + ",nofork\"";
        std::wstring line(command.begin(), command.end());
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return false;
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return true;
    }
    std::wstring WindowsPath() const { return L"Z:\\tmp\\" + std::wstring(m_name.begin(), m_name.end()); }

    std::string m_port;
    std::string m_name;
};

// Connects a client to a listener the first time a wait of the program asks
// whether it goes on: in a hand-over over a listener without clients, once
// the hand-over waits for one. Installed as the application's hooks for its
// lifetime.
class ConnectsOnTheFirstWait : public KTestApplication
{
public:
    ConnectsOnTheFirstWait(KTCPSocket &client, const KString &listener) : m_client(client), m_listener(listener) {}
    bool WaitGoesOn() override
    {
        if (!m_tried) {
            m_tried = true;
            try {
                m_client.Open(m_listener);
            } catch (const KX &) {
                // Left closed: the hand-over finds no client.
            }
        }
        return true;
    }

private:
    KTCPSocket &m_client;
    KString m_listener;
    bool m_tried = false;
};

class QVResultsLinkPeersTest : public ResultsLinkTest
{
protected:
    // The link listens on port (opened by the first tick).
    void LinkListensOn(int port)
    {
        SetLinkPort(-2, port);
        Tick();
        ASSERT_TRUE(QVResultsLink::Instance().IsOpen());
    }
    // The link connects to a peer listening on port.
    void LinkConnectsTo(KTCPSocket &peer, int port)
    {
        peer.Open(LoopbackDescription(-2, port));
        LinkConnectsTo(port);
    }
    void LinkConnectsTo(int port)
    {
        SetLinkPort(-1, port);
    }
    std::unique_ptr<KTCPSocket> Client(int port)
    {
        std::unique_ptr<KTCPSocket> client(new KTCPSocket);
        client->SetReadTimeout(2000);
        client->Open(LoopbackDescription(-1, port));
        return client;
    }
    // 68,000 results with long names: a results file of 10.5 MB.
    void MakeTenMegabyteResults() { MakeLongResults(68000); }
    // count results with long names, about 155 bytes each in a file or answer.
    void MakeLongResults(int count)
    {
        QVResults *results = m_event.Leg(0)->Results();
        const KString longText(std::wstring(120, L'w').c_str());
        for (int i = 0; i < count; ++i) {
            QVResult *result = results->NewResult();
            result->SetLastName(longText);
            result->SetTextField(QVResult::kAffiliation, longText);
        }
    }
    // What a peer took is the RFL line and the whole results file.
    void ExpectHandedOverWhole(const std::string &got)
    {
        const std::string file = m_folder.ReadFile(L"1-1-2.qit");
        ASSERT_GE(file.size(), 10000000u);
        EXPECT_TRUE(got == "RFL,1-1-2.qit," + std::to_string(file.size()) + "\r\n" + file)
            << got.size() << " bytes of " << file.size();
    }
    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_event.ServeResultsRequests();
    }
    // Ticks (a little apart) until the peer received something.
    std::string TickUntilAnswered(KTCPSocket &peer, int maxTicks)
    {
        std::string text;
        for (int i = 0; i < maxTicks && text.empty(); ++i) {
            Tick();
            text = Received(peer, 20);
        }
        return text + Received(peer, 50);
    }
};

} // namespace

TEST_F(QVResultsLinkPeersTest, RequestAfterAnOverLongLineIsAnsweredWithinAFewTicks)
{
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    std::unique_ptr<KTCPSocket> client = Client(port);
    std::atomic<bool> sent(false);
    std::thread flood([&] {
        Send(*client, std::string(200000, 'x') + "\r\nRRQ,1,1,2\r\n");
        sent = true;
    });
    // Sending may wait for the link to take bytes: tick until it is all out.
    for (int i = 0; i < 2000 && !sent; ++i) {
        Tick();
        KSleep(1);
    }
    flood.join();
    ASSERT_TRUE(sent);
    // Whatever is still unread is at most the whole message: a few buffers.
    const int buffers = 200013 / QVLinkConnection::kReadBuffer + 1;
    int ticks = 0;
    std::string answer;
    while (answer.empty() && ticks < buffers + 2) {
        KSleep(10);
        Tick();
        ++ticks;
        answer = Received(*client, 10);
    }
    EXPECT_EQ(answer + Received(*client, 50), kAnswerForHeat2);
    EXPECT_LE(ticks, buffers + 1);
    EXPECT_GT(QVResultsLink::Instance().LargestTake(), 0);
    EXPECT_LE(QVResultsLink::Instance().LargestTake(), QVLinkConnection::kReadBuffer);
}

TEST_F(QVResultsLinkPeersTest, UnfinishedLineOfALeavingClientNeverReachesTheNextClient)
{
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    {
        std::unique_ptr<KTCPSocket> first = Client(port);
        Send(*first, "RRQ,1,1");
        KSleep(50);
        Tick(3);
    }
    KSleep(50);
    Tick(2);
    std::unique_ptr<KTCPSocket> second = Client(port);
    Send(*second, "RRQ,1,1,2\r\n");   // glued to a leftover "RRQ,1,1" it would ask for heat "1RRQ"
    EXPECT_EQ(TickUntilAnswered(*second, 20), kAnswerForHeat2);
}

TEST_F(QVResultsLinkPeersTest, SilentClientNeitherBlocksOthersNorStaysForEver)
{
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    std::unique_ptr<KTCPSocket> silent = Client(port);
    Tick(2);
    std::unique_ptr<KTCPSocket> asking = Client(port);
    Send(*asking, "RRQ,1,1,2\r\n");
    EXPECT_EQ(TickUntilAnswered(*asking, 20), kAnswerForHeat2);
    EXPECT_EQ(Received(*silent, 0), "");

    QVResultsLink::Instance().SetClientTimeout(300);
    KSleep(400);
    Send(*asking, "RRQ,1,1,3\r\n");   // keeps talking, so it stays
    EXPECT_EQ(TickUntilAnswered(*asking, 20), "RNR\r\n");
    EXPECT_EQ(QVResultsLink::Instance().ConnectionCount(), 1);
    silent->SetReadTimeout(1000);
    char byte;
    try {
        silent->Read(&byte, 1);
        ADD_FAILURE() << "the silent client was not closed";
    } catch (const KX &error) {
        EXPECT_EQ(error.Code(), kErrSocketReadClosed);
    }
}

TEST_F(QVResultsLinkPeersTest, ClientsConnectingAtOnceEachGetOnlyTheirOwnAnswer)
{
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    std::vector<std::unique_ptr<KTCPSocket>> clients;
    for (int i = 0; i < 20; ++i)
        clients.push_back(Client(port));
    // Even clients ask for the document's heat (some in lower case), odd
    // ones for a heat no document holds.
    for (int i = 0; i < 20; ++i)
        Send(*clients[size_t(i)], i % 2 ? "RRQ,1,1,9\r\n" : i % 4 ? "rrq,1,1,2\r\n" : "RRQ,1,1,2\r\n");
    KSleep(50);
    Tick(3);
    EXPECT_EQ(QVResultsLink::Instance().ConnectionCount(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Received(*clients[size_t(i)], 1000), i % 2 ? "RNR\r\n" : kAnswerForHeat2) << "client " << i;
}

TEST_F(QVResultsLinkPeersTest, HandOverAfterAJunkFloodIsAcknowledged)
{
    const int port = FreeLoopbackPort();
    KTCPSocket peer;
    LinkConnectsTo(peer, port);
    std::atomic<bool> flooded(false);
    std::thread recipient([&] {
        if (!peer.Accept(5000))
            return;
        Send(peer, std::string(100000, '#'));
        flooded = true;
        for (int handOver = 0; handOver < 2; ++handOver) {
            std::string got;
            while (got.find("END,1\r\n") == std::string::npos) {
                std::string more = Received(peer, 3000);
                if (more.empty())
                    return;
                got += more;
            }
            Send(peer, "ROK\r\n");
        }
    });
    Tick();   // connects
    for (int i = 0; i < 500 && !flooded; ++i)
        KSleep(10);
    EXPECT_EQ(m_event.SendResults(), 0);
    Tick(2);
    EXPECT_EQ(m_event.SendResults(), 0);
    recipient.join();
    EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kSent);
}

// More clients than the link serves at once, all connected before its first
// look: those beyond the limit wait their turn instead of being closed.
TEST_F(QVResultsLinkPeersTest, BurstOfMoreClientsThanServedAtOnceIsAllAnswered)
{
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    constexpr int kClients = QVResultsLink::kMaxClients + 8;
    std::vector<std::string> answers(kClients);
    std::atomic<int> finished(0);
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i)
        clients.emplace_back([&, i] {
            try {
                KTCPSocket client;
                client.SetReadTimeout(10000);
                client.Open(LoopbackDescription(-1, port));
                Send(client, "RRQ,1,1,2\r\n");
                answers[size_t(i)] = Received(client, 10000);
            } catch (const KX &) {
            }
            ++finished;
        });
    KSleep(500);
    for (int i = 0; i < 4000 && finished < kClients; ++i) {
        Tick();
        KSleep(2);
    }
    for (std::thread &client : clients)
        client.join();
    for (int i = 0; i < kClients; ++i)
        EXPECT_EQ(answers[size_t(i)], kAnswerForHeat2) << "client " << i;
}

// A client that asks for an answer of 1.2 MB and never reads holds no idle
// tick: what its connection does not take waits while the other clients
// are answered, and the client is closed once its answer has waited for
// the answer limit.
TEST_F(QVResultsLinkPeersTest, AnAnswerNotTakenHoldsNoTickAndItsClientIsClosedAfterTheAnswerLimit)
{
    MakeLongResults(8000);
    const int port = FreeLoopbackPort();
    LinkListensOn(port);
    std::unique_ptr<KTCPSocket> stuck = Client(port);
    Send(*stuck, "RRQ,1,1,2\r\n");
    for (int i = 0; i < 20 && QVResultsLink::Instance().ConnectionCount() == 0; ++i)
        Tick();
    ASSERT_EQ(QVResultsLink::Instance().ConnectionCount(), 1);
    while (Received(*stuck, 0).empty())
        Tick();   // the tick that makes the answer may take long: it waits for nothing
    // The limit counts from when the answer began to wait, inside that tick.
    int32_t answered = 0;
    ASSERT_TRUE(QVResultsLink::Instance().AnswerWaitingSince(answered)) << "the answer was taken whole";
    std::unique_ptr<KTCPSocket> asking = Client(port);
    Send(*asking, "RRQ,1,1,9\r\n");
    std::string other;
    int32_t longestTick = 0;
    // The asking client is answered and stays; the stuck one leaves.
    while ((other.empty() || QVResultsLink::Instance().ConnectionCount() != 1) && KTickElapsed(answered) < 10000) {
        const int32_t tick = KTickCount();
        Tick();
        longestTick = std::max(longestTick, KTickElapsed(tick));
        other += Received(*asking, 10);
    }
    const int32_t closedAfter = KTickElapsed(answered);
    EXPECT_LE(longestTick, 100) << "ms of the longest tick";
    EXPECT_EQ(other, "RNR\r\n");
    EXPECT_GE(closedAfter, QVLinkConnection::kAnswerLimit);
    EXPECT_LE(closedAfter, QVLinkConnection::kAnswerLimit + 1000);
}

// A peer in a process of its own that reads 64 KB once a second gets a
// results file of 10 MB whole, and its acknowledge counts, on either path:
// TCP hands it its bytes in bursts seconds apart, each in as many pieces as
// the system likes, and megabytes still wait in the buffers between the two
// ends when the system has taken the last byte. Each path takes nearly
// three minutes and runs as a test entry of its own (tests/domain).
TEST_F(QVResultsLinkPeersTest, SteadyReaderOfAnotherProcessConnectingToTheListenerGetsTheFileWholeAndAcknowledges)
{
    MakeTenMegabyteResults();
    const int port = FreeLoopbackPort();
    SteadyReader reader(port);
    LinkListensOn(port);
    ASSERT_TRUE(reader.Connect());
    for (int i = 0; i < 500 && QVResultsLink::Instance().ConnectionCount() == 0; ++i) {
        KSleep(10);
        Tick();
    }
    EXPECT_EQ(m_event.SendResults(), 0);
    ExpectHandedOverWhole(reader.Took(5000));
}

TEST_F(QVResultsLinkPeersTest, SteadyReaderOfAnotherProcessTheLinkConnectsToGetsTheFileWholeAndAcknowledges)
{
    MakeTenMegabyteResults();
    const int port = FreeLoopbackPort();
    SteadyReader reader(port);
    ASSERT_TRUE(reader.Listen());
    LinkConnectsTo(port);
    EXPECT_EQ(m_event.SendResults(), 0);
    ExpectHandedOverWhole(reader.Took(5000));
}

// A peer that reads 64 KB once a second and then stops is closed when it
// has left its connection full for the send time-out, counted from when a
// reader of 64 KB a second would have read all the connection took (the
// peer reads what was taken up to the close once the hand-over is over).
TEST_F(QVResultsLinkPeersTest, HandOverToAReaderThatStopsIsClosedWithinTheBound)
{
    MakeTenMegabyteResults();
    const int port = FreeLoopbackPort();
    KTCPSocket peer;
    LinkConnectsTo(peer, port);
    std::atomic<bool> handedOver(false);
    int32_t began = 0, stoppedAt = 0;
    int64_t taken = 0;
    bool closed = false;
    std::thread reader([&] {
        try {
            if (!peer.Accept(10000))
                return;
            std::vector<char> buffer(65536);
            peer.SetReadTimeout(QVLinkConnection::kSendTimeout);
            for (int second = 0; second < 3; ++second) {
                if (second > 0)
                    KSleep(std::max(0, second * 1000 - KTickElapsed(began)));
                taken += peer.Read(buffer.data(), int32_t(buffer.size()));
                if (second == 0)
                    began = KTickCount();
            }
            stoppedAt = KTickCount();
            for (int i = 0; i < 3000 && !handedOver; ++i)
                KSleep(10);
            for (;;)
                taken += peer.ReadSome(buffer.data(), int32_t(buffer.size()));
        } catch (const KX &error) {
            closed = error.Code() == kErrSocketReadClosed;
        }
    });
    const int32_t code = m_event.SendResults();
    const int32_t ended = KTickCount();
    handedOver = true;
    reader.join();
    EXPECT_EQ(code, kErrSendResults);
    ASSERT_TRUE(closed);
    ASSERT_NE(stoppedAt, 0);
    const int32_t steadyReaderDone = std::max(KTCPSocket::SteadyReadTime(taken), int32_t(stoppedAt - began));
    EXPECT_GE(int32_t(ended - began), steadyReaderDone + QVLinkConnection::kSendTimeout - 500) << taken << " bytes taken";
    EXPECT_LE(int32_t(ended - began), steadyReaderDone + QVLinkConnection::kSendTimeout + 1500) << taken << " bytes taken";
}

// A peer that takes a hand-over but never reads fills its connection long
// before a results file of 1 MB has gone: the send gives up after the send
// time-out (counted as for a reader that stops), the peer is closed, and
// requests that came meanwhile are answered at once. Both kinds of peer: a
// client the listener accepted while the hand-over waited for one, and the
// listener the link connects to.
TEST_F(QVResultsLinkPeersTest, HandOverToAPeerThatNeverReadsIsClosedAfterTheSendTimeout)
{
    MakeTenMegabyteResults();
    for (bool listener : {true, false}) {
        SCOPED_TRACE(listener ? "a client of the listener" : "the listener the link connects to");
        const int port = FreeLoopbackPort();
        KTCPSocket peer;
        std::unique_ptr<ConnectsOnTheFirstWait> client;
        if (listener) {
            LinkListensOn(port);
            client.reset(new ConnectsOnTheFirstWait(peer, LoopbackDescription(-1, port)));
        } else {
            LinkConnectsTo(peer, port);
        }
        std::atomic<bool> handedOver(false);
        int64_t taken = 0;
        bool closed = false;
        std::thread stuck([&] {
            try {
                if (!listener && !peer.Accept(10000))
                    return;
                // Never reads while the hand-over runs; leaves after 15 s at most.
                for (int i = 0; i < 1500 && !handedOver; ++i)
                    KSleep(10);
                // Then takes what the connection took, up to the close.
                peer.SetReadTimeout(3000);
                char buffer[65536];
                for (;;)
                    taken += peer.ReadSome(buffer, sizeof buffer);
            } catch (const KX &error) {
                closed = error.Code() == kErrSocketReadClosed;
            }
        });
        const int32_t code = m_event.SendResults();
        // Counted from when the link began to send the file.
        const int32_t took = KTickElapsed(QVResultsLink::Instance().LastFileStart());
        handedOver = true;
        stuck.join();
        client.reset();
        ASSERT_GE(m_folder.ReadFile(L"1-1-2.qit").size(), 6000000u);
        EXPECT_EQ(code, kErrSendResults);
        EXPECT_EQ(QVResultsLink::Instance().LastHandOver(), QVResultsLink::kNotAcknowledged) << "no peer took the file";
        EXPECT_GE(took, KTCPSocket::SteadyReadTime(taken) + QVLinkConnection::kSendTimeout - 10)
            << taken << " bytes taken";
        EXPECT_LT(took, KTCPSocket::SteadyReadTime(taken) + QVLinkConnection::kSendTimeout + 1500)
            << taken << " bytes taken";
        EXPECT_TRUE(closed);
        if (listener) {
            std::unique_ptr<KTCPSocket> asking = Client(port);
            Send(*asking, "RRQ,1,1,9\r\n");
            EXPECT_EQ(TickUntilAnswered(*asking, 20), "RNR\r\n");
        }
        QVResultsLink::Shutdown();
    }
}
