// Download benchmark: ten full trials from a simulated block sensor over a
// COM port pair, against a plain transfer of the same number of bytes over
// the same pair in the same run. The 1100 ms settling wait after opening a
// port is left out of both; each figure is the best of three runs.
//
//   unit_link_bench [COM_A COM_B]   (default: QV_TEST_COM and QV_TEST_PEER_COM)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "domain/blocksensors/QVBlockSensors.h"
#include "foundation/comm/KSerialPort.h"
#include "foundation/errors/KX.h"
#include "tools/unitsim/UnitSim.h"

namespace
{
constexpr int kTrials = 10;
constexpr int kRounds = 3;   // each figure is the best of three runs

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

bool OpenHost(KSerialPort &port, int number)
{
    KString description;
    KSerialPort::MakeDescription(description, number, 19200, 0, 0, 0, 0);
    if (!port.Open(description))
        return false;
    port.SetReadEncoding(KStream::kEncoding8Bit);
    port.SetWriteEncoding(KStream::kEncoding8Bit);
    port.SetReadLineEnd(KStream::kLineEndRaw);
    port.SetWriteLineEnd(KStream::kLineEndRaw);
    port.SetReadTimeout(1000);
    return true;
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

    unitsim::Config config = unitsim::Config::BlockSensor();
    config.trials.clear();
    for (int i = 0; i < kTrials; ++i)
        config.trials.push_back(unitsim::Trial::Make(i, 120 + i, 2000 + i, 9));

    double linkSeconds = 0;
    size_t replyBytes = 0, requestBytes = 0;
    {
        unitsim::Unit unit(config);
        KSerialPort port(1024, 1024, 1);
        if (!unit.Start(unitPort) || !OpenHost(port, hostPort))
        {
            std::fprintf(stderr, "cannot open COM%d or COM%d\n", hostPort, unitPort);
            return 1;
        }
        QVBlockSensors link;
        for (int round = 0; round < kRounds; ++round)
        {
            unit.ClearTranscript();
            double start = Seconds();
            for (int i = 0; i < kTrials; ++i)
                if (!link.DownloadTrial(port, 0x202, i, 0, false, true, true))
                {
                    std::fprintf(stderr, "download of trial %d failed\n", i + 1);
                    return 1;
                }
            double seconds = Seconds() - start;
            if (round == 0 || seconds < linkSeconds)
                linkSeconds = seconds;
        }
        port.Close();
        unit.Stop();
        replyBytes = FrameBytes(unit.Transcript(), false);
        requestBytes = FrameBytes(unit.Transcript(), true);
    }

    // The same number of bytes, sent in one stream from the unit's end.
    double plainSeconds = 0;
    {
        unitsim::Port sender;
        KSerialPort port(1024, 1024, 1);
        if (!sender.Open(unitPort) || !OpenHost(port, hostPort))
            return 1;
        size_t total = replyBytes + requestBytes;
        std::vector<uint8_t> blob(total);
        for (size_t i = 0; i < total; ++i)
            blob[i] = uint8_t(i * 31);
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
                return 1;
            }
            double seconds = Seconds() - start;
            writer.join();
            if (received != blob)
            {
                std::fprintf(stderr, "plain transfer damaged the bytes\n");
                return 1;
            }
            if (round == 0 || seconds < plainSeconds)
                plainSeconds = seconds;
        }
    }

    double ratio = plainSeconds > 0 ? linkSeconds / plainSeconds : 0;
    std::printf("download of %d trials: %.3f s (%u request bytes, %u reply bytes)\n", kTrials, linkSeconds,
                unsigned(requestBytes), unsigned(replyBytes));
    std::printf("plain transfer of the same bytes: %.3f s\n", plainSeconds);
    std::printf("ratio %.2f (target at most 1.50)\n", ratio);
    return 0;
}
