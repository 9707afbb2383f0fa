#include "domain/blocksensors/QVUnitExchange.h"

#include "domain/blocksensors/QVUnitProtocol.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

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
    QVUnitPacket request;
    request.destination = destination;
    request.command = command;
    request.sequence = m_sequence++;
    request.arguments = arguments;
    request.data = data;
    m_lastAnswer = QVFrameCheck::kOk;

    std::vector<uint8_t> frame;
    QVEncodeFrame(request, frame);
    port.Write(frame.data(), int32_t(frame.size()));
    port.Flush();
    return ReadReply(port, request);
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

QVUnitPacket QVUnitExchange::ReadReply(KStream &port, const QVUnitPacket &request)
{
    for (;;)
    {
        QVUnitPacket reply = ReadFrame(port, request);
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

QVUnitPacket QVUnitExchange::ReadFrame(KStream &port, const QVUnitPacket &)
{
    uint8_t header[3];
    ReadBytes(port, header, 1);
    if (header[0] != kUnitStartByte)
        throw KXSerialPort(kErrSerialReceive);
    ReadBytes(port, header + 1, 2);
    int length = 0;
    QVFrameCheck check = QVCheckFrameHeader(header, length);
    if (check != QVFrameCheck::kOk)
        throw KXSerialPort(QVFrameCheckError(check));

    std::vector<uint8_t> frame(size_t(length) + kUnitFrameOverhead);
    frame[0] = header[0];
    frame[1] = header[1];
    frame[2] = header[2];
    ReadBytes(port, frame.data() + 3, length + 2);

    QVUnitPacket reply;
    check = QVDecodeFrame(frame.data(), frame.size(), reply);
    if (check != QVFrameCheck::kOk)
        throw KXSerialPort(QVFrameCheckError(check));
    return reply;
}
