#include "tools/unitsim/UnitSim.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace unitsim
{
namespace
{
constexpr uint32_t kHost = 0x100;
constexpr uint32_t kBusy = 0x8000FFFF;
constexpr uint32_t kRefused = 0x8000FFFE;
constexpr uint32_t kReasonUnknown = 1;    // refusal reasons
constexpr uint32_t kReasonArgument = 2;
constexpr int kCapacity = 1000;

int64_t Now()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t NowMicro()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SleepUntilMicro(int64_t tick)
{
    int64_t wait = tick - NowMicro();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
}

// Bytes a paced unit writes at a time (about 8 ms at 19,200 baud).
constexpr size_t kBurstBytes = 16;

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Answers a request with a refusal for reason (always answered: true).
bool Refuse(uint32_t &command, std::vector<uint32_t> &args, uint32_t reason)
{
    command = kRefused;
    args = {reason};
    return true;
}

// A frame's entry in the transcript.
Record FrameRecord(bool fromHost, uint32_t destination, uint32_t command, uint32_t sequence,
                   const std::vector<uint32_t> &args, const std::vector<uint8_t> &block)
{
    return Record{fromHost, destination, command, sequence, args, block, std::string()};
}
} // namespace

Trial Trial::Make(int index, int32_t reaction, int32_t power, int breakCount)
{
    Trial t;
    t.setCommand = 1800 + 10 * index;
    t.setReference = 1750 + 10 * index;
    t.gunReference = 0;
    t.reaction = reaction;
    t.timeToDistance = breakCount > 0 ? 1000 + 100 * breakCount : int32_t(kNoTime);
    for (int i = 0; i < 9; ++i)
        t.breaks[i] = i < breakCount ? 400 + 110 * i + index : int32_t(kNoTime);
    t.power = power;
    t.flags = 0x10 + uint32_t(index);
    t.source = index + 1;
    t.x.resize(kSamples);
    t.y.resize(kSamples);
    for (int i = 0; i < kSamples; ++i)
    {
        t.x[i] = int16_t((i * 7 + 13 * index) % 2000 - 1000);
        t.y[i] = int16_t(3000 - i + index);
    }
    return t;
}

Config Config::BlockSensor()
{
    Config c;
    c.trials.push_back(Trial::Make(0, 99, int32_t(0x80001000u), 3));
    c.trials.push_back(Trial::Make(1, 100, int32_t(0x80001001u), 0));
    c.trials.push_back(Trial::Make(2, 153, 2150, 9));
    return c;
}

Config Config::BlockSensorWithTrials(int count)
{
    Config c;
    count = std::max(1, std::min(count, 50));
    for (int i = 0; i < count; ++i)
        c.trials.push_back(Trial::Make(i, 110 + 5 * i, 1800 + 150 * i, 1 + i % 5));
    return c;
}

Config Config::ControlCenter()
{
    Config c;
    c.deviceType = 0x20001;
    c.unit = 0;
    return c;
}

Unit::Unit(const Config &config) : m_config(config) {}

Unit::~Unit() { Stop(); }

bool Unit::Start(int port)
{
    Stop();
    if (!m_port.Open(port, m_config.baud))
        return false;
    m_lineOut = m_lineIn = 0;
    m_stop = false;
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void Unit::Stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_port.Close();
}

void Unit::SetFault(uint32_t command, Fault fault, int nth, int count)
{
    std::lock_guard<std::mutex> hold(m_lock);
    FaultRule rule;
    rule.fault = fault;
    rule.nth = nth;
    rule.count = count;
    m_faults[command] = rule;
}

void Unit::PowerOff()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_mode = Mode::Off;
    m_powerOnAt = -1;
    m_transferReceived = 0;
}

void Unit::PowerOn(int delayMs)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_powerOnAt = Now() + delayMs;
}

void Unit::FailDataLine(int n)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_failDataLine = n;
}

void Unit::SilenceFromDataLine(int n)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_silentDataLine = n;
}

std::vector<Record> Unit::Transcript() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_transcript;
}

void Unit::ClearTranscript()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_transcript.clear();
}

size_t Unit::TrialCount() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_config.trials.size();
}

std::vector<uint8_t> Unit::Firmware() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_firmware;
}

std::vector<uint8_t> Unit::Sound(int slot) const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return slot >= 0 && slot < 3 ? m_sounds[slot] : std::vector<uint8_t>();
}

