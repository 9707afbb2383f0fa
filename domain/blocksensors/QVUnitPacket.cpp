#include "domain/blocksensors/QVUnitPacket.h"

#include "domain/blocksensors/QVUnitCrc.h"
#include "domain/blocksensors/QVUnitProtocol.h"

namespace
{
void PutU16(std::vector<uint8_t> &out, uint16_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void PutU32(std::vector<uint8_t> &out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(value >> shift));
}

uint16_t GetU16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }

uint32_t GetU32(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
} // namespace

void QVEncodeFrame(const QVUnitPacket &packet, std::vector<uint8_t> &out)
{
    size_t length = kUnitMinPayload + 4 * packet.arguments.size() + packet.data.size();
    size_t first = out.size();
    out.push_back(kUnitStartByte);
    PutU16(out, uint16_t(length));
    PutU32(out, packet.destination);
    PutU32(out, packet.command);
    PutU32(out, packet.sequence);
    PutU32(out, uint32_t(packet.arguments.size()));
    for (uint32_t argument : packet.arguments)
        PutU32(out, argument);
    out.insert(out.end(), packet.data.begin(), packet.data.end());
    PutU16(out, QVCrc16(out.data() + first + 1, out.size() - first - 1));
}

QVFrameCheck QVCheckFrameHeader(const uint8_t *header, int &payloadLength)
{
    payloadLength = 0;
    if (header[0] != kUnitStartByte)
        return QVFrameCheck::kBadStart;
    int length = GetU16(header + 1);
    if (length < kUnitMinPayload || length > kUnitMaxPayload)
        return QVFrameCheck::kBadLength;
    payloadLength = length;
    return QVFrameCheck::kOk;
}

QVFrameCheck QVDecodeFrame(const uint8_t *frame, size_t size, QVUnitPacket &packet)
{
    if (size < 3)
        return size > 0 && frame[0] != kUnitStartByte ? QVFrameCheck::kBadStart : QVFrameCheck::kShort;
    int length = 0;
    QVFrameCheck check = QVCheckFrameHeader(frame, length);
    if (check != QVFrameCheck::kOk)
        return check;
    if (size < size_t(length) + kUnitFrameOverhead)
        return QVFrameCheck::kShort;
    if (QVCrc16(frame + 1, size_t(length) + 2) != GetU16(frame + 3 + length))
        return QVFrameCheck::kBadChecksum;

    const uint8_t *payload = frame + 3;
    uint32_t count = GetU32(payload + 12);
    if (count > uint32_t(kUnitMaxArguments) || kUnitMinPayload + 4 * count > uint32_t(length))
        return QVFrameCheck::kBadLayout;
    packet.destination = GetU32(payload);
    packet.command = GetU32(payload + 4);
    packet.sequence = GetU32(payload + 8);
    packet.arguments.resize(count);
    for (uint32_t i = 0; i < count; ++i)
        packet.arguments[i] = GetU32(payload + kUnitMinPayload + 4 * i);
    const uint8_t *data = payload + kUnitMinPayload + 4 * count;
    packet.data.assign(data, payload + length);
    return QVFrameCheck::kOk;
}

QVFrameCheck QVCheckReply(const QVUnitPacket &request, const QVUnitPacket &reply)
{
    if (reply.destination != kUnitHost)
        return QVFrameCheck::kWrongDestination;
    if (reply.sequence != request.sequence)
        return QVFrameCheck::kWrongSequence;
    if (reply.command == kUnitBusyReply)
        return reply.arguments.empty() ? QVFrameCheck::kBusy : QVFrameCheck::kBadLayout;
    if (reply.command == kUnitRefusedReply)
        return reply.arguments.size() == 1 ? QVFrameCheck::kRefused : QVFrameCheck::kBadLayout;
    if (reply.command != (request.command | kUnitReplyBit))
        return QVFrameCheck::kWrongCommand;
    return QVFrameCheck::kOk;
}
