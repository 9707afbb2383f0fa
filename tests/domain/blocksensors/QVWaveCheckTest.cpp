// What a sound upload accepts as a WAV file, on byte vectors.
#include "domain/blocksensors/QVWaveCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestBytes.h"

namespace
{
QVWaveFault Check(const std::string &bytes) { return QVCheckWave(std::vector<uint8_t>(bytes.begin(), bytes.end())); }
} // namespace

TEST(QVWaveCheck, OnlyFilesEveryWavReaderOpensPass)
{
    const std::string good = WaveFileBytes(300, 1);
    EXPECT_EQ(QVWaveFault::kNone, Check(good));
    // An odd-sized chunk before the format is padded to an even size.
    std::string listed = good;
    listed.insert(12, std::string("LIST\x03\x00\x00\x00xyz\x00", 12));
    EXPECT_EQ(QVWaveFault::kNone, Check(listed));

    EXPECT_EQ(QVWaveFault::kNotWave, Check("not a sound at all"));
    EXPECT_EQ(QVWaveFault::kNotWave, Check("RIFF"));
    // The header cut inside the format chunk, and inside a chunk header.
    EXPECT_EQ(QVWaveFault::kHeaderCut, Check(good.substr(0, 30)));
    EXPECT_EQ(QVWaveFault::kHeaderCut, Check(good.substr(0, 40)));
    // The magic and the format, then nothing.
    EXPECT_EQ(QVWaveFault::kNoData, Check(good.substr(0, 36)));
    // Junk after the magic: a chunk that claims far more than the file has.
    EXPECT_EQ(QVWaveFault::kNoData, Check(good.substr(0, 12) + RandomBytes(200, 7).replace(4, 4, "\xF0\xFF\xFF\x7F")));
    // Data before any format.
    EXPECT_EQ(QVWaveFault::kNoFormat, Check(good.substr(0, 12) + good.substr(36)));
    // The data chunk ends past the end of the file.
    EXPECT_EQ(QVWaveFault::kDataPastEnd, Check(good.substr(0, good.size() - 1)));
}