std::string Unit::CcText(int half) const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return half == 0 || half == 1 ? m_ccText[half] : std::string();
}

std::vector<uint8_t> Unit::CcLanes(uint32_t &laneCount) const
{
    std::lock_guard<std::mutex> hold(m_lock);
    laneCount = m_ccLaneCount;
    return m_ccLanes;
}

void Unit::Log(const Record &record)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_transcript.push_back(record);
    if (m_config.transcriptFile.empty())
        return;
    if (FILE *f = std::fopen(m_config.transcriptFile.c_str(), "a"))
    {
        if (!record.text.empty())
            std::fprintf(f, "%s %s\n", record.fromHost ? ">>" : "<<", record.text.c_str());
        else
            std::fprintf(f, "%s dst=%03X cmd=%08X seq=%u args=%u data=%u\n", record.fromHost ? ">>" : "<<",
                         unsigned(record.destination), unsigned(record.command), unsigned(record.sequence),
                         unsigned(record.args.size()), unsigned(record.block.size()));
        std::fclose(f);
    }
}

void Unit::Serve()
{
    uint8_t buffer[4096];
    while (!m_stop)
    {
        bool banner = false;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            if (m_powerOnAt >= 0 && Now() >= m_powerOnAt)
            {
                m_powerOnAt = -1;
                m_mode = Mode::Booting;
                m_bootUntil = Now() + 2000;
                m_line.clear();
                banner = true;
            }
            if (m_mode == Mode::Booting && Now() > m_bootUntil)
                m_mode = Mode::Frames;
        }
        if (banner)
        {
            m_parser.Reset();
            MonitorSay("\r\nQuorvane boot monitor\r\nPress Enter for the monitor\r\n");
        }
        int got = m_port.Read(buffer, sizeof buffer, 5);
        if (got < 0)
        {
            Sleep(5);
            continue;
        }
        if (got > 0)
            ServeBytes(buffer, got);
        Trickle();
    }
}

void Unit::Trickle()
{
    if (m_trickleAt < 0 || Now() < m_trickleAt)
        return;
    const uint8_t noise = 0x55;
    SendBytes(&noise, 1);
    m_trickleAt += std::max(1, m_config.trickleMs);
}

void Unit::ServeBytes(const uint8_t *bytes, int count)
{
    Mode mode;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        mode = m_mode;
    }
    if (mode == Mode::Off)
        return;
    if (mode == Mode::Booting && m_line.empty() && count > 0 && bytes[0] == 0x02)
    {
        // A frame while the boot monitor waits for its key: the unit boots on.
        std::lock_guard<std::mutex> hold(m_lock);
        m_mode = mode = Mode::Frames;
    }
    if (mode == Mode::Booting || mode == Mode::Monitor)
    {
        for (int i = 0; i < count; ++i)
        {
            char c = char(bytes[i]);
            if (c == '\n')
                continue;
            if (c != '\r')
            {
                m_line += c;
                continue;
            }
            std::string line;
            line.swap(m_line);
            if (m_mode == Mode::Booting)
            {
                std::lock_guard<std::mutex> hold(m_lock);
                m_mode = Mode::Monitor;
            }
            MonitorLine(line);
        }
        return;
    }
    // Replies to the requests of one read go out in one write, as a unit's
    // transmit buffer would send them.
    m_readAt = NowMicro();
    Frame frame;
    bool more = m_parser.Feed(bytes, size_t(count), frame);
    while (more)
    {
        HandleFrame(frame);
        more = m_parser.Feed(nullptr, 0, frame);
    }
    FlushOutbox();
}

void Unit::FlushOutbox()
{
    if (!m_outbox.empty())
        SendBytes(m_outbox.data(), m_outbox.size());
    m_outbox.clear();
}

void Unit::SendBytes(const uint8_t *bytes, size_t count)
{
    if (!m_config.paced || m_config.baud <= 0)
    {
        m_port.Write(bytes, count);
        return;
    }
    // Each burst leaves when its last byte would have reached the far end.
    m_lineOut = std::max(m_lineOut, NowMicro());
    for (size_t at = 0; at < count && !m_stop; at += kBurstBytes)
    {
        size_t burst = std::min(kBurstBytes, count - at);
        m_lineOut += int64_t(burst) * 10000000 / m_config.baud;
        SleepUntilMicro(m_lineOut);
        if (!m_port.Write(bytes + at, burst))
            return;
    }
}

