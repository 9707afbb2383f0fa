// The blockette decoder and VImageBlock::Frame over the frame pool.
#include "imaging/store/VImageBlock.h"

#include "imaging/image/VImage.h"
#include "imaging/store/VImageBlocks.h"
#include "imaging/store/VImageFrame.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/support/TestBlockEncoder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace
{
using Pixels = std::vector<uint16_t>;

class VImageBlockCodecTest : public ImageStoreTest
{
protected:
    void Colour(int height) { Coded(height, 1); }
    void Grey(int height) { Coded(height, 0); }
    Pixels ColourFrame(int f, int n) { return Frame<uint16_t>(f, n); }
    std::vector<uint8_t> GreyFrame(int f, int n) { return Frame<uint8_t>(f, n); }
    // A colour encoder whose frame 0 is reference and frame 1 a delta
    // blockette of the given codes against it.
    static TestBlockEncoder DeltaOnReference(const Pixels &reference, const TestBitWriter &codes)
    {
        TestBlockEncoder encoder(VImageBlock::kPixelColour);
        encoder.AddColourPlain(0, reference);
        encoder.AddRaw(TestBlockEncoder::Header(0, 1, 1), {1}, codes.Units());
        return encoder;
    }
    ~VImageBlockCodecTest() override { list.ReturnAll(); }

private:
    // The block as the first of a coded image of one camera with the given
    // frame height and colour setting.
    void Coded(int height, int colour)
    {
        SetCodedCamera(image.Camera(), height, colour);
        block.SetImage(&image);
        list.Add(&block, false);
    }
    // The first n pixels of frame f; empty when it does not decode.
    template <typename T> std::vector<T> Frame(int f, int n)
    {
        list[0];
        const auto *pixels = reinterpret_cast<const T *>(block.Frame(f));
        return pixels ? std::vector<T>(pixels, pixels + n) : std::vector<T>();
    }

protected:

    VImage image;
    VImageBlocks list;
    VImageBlock block{0};
};
} // namespace

TEST_F(VImageBlockCodecTest, DeltaZeroCodeCopiesTheReferencePixelInThreeBits)
{
    Colour(64);
    const Pixels reference(64, Rgb15(4, 5, 6));
    // Pixel 0 "000", pixel 1 upper +2, every other pixel "000".
    TestBitWriter bits;
    bits.Put(0, 3);
    bits.Put(0b001, 3);
    bits.Put(0, 1);
    bits.Put(0, 1);
    for (int i = 2; i < 64; ++i)
        bits.Put(0, 3);
    DeltaOnReference(reference, bits).WriteTo(block);
    Pixels expected = reference;
    expected[1] = Rgb15(6, 5, 6);
    EXPECT_EQ(ColourFrame(1, 64), expected);
}

TEST_F(VImageBlockCodecTest, DeltaChannelsWrapModulo32)
{
    Colour(64);
    Pixels reference(64, Rgb15(31, 10, 0));
    TestBitWriter bits;
    for (int i = 0; i < 64; ++i) {
        bits.Put(0b001, 3);  // upper + 2
        bits.Put(0b11 | 17 << 2, 7);  // middle := 17
        bits.Put(0b101, 3);  // lower - 2
    }
    DeltaOnReference(reference, bits).WriteTo(block);
    EXPECT_EQ(ColourFrame(1, 64), Pixels(64, Rgb15(1, 17, 30)));
}

TEST_F(VImageBlockCodecTest, PairedPixelWithZeroChangesGivesTwoFramesEqualToTheReference)
{
    Colour(64);
    const Pixels reference(64, Rgb15(20, 21, 22));
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, reference);
    TestBitWriter bits;
    for (int i = 0; i < 64; ++i) {
        bits.Put(1, 1);
        for (int d = 0; d < 6; ++d)
            bits.Put(0, 1);
    }
    encoder.AddRaw(TestBlockEncoder::Header(2, 2, 1), {1, 2}, bits.Units());
    encoder.AddColourPlain(3, Pixels(64, 7));
    encoder.WriteTo(block);
    EXPECT_EQ(ColourFrame(1, 64), reference);
    EXPECT_EQ(ColourFrame(2, 64), reference);
    EXPECT_EQ(ColourFrame(3, 64), Pixels(64, 7));
}

