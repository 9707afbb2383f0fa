#pragma once
// UnitSim: a simulated block sensor or Control Center for tests. It serves
// the units' binary protocol and their text monitor dialogue on the far end
// of a COM port pair, on a thread of its own, from a configuration of device
// type, unit number, versions and stored trials. Faults can be injected per
// command; every frame in both directions goes into a transcript that tests
// read. Received firmware images and sounds are kept and written to files.
//
// The configuration is set before Start; faults, power and the trial list
// may be changed while it runs (they are guarded by the unit's lock).

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/unitsim/UnitSimPort.h"
#include "tools/unitsim/UnitSimWire.h"

namespace unitsim
{

constexpr uint32_t kNoTime = 0x80000000u;
constexpr int kSamples = 5001;

struct Trial
{
    int32_t setCommand = 0;
    int32_t setReference = 0;
    int32_t gunReference = 0;
    int32_t reaction = 0;
    int32_t timeToDistance = 0;
    int32_t breaks[9];
    int32_t power = 0;
    uint32_t flags = 0;
    int32_t source = 0;
    std::vector<int16_t> x, y;   // kSamples each

    // A deterministic trial: trace samples from a formula of index and the
    // sample number, the given reaction time and power, breaks 1..breakCount
    // at steady steps after the gun and no time beyond.
    static Trial Make(int index, int32_t reaction, int32_t power, int breakCount);
};

struct Config
{
    uint32_t deviceType = 0x10001;   // 0x10001 block sensor, 0x20001 Control Center
    uint32_t unit = 2;
    uint32_t firmware = 0x00010203;
    uint32_t ccVersion = 0x15100;
    bool ccAnswersVersion = true;    // false: the version request is never answered
    int32_t valueA = 17;
    int32_t status = 0;              // 0 = ready
    int32_t ccTime = 1234;
    int32_t ccTimeDifference = 5;
    std::vector<Trial> trials;
    int lateMs = 1500;               // delay of a late reply
    int trickleMs = 900;             // Trickle: ms between two bytes of noise
    int repeats = 40;                // RepeatedReply: copies sent after the reply
    int baud = 19200;                // the rate the unit's port is set to
    // Paced, the unit keeps to its line's rate as a real cable would: what
    // it sends leaves in small bursts no faster than 10 bits a byte at that
    // rate, and it takes a request only once the request's bytes could have
    // come in at that rate. Unpaced (the default) it is as fast as the
    // pseudo-terminal.
    bool paced = false;
    bool promptAfterDone = true;     // false: "DONE <crc>" ends the transfer without a new prompt
    std::string outputDir;           // where received images and sounds go ("" = keep in memory only)
    std::string transcriptFile;      // "" = the transcript stays in memory

    // Three trials: reaction times 99, 100 and 153 ms; powers blank, invalid
    // and 2150; 3, 0 and 9 breaks.
    static Config BlockSensor();
    // A block sensor with count trials (1 to 50), each with a reaction
    // time, a power and breaks of its own, so that no two pair with each
    // other when downloaded.
    static Config BlockSensorWithTrials(int count);
    static Config ControlCenter();
};

enum class Fault
{
    None,
    NoReply,          // stays silent
    LateReply,        // answers after Config::lateMs
    SlowReply,        // sends half the frame after half of Config::lateMs, the rest after all of it
    BadChecksum,
    WrongSequence,
    WrongCommand,
    WrongDestination,
    Truncated,        // sends half the frame
    TrailingBytes,    // sends the frame and three bytes of noise after it
    StrayStart,       // sends one 0x02 byte before the frame
    Busy,             // answers 0x8000FFFF
    TooManySamples,   // a data reply with one sample more than asked
    FewerSamples,     // a data reply with half the samples asked (allowed)
    HugeTrialCount,   // a trial list beyond what a unit holds
    Trickle,          // sends half the frame, then a byte of noise every Config::trickleMs until the next request
    RepeatedReply,    // sends the reply and Config::repeats copies of it at once
    StaleFirst        // sends a reply to the request before (its number less one), then the reply, at once
};

struct Record
{
    bool fromHost = true;
    uint32_t destination = 0;
    uint32_t command = 0;
    uint32_t sequence = 0;
    std::vector<uint32_t> args;
    std::vector<uint8_t> block;
    std::string text;   // a monitor line (frames leave it empty)
};

class Unit
{
public:
    explicit Unit(const Config &config);
    ~Unit();
    Unit(const Unit &) = delete;
    Unit &operator=(const Unit &) = delete;

