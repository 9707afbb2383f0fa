#include "domain/results/QVResult.h"

#include "domain/QVDomainCodes.h"
#include "domain/event/QVTextRecord.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KPersistent.h"
#include "foundation/streams/KStream.h"

namespace
{
constexpr uint32_t kFlagFalseStart = 1;
constexpr uint32_t kFlagPrint = 2;

bool HostIsLittleEndian()
{
    const uint16_t probe = 1;
    return *reinterpret_cast<const uint8_t *>(&probe) == 1;
}

void EncodeSamples(const int16_t *samples, int count, uint8_t *bytes)
{
    for (int i = 0; i < count; ++i) {
        uint16_t v = uint16_t(samples[i]);
        bytes[2 * i] = uint8_t(v & 0xFF);
        bytes[2 * i + 1] = uint8_t(v >> 8);
    }
}

void DecodeSamples(const uint8_t *bytes, int count, int16_t *samples)
{
    for (int i = 0; i < count; ++i)
        samples[i] = int16_t(uint16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
}
}

void QVResult::Write(KStream &stream) const
{
    KPersistent::WriteVersion(stream, kRecordResult);
    for (const KString63 &text : m_text)
        text.Write(stream);
    m_source.Write(stream);
    stream.WriteI32(m_sourceNumber);
    stream.WriteI32(m_code);
    stream.WriteU32((m_falseStart ? kFlagFalseStart : 0) | (m_printFlag ? kFlagPrint : 0));
    for (const VRaceTime *t : {&m_reaction, &m_timeToDistance, &m_setCommand, &m_setReference,
                               &m_gunReference, &m_finish})
        t->Write(stream);
    stream.WriteU32(uint32_t(m_breakCount));
    for (const VRaceTime &t : m_breaks)
        t.Write(stream);
    stream.WriteI32(m_power);
    stream.WriteU32(m_replyFlags);
    stream.WriteI32(m_downloadStart);
    stream.WriteI32(m_downloadEnd);
    stream.WriteU32(uint32_t(TraceLength()));
    if (!m_trace.empty() && HostIsLittleEndian()) {
        stream.Write(m_trace.data(), TraceLength());
    } else if (!m_trace.empty()) {
        std::vector<uint8_t> bytes(m_trace.size() * 2);
        EncodeSamples(m_trace.data(), int(m_trace.size()), bytes.data());
        stream.Write(bytes.data(), int32_t(bytes.size()));
    }
}

// Reads into the fields directly: a result being read belongs to a list
// that is not yet part of any document, so nothing is announced.
void QVResult::Read(KStream &stream)
{
    KPersistent::ReadVersion(stream, {kRecordResult});
    static const wchar_t *const kFieldNames[kResultTextFields] = {L"first name", L"last name", L"affiliation",
                                                                  L"lane", L"identity", L"licence"};
    for (int i = 0; i < kResultTextFields; ++i)
        QVReadText(stream, m_text[i], kFieldNames[i]);
    QVReadText(stream, m_source, L"source");
    m_sourceNumber = stream.ReadI32();
    m_code = stream.ReadI32();
    if (m_code < kCodeNone || m_code > kCodeLast)
        throw KXPersistent(kErrFileContents);
    uint32_t flags = stream.ReadU32();
    m_falseStart = (flags & kFlagFalseStart) != 0;
    m_printFlag = (flags & kFlagPrint) != 0;
    for (VRaceTime *t : {&m_reaction, &m_timeToDistance, &m_setCommand, &m_setReference, &m_gunReference,
                         &m_finish})
        t->Read(stream);
    uint32_t breaks = stream.ReadU32();
    if (breaks > uint32_t(kBreakCount))
        throw KXPersistent(kErrFileContents);
    m_breakCount = int(breaks);
    for (VRaceTime &t : m_breaks)
        t.Read(stream);
    m_power = stream.ReadI32();
    m_replyFlags = stream.ReadU32();
    m_downloadStart = stream.ReadI32();
    m_downloadEnd = stream.ReadI32();
    uint32_t traceBytes = stream.ReadU32();
    if (traceBytes != 0 && traceBytes != uint32_t(kTraceBytes))
        throw KXPersistent(kErrFileContents);
    m_trace.clear();
    if (traceBytes && HostIsLittleEndian()) {
        m_trace.resize(traceBytes / 2);
        stream.ReadExact(m_trace.data(), int32_t(traceBytes));
    } else if (traceBytes) {
        std::vector<uint8_t> bytes(traceBytes);
        stream.ReadExact(bytes.data(), int32_t(traceBytes));
        m_trace.resize(traceBytes / 2);
        DecodeSamples(bytes.data(), int(m_trace.size()), m_trace.data());
    }
}
