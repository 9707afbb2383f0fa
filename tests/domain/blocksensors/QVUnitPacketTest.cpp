// The unit link's frame encoder and decoder and its reply decoders, on byte
// vectors.
#include <gtest/gtest.h>

#include <cstring>

#include "domain/blocksensors/QVMonitorDialogue.h"
#include "domain/blocksensors/QVUnitCrc.h"
#include "domain/blocksensors/QVUnitPacket.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/blocksensors/QVUnitReplies.h"

namespace
{
std::vector<uint8_t> Bytes(const char *text) { return std::vector<uint8_t>(text, text + std::strlen(text)); }

std::vector<uint8_t> Frame(const QVUnitPacket &packet)
{
    std::vector<uint8_t> out;
    QVEncodeFrame(packet, out);
    return out;
}

QVUnitPacket Reply(uint32_t command, std::vector<uint32_t> arguments, uint32_t sequence = 7)
{
    QVUnitPacket reply;
    reply.destination = kUnitHost;
    reply.command = command;
    reply.sequence = sequence;
    reply.arguments = arguments;
    return reply;
}

// Rewrites the CRC after a deliberate change of the payload.
void Reseal(std::vector<uint8_t> &frame)
{
    uint16_t crc = QVCrc16(frame.data() + 1, frame.size() - 3);
    frame[frame.size() - 2] = uint8_t(crc);
    frame[frame.size() - 1] = uint8_t(crc >> 8);
}
} // namespace

TEST(QVUnitCrc, CheckValuesOfBothChecksums)
{
    std::vector<uint8_t> digits = Bytes("123456789");
    EXPECT_EQ(0x29B1, QVCrc16(digits.data(), digits.size()));
    // A running CRC-32 over two pieces equals the CRC of the whole.
    uint32_t crc = QVCrc32(digits.data(), 4);
    EXPECT_EQ(0xCBF43926u, QVCrc32(digits.data() + 4, 5, crc));
}

