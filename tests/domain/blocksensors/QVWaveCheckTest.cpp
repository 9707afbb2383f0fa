// What a sound upload accepts as a WAV file, on byte vectors.
#include "domain/blocksensors/QVWaveCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// A format chunk with a field no reader plays from is refused, whatever the
// others; other format tags pass as they stand. Bits a sample count only for
// the formats read sample by sample: a compressed format gives 0 there. A
// data size of 0xFFFFFFFF ("length unknown") has its own reason, however
// many bytes follow.
TEST(QVWaveCheck, AFormatWithoutTagChannelsRateOrNeededBitsAndDataOfUnknownLengthAreRefused)
{
    const std::string good = WaveFileBytes(300, 2);
    // Offsets in the file of the tag, the channels, the rate and the bits.
    for (const auto &field : { std::make_pair(20, 2), std::make_pair(22, 2), std::make_pair(24, 4), std::make_pair(34, 2) }) {
        std::string bad = good;
        bad.replace(size_t(field.first), size_t(field.second), std::string(size_t(field.second), '\0'));
        EXPECT_EQ(QVWaveFault::kBadFormat, Check(bad)) << "field at " << field.first;
    }
    std::string loose = good;
    loose.replace(20, 2, "\xFE\xFF");                // the extensible format
    loose.replace(28, 6, std::string(6, '\0'));       // byte rate and alignment are not looked at
    EXPECT_EQ(QVWaveFault::kNone, Check(loose));

    // PCM, float, A-law, mu-law and extensible without bits a sample; GSM 6.10
    // and MPEG layer 3 with them at 0, as their writers leave them.
    std::string bitless = good;
    bitless.replace(34, 2, std::string(2, '\0'));
    for (const char *tag : { "\x01\x00", "\x03\x00", "\x06\x00", "\x07\x00", "\xFE\xFF" })
        EXPECT_EQ(QVWaveFault::kBadFormat, Check(bitless.replace(20, 2, tag, 2))) << "tag " << int(uint8_t(tag[0]));
    EXPECT_EQ(QVWaveFault::kNone, Check(bitless.replace(20, 2, "\x31\x00", 2)));
    EXPECT_EQ(QVWaveFault::kNone, Check(bitless.replace(20, 2, "\x55\x00", 2)));
    EXPECT_EQ(QVWaveFault::kBadFormat, Check(bitless.replace(22, 2, std::string(2, '\0'))));

    std::string unsized = good;
    EXPECT_EQ(QVWaveFault::kDataUnsized, Check(unsized.replace(40, 4, "\xFF\xFF\xFF\xFF")));
    EXPECT_EQ(QVWaveFault::kDataPastEnd, Check(unsized.replace(40, 4, "\xFE\xFF\xFF\xFF")));
}
