// The request exchange on a scripted stream: what it sends, and how it reads
// replies that come late, cut off or not at all.
#include <gtest/gtest.h>

#include <deque>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVUnitExchange.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KStream.h"

namespace
{
// Written bytes are kept; reads are served from queued bytes and end (as a
// silent port would time out) when the queue is empty.
class ScriptedPort : public KStream
{
public:
    void Queue(const QVUnitPacket &reply)
    {
        std::vector<uint8_t> bytes;
        QVEncodeFrame(reply, bytes);
        Queue(bytes);
    }
    void Queue(const std::vector<uint8_t> &bytes) { incoming.insert(incoming.end(), bytes.begin(), bytes.end()); }

    std::vector<uint8_t> sent;
    std::deque<uint8_t> incoming;

protected:
    int32_t DoRead(void *buffer, int32_t count) override
    {
        int32_t n = 0;
        for (; n < count && !incoming.empty(); ++n)
        {
            static_cast<uint8_t *>(buffer)[n] = incoming.front();
            incoming.pop_front();
        }
        return n;
    }
    void DoWrite(const void *buffer, int32_t count) override
    {
        sent.insert(sent.end(), static_cast<const uint8_t *>(buffer), static_cast<const uint8_t *>(buffer) + count);
    }
};

QVUnitPacket Reply(uint32_t command, uint32_t sequence, std::vector<uint32_t> arguments)
{
    QVUnitPacket reply;
    reply.destination = kUnitHost;
    reply.command = command;
    reply.sequence = sequence;
    reply.arguments = arguments;
    return reply;
}

int32_t ErrorOf(QVUnitExchange &exchange, KStream &port, uint32_t command)
{
    try
    {
        exchange.Transact(port, 0x200, command, {});
        return 0;
    }
    catch (const KX &error)
    {
        return error.Code();
    }
}
} // namespace

TEST(QVUnitExchange, NumbersRequestsAndSendsOneFramePerRequest)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    port.Queue(Reply(kUnitStatus | kUnitReplyBit, 1, {0, 0, 2}));
    port.Queue(Reply(kUnitStatus | kUnitReplyBit, 2, {0, 0, 2}));
    exchange.Transact(port, 0x200, kUnitStatus, {});
    exchange.Transact(port, 0x200, kUnitStatus, {});
    ASSERT_EQ(2u * 21u, port.sent.size());
    QVUnitPacket second;
    ASSERT_EQ(QVFrameCheck::kOk, QVDecodeFrame(port.sent.data() + 21, 21, second));
    EXPECT_EQ(2u, second.sequence);
    EXPECT_EQ(0x200u, second.destination);
}

TEST(QVUnitExchange, LateReplyToAnEarlierRequestIsSkipped)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    EXPECT_EQ(kErrSerialTimeout, ErrorOf(exchange, port, kUnitStatus));   // request 1 unanswered
    port.Queue(Reply(kUnitStatus | kUnitReplyBit, 1, {0, 0, 2}));         // ... its answer comes late
    port.Queue(Reply(kUnitTrialList | kUnitReplyBit, 2, {0, 4}));
    QVUnitPacket reply = exchange.Transact(port, 0x200, kUnitTrialList, {});
    EXPECT_EQ(4u, reply.arguments[1]);
}

TEST(QVUnitExchange, ReplyFromTheFutureOrCutOffFails)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    port.Queue(Reply(kUnitStatus | kUnitReplyBit, 5, {0, 0, 2}));
    EXPECT_EQ(kErrSerialHandshake, ErrorOf(exchange, port, kUnitStatus));

    std::vector<uint8_t> bytes;
    QVEncodeFrame(Reply(kUnitStatus | kUnitReplyBit, 2, {0, 0, 2}), bytes);
    bytes.resize(bytes.size() - 3);
    port.incoming.clear();
    port.Queue(bytes);
    EXPECT_EQ(kErrSerialTimeout, ErrorOf(exchange, port, kUnitStatus));

    port.Queue(std::vector<uint8_t>{0x55, 0x10, 0x00});   // no start byte
    EXPECT_EQ(kErrSerialReceive, ErrorOf(exchange, port, kUnitStatus));
    port.Queue(std::vector<uint8_t>{0x02, 0x00, 0x20});   // 8192 bytes: beyond any frame
    EXPECT_EQ(kErrSerialReceive, ErrorOf(exchange, port, kUnitStatus));
}

TEST(QVUnitExchange, LinkAnswersFailureForRepliesOfTheWrongShape)
{
    ScriptedPort port;
    QVBlockSensors link;
    port.Queue(Reply(kUnitIdentify | kUnitReplyBit, 1, {0x30001, 1, 2}));   // no such device
    EXPECT_EQ(0, link.GetDeviceType(port));
    port.Queue(Reply(kUnitDeleteAll | kUnitReplyBit, 2, {1}));               // not confirmed
    EXPECT_FALSE(link.DeleteAllTrials(port, 0));
    int32_t status = 7, unit = 7, valueA = 7, difference = 7, time = 7, version = 0;
    port.Queue(Reply(kUnitStatus | kUnitReplyBit, 3, {0, 0}));               // argument missing
    EXPECT_FALSE(link.GetStatus(port, kDeviceBlockSensor, status, unit, valueA, difference, time, version));
    EXPECT_EQ(7, status);
    EXPECT_EQ(7, unit);
}
