// The image: taking blocks in, frames and times through the pool and the
// block file, view coordinates, the camera rules it keeps.
#include "imaging/image/VImage.h"

#include "domain/charts/VZoom.h"
#include "foundation/streams/KFile.h"
#include "imaging/VImagingCodes.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/support/TestBlockEncoder.h"
#include "imaging/views/VImageView.h"

#include <gtest/gtest.h>

namespace
{
using VImageTest = ImageTest;

VImageBlock *PlainColourBlock(VImage &image, int device, int frames)
{
    VImageBlock *block = VImageBlockManager::Instance()->CheckOutBlock(&image.Blocks(), 0);
    block->SetImage(&image);
    TestBlockEncoder encoder(VImageBlock::kPixelColour);
    for (int f = 0; f < frames; ++f)
        encoder.AddColourPlain(100 + f, std::vector<uint16_t>(size_t(image.PixelsPerFrame()), uint16_t(f)));
    encoder.WriteTo(*block, device);
    return block;
}
} // namespace

TEST_F(VImageTest, AcceptsOnlyBlocksOfItsOwnCameraAndAnnouncesThem)
{
    RecordingOwner owner;
    VImage image(&owner, 5);
    SetCodedCamera(image.Camera(), 64, 1, 3);
    VImageBlock *foreign = PlainColourBlock(image, 4, 6);
    EXPECT_FALSE(image.AddBlock(foreign));
    EXPECT_EQ(image.BlockCount(), 0);
    EXPECT_EQ(owner.Count(kMsgImageBlockAdded), 0);
    manager->ReturnBlock(foreign);

    VImageBlock *block = PlainColourBlock(image, 3, 6);
    ASSERT_TRUE(image.AddBlock(block));
    EXPECT_EQ(block->Id(), 0);
    EXPECT_EQ(block->FirstFrame(), 0);
    EXPECT_EQ(image.FrameCount(), 6);
    EXPECT_EQ(owner.Count(kMsgImageBlockAdded), 1);
    VImageBlock *second = PlainColourBlock(image, 3, 4);
    ASSERT_TRUE(image.AddBlock(second));
    EXPECT_EQ(second->Id(), 1);
    EXPECT_EQ(second->FirstFrame(), 6);
    EXPECT_EQ(image.FrameCount(), 10);
    EXPECT_EQ(ImagePixels(image, 7), std::vector<uint16_t>(64, 1));
}

TEST_F(VImageTest, FramesAndTimesAreFoundAcrossManyBlocks)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    const TestFrames frames = AddColourBlocks(image, 12, 9, 3);
    ASSERT_EQ(image.FrameCount(), int32_t(frames.pixels.size()));
    // Far jumps both ways exercise the block search.
    for (int32_t f : {100, 0, 107, 54, 55, 9, 8, 60, 1}) {
        EXPECT_EQ(ImagePixels(image, f), frames.pixels[size_t(f)]) << f;
        EXPECT_EQ(image.FrameTime(f).Ticks(), int64_t(frames.times[size_t(f)]) * VRaceTime::kUnit8) << f;
    }
    EXPECT_EQ(image.FramePixels(-1), nullptr);
    EXPECT_EQ(image.FramePixels(image.FrameCount()), nullptr);
}

TEST_F(VImageTest, ViewCoordinatesFollowTheZoomAndTheOrientation)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    AddColourBlocks(image, 2, 15, 1);
    VZoom zoom;
    zoom.SetBoth(1, 3, false);
    EXPECT_EQ(image.ViewToFrame(2, zoom), 6);
    EXPECT_EQ(image.FrameToView(4, zoom), 2);
    zoom.SetBoth(1, 1, false);
    image.SetOrientation(1);
    EXPECT_EQ(image.ZoomedWidth(zoom), 30);
    EXPECT_EQ(image.ViewToFrame(0, zoom), 29);
    EXPECT_EQ(image.FrameToView(29, zoom), 0);
    zoom.SetBoth(4, 1, false);
    image.SetOrientation(0);
    int32_t remainder = 0;
    EXPECT_EQ(image.ViewToFrame(9, zoom, &remainder), 2);
    EXPECT_EQ(remainder, 1);
    EXPECT_EQ(image.ZoomedHeight(zoom), 253);
}

