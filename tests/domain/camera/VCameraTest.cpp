#include "domain/camera/VCamera.h"
#include "foundation/errors/KX.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

namespace {

class Recorder : public KMessageObject
{
public:
    void Handle(const KMessage &message) override { codes.push_back(message.code); }
    std::vector<uint32_t> codes;
};

} // namespace

TEST(VCamera, RecordRoundTripsEqualAndKeepsTheFollowingFieldsInLine)
{
    VCamera camera;
    camera.SetName(KString(L"Finish line"));
    camera.SetLaneCount(9);
    camera.SetBrightness(-0.25);
    camera.SetGamma(1.8);
    camera.SetLaneBoundary(3, 4321);
    camera.SetFirstValue(77);
    ASSERT_TRUE(camera.SetParameter(VCamera::kModel, 102));
    ASSERT_TRUE(camera.SetParameter(VCamera::kDensity, 301));
    ASSERT_TRUE(camera.SetParameter(VCamera::kColourOffsetG, -12));
    camera.SetParameterFlags(VCamera::kFrameRate, VCamera::kFlagLocked);

    MemoryStream stream;
    camera.Write(stream);
    stream.WriteU32(0xCAFEF00D);   // what an image header writes next
    stream.Rewind();
    VCamera read;
    read.Read(stream);
    EXPECT_TRUE(read.Equals(camera));
    EXPECT_EQ(read.Name(), L"Finish line");
    EXPECT_EQ(read.FrameHeight(), 300);
    EXPECT_TRUE(read.IsLocked(VCamera::kFrameRate));
    EXPECT_EQ(read.Gamma(), 1.8);
    EXPECT_EQ(read.LaneBoundary(3), 4321);
    EXPECT_EQ(stream.ReadU32(), 0xCAFEF00Du);
}

TEST(VCamera, ReadRefusesOtherVersionsAndBadContentsUnchanged)
{
    VCamera camera;
    MemoryStream stream;
    camera.Write(stream);
    stream.Bytes()[0] = 0x08;   // version 0x20008
    stream.Rewind();
    VCamera target;
    target.SetName(KString(L"kept"));
    EXPECT_THROW(target.Read(stream), KXPersistent);
    EXPECT_EQ(target.Name(), L"kept");

    MemoryStream cut;
    camera.Write(cut);
    cut.Bytes().resize(cut.Bytes().size() - 3);
    cut.Rewind();
    EXPECT_THROW(target.Read(cut), KX);
    EXPECT_EQ(target.Name(), L"kept");

    // A frame height outside the model's range would mislead every block.
    VCamera tall;
    ASSERT_TRUE(tall.SetParameter(VCamera::kModel, 102));
    MemoryStream damaged;
    tall.Write(damaged);
    const size_t density = damaged.Bytes().size() - 8 * (VCamera::kParameterCount - VCamera::kDensity);
    damaged.Bytes()[density + 2] = 0x10;   // 0x100200
    damaged.Rewind();
    try {
        target.Read(damaged);
        FAIL() << "a frame height of 0x100200 was read";
    } catch (const KXPersistent &error) {
        EXPECT_EQ(error.Code(), kErrFileContents);
    }
    EXPECT_EQ(target.Name(), L"kept");
}

TEST(VCamera, DisplayValuesAndLanesAreClampedAndAnnounced)
{
    VCamera camera;
    Recorder root;
    camera.SetParent(&root);
    EXPECT_EQ(camera.Brightness(), 0.0);
    EXPECT_EQ(camera.Contrast(), 0.0);
    EXPECT_EQ(camera.Gamma(), 1.0);
    camera.SetBrightness(2.0);
    camera.SetContrast(-0.5);
    camera.SetGamma(0.0);
    camera.SetGamma(0.0);   // unchanged: no message
    EXPECT_EQ(camera.Brightness(), 1.0);
    EXPECT_EQ(camera.Contrast(), -0.5);
    EXPECT_EQ(camera.Gamma(), VCamera::kMinGamma);
    EXPECT_EQ(root.codes, (std::vector<uint32_t>{kMsgCameraDisplay, kMsgCameraDisplay, kMsgCameraDisplay}));

    root.codes.clear();
    camera.SetLaneCount(4);
    EXPECT_EQ(camera.LaneBoundary(0), 0);
    EXPECT_EQ(camera.LaneBoundary(2), 5000);
    EXPECT_EQ(camera.LaneBoundary(4), 10000);
    EXPECT_EQ(camera.LaneBoundary(5), -1);
    camera.SetLaneBoundary(1, 12000);
    EXPECT_EQ(camera.LaneBoundary(1), 10000);
    EXPECT_EQ(root.codes, (std::vector<uint32_t>{kMsgCameraLanes, kMsgCameraLanes}));
}

TEST(VCamera, SetParameterRefusesLockedInvalidAndRuleBreakingValues)
{
    VCamera camera;
    Recorder root;
    camera.SetParent(&root);
    EXPECT_TRUE(camera.IsModel101());
    EXPECT_FALSE(camera.SetParameter(VCamera::kModel, 99));
    EXPECT_FALSE(camera.SetParameter(VCamera::kDensity, 4));      // model 101: 0..3
    EXPECT_TRUE(camera.SetParameter(VCamera::kDensity, 2, true));
    EXPECT_EQ(camera.FrameHeight(), 256);
    EXPECT_EQ(camera.FramesPerBlock(), 62);
    ASSERT_EQ(root.codes.size(), 1u);
    EXPECT_EQ(root.codes[0], kMsgCameraParameters);
    EXPECT_TRUE(camera.SetParameter(VCamera::kDensity, 2, true));  // unchanged: no message
    EXPECT_EQ(root.codes.size(), 1u);

    camera.SetParameterFlags(VCamera::kGain, VCamera::kFlagLocked);
    EXPECT_FALSE(camera.SetParameter(VCamera::kGain, 10));
    camera.SetParameterFlags(VCamera::kGain, 0);
    ASSERT_TRUE(camera.SetParameter(VCamera::kMaxGain, 500));
    EXPECT_FALSE(camera.SetParameter(VCamera::kGain, 501));
    EXPECT_TRUE(camera.SetParameter(VCamera::kGain, 500));
    ASSERT_TRUE(camera.SetParameter(VCamera::kCompression, 40));
    EXPECT_FALSE(camera.SetParameter(VCamera::kCompressionMin, 41));
    EXPECT_FALSE(camera.SetParameter(42, 1));
    EXPECT_EQ(camera.Parameter(42), 0);
    camera.SetLaneCount(35);
    EXPECT_EQ(camera.LaneCount(), VCamera::kMaxLanes);
}