void Unit::AwaitRequest(size_t size, int64_t readAt)
{
    if (!m_config.paced || m_config.baud <= 0)
        return;
    // A request read at once is taken to have started coming in when it was
    // read; one that waited while the unit was sending came in meanwhile.
    m_lineIn = std::max(m_lineIn, readAt) + int64_t(size) * 10000000 / m_config.baud;
    if (m_lineIn > NowMicro())
    {
        FlushOutbox();   // earlier replies go out while this request comes in
        SleepUntilMicro(m_lineIn);
    }
}

Fault Unit::TakeFault(uint32_t command)
{
    std::lock_guard<std::mutex> hold(m_lock);
    auto it = m_faults.find(command);
    if (it == m_faults.end())
        return Fault::None;
    FaultRule &rule = it->second;
    int n = ++rule.seen;
    if (n < rule.nth || (rule.count >= 0 && n >= rule.nth + rule.count))
        return Fault::None;
    return rule.fault;
}

void Unit::HandleFrame(const Frame &request)
{
    AwaitRequest(request.raw.size(), m_readAt);
    Log(FrameRecord(true, request.destination, request.command, request.sequence, request.args, request.block));
    m_trickleAt = -1;   // a request ends the noise

    std::vector<uint32_t> args;
    std::vector<uint8_t> block;
    uint32_t command = request.command | 0x80000000u;
    if (!IsForThisUnit(request))
        return;
    // A busy unit does nothing; a lost reply still did the work.
    Fault fault = TakeFault(request.command);
    if (fault == Fault::Busy)
        command = kBusy;
    else if (!Answer(request, args, block, command))
        return;
    Send(request, command, args, block, fault);
}

bool Unit::IsForThisUnit(const Frame &request) const
{
    if (request.destination == 0)
        return request.command == 1;
    if (m_config.deviceType == 0x10001)
        return request.destination == 0x200 || request.destination == (0x200 | m_config.unit);
    return request.destination == 0x281;
}

bool Unit::Answer(const Frame &request, std::vector<uint32_t> &args, std::vector<uint8_t> &block,
                  uint32_t &command)
{
    if (request.destination == 0 && request.command == 1)
    {
        args = {m_config.deviceType, m_config.firmware, m_config.unit};
        return true;
    }
    if (m_config.deviceType == 0x10001)
    {
        if (request.destination != 0x200 && request.destination != (0x200 | m_config.unit))
            return false;
        return AnswerBlockSensor(request, args, block, command);
    }
    if (request.destination != 0x281)
        return false;
    return AnswerControlCenter(request, args, command);
}

bool Unit::AnswerBlockSensor(const Frame &request, std::vector<uint32_t> &args, std::vector<uint8_t> &block,
                             uint32_t &command)
{
    const std::vector<uint32_t> &a = request.args;
    std::lock_guard<std::mutex> hold(m_lock);
    size_t count = m_config.trials.size();
    switch (request.command)
    {
    case 0x10002:
        args = {uint32_t(m_config.valueA), uint32_t(m_config.status), m_config.unit};
        return true;
    case 0x10003:
        args = {0, uint32_t(count)};
        return true;
    case 0x10004:
        if (a.size() != 1 || a[0] >= count)
            break;
        {
            const Trial &t = m_config.trials[a[0]];
            args = {uint32_t(t.setCommand), uint32_t(t.setReference), uint32_t(t.gunReference), uint32_t(t.reaction),
                    uint32_t(t.timeToDistance)};
            for (int32_t b : t.breaks)
                args.push_back(uint32_t(b));
            args.push_back(uint32_t(t.power));
            args.push_back(t.flags);
            args.push_back(uint32_t(t.source));
        }
        return true;
    case 0x10005:
        if (a.size() != 3 || a[0] >= count || a[1] >= uint32_t(kSamples) || a[2] == 0 || a[2] > 256)
            break;
        {
            const Trial &t = m_config.trials[a[0]];
            uint32_t n = a[2];
            if (a[1] + n > uint32_t(kSamples))
                n = uint32_t(kSamples) - a[1];
            args = {a[1], n};
            for (uint32_t i = a[1]; i < a[1] + n; ++i)
            {
                uint16_t x = uint16_t(t.x[i]), y = uint16_t(t.y[i]);
                block.push_back(uint8_t(x & 0xFF));
                block.push_back(uint8_t(x >> 8));
                block.push_back(uint8_t(y & 0xFF));
                block.push_back(uint8_t(y >> 8));
            }
        }
        return true;
    case 0x10006:
        if (!a.empty())
            break;
        m_config.trials.clear();
        args = {0};
        return true;
    default:
        return Refuse(command, args, kReasonUnknown);
    }
    block.clear();
    return Refuse(command, args, kReasonArgument);
}

