// The link and the simulated unit compute their checksums with separate
// code; both must agree on every byte.
#include <gtest/gtest.h>

#include "domain/blocksensors/QVUnitCrc.h"
#include "tools/unitsim/UnitSimWire.h"

TEST(QVUnitWireAgreement, BothChecksumsAgree)
{
    std::vector<uint8_t> bytes(1000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i * i + 7);
    EXPECT_EQ(unitsim::Crc16(bytes.data(), bytes.size()), QVCrc16(bytes.data(), bytes.size()));
    EXPECT_EQ(unitsim::Crc32(bytes.data(), bytes.size()), QVCrc32(bytes.data(), bytes.size()));
}
