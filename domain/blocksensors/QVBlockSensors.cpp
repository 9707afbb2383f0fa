#include "domain/blocksensors/QVBlockSensors.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

#include "domain/blocksensors/QVLinkTexts.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/results/QVResult.h"
#include "domain/timing/VRaceTime.h"
#include "domain/ui/QVUserInterface.h"
#include "foundation/errors/KX.h"

namespace
{
void Status(const KString &text)
{
    if (QVUserInterface *ui = QVUserInterface::Installed())
        ui->StatusText(text);
}

void StatusKey(const QVLinkTextKey &key)
{
    KString text;
    QVLinkText(key, text);
    Status(text);
}

VRaceTime Time(int32_t milliseconds) { return VRaceTime::FromMilliseconds(milliseconds); }

QVBlockSensors *g_global = nullptr;
} // namespace

QVBlockSensors *QVBlockSensors::Global() { return g_global; }

void QVBlockSensors::SetGlobal(QVBlockSensors *link) { g_global = link; }

QVBlockSensors::QVBlockSensors() : m_trial(new QVTrialRecord), m_scratch(new QVTrialRecord) { LoadSettings(); }

QVBlockSensors::~QVBlockSensors() = default;

void QVBlockSensors::ShowFailure(const KX &error)
{
    if (QVUserInterface *ui = QVUserInterface::Installed())
        ui->ShowError(error.Code(), error.Extra());
}

int32_t QVBlockSensors::GetDeviceType(KStream &port)
{
    try
    {
        QVUnitPacket reply = m_exchange.Transact(port, kUnitAnyUnit, kUnitIdentify, {});
        QVIdentity identity;
        if (!QVDecodeIdentity(reply, identity))
            return 0;
        return int32_t(identity.deviceType);
    }
    catch (const KX &)
    {
        QVUserInterface *ui = QVUserInterface::Installed();
        if (ui && m_exchange.LastAnswer() == QVFrameCheck::kBusy)
        {
            KString title, text;
            QVLinkText(kTextMessageTitle, title);
            QVLinkText(kTextDeviceBusy, text);
            ui->ShowMessage(title, text);
        }
        return 0;
    }
}

bool QVBlockSensors::GetStatus(KStream &port, int32_t kind, int32_t &status, int32_t &unit, int32_t &valueA,
                               int32_t &timeDifference, int32_t &time, int32_t &version)
{
    try
    {
        if (kind == int32_t(kDeviceBlockSensor))
        {
            QVUnitStatus reply;
            if (!QVDecodeStatus(m_exchange.Transact(port, kUnitBlockSensor, kUnitStatus, {}), reply))
                throw KXSerialPort(kErrSerialReceive);
            status = reply.status;
            unit = reply.unit;
            valueA = reply.valueA;
            time = timeDifference = int32_t(kUnitNoTime);
            return true;
        }
        if (kind != int32_t(kDeviceControlCenter))
            return false;
        if (version == 0)
        {
            uint32_t answered = kCcDefaultVersion;
            try
            {
                if (!QVDecodeCcVersion(m_exchange.Transact(port, kUnitControlCenter, kUnitCcVersion, {}), answered))
                    answered = kCcDefaultVersion;
            }
            catch (const KX &)
            {
                answered = kCcDefaultVersion;   // older Control Centers do not know the request
            }
            version = int32_t(answered);
        }
        QVCcTrialInfo info;
        if (!QVDecodeCcTrialInfo(m_exchange.Transact(port, kUnitControlCenter, kUnitCcTrialInfo, {}), info))
            throw KXSerialPort(kErrSerialReceive);
        status = info.status;
        unit = info.unit;
        valueA = 0;
        time = info.time;
        timeDifference = info.timeDifference;
        return true;
    }
    catch (const KX &)
    {
        return false;
    }
}

bool QVBlockSensors::GetTrialList(KStream &port, int32_t unit, int32_t &count)
{
    StatusKey(kTextGetTrialList);
    count = 0;
    try
    {
        int32_t n = 0;
        uint32_t destination = kUnitBlockSensor | (uint32_t(unit) & kUnitMaxUnit);
        if (!QVDecodeTrialList(m_exchange.Transact(port, destination, kUnitTrialList, {}), n))
            throw KXSerialPort(kErrSerialReceive);
        count = n;
        return true;
    }
    catch (const KX &error)
    {
        ShowFailure(error);
        StatusKey(kTextTrialListError);
        return false;
    }
}

void QVBlockSensors::SamplesWindow(int32_t &first, int32_t &last) const
{
    auto sample = [](double seconds) {
        if (!std::isfinite(seconds))
            return 0;
        double ms = std::floor(seconds * 1000.0 + 0.5);
        return int32_t(std::max(0.0, std::min(ms, double(QVTrialRecord::kSamples - 1))));
    };
    first = sample(m_settings.startTimeDL);
    last = sample(m_settings.endTimeDL);
    if (last < first)
        std::swap(first, last);
}

void QVBlockSensors::DownloadHeader(KStream &port, int32_t destination, int32_t trial, QVTrialRecord &record)
{
    QVUnitPacket reply = m_exchange.Transact(port, uint32_t(destination), kUnitTrialHeader, {uint32_t(trial)});
    if (!QVDecodeTrialHeader(reply, record))
        throw KXSerialPort(kErrSerialReceive);
}