bool Unit::AnswerControlCenter(const Frame &request, std::vector<uint32_t> &args, uint32_t &command)
{
    const std::vector<uint32_t> &a = request.args;
    std::lock_guard<std::mutex> hold(m_lock);
    switch (request.command)
    {
    case 0x20002:
        if (!m_config.ccAnswersVersion)
            return false;
        args = {m_config.ccVersion};
        return true;
    case 0x20003:
        args = {uint32_t(m_config.status), m_config.unit, uint32_t(m_config.ccTime),
                uint32_t(m_config.ccTimeDifference)};
        return true;
    case 0x20004:
        if (a.size() != 1 || a[0] > 1 || request.block.size() != 31)
            break;
        m_ccText[a[0]].assign(request.block.begin(), request.block.end());
        args = {0};
        return true;
    case 0x20005:
        if (a.size() != 1 || request.block.size() != (a[0] + 3) / 4)
            break;
        m_ccLaneCount = a[0];
        m_ccLanes = request.block;
        args = {0};
        return true;
    default:
        return Refuse(command, args, kReasonUnknown);
    }
    return Refuse(command, args, kReasonArgument);
}

void Unit::Send(const Frame &request, uint32_t command, const std::vector<uint32_t> &argsIn,
                const std::vector<uint8_t> &blockIn, Fault fault)
{
    std::vector<uint32_t> args = argsIn;
    std::vector<uint8_t> block = blockIn;
    uint32_t destination = kHost, sequence = request.sequence;
    switch (fault)
    {
    case Fault::NoReply:
        return;
    case Fault::LateReply:
        FlushOutbox();
        Sleep(m_config.lateMs);
        break;
    case Fault::WrongSequence:
        sequence += 1;
        break;
    case Fault::WrongCommand:
        command ^= 0x1;
        break;
    case Fault::WrongDestination:
        destination = 0x101;
        break;
    case Fault::TooManySamples:
        if (args.size() == 2)
        {
            args[1] += 1;
            block.insert(block.end(), 4, 0);
        }
        break;
    case Fault::FewerSamples:
        if (args.size() == 2 && args[1] > 1)
        {
            args[1] /= 2;
            block.resize(4 * size_t(args[1]));
        }
        break;
    case Fault::HugeTrialCount:
        if (args.size() == 2)
            args[1] = 0x7FFFFFFF;
        break;
    default:
        break;
    }
    std::vector<uint8_t> bytes = BuildFrame(destination, command, sequence, args, block);
    if (fault == Fault::BadChecksum)
        bytes.back() ^= 0x5A;
    if (fault == Fault::Truncated || fault == Fault::Trickle)
        bytes.resize(bytes.size() / 2);
    if (fault == Fault::Trickle)
        m_trickleAt = Now() + std::max(1, m_config.trickleMs);
    if (fault == Fault::StaleFirst)
    {
        std::vector<uint8_t> stale = BuildFrame(destination, command, sequence - 1, args, block);
        bytes.insert(bytes.begin(), stale.begin(), stale.end());
    }
    if (fault == Fault::RepeatedReply)
    {
        std::vector<uint8_t> once = bytes;
        for (int i = 0; i < m_config.repeats; ++i)
            bytes.insert(bytes.end(), once.begin(), once.end());
    }
    if (fault == Fault::TrailingBytes)
        bytes.insert(bytes.end(), {0x55, 0x02, 0xAA});
    if (fault == Fault::StrayStart)
        bytes.insert(bytes.begin(), 0x02);
    if (fault == Fault::SlowReply)
    {
        FlushOutbox();
        Sleep(m_config.lateMs / 2);
        SendBytes(bytes.data(), bytes.size() / 2);
        Sleep(m_config.lateMs - m_config.lateMs / 2);
        bytes.erase(bytes.begin(), bytes.begin() + long(bytes.size() / 2));
    }

    Log(FrameRecord(false, destination, command, sequence, args, block));
    m_outbox.insert(m_outbox.end(), bytes.begin(), bytes.end());
}

} // namespace unitsim
