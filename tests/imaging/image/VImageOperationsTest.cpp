// Image operations: object search and crop, cutting and restoring frames,
// packing blocks, the display table, white balance, rendering and printing.
#include "imaging/image/VImage.h"

#include "foundation/streams/KFile.h"
#include "imaging/VImagingCodes.h"
#include "imaging/image/VImageServices.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/store/VImageFrame.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/support/TestBlockEncoder.h"
#include "imaging/views/VImageView.h"

#include <gtest/gtest.h>

#include <numeric>

namespace
{
using Levels = std::vector<std::vector<uint8_t>>;

class VImageOperationsTest : public ImageTest
{
protected:
    // A grey coded image of frames whose levels are all 0 but for a stretch.
    void GreyImage(VImage &image, int frames, int from, int to, uint8_t level)
    {
        SetCodedCamera(image.Camera(), 64, 0);
        Levels levels(size_t(frames), std::vector<uint8_t>(64, 0));
        for (int f = from; f <= to; ++f)
            levels[size_t(f)].assign(64, level);
        AddGreyBlocks(image, levels, 100);
    }
    // A grey image whose frame f carries its number in pixels 0 and 1.
    void NumberedImage(VImage &image, int frames)
    {
        SetCodedCamera(image.Camera(), 64, 0);
        Levels levels(size_t(frames), std::vector<uint8_t>(64, 50));
        for (int f = 0; f < frames; ++f) {
            levels[size_t(f)][0] = uint8_t(f % 90);
            levels[size_t(f)][1] = uint8_t(f / 90);
        }
        AddGreyBlocks(image, levels, 100);
    }
    static int NumberOf(VImage &image, int32_t displayed)
    {
        const uint8_t *pixels = image.FramePixels(displayed);
        const uint8_t *inverse = VImageFrame::GreyInverse();
        return inverse[pixels[0]] + 90 * inverse[pixels[1]];
    }
};
} // namespace

TEST_F(VImageOperationsTest, FindNextObjectFindsABrightStretchWithItsLeadIn)
{
    VImage image;
    GreyImage(image, 400, 200, 207, 93);
    VImageView *view = image.GetView(0, true);
    KRect rect;
    int32_t abortState = -1;
    ASSERT_TRUE(image.FindNextObject(rect, *view, true, abortState));
    EXPECT_EQ(abortState, 0);
    EXPECT_EQ(rect.left, 192);
    EXPECT_GE(rect.right, 207);
    EXPECT_LT(rect.right, 260);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.bottom, 63);
    // Searching on from there finds nothing more.
    EXPECT_FALSE(image.FindNextObject(rect, *view, false, abortState));

    VImage black;
    GreyImage(black, 400, 0, -1, 0);
    EXPECT_FALSE(black.FindNextObject(rect, *black.GetView(0, true), true, abortState));
    // Without a pixel format there are no levels to compare.
    VImage none;
    none.Camera().SetParameter(VCamera::kModel, 100);
    EXPECT_FALSE(none.FindNextObject(rect, *none.GetView(0, true), true, abortState));
}

TEST_F(VImageOperationsTest, TheSearchThresholdsComeFromTheAutoCropSetting)
{
    // Level 7 shows as 19: a change of 74 per mille.
    VImage image;
    GreyImage(image, 400, 200, 207, 7);
    VImageView *view = image.GetView(0, true);
    KRect rect;
    int32_t abortState = 0;
    EXPECT_TRUE(image.FindNextObject(rect, *view, true, abortState));
    settings.Parse(L"\\Event\\Image\\AutoCrop:Int=10");
    EXPECT_FALSE(image.FindNextObject(rect, *view, true, abortState));
    settings.Parse(L"\\Event\\Image\\AutoCrop:Int=101");
    EXPECT_TRUE(image.FindNextObject(rect, *view, true, abortState));
}