    // Opens COM<port> and serves on a thread; false when the port cannot open.
    bool Start(int port);
    void Stop();

    // Fault for a command from its nth request on (1 = the next), for count
    // requests (-1 = for ever). None clears it.
    void SetFault(uint32_t command, Fault fault, int nth = 1, int count = -1);
    // Powered off, the unit ignores everything. Powering on prints the boot
    // banner; a CR within two seconds enters the monitor ("> "), otherwise
    // the unit serves frames. delayMs > 0 powers on that much later.
    void PowerOff();
    void PowerOn(int delayMs = 0);
    // The monitor answers "ERR" to the data line number n (1 = the first).
    void FailDataLine(int n);
    // The monitor answers nothing from the data line number n on (1 = the
    // first), as a unit that hangs midway; 0 answers again.
    void SilenceFromDataLine(int n);

    std::vector<Record> Transcript() const;
    void ClearTranscript();
    size_t TrialCount() const;
    std::vector<uint8_t> Firmware() const;
    std::vector<uint8_t> Sound(int slot) const;
    std::string CcText(int half) const;
    std::vector<uint8_t> CcLanes(uint32_t &laneCount) const;
    int Restarts() const { return m_restarts; }
    // Bytes of the image or sound under way (else of the last one) that
    // have come in so far; 0 from switching the unit off to the next one.
    size_t TransferReceived() const { return m_transferReceived; }

private:
    struct FaultRule
    {
        Fault fault = Fault::None;
        int nth = 1;
        int count = -1;
        int seen = 0;
    };
    enum class Mode { Off, Booting, Monitor, Frames };

    void Serve();
    void ServeBytes(const uint8_t *bytes, int count);
    void HandleFrame(const Frame &request);
    Fault TakeFault(uint32_t command);
    bool IsForThisUnit(const Frame &request) const;
    bool Answer(const Frame &request, std::vector<uint32_t> &args, std::vector<uint8_t> &block, uint32_t &command);
    bool AnswerBlockSensor(const Frame &request, std::vector<uint32_t> &args, std::vector<uint8_t> &block,
                           uint32_t &command);
    bool AnswerControlCenter(const Frame &request, std::vector<uint32_t> &args, uint32_t &command);
    void Send(const Frame &request, uint32_t command, const std::vector<uint32_t> &args,
              const std::vector<uint8_t> &block, Fault fault);
    void Log(const Record &record);
    void FlushOutbox();
    // Sends the byte of noise that is due, if any.
    void Trickle();
    // Writes bytes at the line's rate when paced, else at once.
    void SendBytes(const uint8_t *bytes, size_t count);
    // Waits, when paced, until a request of size bytes read at readAt could
    // have wholly come in.
    void AwaitRequest(size_t size, int64_t readAt);
    void MonitorLine(const std::string &line);
    void MonitorSay(const std::string &text);
    void FinishTransfer();
    void WriteFile(const std::string &name, const std::vector<uint8_t> &bytes) const;

    Config m_config;
    Port m_port;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_lock;
    std::map<uint32_t, FaultRule> m_faults;
    std::vector<Record> m_transcript;
    FrameParser m_parser;
    std::vector<uint8_t> m_outbox;   // replies not yet written
    int64_t m_lineOut = 0;           // paced: microsecond the line out is free again
    int64_t m_lineIn = 0;            // paced: microsecond the last request came in wholly
    int64_t m_readAt = 0;            // microsecond the bytes being served were read
    int64_t m_trickleAt = -1;        // Trickle: tick the next byte of noise is due (-1: none)

    // Power and monitor state (serving thread, power requests under the lock).
    Mode m_mode = Mode::Frames;
    int64_t m_powerOnAt = -1;      // tick of a pending power-on
    int64_t m_bootUntil = 0;
    std::string m_line;
    int m_failDataLine = 0;
    int m_silentDataLine = 0;
    int m_dataLines = 0;
    int m_transferSlot = -2;       // -1 firmware, 0..2 a sound, -2 none
    uint32_t m_transferSize = 0;
    uint32_t m_transferCrc = 0;
    std::vector<uint8_t> m_transfer;
    std::vector<uint8_t> m_firmware;
    std::vector<uint8_t> m_sounds[3];
    std::string m_ccText[2];
    std::vector<uint8_t> m_ccLanes;
    uint32_t m_ccLaneCount = 0;
    std::atomic<int> m_restarts{0};
    std::atomic<size_t> m_transferReceived{0};
};

} // namespace unitsim