TEST_F(VImageBlockCodecTest, APayloadCutInsideACodeReadsAsNoChange)
{
    Colour(64);
    const Pixels reference(64, Rgb15(9, 9, 9));
    // Only pixel 0 is coded ("11" and the first bits of a new upper value);
    // everything after the payload reads as zero bits.
    TestBitWriter bits;
    for (int i = 0; i < 5; ++i)
        bits.Put(0, 3);
    bits.Put(0b1, 1);
    TestBlockEncoder encoder = DeltaOnReference(reference, bits);
    // The next blockette's words follow at once: they must not be read as payload.
    encoder.AddColourPlain(2, Pixels(64, 0x7FFF));
    encoder.WriteTo(block);
    // The cut code reads "1" then zeros: upper +2 on pixel 5, then no change.
    Pixels expected = reference;
    expected[5] = Rgb15(11, 9, 9);
    EXPECT_EQ(ColourFrame(1, 64), expected);
}

TEST_F(VImageBlockCodecTest, APayloadPastTheLastWordFailsAndIsLogged)
{
    Colour(64);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, Pixels(64, 1));
    encoder.WriteTo(block);
    block.SetHalf(0, 0, 2);
    // A second blockette starting at word 3990 claiming 20 words.
    block.SetHalf(2, 0, uint16_t(3990 - 2));
    block.SetWord(3990, 20u | uint32_t(TestBlockEncoder::Header(1, 1, 1)) << 16);
    EXPECT_EQ(ColourFrame(0, 64), Pixels(64, 1));
    EXPECT_TRUE(ColourFrame(1, 64).empty());
    EXPECT_TRUE(log.Contains("VImageBlock::Frame: error decompressing"));
}

TEST_F(VImageBlockCodecTest, GreyDeltaBlocketteDecodesAsPlainOnlyWithoutReference)
{
    Grey(64);
    std::vector<uint8_t> levels(64);
    for (int i = 0; i < 64; ++i)
        levels[i] = uint8_t(i);
    TestBlockEncoder encoder(VImageBlock::kPixelGrey);
    encoder.AddGreyPlain(0, levels);
    encoder.WriteTo(block);
    block.SetBlocketteHeader(2, TestBlockEncoder::Header(0, 1, 1));
    std::vector<uint8_t> shown(64);
    for (int i = 0; i < 64; ++i)
        shown[i] = VImageFrame::GreyMap()[i];
    EXPECT_EQ(GreyFrame(0, 64), shown);

    TestBlockEncoder two(VImageBlock::kPixelGrey);
    two.AddGreyPlain(0, levels);
    const int second = two.AddGreyPlain(1, levels);
    two.WriteTo(block);
    block.SetBlocketteHeader(second, TestBlockEncoder::Header(0, 1, 1));
    EXPECT_TRUE(GreyFrame(1, 64).empty());
}

TEST_F(VImageBlockCodecTest, GreyBytesAboveTheTopLevelShowAsTheTopLevel)
{
    Grey(64);
    std::vector<uint8_t> levels(64, 200);
    levels[0] = 93;
    levels[1] = 94;
    TestBlockEncoder encoder(VImageBlock::kPixelGrey);
    encoder.AddGreyPlain(0, levels);
    encoder.WriteTo(block);
    EXPECT_EQ(GreyFrame(0, 64), std::vector<uint8_t>(64, 255));
}