TEST_F(VImageOperationsTest, CutFramesHidesStretchesAndRestoreBringsThemBack)
{
    RecordingOwner owner;
    VImage image(&owner, 1);
    NumberedImage(image, 300);
    VImageView *view = image.GetView(0, true);
    std::vector<int> model(300);
    std::iota(model.begin(), model.end(), 0);
    const auto cut = [&](int first, int last) {
        EXPECT_EQ(image.CutFrames(first, last, *view, true), last - first + 1);
        model.erase(model.begin() + first, model.begin() + last + 1);
    };
    cut(10, 19);
    cut(5, 12);     // takes in the first gap
    cut(150, 170);  // a later gap
    cut(100, 120);  // before it: the later gap moves down
    ASSERT_EQ(image.FrameCount(), int32_t(model.size()));
    EXPECT_EQ(image.TotalFrames(), 300);
    for (int32_t d = 0; d < image.FrameCount(); ++d)
        ASSERT_EQ(NumberOf(image, d), model[size_t(d)]) << d;
    EXPECT_EQ(owner.Count(kMsgTopicImage), 4);
    EXPECT_EQ(image.CutFrames(20, 20, *view, true), 0);

    image.RestoreFrames();
    EXPECT_EQ(image.FrameCount(), 300);
    EXPECT_FALSE(image.HasGaps());
    for (int32_t d = 0; d < 300; ++d)
        ASSERT_EQ(NumberOf(image, d), d);
    EXPECT_EQ(owner.Count(kMsgTopicImage), 5);
}

TEST_F(VImageOperationsTest, ColourCutsTakeWholeBlockettesOnly)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    TestFrames frames = AddColourBlocks(image, 3, 20, 21);
    VImageView *view = image.GetView(0, true);
    const int32_t cut = image.CutFrames(3, 30, *view, false);
    EXPECT_GT(cut, 0);
    EXPECT_LE(cut, 28);
    // Whatever was cut, the frames left are whole and in order.
    std::vector<std::vector<uint16_t>> shown;
    for (int32_t d = 0; d < image.FrameCount(); ++d)
        shown.push_back(ImagePixels(image, d));
    size_t next = 0;
    for (const auto &pixels : shown) {
        while (next < frames.pixels.size() && frames.pixels[next] != pixels)
            ++next;
        ASSERT_LT(next, frames.pixels.size());
    }
}

TEST_F(VImageOperationsTest, PackedBlocksOfACutImageReadBackAsShown)
{
    VImage image;
    image.SetExtension(KString(L"i01"));
    SetCodedCamera(image.Camera(), 64, 1);
    // One block of 1023 frames: a plain one, then 511 small paired blockettes.
    std::vector<uint16_t> reference(64);
    for (int i = 0; i < 64; ++i)
        reference[size_t(i)] = Rgb15(i % 32, 3, 4);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(1, reference);
    for (int k = 0; k < 511; ++k) {
        std::vector<uint16_t> first = reference, second;
        const size_t i = size_t(k % 64);
        first[i] = Rgb15((first[i] >> 10) + 1, first[i] >> 5 & 31, first[i] & 31);
        second = first;
        second[i] = Rgb15((second[i] >> 10) + 1, second[i] >> 5 & 31, second[i] & 31);
        encoder.AddPaired(2 + 2 * k, 3 + 2 * k, reference, first, second);
        reference = second;
    }
    AddEncodedBlock(image, encoder);
    ASSERT_EQ(image.FrameCount(), 1023);
    // Six pairs of every seven are cut (less would not leave room for a
    // plain frame): each frame left loses its reference and is stored plain,
    // more than five times larger than the pair it came in.
    VImageView *view = image.GetView(0, true);
    for (int q = 505; q >= 1; q -= 7)
        ASSERT_EQ(image.CutFrames(1 + 2 * q, 2 + 2 * (q + 5), *view, false), 12) << q;
    std::vector<std::vector<uint16_t>> shown;
    for (int32_t d = 0; d < image.FrameCount(); ++d)
        shown.push_back(ImagePixels(image, d));

    KFile document(log.Application().PathOf(L"packed.qve").c_str());
    document.Open(KFile::kModeReadWrite, true);
    image.Export(document);
    document.Close();
    EXPECT_FALSE(image.HasGaps());
    EXPECT_GE(image.BlockCount(), 2);
    EXPECT_FALSE(log.Contains("dstOffset"));

    VImage copy;
    document.Open(KFile::kModeRead);
    copy.Import(document);
    ASSERT_EQ(copy.FrameCount(), int32_t(shown.size()));
    for (int32_t d = 0; d < copy.FrameCount(); ++d)
        ASSERT_EQ(ImagePixels(copy, d), shown[size_t(d)]) << d;
}