void QVBlockSensors::DownloadSamples(KStream &port, int32_t destination, int32_t trial, QVTrialRecord &record,
                                     bool withHeader)
{
    int32_t first = 0, last = 0;
    SamplesWindow(first, last);
    for (int i = 0; i < QVTrialRecord::kSamples; ++i)
        record.x[i] = record.y[i] = 0;

    // Up to kUnitRequestWindow requests are out before their replies are
    // read, so that the line's turn-around does not add up over the chunks.
    // A reply with fewer samples than asked adds a request for the rest.
    struct Chunk
    {
        QVUnitPacket request;
        int32_t first;
        int32_t count;
    };
    std::deque<Chunk> pending;
    std::vector<std::pair<int32_t, int32_t>> gaps;
    int32_t next = first;
    auto queueChunk = [&](int32_t from, int32_t count) {
        Chunk chunk;
        chunk.first = from;
        chunk.count = count;
        chunk.request = m_exchange.Queue(uint32_t(destination), kUnitTrialData,
                                         {uint32_t(trial), uint32_t(from), uint32_t(count)});
        pending.push_back(chunk);
    };
    // The header request goes out with the first data requests.
    QVUnitPacket header;
    if (withHeader)
        header = m_exchange.Queue(uint32_t(destination), kUnitTrialHeader, {uint32_t(trial)});
    while (next <= last || !gaps.empty() || !pending.empty())
    {
        // Top the window up in one write once most of it has been answered:
        // every write costs about as much as a read of a whole reply.
        if (int(pending.size()) <= kUnitRequestWindow / 4)
        {
            while (int(pending.size()) < kUnitRequestWindow && (!gaps.empty() || next <= last))
            {
                if (!gaps.empty())
                {
                    queueChunk(gaps.back().first, gaps.back().second);
                    gaps.pop_back();
                    continue;
                }
                int32_t count = std::min<int32_t>(kUnitChunkSamples, last - next + 1);
                queueChunk(next, count);
                next += count;
            }
            m_exchange.SendQueued(port);
        }
        if (withHeader)
        {
            if (!QVDecodeTrialHeader(m_exchange.Receive(port, header, !pending.empty()), record))
                throw KXSerialPort(kErrSerialReceive);
            withHeader = false;
            continue;
        }
        Chunk chunk = pending.front();
        pending.pop_front();
        int32_t received = 0;
        QVUnitPacket reply = m_exchange.Receive(port, chunk.request, !pending.empty());
        if (!QVDecodeTrialData(reply, chunk.first, chunk.count, record, received))
            throw KXSerialPort(kErrSerialReceive);
        if (received < chunk.count)
            gaps.emplace_back(chunk.first + received, chunk.count - received);
    }
    record.hasSamples = true;
    record.windowStart = first;
    record.windowEnd = last;
}

bool QVBlockSensors::DownloadTrial(KStream &port, int32_t destination, int32_t trial, int32_t, bool headerOnly,
                                   bool resetOnFailure, bool quiet)
{
    LoadSettings();
    QVTrialRecord &record = *m_scratch;
    record.Clear();
    try
    {
        if (trial < 0 || trial >= kUnitMaxTrials)
            throw KXSerialPort(kErrSerialReceive);
        if (headerOnly)
        {
            DownloadHeader(port, destination, trial, record);
        }
        else
        {
            if (!quiet)
            {
                KString text;
                QVLinkText(kTextDownloading, text);
                QVLinkText(kTextTrial, text);
                text.Append(L": ").AppendInt(trial + 1);
                Status(text);
            }
            DownloadSamples(port, destination, trial, record, true);
        }
        std::swap(m_trial, m_scratch);
        return true;
    }
    catch (const KX &)
    {
        if (resetOnFailure)
            m_trial->ClearTimes();
        return false;
    }
}

bool QVBlockSensors::FillResult(QVResult &result, bool timesOnly) const
{
    const QVTrialRecord &record = *m_trial;
    result.SetPower(record.power);
    result.SetReactionTime(Time(record.reaction));
    result.SetTimeToDistance(Time(record.timeToDistance));
    // Breaks keep their positions; the count runs to the last one with a time.
    VRaceTime breaks[kUnitHeaderBreaks];
    int count = 0;
    for (int i = 0; i < kUnitHeaderBreaks; ++i)
    {
        breaks[i] = Time(record.breaks[i]);
        if (breaks[i].IsValid())
            count = i + 1;
    }
    result.SetTrialTimes(breaks, count);
    result.SetReplyFlags(record.flags);
    if (timesOnly)
        return true;
    if (record.hasSamples)
    {
        result.SetTrace(record.x, record.y);
        result.SetDownloadWindow(record.windowStart, record.windowEnd);
    }
    result.StoreSetCommandTime(Time(record.setCommand));
    result.StoreSetReferenceTime(Time(record.setReference));
    result.StoreGunReferenceTime(Time(record.gunReference));
    result.SetSourceNumber(record.source);
    return true;
}

bool QVBlockSensors::DeleteAllTrials(KStream &port, int32_t unit)
{
    try
    {
        uint32_t destination = kUnitBlockSensor | (uint32_t(unit) & kUnitMaxUnit);
        if (!QVDecodeAcknowledge(m_exchange.Transact(port, destination, kUnitDeleteAll, {})))
            throw KXSerialPort(kErrSerialReceive);
        return true;
    }
    catch (const KX &)
    {
        return false;
    }
}