TEST_F(VImageBlockCodecTest, AveragingFillsEachGroupWithinTheFrameBuffer)
{
    Colour(1000);
    Pixels pixels(1000);
    for (int i = 0; i < 1000; ++i)
        pixels[i] = uint16_t(i / 12 + 1);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, pixels, 12);
    encoder.WriteTo(block);
    list[0];
    const auto *decoded = reinterpret_cast<const uint16_t *>(block.Frame(0));
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(Pixels(decoded, decoded + 1000), pixels);
    // The last group (from 996) runs on into the buffer's slack up to 1007.
    EXPECT_EQ(decoded[1007], pixels[996]);
}

TEST_F(VImageBlockCodecTest, FramesDecodeAlikeInAnyOrderThroughTheCache)
{
    Colour(64);
    std::mt19937 random(7);
    std::vector<Pixels> frames;
    Pixels current(64);
    for (uint16_t &p : current)
        p = uint16_t(random() & 0x7FFF);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, current);
    frames.push_back(current);
    for (int step = 0; step < 30; ++step) {
        Pixels next = current;
        for (uint16_t &p : next)
            if (random() % 3 == 0)
                p = uint16_t(p ^ (1u << (random() % 15)));
        if (step % 3 == 2) {
            // Changes the paired code reaches: +2 and +29, then -1 and +3.
            Pixels paired(current.size());
            for (size_t i = 0; i < paired.size(); ++i)
                paired[i] = Rgb15((current[i] >> 10) + 2, current[i] >> 5 & 31, (current[i] & 31) + 29);
            Pixels after = paired;
            for (uint16_t &p : after)
                p = Rgb15((p >> 10) + 31, (p >> 5 & 31) + 3, p & 31);
            encoder.AddPaired(2 * step, 2 * step + 1, current, paired, after);
            frames.push_back(paired);
            frames.push_back(after);
            current = after;
        } else {
            encoder.AddDelta(2 * step, current, next);
            frames.push_back(next);
            current = next;
        }
    }
    encoder.WriteTo(block);
    ASSERT_EQ(block.FrameCount(), int32_t(frames.size()));
    EXPECT_TRUE(block.Validate());
    EXPECT_TRUE(block.ChecksumValid());

    std::vector<int> order;
    for (int f = int(frames.size()) - 1; f >= 0; f -= 3)
        order.push_back(f);
    for (int f = 0; f < int(frames.size()); ++f)
        order.push_back(f);
    std::shuffle(order.begin() + 10, order.end(), random);
    for (int f : order)
        ASSERT_EQ(ColourFrame(f, 64), frames[size_t(f)]) << "frame " << f;
    EXPECT_FALSE(log.Contains("VImageBlock"));
}

TEST_F(VImageBlockCodecTest, ABlockOutsideItsListIsLoggedAndStillDecoded)
{
    SetCodedCamera(image.Camera(), 64, 1);
    block.SetImage(&image);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, Pixels(64, 3));
    encoder.WriteTo(block);
    EXPECT_NE(block.Frame(0), nullptr);
    EXPECT_TRUE(log.Contains("VImageBlock::Frame: itsImageBlocks is null"));
    list.Add(&block, false);
    VImageBlock other(1);
    list.Add(&other, false);  // now the block in use
    EXPECT_NE(block.Frame(0), nullptr);
    EXPECT_TRUE(log.Contains("VImageBlock::Frame: this != itsImageBlocks->inUse"));
}

TEST_F(VImageBlockCodecTest, ANewImageForgetsTheFramesDecodedBefore)
{
    Colour(64);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, Pixels(64, 3));
    encoder.WriteTo(block);
    EXPECT_EQ(ColourFrame(0, 64), Pixels(64, 3));
    TestBlockEncoder other(VImageBlock::kPixelColour);
    other.AddColourPlain(0, Pixels(64, 4));
    other.WriteTo(block);
    EXPECT_EQ(ColourFrame(0, 64), Pixels(64, 4));
    VImage second;
    SetCodedCamera(second.Camera(), 64, 1);
    block.SetImage(&second);
    for (KListItem *item = VImageFrame::Pool()->First(); item; item = VImageFrame::Pool()->Next(item))
        EXPECT_NE(static_cast<VImageFrame *>(item)->Block(), &block);
}