TEST_F(VImageOperationsTest, AutoCropCutsTheEmptyStretchesAroundObjects)
{
    RecordingOwner owner;
    VImage image(&owner, 1);
    GreyImage(image, 400, 200, 207, 93);
    owner.messages.clear();
    image.AutoCrop(true);
    // 16 frames are kept before the object's lead-in; everything after it goes.
    EXPECT_LT(image.FrameCount(), 100);
    EXPECT_GT(image.FrameCount(), 8);
    int32_t bright = 0;
    for (int32_t d = 0; d < image.FrameCount(); ++d)
        bright += image.FramePixels(d)[0] == 255;
    EXPECT_EQ(bright, 8);
    ASSERT_GE(owner.messages.size(), 2u);
    EXPECT_EQ(owner.messages.front().code, kMsgListBefore | kMsgTopicImage);
    EXPECT_EQ(owner.messages.back().code, kMsgListAfter | kMsgTopicImage);

    // An image without objects keeps its frames.
    VImage black;
    GreyImage(black, 200, 0, -1, 0);
    black.AutoCrop(true);
    EXPECT_EQ(black.FrameCount(), 200);
}

TEST_F(VImageOperationsTest, TheNeutralDisplayTableIsTheIdentityAndContrastMinusOneIsMidGrey)
{
    VImage image;
    GreyImage(image, 20, 0, 19, 40);
    image.ResetDisplayMap();
    EXPECT_EQ(image.DisplayEntry(0), 0);
    EXPECT_EQ(image.DisplayEntry(255), 255);
    for (int i = 1; i < 255; ++i)
        EXPECT_TRUE(image.DisplayEntry(i) == i || image.DisplayEntry(i) == i - 1) << i;
    EXPECT_TRUE(image.DisplayIsIdentity());

    VImageView *view = image.GetView(0, true);
    KRect rect(0, 0, 9, 63);
    const uint8_t *rendered = image.RenderRect(rect, *view, 0);
    ASSERT_NE(rendered, nullptr);
    for (int f = 0; f < 10; ++f)
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(rendered[f * 64 + i], image.FramePixels(f)[i]);

    image.SetContrast(-1.0);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(image.DisplayEntry(i), 127) << i;
    rendered = image.RenderRect(rect, *view, 0);
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(rendered[5], 127);
}

TEST_F(VImageOperationsTest, EqualisingSpreadsTheLevelsOfTheRegion)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 0);
    Levels levels(10, std::vector<uint8_t>(64, 0));
    for (auto &frame : levels)
        for (int i = 0; i < 64; ++i)
            frame[size_t(i)] = uint8_t(40 + i / 32);  // two close levels
    AddGreyBlocks(image, levels, 100);
    image.EqualiseLevels({KRect(0, 0, 9, 63)});
    EXPECT_FALSE(image.DisplayIsIdentity());
    const int low = image.DisplayEntry(VImageFrame::GreyLevelByte(40));
    const int high = image.DisplayEntry(VImageFrame::GreyLevelByte(41));
    EXPECT_GE(high - low, 100);
    image.ResetDisplayMap();
    EXPECT_TRUE(image.DisplayIsIdentity());
}

