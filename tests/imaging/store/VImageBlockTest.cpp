// Block layouts, blockette fields, the validity check and the copies that
// repack frames.
#include "imaging/store/VImageBlock.h"

#include "imaging/image/VImage.h"
#include "imaging/store/VImageBlocks.h"
#include "imaging/store/VImageFrame.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/support/TestBlockEncoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class VImageBlockTest : public ImageStoreTest
{
protected:
    // Puts block into the list as the block in use, as the image does.
    void Hold(VImageBlock &b)
    {
        list.Add(&b, false);
        list[b.Id()];
    }
    ~VImageBlockTest() override
    {
        // The blocks below belong to the test, not to a manager.
        list.ReturnAll();
    }

    VImage image;
    VImageBlocks list;
    VImageBlock block{0};
};
} // namespace

TEST_F(VImageBlockTest, PlainBlocksHoldFramesInSlotsWithBigEndianTimes)
{
    SetPlainCamera(image.Camera(), 3);  // 128 pixels per frame
    block.SetId(2);
    block.SetImage(&image);
    Hold(block);
    uint8_t *bytes = block.Bytes();
    for (int i = 0; i < VImageBlock::kBytes; ++i)
        bytes[i] = uint8_t(i / 128 + i % 7);
    bytes[380] = 0x01;
    bytes[381] = 0x02;
    bytes[382] = 0x03;
    bytes[383] = 0x04;

    EXPECT_EQ(block.BlockFormat(), VImageBlock::kPlain);
    EXPECT_EQ(block.FrameCount(), 125);
    EXPECT_EQ(block.FirstFrame(), 250);
    EXPECT_EQ(block.BitsPerPixel(), 8);
    EXPECT_EQ(block.Time(2).ToInt64(), 0x01020304);
    EXPECT_EQ(block.Time(125).ToInt64(), 0);  // no such frame
    const uint8_t *frame = block.Frame(7);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(std::equal(frame, frame + 128, bytes + 7 * 128));
    EXPECT_FALSE(log.Contains("VImageBlock::Frame"));
}

TEST_F(VImageBlockTest, ABlockWithoutUsableFormatHasNoFramesAndDecodesNothing)
{
    block.SetImage(&image);
    image.Camera().SetParameter(VCamera::kModel, 100);
    EXPECT_EQ(block.BlockFormat(), VImageBlock::kNoFormat);
    EXPECT_EQ(block.FrameCount(), 0);
    EXPECT_EQ(block.BitsPerPixel(), 0);
    EXPECT_EQ(block.PixelMode(), -1);

    // A colour frame taller than the frame buffer's 1012 pixels is no format either.
    SetCodedCamera(image.Camera(), 1024, 1);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(0, std::vector<uint16_t>(1024, 5));
    encoder.WriteTo(block);
    Hold(block);
    EXPECT_EQ(block.Frame(0), nullptr);
    EXPECT_TRUE(log.Contains("VImageBlock::Frame: error decompressing"));
}

TEST_F(VImageBlockTest, BlocketteFieldsAreClampedToWhatTheCodecHandles)
{
    SetCodedCamera(image.Camera(), 64, 1);
    block.SetImage(&image);
    // frames field 5 (six frames), averaging field 15 (sixteen), length 2000
    block.SetWord(2, 2000u | uint32_t(0x0F50) << 16);
    EXPECT_EQ(block.BlocketteFrames(2), 2);
    EXPECT_EQ(block.BlocketteAveraging(2), 12);
    EXPECT_EQ(block.BlocketteLength(2), 1313);
    block.SetWord(3500, 2000u);
    EXPECT_EQ(block.BlocketteLength(3500), 500);
    block.SetHalf(0, 0, 0x7FFF);
    EXPECT_EQ(block.FrameCount(), 4000);
}

