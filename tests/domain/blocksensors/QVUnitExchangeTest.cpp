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
// Written frames are kept; each one takes the next scripted answer, which
// echoes its sequence number moved by the answer's offset (a late answer to
// the request before has -1). Reads end, as a silent port would time out,
// when nothing is queued.
class ScriptedPort : public KStream
{
public:
    struct Answer
    {
        QVUnitPacket reply;
        int32_t sequenceOffset = 0;
        bool silent = false;          // no answer to this request
        size_t cut = 0;               // bytes cut off the end of the frame
        std::vector<uint8_t> raw;     // when not empty: these bytes instead of a frame
    };

    void Script(uint32_t command, std::vector<uint32_t> arguments, int32_t offset = 0, size_t cut = 0,
                std::vector<uint8_t> data = {})
    {
        Answer answer;
        answer.reply.destination = kUnitHost;
        answer.reply.command = command;
        answer.reply.arguments = arguments;
        answer.reply.data = data;
        answer.sequenceOffset = offset;
        answer.cut = cut;
        answers.push_back(answer);
    }
    // A trial-data reply of count samples from first, every byte fill.
    void ScriptSamples(uint32_t first, uint32_t count, uint8_t fill)
    {
        Script(kUnitTrialData | kUnitReplyBit, {first, count}, 0, 0, std::vector<uint8_t>(count * 4, fill));
    }
    void ScriptRaw(std::vector<uint8_t> bytes)
    {
        Answer answer;
        answer.raw = bytes;
        answers.push_back(answer);
    }
    void ScriptSilence()
    {
        Answer answer;
        answer.silent = true;
        answers.push_back(answer);
    }
    void Queue(const std::vector<uint8_t> &bytes) { incoming.insert(incoming.end(), bytes.begin(), bytes.end()); }

    std::vector<QVUnitPacket> requests;
    std::deque<Answer> answers;
    std::deque<uint8_t> incoming;
    QVUnitPacket lastSilent;

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
        const uint8_t *bytes = static_cast<const uint8_t *>(buffer);
        m_written.insert(m_written.end(), bytes, bytes + count);
        QVUnitPacket request;
        while (m_written.size() >= 3)
        {
            size_t size = size_t(m_written[1] | m_written[2] << 8) + kUnitFrameOverhead;
            if (m_written.size() < size || QVDecodeFrame(m_written.data(), size, request) != QVFrameCheck::kOk)
                break;
            m_written.erase(m_written.begin(), m_written.begin() + long(size));
            requests.push_back(request);
            if (answers.empty())
                continue;
            Answer answer = answers.front();
            answers.pop_front();
            if (answer.silent)
                continue;
            if (!answer.raw.empty())
            {
                Queue(answer.raw);
                continue;
            }
            answer.reply.sequence = request.sequence + uint32_t(answer.sequenceOffset);
            std::vector<uint8_t> frame;
            QVEncodeFrame(answer.reply, frame);
            frame.resize(frame.size() - answer.cut);
            Queue(frame);
        }
    }

private:
    std::vector<uint8_t> m_written;
};

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

TEST(QVUnitExchange, SequenceNumbersNeverRepeatAcrossExchanges)
{
    ScriptedPort port;
    QVUnitExchange exchange, other;
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0, 2});
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0, 2});
    port.Script(kUnitIdentify | kUnitReplyBit, {kDeviceBlockSensor, 1, 2});
    EXPECT_NO_THROW(exchange.Transact(port, 0x200, kUnitStatus, {}));
    EXPECT_NO_THROW(exchange.Transact(port, 0x200, kUnitStatus, {}));
    EXPECT_NO_THROW(other.Transact(port, 0, kUnitIdentify, {}));
    ASSERT_EQ(3u, port.requests.size());
    EXPECT_LT(port.requests[0].sequence, port.requests[1].sequence);
    EXPECT_LT(port.requests[1].sequence, port.requests[2].sequence);
}

TEST(QVUnitExchange, LateReplyToAnEarlierRequestIsSkipped)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    port.ScriptSilence();
    EXPECT_EQ(kErrSerialTimeout, ErrorOf(exchange, port, kUnitStatus));
    // The answer to the first request comes only with the second's.
    QVUnitPacket late;
    late.destination = kUnitHost;
    late.command = kUnitStatus | kUnitReplyBit;
    late.sequence = port.requests.back().sequence;
    late.arguments = {0, 0, 2};
    std::vector<uint8_t> bytes;
    QVEncodeFrame(late, bytes);
    QVUnitPacket answer;
    answer.destination = kUnitHost;
    answer.command = kUnitTrialList | kUnitReplyBit;
    answer.sequence = late.sequence + 1;
    answer.arguments = {0, 4};
    QVEncodeFrame(answer, bytes);
    port.ScriptRaw(bytes);
    EXPECT_EQ(4u, exchange.Transact(port, 0x200, kUnitTrialList, {}).arguments[1]);
}

