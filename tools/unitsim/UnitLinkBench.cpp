// Download benchmark: trials downloaded from a simulated block sensor over a
// COM port pair.
//
// Paced: the unit keeps to 19,200 baud as a real cable would (the
// pseudo-terminal itself ignores the rate), and each download is set against
// the line's physical time for the same bytes in both directions (10 bits a
// byte at that rate). One full trial, and ten trials with the download window
// shortened to half a second so that the run stays short (ten full trials
// would take nearly two minutes).
//
// Unpaced: ten full trials at the pseudo-terminal's own speed against a
// plain transfer of the same number of bytes over the same pair in the same
// run, best of three; this measures the link's overhead per read.
//
// The 1100 ms settling wait after opening a port is left out throughout.
//
//   unit_link_bench [COM_A COM_B]   (default: QV_TEST_COM and QV_TEST_PEER_COM)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "domain/blocksensors/QVBlockSensors.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "tools/unitsim/UnitHostPort.h"
#include "tools/unitsim/UnitSim.h"

namespace
{
constexpr int kBaud = 19200;
constexpr int kTrials = 10;
constexpr int kRounds = 3;           // unpaced figures are the best of three runs
constexpr double kShortWindow = 0.5; // seconds of trace in the paced ten-trial run

double Seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

int PortArgument(int argc, char **argv, int index, const char *variable)
{
    if (argc > index)
        return std::atoi(argv[index]);
    const char *value = std::getenv(variable);
    return value ? std::atoi(value) : 0;
}

// Bytes of every frame in the transcript (five framing bytes, four header
// words, the arguments and the data block).
size_t FrameBytes(const std::vector<unitsim::Record> &records, bool fromHost)
{
    size_t total = 0;
    for (const unitsim::Record &r : records)
        if (r.text.empty() && r.fromHost == fromHost)
            total += 5 + 16 + 4 * r.args.size() + r.block.size();
    return total;
}

struct Run
{
    double seconds = 0;       // the fastest round
    size_t requestBytes = 0;  // of one round
    size_t replyBytes = 0;
    bool ok = false;

    double LineSeconds() const { return double(requestBytes + replyBytes) * 10.0 / kBaud; }
};

// Downloads trials 0..trials-1 over the window, rounds times.
Run Download(int hostPort, int unitPort, int trials, double endDL, bool paced, int rounds)
{
    Run run;
    unitsim::Config config = unitsim::Config::BlockSensor();
    config.baud = kBaud;
    config.paced = paced;
    config.trials.clear();
    for (int i = 0; i < trials; ++i)
        config.trials.push_back(unitsim::Trial::Make(i, 120 + i, 2000 + i, 9));
    unitsim::Unit unit(config);
    KSerialPort port(1024, 1024, 1);
    if (!unit.Start(unitPort) || !OpenUnitHostPort(port, hostPort, kBaud))
    {
        std::fprintf(stderr, "cannot open COM%d or COM%d\n", hostPort, unitPort);
        return run;
    }
    QVBlockSensors link;
    link.Settings().startTimeDL = 0.0;
    link.Settings().endTimeDL = endDL;
    for (int round = 0; round < rounds; ++round)
    {
        unit.ClearTranscript();
        double start = Seconds();
        for (int i = 0; i < trials; ++i)
            if (!link.DownloadTrial(port, 0x202, i, 0, false, true, true))
            {
                std::fprintf(stderr, "download of trial %d failed\n", i + 1);
                return run;
            }
        double seconds = Seconds() - start;
        if (round == 0 || seconds < run.seconds)
            run.seconds = seconds;
    }
    port.Close();
    unit.Stop();
    run.replyBytes = FrameBytes(unit.Transcript(), false);
    run.requestBytes = FrameBytes(unit.Transcript(), true);
    run.ok = true;
    return run;
}

// The same number of bytes, sent in one stream from the unit's end; 0 on failure.
double PlainTransfer(int hostPort, int unitPort, size_t total)
{
    unitsim::Port sender;
    KSerialPort port(1024, 1024, 1);
    if (!sender.Open(unitPort, kBaud) || !OpenUnitHostPort(port, hostPort, kBaud))
        return 0;
    std::vector<uint8_t> blob(total);
    for (size_t i = 0; i < total; ++i)
        blob[i] = uint8_t(i * 31);
    double best = 0;
    for (int round = 0; round < kRounds; ++round)
    {
        std::vector<uint8_t> received(total);
        double start = Seconds();
        std::thread writer([&] { sender.Write(blob.data(), blob.size()); });
        try
        {
            port.ReadExact(received.data(), int32_t(total));
        }
        catch (const KX &error)
        {
            writer.join();
            std::fprintf(stderr, "plain transfer failed (%d)\n", int(error.Code()));
            return 0;
        }
        double seconds = Seconds() - start;
        writer.join();
        if (received != blob)
        {
            std::fprintf(stderr, "plain transfer damaged the bytes\n");
            return 0;
        }
        if (round == 0 || seconds < best)
            best = seconds;
    }
    return best;
}

void PrintPaced(const char *what, const Run &run)
{
    std::printf("  %-34s %7.3f s, line %7.3f s (%u request + %u reply bytes), ratio %.3f\n", what, run.seconds,
                run.LineSeconds(), unsigned(run.requestBytes), unsigned(run.replyBytes),
                run.seconds / run.LineSeconds());
}
} // namespace

int main(int argc, char **argv)
{
    int hostPort = PortArgument(argc, argv, 1, "QV_TEST_COM");
    int unitPort = PortArgument(argc, argv, 2, "QV_TEST_PEER_COM");
    if (hostPort < 1 || unitPort < 1)
    {
        std::fprintf(stderr, "usage: unit_link_bench COM_A COM_B (a connected pair)\n");
        return 2;
    }

    Run full = Download(hostPort, unitPort, 1, 5.0, true, 1);
    if (!full.ok)
        return 1;
    Run shortened = Download(hostPort, unitPort, kTrials, kShortWindow, true, 1);
    if (!shortened.ok)
        return 1;
    Run unpaced = Download(hostPort, unitPort, kTrials, 5.0, false, kRounds);
    if (!unpaced.ok)
        return 1;
    double plain = PlainTransfer(hostPort, unitPort, unpaced.requestBytes + unpaced.replyBytes);
    if (plain <= 0)
        return 1;

    std::printf("paced at %d baud, against the line's physical time (bytes x 10 / baud, both directions):\n",
                kBaud);
    PrintPaced("1 full trial (5001 samples):", full);
    PrintPaced("10 trials, window cut to 0.5 s:", shortened);
    std::printf("  target: ratio at most 1.10\n");
    std::printf("unpaced: %d full trials %.3f s, plain transfer of the same %u bytes %.3f s, ratio %.2f\n",
                kTrials, unpaced.seconds, unsigned(unpaced.requestBytes + unpaced.replyBytes), plain,
                unpaced.seconds / plain);
    return 0;
}