TEST_F(VImageBlockTest, ValidateMasksTheCountsAndRefusesBrokenChains)
{
    SetCodedCamera(image.Camera(), 64, 0);
    block.SetImage(&image);
    struct Case
    {
        const char *what;
        int32_t header;
        std::vector<int32_t> times;
        int32_t length;  // -1: as written
        bool valid;
    };
    const std::vector<Case> cases = {
        {"plain frame", TestBlockEncoder::Header(1, 1, 1), {10}, -1, true},
        {"mode 3", 3, {10}, -1, false},
        {"header bit 12", TestBlockEncoder::Header(1, 1, 1) | 0x1000, {10}, -1, false},
        {"header bit 14", TestBlockEncoder::Header(1, 1, 1) | 0x4000, {10}, -1, false},
        {"paired with falling times", TestBlockEncoder::Header(2, 2, 1), {10, 9}, -1, false},
        {"shorter than its time words", TestBlockEncoder::Header(2, 2, 1), {10, 11}, 2, false},
        {"length 0", TestBlockEncoder::Header(1, 1, 1), {10}, 0, false},
    };
    for (const Case &c : cases) {
        TestBlockEncoder encoder(VImageBlock::kPixelColour);
        encoder.AddColourPlain(5, std::vector<uint16_t>(64, 1));
        encoder.AddRaw(c.header, c.times, std::vector<uint16_t>(64, 1), c.length);
        encoder.WriteTo(block);
        // Stray bits above the counts are cleared and written back.
        block.SetHalf(0, 0, uint16_t(block.Half(0, 0) | 0xFC00));
        block.SetHalf(2, 0, uint16_t(block.Half(2, 0) | 0xC000));
        EXPECT_EQ(block.Validate(), c.valid) << c.what;
        EXPECT_EQ(block.Half(0, 0), encoder.Frames()) << c.what;
        EXPECT_EQ(block.Half(2, 0) & 0xC000, 0) << c.what;
    }

    // A time before the previous blockette's is refused as well.
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(20, std::vector<uint16_t>(64, 1));
    encoder.AddColourPlain(19, std::vector<uint16_t>(64, 1));
    encoder.WriteTo(block);
    EXPECT_FALSE(block.Validate());
}

TEST_F(VImageBlockTest, ADamagedChainEndsTheBlocketteSearch)
{
    SetCodedCamera(image.Camera(), 64, 1);
    block.SetImage(&image);
    block.SetHalf(0, 0, 50);
    // Every blockette length is 0: the search must not stand still for ever.
    int32_t f = 40;
    EXPECT_EQ(block.FindBlockette(f), 2);
    EXPECT_EQ(block.Time(40).ToInt64(), 0);
}

TEST_F(VImageBlockTest, CopyFrameAsRawWritesAPlainBlocketteThatDecodesToTheSameFrame)
{
    SetCodedCamera(image.Camera(), 64, 1);
    block.SetImage(&image);
    Hold(block);
    std::vector<uint16_t> reference(64), target(64);
    for (int i = 0; i < 64; ++i) {
        reference[i] = Rgb15(i % 32, 7, 9);
        target[i] = Rgb15(i % 32, 9, 31 - i % 32);
    }
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(100, reference);
    encoder.AddDelta(104, reference, target);
    encoder.WriteTo(block);
    // The second blockette averages groups of 3.
    const int delta = 2 + block.BlocketteLength(2);
    block.SetBlocketteHeader(delta, TestBlockEncoder::Header(0, 1, 3));

    VImageBlock copy(0);
    copy.SetImage(&image);
    int32_t offset = 2, frames = 0;
    ASSERT_TRUE(block.CopyFrameAsRaw(&copy, offset, frames, 1));
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(copy.Half(2, 1), 0x201);
    EXPECT_EQ(copy.BlocketteLength(2), (22 * 2 + 3) / 4 + 2);
    EXPECT_EQ(offset, 2 + copy.BlocketteLength(2));
    EXPECT_EQ(copy.BlocketteTime(2, 0), 104);

    std::vector<uint16_t> expected(64);
    const auto *decoded = reinterpret_cast<const uint16_t *>(block.Frame(1));
    ASSERT_NE(decoded, nullptr);
    expected.assign(decoded, decoded + 64);
    copy.SetFrameCount(1);
    copy.SetPixelMode(VImageBlock::kPixelColour);
    list.Add(&copy, false);
    list[copy.Id()];
    const auto *again = reinterpret_cast<const uint16_t *>(copy.Frame(0));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(std::vector<uint16_t>(again, again + 64), expected);
}

TEST_F(VImageBlockTest, CopyBlocketteCopiesTheWholeBlocketteOfItsFirstFrame)
{
    SetCodedCamera(image.Camera(), 64, 1);
    block.SetImage(&image);
    const std::vector<uint16_t> pixels(64, Rgb15(1, 2, 3));
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(1, pixels);
    const int pair = encoder.AddPaired(2, 3, pixels, pixels, pixels);
    encoder.WriteTo(block);
    const int32_t length = block.BlocketteLength(pair);

    VImageBlock copy(1);
    int32_t offset = 10, frames = 0;
    ASSERT_TRUE(block.CopyBlockette(&copy, offset, frames, 1));
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(offset, 10 + length);
    for (int w = 0; w < length; ++w)
        EXPECT_EQ(copy.Word(10 + w), block.Word(pair + w));
    EXPECT_FALSE(log.Contains("srcBlocketteFrame"));

    // Counting only, from the second frame of the pair: logged, still counted.
    offset = 0;
    ASSERT_TRUE(block.CopyBlockette(nullptr, offset, frames, 2));
    EXPECT_EQ(offset, length);
    EXPECT_TRUE(log.Contains("VImageBlock::CopyBlockette: srcBlocketteFrame != 0"));
}
