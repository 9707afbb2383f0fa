// Times the idle tick that serves the results link (a listener on loopback)
// while a client floods it with 1 MB of text without a line end followed by
// a request, against the idle tick with a connected client that sends
// nothing, measured in the same run. Target: the longest tick under the
// flood stays within a few milliseconds.
//
// Usage: domain_link_bench [port]   (default: a loopback port free now)

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
#include "foundation/values/KHelpers.h"
#include "support/FreePort.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr int kQuietTicks = 500;
constexpr size_t kFloodBytes = 1024 * 1024;
constexpr int kMaxFloodTicks = 100000;

double TickMicroseconds(QVEvent &event)
{
    auto start = std::chrono::steady_clock::now();
    event.ServeResultsRequests();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// Sends the flood and the request, then waits for the answer's first line.
void Flood(KTCPSocket &client, std::atomic<bool> &answered)
{
    try {
        std::string text(kFloodBytes, 'x');
        text += "\r\nRRQ,1,1,2\r\n";
        client.Write(text.data(), int32_t(text.size()));
        client.SetReadTimeout(10000);
        std::string reply;
        char buffer[256];
        while (reply.find('\n') == std::string::npos) {
            int32_t n = client.ReadSome(buffer, sizeof buffer);
            if (n <= 0)
                break;
            reply.append(buffer, size_t(n));
        }
        answered = reply.compare(0, 4, "RRP,") == 0;
    } catch (const KX &error) {
        std::printf("flooding client failed: %d\n", error.Code());
    }
}
}

int main(int argc, char **argv)
{
    const int port = argc > 1 ? std::atoi(argv[1]) : FreeLoopbackPort();
    if (!KSocketStartup())
        return 1;
    KRegistry settings;
    KString link(L"\\Database\\QIF\\SerialPort:String=");
    link.Append(LoopbackDescription(-2, port));
    settings.Parse(link);
    QVSetSettings(&settings);
    QVEvent event;
    event.Initialize(QVEvent::kInitNew);
    event.SetEventRoundHeat(KString(L"1"), KString(L"1"), KString(L"2"));
    event.Leg(0)->Results()->NewResult()->SetLastName(KString(L"Dubois"));
    event.ServeResultsRequests();
    if (!QVResultsLink::Instance().IsOpen()) {
        std::printf("cannot listen on port %d\n", port);
        return 1;
    }

    KTCPSocket client;
    client.SetReadTimeout(2000);
    client.Open(LoopbackDescription(-1, port));
    event.ServeResultsRequests();   // accepts the client
    std::vector<double> quiet;
    for (int i = 0; i < kQuietTicks; ++i)
        quiet.push_back(TickMicroseconds(event));
    std::sort(quiet.begin(), quiet.end());

    std::atomic<bool> answered(false);
    std::thread flooder([&] { Flood(client, answered); });
    double longest = 0, total = 0;
    int ticks = 0;
    while (!answered && ticks < kMaxFloodTicks) {
        double t = TickMicroseconds(event);
        longest = std::max(longest, t);
        total += t;
        ++ticks;
        KSleep(0);
    }
    flooder.join();

    std::printf("idle tick, connected client sending nothing: median %8.1f us, longest %8.1f us (%d ticks)\n",
                quiet[quiet.size() / 2], quiet.back(), kQuietTicks);
    std::printf("idle tick under a %zu byte flood:            longest %8.1f us, mean %8.1f us (%d ticks)\n",
                kFloodBytes, longest, ticks ? total / ticks : 0.0, ticks);
    std::printf("longest flooded tick / median quiet tick: %.1f; bytes taken per tick at most %d (buffer %d)\n",
                longest / std::max(quiet[quiet.size() / 2], 1.0), int(QVResultsLink::Instance().LargestTake()),
                QVLinkConnection::kReadBuffer);
    std::printf("request after the flood %s\n", answered ? "answered" : "NOT answered");
    QVResultsLink::Shutdown();
    QVSetSettings(nullptr);
    KSocketCleanup();
    return answered ? 0 : 1;
}
