// The start-list lookup over a link, with a loopback TCP peer standing in
// for the photo-finish system.
#include "domain/schedule/QVSchedule.h"
#include "domain/schedule/QVScheduleItem.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/values/KHelpers.h"
#include "support/FreePort.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

std::string ReadLine(KTCPSocket &peer, int32_t timeout)
{
    std::string line;
    peer.SetReadTimeout(timeout);
    try {
        char c = 0;
        while (peer.Read(&c, 1) == 1 && c != '\n')
            line += c;
    } catch (const KX &) {
    }
    return line;
}

void Send(KTCPSocket &peer, const std::string &text)
{
    peer.Write(text.data(), int32_t(text.size()));
}

// Sets the schedule to look its files up over a link to that address.
void UseLookup(QVSchedule &schedule, const KString &address, int32_t shortTimeout)
{
    QVSchedule::Settings settings;
    settings.mode = QVSchedule::kModeSerial;
    settings.lookupPort = address;
    settings.shortTimeout = shortTimeout;
    schedule.SetSettings(settings);
}

} // namespace

TEST(QVScheduleLookup, ScheduleComesOverTheLinkFileByFile)
{
    ASSERT_TRUE(KSocketStartup());
    const int port = FreeLoopbackPort();
    KTCPSocket peer;
    peer.Open(LoopbackDescription(-2, port));
    std::vector<std::string> requests;
    std::thread server([&] {
        if (!peer.Accept(5000))
            return;
        for (int i = 0; i < 3; ++i) {
            std::string request = ReadLine(peer, 3000);
            requests.push_back(request);
            if (request == "FRQ,vexa.sch\r")
                Send(peer, "FRP,3\r\n5,1,1\r\n5,1,2,\\\r\n5,1\r\n");
            else if (request == "FRQ,vexa.evt\r")
                Send(peer, "FNR\r\n");
            else
                Send(peer, "FRP,1\r\n5,1,2,3,77,Nakamura,Aiko,Tokyo\r\n");
        }
    });
    QVSchedule schedule;
    UseLookup(schedule, LoopbackDescription(-1, port), 2000);
    schedule.BuildList();
    server.join();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], "FRQ,vexa.sch\r");
    EXPECT_EQ(schedule.EntryCount(), 2);   // the incomplete third line is skipped
    ASSERT_NE(schedule.EntryAt(1), nullptr);
    EXPECT_TRUE(schedule.EntryAt(1)->IsDone());
    KSocketCleanup();
}

TEST(QVScheduleLookup, SilentOrUnconfiguredLinkGivesAnEmptySchedule)
{
    ASSERT_TRUE(KSocketStartup());
    const int port = FreeLoopbackPort();
    KTCPSocket peer;
    peer.Open(LoopbackDescription(-2, port));
    QVSchedule schedule;
    UseLookup(schedule, LoopbackDescription(-1, port), 300);
    int32_t start = KTickCount();
    schedule.BuildList();
    EXPECT_EQ(schedule.EntryCount(), 0);
    EXPECT_LT(KTickElapsed(start), 3000);
    UseLookup(schedule, KString(L"0,9600,8,N,1.0"), 300);
    schedule.BuildList();
    EXPECT_EQ(schedule.EntryCount(), 0);
    KSocketCleanup();
}