TEST_F(VImageOperationsTest, WhiteBalanceEvensOutTheChannelsOfTheRegion)
{
    VImage grey;
    SetCodedCamera(grey.Camera(), 64, 1);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    encoder.AddColourPlain(1, std::vector<uint16_t>(64, Rgb15(10, 10, 10)));
    encoder.AddColourPlain(2, std::vector<uint16_t>(64, Rgb15(20, 10, 10)));
    AddEncodedBlock(grey, encoder);

    grey.WhiteBalance({KRect(0, 0, 0, 63)});
    for (int p : {19, 20, 21})
        EXPECT_EQ(grey.Camera().Parameter(p), 0) << p;
    grey.WhiteBalance({KRect(1, 0, 1, 63)});
    EXPECT_EQ(grey.Camera().Parameter(19), 0);
    EXPECT_EQ(grey.Camera().Parameter(20), 128);
    EXPECT_EQ(grey.Camera().Parameter(21), 128);
    // An empty region changes nothing.
    grey.WhiteBalance({KRect(5, 0, 4, 63)});
    EXPECT_EQ(grey.Camera().Parameter(20), 128);
}

TEST_F(VImageOperationsTest, RenderRectGivesAlignedRowsAndHandsBackTheRectangle)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    AddColourBlocks(image, 5, 20, 17);
    VImageView *view = image.GetView(0, true);
    KRect rect(0, 0, 98, 62);
    const uint8_t *rendered = image.RenderRect(rect, *view, 0x410);
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(rect, KRect(0, 0, 98, 62));
    for (int f = 0; f < 99; ++f) {
        const uint8_t *row = rendered + f * 128;
        const auto *pixels = reinterpret_cast<const uint16_t *>(image.FramePixels(f));
        for (int i = 0; i < 63; ++i)
            ASSERT_EQ(uint16_t(row[2 * i] | row[2 * i + 1] << 8), pixels[i]) << f << "," << i;
        EXPECT_EQ(row[126], 0);
        EXPECT_EQ(row[127], 0);
    }
    // Rows across frames, bottom row first, in 24 bits.
    KRect across(10, 0, 19, 3);
    rendered = image.RenderRect(across, *view, 64 | 16384);
    ASSERT_NE(rendered, nullptr);
    const uint16_t corner = reinterpret_cast<const uint16_t *>(image.FramePixels(10))[3];
    EXPECT_EQ(rendered[2], (corner >> 10 & 31) * 255 / 31);
    KRect empty(5, 5, 4, 4);
    EXPECT_EQ(image.RenderRect(empty, *view, 0), nullptr);
}

TEST_F(VImageOperationsTest, RenderRectCutsWhatDoesNotFitAtTheFarEndOfItsWalk)
{
    // 800 grey frames in 24 bits fill more than the render buffer holds:
    // 750 frames of 64 rows, or 60 rows of 800 frames.
    VImage image;
    GreyImage(image, 800, 0, 799, 40);
    VImageView *view = image.GetView(0, true);
    // Frames forward, frames backward, rows down, rows up.
    const struct {
        uint32_t walk;
        KRect kept;
    } walks[] = {
        { 64 | 2048, KRect(0, 0, 749, 63) },
        { 64 | 4096, KRect(50, 0, 799, 63) },
        { 64 | 8192, KRect(0, 0, 799, 59) },
        { 64 | 16384, KRect(0, 4, 799, 63) },
    };
    for (const auto &walk : walks) {
        KRect rect(0, 0, 799, 63);
        ASSERT_NE(image.RenderRect(rect, *view, walk.walk), nullptr) << walk.walk;
        EXPECT_EQ(rect, walk.kept) << walk.walk;
    }
}

TEST_F(VImageOperationsTest, GreyRendersToColourThroughTheGreyTable)
{
    VImage image;
    GreyImage(image, 10, 0, 9, 93);
    VImageView *view = image.GetView(0, true);
    KRect rect(0, 0, 0, 0);
    const uint8_t *rendered = image.RenderRect(rect, *view, 16);
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(uint16_t(rendered[0] | rendered[1] << 8), 0x7FFF);
}

