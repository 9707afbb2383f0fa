// The link's frames and the simulated unit's frames are built by separate
// code; each side must read what the other writes.
#include <gtest/gtest.h>

#include "domain/blocksensors/QVUnitCrc.h"
#include "domain/blocksensors/QVUnitPacket.h"
#include "domain/blocksensors/QVUnitProtocol.h"
#include "tools/unitsim/UnitSimWire.h"

TEST(QVUnitWireAgreement, UnitReadsTheLinksRequests)
{
    QVUnitPacket request;
    request.destination = 0x202;
    request.command = kUnitTrialData;
    request.sequence = 41;
    request.arguments = {2, 512, 256};
    std::vector<uint8_t> bytes;
    QVEncodeFrame(request, bytes);
    QVEncodeFrame(request, bytes);   // two frames back to back

    unitsim::FrameParser parser;
    unitsim::Frame frame;
    std::vector<uint8_t> noise = {0xFF, 0x00};
    EXPECT_FALSE(parser.Feed(noise.data(), noise.size(), frame));
    ASSERT_TRUE(parser.Feed(bytes.data(), bytes.size(), frame));
    EXPECT_EQ(0x202u, frame.destination);
    EXPECT_EQ(kUnitTrialData, frame.command);
    EXPECT_EQ(41u, frame.sequence);
    EXPECT_EQ(request.arguments, frame.args);
    ASSERT_TRUE(parser.Feed(nullptr, 0, frame));
    EXPECT_FALSE(parser.Feed(nullptr, 0, frame));
}

TEST(QVUnitWireAgreement, LinkReadsTheUnitsReplies)
{
    std::vector<uint8_t> block(256 * 4);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t(i * 13);
    std::vector<uint8_t> bytes = unitsim::BuildFrame(kUnitHost, kUnitTrialData | kUnitReplyBit, 41, {512, 256}, block);
    QVUnitPacket reply;
    ASSERT_EQ(QVFrameCheck::kOk, QVDecodeFrame(bytes.data(), bytes.size(), reply));
    EXPECT_EQ(block, reply.data);
    EXPECT_EQ(512u, reply.arguments[0]);
}

TEST(QVUnitWireAgreement, BothChecksumsAgree)
{
    std::vector<uint8_t> bytes(1000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i * i + 7);
    EXPECT_EQ(unitsim::Crc16(bytes.data(), bytes.size()), QVCrc16(bytes.data(), bytes.size()));
    EXPECT_EQ(unitsim::Crc32(bytes.data(), bytes.size()), QVCrc32(bytes.data(), bytes.size()));
}
