#include "domain/blocksensors/QVBlockSensors.h"

#include <algorithm>
#include <cmath>
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
    // The user stopped the operation: that is no failure to report.
    if (error.Code() == kErrUserAborted)
        return;
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

void QVBlockSensors::DownloadSamples(KStream &port, int32_t destination, int32_t trial, QVTrialRecord &record)
{
    int32_t first = 0, last = 0;
    SamplesWindow(first, last);
    // One request at a time (sending the next ones ahead gains too little on
    // a real line to ask every unit to buffer them); a reply with fewer
    // samples than asked is followed by a request for the rest.
    for (int32_t next = first; next <= last;)
    {
        int32_t count = std::min<int32_t>(kUnitChunkSamples, last - next + 1);
        int32_t received = 0;
        QVUnitPacket reply = m_exchange.Transact(port, uint32_t(destination), kUnitTrialData,
                                                 {uint32_t(trial), uint32_t(next), uint32_t(count)});
        if (!QVDecodeTrialData(reply, next, count, record, received))
            throw KXSerialPort(kErrSerialReceive);
        next += received;
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
        // The status line names the trial from its header on, so that a
        // question about this trial never shows under the previous one's.
        if (!quiet)
        {
            KString text;
            QVLinkText(kTextDownloading, text);
            QVLinkText(kTextTrial, text);
            text.Append(L": ").AppendInt(trial + 1);
            Status(text);
        }
        DownloadHeader(port, destination, trial, record);
        if (!headerOnly)
            DownloadSamples(port, destination, trial, record);
        std::swap(m_trial, m_scratch);
        return true;
    }
    catch (const KX &)
    {
        // Reset leaves nothing of an earlier trial: a result filled from the
        // record then gets no times, no samples, no flags and no source.
        if (resetOnFailure)
            m_trial->Clear();
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
