#include "domain/results/QVResult.h"

#include "domain/QVDomainCodes.h"
#include "domain/results/QVResults.h"

#include <algorithm>

namespace
{
const KString &EmptyText()
{
    static const KString empty;
    return empty;
}
}

bool QVResult::IsFalseStartTime(const VRaceTime &reaction)
{
    return reaction.IsValid() && reaction.Milliseconds() < kFalseStartLimit;
}

QVResult::QVResult(QVResults *list, int32_t id) : m_list(list), m_id(id) {}

QVResult::~QVResult() = default;

void QVResult::Attach(QVResults *list, int32_t id)
{
    m_list = list;
    m_id = id;
}

void QVResult::BeginChange()
{
    if (m_list)
        m_list->AnnounceResultChange(this, true);
}

void QVResult::EndChange()
{
    if (m_list)
        m_list->AnnounceResultChange(this, false);
}

void QVResult::CopyFrom(const QVResult &other)
{
    if (&other == this)
        return;
    // Copy the trace first: nothing that can fail runs inside the change.
    std::vector<int16_t> trace(other.m_trace);
    BeginChange();
    for (int i = 0; i < kResultTextFields; ++i)
        m_text[i] = other.m_text[i];
    m_source = other.m_source;
    m_sourceNumber = other.m_sourceNumber;
    m_code = other.m_code;
    m_falseStart = other.m_falseStart;
    m_printFlag = other.m_printFlag;
    m_reaction = other.m_reaction;
    m_timeToDistance = other.m_timeToDistance;
    m_setCommand = other.m_setCommand;
    m_setReference = other.m_setReference;
    m_gunReference = other.m_gunReference;
    m_finish = other.m_finish;
    m_breakCount = other.m_breakCount;
    std::copy(other.m_breaks, other.m_breaks + kBreakCount, m_breaks);
    m_power = other.m_power;
    m_replyFlags = other.m_replyFlags;
    m_downloadStart = other.m_downloadStart;
    m_downloadEnd = other.m_downloadEnd;
    m_trace.swap(trace);
    EndChange();
}

bool QVResult::Equals(const QVResult &other) const
{
    for (int i = 0; i < kResultTextFields; ++i)
        if (m_text[i] != other.m_text[i])
            return false;
    auto sameTime = [](const VRaceTime &a, const VRaceTime &b) {
        return a == b && a.Resolution() == b.Resolution();
    };
    for (int i = 0; i < kBreakCount; ++i)
        if (!sameTime(m_breaks[i], other.m_breaks[i]))
            return false;
    return m_source == other.m_source && m_sourceNumber == other.m_sourceNumber && m_code == other.m_code &&
           m_falseStart == other.m_falseStart && m_printFlag == other.m_printFlag &&
           sameTime(m_reaction, other.m_reaction) && sameTime(m_timeToDistance, other.m_timeToDistance) &&
           sameTime(m_setCommand, other.m_setCommand) && sameTime(m_setReference, other.m_setReference) &&
           sameTime(m_gunReference, other.m_gunReference) && sameTime(m_finish, other.m_finish) &&
           m_breakCount == other.m_breakCount && m_power == other.m_power &&
           m_replyFlags == other.m_replyFlags && m_downloadStart == other.m_downloadStart &&
           m_downloadEnd == other.m_downloadEnd && m_trace == other.m_trace;
}

const KString &QVResult::TextField(int index) const
{
    if (index < 0 || index >= kResultTextFields)
        return EmptyText();
    return m_text[index];
}

void QVResult::SetTextField(int index, const KString &text)
{
    if (index < 0 || index >= kResultTextFields)
        return;
    Change(m_text[index], text);
}

void QVResult::SetSource(const KString &text)
{
    Change(m_source, text);
}

void QVResult::SetSourceNumber(int32_t number)
{
    Change(m_sourceNumber, number);
}

void QVResult::SetResultCode(int32_t code)
{
    if (code < kCodeNone || code > kCodeLast)
        return;
    Change(m_code, code);
}

void QVResult::SetFalseStart(bool on)
{
    Change(m_falseStart, on);
}

void QVResult::SetFlag(bool on)
{
    Change(m_printFlag, on);
}

void QVResult::SetReactionTime(const VRaceTime &time)
{
    BeginChange();
    m_reaction = time;
    m_falseStart = IsFalseStartTime(time);
    EndChange();
}

void QVResult::SetTimeToDistance(const VRaceTime &time)
{
    Change(m_timeToDistance, time);
}

VRaceTime QVResult::RawTime() const
{
    return m_timeToDistance - m_reaction;
}

void QVResult::StoreSetCommandTime(const VRaceTime &time)
{
    Change(m_setCommand, time);
}

void QVResult::StoreSetReferenceTime(const VRaceTime &time)
{
    Change(m_setReference, time);
}

void QVResult::StoreGunReferenceTime(const VRaceTime &time)
{
    Change(m_gunReference, time);
}

void QVResult::SetFinishTime(const VRaceTime &time)
{
    Change(m_finish, time);
}

VRaceTime QVResult::TrialTime(int index) const
{
    if (index < 0 || index >= m_breakCount)
        return VRaceTime();
    return m_breaks[index];
}

VRaceTime QVResult::RawTrialTime(int index) const
{
    return TrialTime(index) - m_reaction;
}

void QVResult::SetTrialTimes(const VRaceTime *times, int count)
{
    count = std::max(0, std::min(count, kBreakCount));
    if (!times)
        count = 0;
    BeginChange();
    m_breakCount = count;
    for (int i = 0; i < kBreakCount; ++i)
        m_breaks[i] = i < count ? times[i] : VRaceTime();
    EndChange();
}

void QVResult::SetPower(int32_t power)
{
    Change(m_power, power);
}

bool QVResult::HasPower() const
{
    return m_power != kPowerNone && m_power != kPowerBlank && m_power != kPowerInvalid;
}

void QVResult::FormatPower(KString &text) const
{
    if (HasPower())
        text.AppendInt(m_power);
}

void QVResult::SetReplyFlags(uint32_t flags)
{
    Change(m_replyFlags, flags);
}

void QVResult::SetDownloadWindow(int32_t startMs, int32_t endMs)
{
    BeginChange();
    m_downloadStart = startMs;
    m_downloadEnd = endMs;
    EndChange();
}

void QVResult::SetTrace(const int16_t *channelA, const int16_t *channelB)
{
    // Build the new trace first: nothing that can fail runs inside the change.
    std::vector<int16_t> trace;
    if (channelA && channelB) {
        trace.resize(2 * kTraceSamples);
        std::copy(channelA, channelA + kTraceSamples, trace.begin());
        std::copy(channelB, channelB + kTraceSamples, trace.begin() + kTraceSamples);
    }
    BeginChange();
    m_trace.swap(trace);
    EndChange();
}

void QVResult::ClearTrace()
{
    SetTrace(nullptr, nullptr);
}

int16_t QVResult::Sample(int channel, int index) const
{
    if (m_trace.empty() || channel < 0 || channel > 1 || index < 0 || index >= kTraceSamples)
        return 0;
    return m_trace[size_t(channel * kTraceSamples + index)];
}

void QVResult::DecodeTrace(double *destination) const
{
    if (!destination)
        return;
    if (m_trace.empty()) {
        std::fill(destination, destination + 2 * kTraceSamples, 0.0);
        return;
    }
    for (size_t i = 0; i < m_trace.size(); ++i)
        destination[i] = m_trace[i];
}

bool QVResult::OrdersBefore(const KSortedListItem &) const
{
    return false;
}

void QVResult::Startup() {}

void QVResult::Shutdown() {}