TEST(QVUnitExchange, ReplyFromTheFutureOrCutOffFails)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0, 2}, +3);
    EXPECT_EQ(kErrSerialHandshake, ErrorOf(exchange, port, kUnitStatus));
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0, 2}, 0, 3);
    EXPECT_EQ(kErrSerialTimeout, ErrorOf(exchange, port, kUnitStatus));
    port.ScriptRaw({0x55, 0x10, 0x00});   // no start byte
    EXPECT_EQ(kErrSerialReceive, ErrorOf(exchange, port, kUnitStatus));
    port.ScriptRaw({0x02, 0x00, 0x20});   // 8192 bytes: beyond any frame
    EXPECT_EQ(kErrSerialReceive, ErrorOf(exchange, port, kUnitStatus));
}

TEST(QVUnitExchange, BytesLeftByADamagedReplyAreDroppedBeforeTheNextRequest)
{
    ScriptedPort port;
    QVUnitExchange exchange;
    // A reply with a wrong start byte, whose rest is still on the line.
    QVUnitPacket reply;
    reply.destination = kUnitHost;
    reply.command = kUnitStatus | kUnitReplyBit;
    reply.arguments = {0, 0, 2};
    std::vector<uint8_t> bytes(1, 0x7F);
    QVEncodeFrame(reply, bytes);
    port.ScriptRaw(bytes);
    EXPECT_EQ(kErrSerialReceive, ErrorOf(exchange, port, kUnitStatus));
    EXPECT_FALSE(port.incoming.empty());
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0, 2});
    EXPECT_EQ(0, ErrorOf(exchange, port, kUnitStatus));
}

TEST(QVUnitExchange, LinkAnswersFailureForRepliesOfTheWrongShape)
{
    ScriptedPort port;
    QVBlockSensors link;
    port.Script(kUnitIdentify | kUnitReplyBit, {0x30001, 1, 2});   // no such device
    EXPECT_EQ(0, link.GetDeviceType(port));
    port.Script(kUnitDeleteAll | kUnitReplyBit, {1});              // not confirmed
    EXPECT_FALSE(link.DeleteAllTrials(port, 0));
    int32_t status = 7, unit = 7, valueA = 7, difference = 7, time = 7, version = 0;
    port.Script(kUnitStatus | kUnitReplyBit, {0, 0});              // argument missing
    EXPECT_FALSE(link.GetStatus(port, kDeviceBlockSensor, status, unit, valueA, difference, time, version));
    EXPECT_EQ(7, status);
    EXPECT_EQ(7, unit);
}

TEST(QVUnitExchange, FullDownloadAsksTheRestOfAShortReply)
{
    ScriptedPort port;
    QVBlockSensors link;
    link.Settings().startTimeDL = 1.0;
    link.Settings().endTimeDL = 1.299;   // samples 1000..1299: 248 and 52
    std::vector<uint32_t> header(kUnitHeaderWords, kUnitNoTime);
    header[3] = 120;
    port.Script(kUnitTrialHeader | kUnitReplyBit, header);
    port.ScriptSamples(1000, 100, 1);   // the first data reply brings 100 of 248 samples
    port.ScriptSamples(1100, 148, 3);   // and the second 148 of the 200 left
    port.ScriptSamples(1248, 52, 2);

    ASSERT_TRUE(link.DownloadTrial(port, 0x202, 0, 0, false, true));
    ASSERT_EQ(4u, port.requests.size());
    EXPECT_EQ(kUnitTrialHeader, port.requests[0].command);
    EXPECT_EQ(1100u, port.requests[2].arguments[1]);
    EXPECT_EQ(200u, port.requests[2].arguments[2]);
    EXPECT_EQ(1248u, port.requests[3].arguments[1]);
    EXPECT_EQ(52u, port.requests[3].arguments[2]);
    const QVTrialRecord &record = link.CurrentTrial();
    EXPECT_EQ(120, record.reaction);
    EXPECT_EQ(0x0101, record.x[1099]);
    EXPECT_EQ(0x0303, record.x[1100]);
    EXPECT_EQ(0x0202, record.y[1299]);
    EXPECT_EQ(0, record.x[999]);
    EXPECT_EQ(0, record.x[1300]);
}