TEST(QVUnitPacket, IdentifyRequestHasTheDocumentedBytes)
{
    QVUnitPacket request;
    request.destination = 0;
    request.command = kUnitIdentify;
    request.sequence = 1;
    std::vector<uint8_t> expected = {0x02, 0x10, 0x00,                          // start, length 16
                                     0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    uint16_t crc = QVCrc16(expected.data() + 1, expected.size() - 1);
    expected.push_back(uint8_t(crc));
    expected.push_back(uint8_t(crc >> 8));
    EXPECT_EQ(expected, Frame(request));
}

TEST(QVUnitPacket, RoundTripKeepsArgumentsAndDataBlock)
{
    QVUnitPacket packet;
    packet.destination = kUnitControlCenter;
    packet.command = kUnitCcText;
    packet.sequence = 0xDEADBEEF;
    packet.arguments = {1, 0x80000000u};
    packet.data = Bytes("HELLO");
    std::vector<uint8_t> frame = Frame(packet);
    ASSERT_EQ(size_t(5 + 16 + 8 + 5), frame.size());

    QVUnitPacket decoded;
    ASSERT_EQ(QVFrameCheck::kOk, QVDecodeFrame(frame.data(), frame.size(), decoded));
    EXPECT_EQ(packet.destination, decoded.destination);
    EXPECT_EQ(packet.command, decoded.command);
    EXPECT_EQ(packet.sequence, decoded.sequence);
    EXPECT_EQ(packet.arguments, decoded.arguments);
    EXPECT_EQ(packet.data, decoded.data);
}

TEST(QVUnitPacket, DamagedFramesAreRefusedInCheckOrder)
{
    std::vector<uint8_t> good = Frame(Reply(kUnitIdentify | kUnitReplyBit, {kDeviceBlockSensor, 3, 2}));
    QVUnitPacket out;

    std::vector<uint8_t> frame = good;
    frame[0] = 0x03;
    EXPECT_EQ(QVFrameCheck::kBadStart, QVDecodeFrame(frame.data(), frame.size(), out));

    frame = good;
    frame[1] = 15;   // below the least payload
    EXPECT_EQ(QVFrameCheck::kBadLength, QVDecodeFrame(frame.data(), frame.size(), out));
    frame[1] = 0x01;
    frame[2] = 0x10; // 4097
    EXPECT_EQ(QVFrameCheck::kBadLength, QVDecodeFrame(frame.data(), frame.size(), out));

    frame = good;
    frame.pop_back();
    EXPECT_EQ(QVFrameCheck::kShort, QVDecodeFrame(frame.data(), frame.size(), out));

    frame = good;
    frame[10] ^= 0x40;
    EXPECT_EQ(QVFrameCheck::kBadChecksum, QVDecodeFrame(frame.data(), frame.size(), out));

    // An argument count that runs past the payload is a broken layout even
    // with a correct checksum.
    frame = good;
    frame[3 + 12] = 4;
    Reseal(frame);
    EXPECT_EQ(QVFrameCheck::kBadLayout, QVDecodeFrame(frame.data(), frame.size(), out));
    frame[3 + 12] = 65;
    Reseal(frame);
    EXPECT_EQ(QVFrameCheck::kBadLayout, QVDecodeFrame(frame.data(), frame.size(), out));
}

// Wrong destinations, sequences, busy and refused replies reach the link from
// the simulated unit; these are the shapes the unit never sends.
TEST(QVUnitPacket, ReplyMustCarryTheReplyBitOfItsOwnCommand)
{
    QVUnitPacket request;
    request.destination = 0x202;
    request.command = kUnitTrialList;
    request.sequence = 7;

    EXPECT_EQ(QVFrameCheck::kOk, QVCheckReply(request, Reply(kUnitTrialList | kUnitReplyBit, {0, 3})));
    EXPECT_EQ(QVFrameCheck::kWrongCommand, QVCheckReply(request, Reply(kUnitTrialList, {0, 3})));
    EXPECT_EQ(QVFrameCheck::kBadLayout, QVCheckReply(request, Reply(kUnitBusyReply, {1})));
}

TEST(QVUnitReplies, IdentityAndStatusTakeOnlyWellFormedReplies)
{
    QVIdentity identity;
    EXPECT_TRUE(QVDecodeIdentity(Reply(0, {kDeviceControlCenter, 0x15100, 0}), identity));
    EXPECT_EQ(kDeviceControlCenter, identity.deviceType);
    EXPECT_FALSE(QVDecodeIdentity(Reply(0, {kDeviceBlockSensor, 1}), identity));
    EXPECT_FALSE(QVDecodeIdentity(Reply(0, {kDeviceBlockSensor, 1, 128}), identity));

    QVUnitStatus status;
    EXPECT_TRUE(QVDecodeStatus(Reply(0, {77, 0, 2}), status));
    EXPECT_EQ(77, status.valueA);
    EXPECT_EQ(2, status.unit);
    QVUnitPacket withData = Reply(0, {77, 0, 2});
    withData.data = {1};
    EXPECT_FALSE(QVDecodeStatus(withData, status));
}

TEST(QVUnitReplies, TrialCountBeyondWhatAUnitHoldsIsABadReply)
{
    int32_t count = -5;
    EXPECT_TRUE(QVDecodeTrialList(Reply(0, {0, uint32_t(kUnitMaxTrials)}), count));
    count = 9;
    EXPECT_FALSE(QVDecodeTrialList(Reply(0, {0, uint32_t(kUnitMaxTrials + 1)}), count));
    EXPECT_EQ(9, count);
}

TEST(QVUnitReplies, TrialDataTakesNoMoreSamplesThanAskedAndMatchingBlock)
{
    QVTrialRecord record;
    QVUnitPacket reply = Reply(0, {100, 2});
    reply.data = {0x01, 0x00, 0xFF, 0xFF, 0x10, 0x27, 0x00, 0x80};
    int32_t received = 0;
    ASSERT_TRUE(QVDecodeTrialData(reply, 100, 4, record, received));
    EXPECT_EQ(2, received);
    EXPECT_EQ(1, record.x[100]);
    EXPECT_EQ(-1, record.y[100]);
    EXPECT_EQ(10000, record.x[101]);
    EXPECT_EQ(-32768, record.y[101]);

    EXPECT_FALSE(QVDecodeTrialData(reply, 100, 1, record, received));   // more than asked
    EXPECT_FALSE(QVDecodeTrialData(reply, 99, 4, record, received));    // other first sample
    reply.data.pop_back();
    EXPECT_FALSE(QVDecodeTrialData(reply, 100, 4, record, received));   // block too short
    QVUnitPacket past = Reply(0, {5000, 2});
    past.data.assign(8, 0);
    EXPECT_FALSE(QVDecodeTrialData(past, 5000, 2, record, received));   // beyond sample 5000
    QVUnitPacket none = Reply(0, {100, 0});
    EXPECT_FALSE(QVDecodeTrialData(none, 100, 4, record, received));    // no progress
}

TEST(QVUnitReplies, HeaderNeedsAllSeventeenWords)
{
    std::vector<uint32_t> words(kUnitHeaderWords, kUnitNoTime);
    words[3] = 99;
    words[14] = 1234;
    words[16] = 5;
    QVTrialRecord record;
    ASSERT_TRUE(QVDecodeTrialHeader(Reply(0, words), record));
    EXPECT_EQ(99, record.reaction);
    EXPECT_EQ(1234, record.power);
    EXPECT_EQ(5, record.source);
    words.pop_back();
    EXPECT_FALSE(QVDecodeTrialHeader(Reply(0, words), record));
}

TEST(QVMonitorDialogueLines, DataLinesAreUpperCaseHexAndCrcHasEightDigits)
{
    std::vector<uint8_t> bytes = {0x00, 0xAB, 0x7F, 0x10};
    EXPECT_EQ("D 00AB7F10", QVMonitorDialogue::DataLine(bytes.data(), bytes.size()));
    std::vector<uint8_t> full(kMonitorLineBytes, 0xFF);
    EXPECT_EQ(2u + 128u, QVMonitorDialogue::DataLine(full.data(), full.size()).size());
    EXPECT_EQ("0000002A", QVMonitorDialogue::CrcText(42));
    EXPECT_EQ("CBF43926", QVMonitorDialogue::CrcText(0xCBF43926u));
}