TEST_F(VImageTest, TheTimeUnderAViewPointComesFromItsFrame)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    AddColourBlocks(image, 1, 10, 1, 5000);
    VImageView *view = image.GetView(0, true);
    const VRaceTime time = image.TimeAt(*view, KPoint(3, 0), false);
    EXPECT_EQ(time.Ticks(), 5030 * VRaceTime::kUnit8);
    EXPECT_EQ(time.Resolution(), VRaceTime::kUnit8);
    // Magnified twice, the odd columns lie half way to the next frame.
    view->Zoom().SetBoth(2, 1, false);
    EXPECT_EQ(image.TimeAt(*view, KPoint(7, 0), true).Ticks(), 5035 * VRaceTime::kUnit8);
    EXPECT_FALSE(image.TimeAt(*view, KPoint(40, 0), false).IsValid());
}

TEST_F(VImageTest, IdentificationMethodCyclesAndNamesItsField)
{
    VImage image;
    std::vector<int32_t> methods, fields;
    for (int i = 0; i < 4; ++i) {
        image.SetIdMethod(-1);
        methods.push_back(image.Camera().Parameter(VCamera::kIdMethod));
        fields.push_back(image.IdMethodField());
    }
    EXPECT_EQ(methods, (std::vector<int32_t>{1, 2, 3, 0}));
    EXPECT_EQ(fields, (std::vector<int32_t>{3, 4, 5, -1}));
}

TEST_F(VImageTest, ResetCameraLocksTheImagesParametersAndNeutralisesTheDisplay)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 0);
    image.SetBrightness(0.5);
    image.SetGamma(2.0);
    image.ResetCamera(nullptr);
    for (int p = 0; p < VCamera::kParameterCount; ++p) {
        const bool locked = p == 0 || p == 1 || p == 2 || p == 4 || p == 26 || (p >= 28 && p <= 31);
        EXPECT_EQ(image.Camera().IsLocked(p), locked) << p;
    }
    EXPECT_EQ(image.Brightness(), 0.0);
    EXPECT_EQ(image.Contrast(), 0.0);
    EXPECT_EQ(image.Gamma(), 1.0);
    EXPECT_TRUE(image.DisplayIsIdentity());
    EXPECT_FALSE(image.Camera().SetParameter(VCamera::kModel, 101));
}

TEST_F(VImageTest, AKeptBlockFileIsCutToItsSavedBlocksWhenTheImageGoes)
{
    const std::wstring path = log.Application().PathOf(L"meet.i01");
    const std::wstring document = log.Application().PathOf(L"meet.qve");
    {
        VImage image;
        image.SetExtension(KString(L"i01"));
        SetCodedCamera(image.Camera(), 64, 1);
        AddColourBlocks(image, 2, 8, 4);
        KFile header(document.c_str());
        header.Open(KFile::kModeReadWrite, true);
        image.Export(header);
        header.Close();
        EXPECT_EQ(image.SavedBlockCount(), 2);
        // One more block after saving grows the file; it is not kept.
        AddColourBlocks(image, 1, 8, 5);
        image.FlushBlocks(5);
    }
    KFile blocks(path.c_str());
    blocks.Open(KFile::kModeRead);
    EXPECT_EQ(blocks.GetSize(), 48000);
}

TEST_F(VImageTest, ATemporaryBlockFileGoesWithTheImage)
{
    const std::wstring path = log.Application().PathOf(L"capture.tmp");
    {
        VImage image;
        SetCodedCamera(image.Camera(), 64, 1);
        image.UseTemporaryFile(KString(path.c_str()));
        AddColourBlocks(image, 2, 8, 4);
        EXPECT_TRUE(KFile(path.c_str()).Exists());
    }
    EXPECT_FALSE(KFile(path.c_str()).Exists());
}

TEST_F(VImageTest, WithoutAPoolBlocksOnFileStayOutOfReachAndNothingBreaks)
{
    VImage image;
    SetCodedCamera(image.Camera(), 64, 1);
    image.UseTemporaryFile(KString(log.Application().PathOf(L"a.tmp").c_str()));
    const TestFrames frames = AddColourBlocks(image, 3, 8, 4);
    // Saved blocks may be reclaimed by the pool; with the pool gone they
    // cannot come back, and frames show blank.
    image.Blocks().ReturnAll();
    VImageBlockManager::DeleteInstance();
    EXPECT_EQ(image.Block(1), nullptr);
    const std::vector<uint16_t> blank(64, 0);
    EXPECT_EQ(ImagePixels(image, 10), blank);
    EXPECT_FALSE(image.FrameTime(10).IsValid());
}
