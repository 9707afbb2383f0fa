#include "domain/blocksensors/QVUnitExchange.h"

#include <atomic>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

namespace
{
// Sequence numbers are unique across every exchange of the program, so that
// a late reply meant for one link object is never taken by another on the
// same port. 0 is left out.
std::atomic<uint32_t> g_sequence{1};

uint32_t NextNumber()
{
    uint32_t number = g_sequence++;
    return number ? number : g_sequence++;
}
} // namespace

int32_t QVFrameCheckError(QVFrameCheck check)
{
    switch (check)
    {
    case QVFrameCheck::kOk:
        return 0;
    case QVFrameCheck::kShort:
        return kErrSerialTimeout;
    case QVFrameCheck::kBadChecksum:
        return kErrSerialChecksum;
    case QVFrameCheck::kWrongDestination:
    case QVFrameCheck::kWrongSequence:
    case QVFrameCheck::kWrongCommand:
        return kErrSerialHandshake;
    default:
        return kErrSerialReceive;
    }
}

QVUnitPacket QVUnitExchange::Transact(KStream &port, uint32_t destination, uint32_t command,
                                      std::initializer_list<uint32_t> arguments,
                                      const std::vector<uint8_t> &data)
{
    QVUnitPacket request = Queue(destination, command, arguments, data);
    SendQueued(port);
    return Receive(port, request);
}

QVUnitPacket QVUnitExchange::Queue(uint32_t destination, uint32_t command, std::initializer_list<uint32_t> arguments,
                                   const std::vector<uint8_t> &data)
{
    QVUnitPacket request;
    request.destination = destination;
    request.command = command;
    request.sequence = NextNumber();
    request.arguments = arguments;
    request.data = data;
    QVEncodeFrame(request, m_outgoing);
    return request;
}

void QVUnitExchange::SendQueued(KStream &port)
{
    std::vector<uint8_t> frames;
    frames.swap(m_outgoing);
    if (frames.empty())
        return;
    port.Write(frames.data(), int32_t(frames.size()));
    port.Flush();
}

QVUnitPacket QVUnitExchange::Receive(KStream &port, const QVUnitPacket &request, bool another)
{
    m_lastAnswer = QVFrameCheck::kOk;
    return ReadReply(port, request, another);
}

// A stream that ends (rather than timing out) counts as silence too.
void QVUnitExchange::ReadBytes(KStream &port, uint8_t *buffer, int32_t count)
{
    while (count > 0)
    {
        int32_t got = port.Read(buffer, count);
        if (got <= 0)
            throw KXSerialPort(kErrSerialTimeout);
        buffer += got;
        count -= got;
    }
}

QVUnitPacket QVUnitExchange::ReadReply(KStream &port, const QVUnitPacket &request, bool another)
{
    for (;;)
    {
        QVUnitPacket reply = ReadFrame(port, another);
        // A late answer to an earlier request of this exchange is dropped, so
        // that one slow reply does not put every later one out of step.
        uint32_t age = request.sequence - reply.sequence;
        if (reply.destination == kUnitHost && age > 0 && age < kStaleWindow && reply.sequence != 0)
            continue;
        QVFrameCheck check = QVCheckReply(request, reply);
        if (check == QVFrameCheck::kBusy || check == QVFrameCheck::kRefused)
            m_lastAnswer = check;
        if (check != QVFrameCheck::kOk)
            throw KXSerialPort(QVFrameCheckError(check));
        return reply;
    }
}

QVUnitPacket QVUnitExchange::ReadFrame(KStream &port, bool another)
{
    // Start byte and length in one read (the shortest reply is far longer),
    // unless they came with the frame before.
    uint8_t header[3];
    int have = m_aheadCount;
    for (int i = 0; i < have; ++i)
        header[i] = m_ahead[i];
    m_aheadCount = 0;
    ReadBytes(port, header + have, 3 - have);
    int length = 0;
    QVFrameCheck check = QVCheckFrameHeader(header, length);
    if (check != QVFrameCheck::kOk)
        throw KXSerialPort(QVFrameCheckError(check));

    // The rest of the frame, and the next frame's first three bytes when one
    // is known to follow: one read fewer per reply.
    int rest = length + 2;
    int extra = another ? 3 : 0;
    std::vector<uint8_t> frame(size_t(length) + kUnitFrameOverhead + size_t(extra));
    frame[0] = header[0];
    frame[1] = header[1];
    frame[2] = header[2];
    ReadBytes(port, frame.data() + 3, rest + extra);
    for (int i = 0; i < extra; ++i)
        m_ahead[i] = frame[size_t(3 + rest + i)];
    m_aheadCount = extra;
    frame.resize(frame.size() - size_t(extra));

    QVUnitPacket reply;
    check = QVDecodeFrame(frame.data(), frame.size(), reply);
    if (check != QVFrameCheck::kOk)
        throw KXSerialPort(QVFrameCheckError(check));
    return reply;
}