TEST_F(VImageOperationsTest, PrintingSetsHashWidthsMarksAndTheLineColour)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    AddColourBlocks(image, 1, 20, 3, 79990);
    VImageView *view = image.GetView(0, true);
    image.BeginPrinting(KRect(0, 0, 19, 63), {image.FrameTime(5)}, *view, 0.5, 2);
    EXPECT_EQ(std::vector<int32_t>(image.HashWidths(), image.HashWidths() + 3), (std::vector<int32_t>{6, 4, 2}));
    // Frame 0 at 7.9990 s, frame 1 at 8.0000 s: a whole second between
    // them; frame 10 at 8.0090 s, frame 11 at 8.0100 s: a hundredth.
    EXPECT_EQ(image.PrintLineWidth(0, *view), 6);
    EXPECT_EQ(image.PrintLineWidth(10, *view), 2);
    EXPECT_EQ(image.PrintLineWidth(3, *view), 0);
    EXPECT_EQ(image.PrintLineColour(), 31744);
    KRect rect(0, 0, 19, 63);
    const uint8_t *rendered = image.RenderRect(rect, *view, 0);
    ASSERT_NE(rendered, nullptr);
    const auto pixel = [&](int f, int i) { return uint16_t(rendered[(f * 64 + i) * 2] | rendered[(f * 64 + i) * 2 + 1] << 8); };
    EXPECT_EQ(pixel(5, 30), 31744);   // the mark
    EXPECT_EQ(pixel(10, 5), 0);       // a hash line of 2 at the inner edge of the 6-pixel margin
    EXPECT_EQ(pixel(10, 58), 0);
    EXPECT_EQ(pixel(10, 3), 32767);
    EXPECT_EQ(pixel(3, 5), 32767);    // no line: all margin
    EXPECT_EQ(pixel(0, 0), 0);        // the second's line fills the margin
    image.EndPrinting();

    image.BeginPrinting(KRect(0, 0, 19, 63), {}, *view, 0.5, 0);
    EXPECT_EQ(std::vector<int32_t>(image.HashWidths(), image.HashWidths() + 3), (std::vector<int32_t>{0, 0, 0}));
    image.EndPrinting();
    settings.Parse(L"\\Event\\Image\\Selection\\PrintLineColor:Int=3");
    VImage::Startup();
    EXPECT_EQ(image.PrintLineColour(), 992);
}

TEST_F(VImageOperationsTest, FrameOfTimeFindsTheFrameShowingATime)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    const TestFrames frames = AddColourBlocks(image, 4, 25, 6);
    VImageView *view = image.GetView(0, true);
    for (int32_t f : {0, 99, 50, 51, 3, 75}) {
        EXPECT_EQ(image.FrameOfTime(image.FrameTime(f), *view, true), f) << f;
    }
    // Between two frames: the later one.
    const VRaceTime between(frames.times[40] * 8 + 40, 1, 8);
    EXPECT_EQ(image.FrameOfTime(between, *view, false), 41);
    // Far outside, only a strict search gives up.
    const VRaceTime late(int64_t(frames.times.back()) * 8 + 800000, 1, 8);
    EXPECT_EQ(image.FrameOfTime(late, *view, true), -1);
    EXPECT_EQ(image.FrameOfTime(late, *view, false), 99);
}

TEST_F(VImageOperationsTest, BlackFractionsAreShownOnlyWhenThereArePixels)
{
    struct Messages : VImageProgress
    {
        void SetText(const KString &) override {}
        void SetPercent(int32_t) override {}
        void Close() override {}
        void SetWaitCursor(bool) override {}
        bool UserAbort() override { return false; }
        void ShowMessage(const KString &text) override { shown.push_back(text.CStr()); }
        std::vector<std::wstring> shown;
    } messages;
    VImageProgress::Install(&messages);
    VImage empty;
    SetCodedCamera(empty.Camera(), 64, 1);
    empty.ShowBlackFractions(*empty.GetView(0, true));
    EXPECT_TRUE(messages.shown.empty());

    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    std::vector<uint16_t> pixels(64, Rgb15(0, 5, 5));
    for (int i = 32; i < 64; ++i)
        pixels[size_t(i)] = Rgb15(5, 5, 0);
    encoder.AddColourPlain(1, pixels);
    AddEncodedBlock(image, encoder);
    image.ShowBlackFractions(*image.GetView(0, true));
    VImageProgress::Install(nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], L"R 0.5 G 0 B 0.5");
}
