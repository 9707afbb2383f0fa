// The image's camera towards the capture side of the hub.
#include "imaging/image/VImage.h"

#include "imaging/image/VImageServices.h"
#include "imaging/support/ImagingTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class RecordingHub : public VImageCaptureHub
{
public:
    bool IsCaptureIdle() const override { return !capturing; }
    bool IsCaptureCamera(int32_t device) const override { return capturing && device == captured; }
    bool IsCaptureRunning() const override { return running; }
    bool SendCameraSettings(int32_t device, const VCamera &camera) override
    {
        calls.push_back("send " + std::to_string(device) + " gain " + std::to_string(camera.Parameter(12)));
        return true;
    }
    bool GetCameraSettings(int32_t, VCamera &camera) override
    {
        camera.SetParameter(VCamera::kGain, 321);
        return true;
    }
    bool StartDeviceCapture(int32_t device) override
    {
        calls.push_back("start " + std::to_string(device));
        capturing = true;
        captured = device;
        return true;
    }
    bool StopDeviceCapture(int32_t device) override
    {
        calls.push_back("stop " + std::to_string(device));
        return true;
    }

    bool capturing = false;
    bool running = false;
    int32_t captured = -1;
    std::vector<std::string> calls;
};

class VImageCaptureTest : public ImageTest
{
protected:
    void SetUp() override
    {
        ImageTest::SetUp();
        VImageCaptureHub::Install(&hub);
        SetCodedCamera(image.Camera(), 64, 1, 7);
    }
    void TearDown() override
    {
        VImageCaptureHub::Install(nullptr);
        ImageTest::TearDown();
    }

    RecordingHub hub;
    VImage image;
};
} // namespace

TEST_F(VImageCaptureTest, AnIdleHubGetsTheAppliedCamera)
{
    VCamera edited;
    edited.CopyFrom(image.Camera(), VCamera::kCopyParameters);
    edited.SetParameter(VCamera::kGain, 40);
    ASSERT_TRUE(image.ApplyCamera(&edited));
    EXPECT_EQ(image.Camera().Parameter(VCamera::kGain), 40);
    EXPECT_EQ(hub.calls, (std::vector<std::string>{"send 7 gain 40"}));

    VImageCaptureHub::Install(nullptr);
    edited.SetParameter(VCamera::kGain, 41);
    EXPECT_TRUE(image.ApplyCamera(&edited));
    EXPECT_EQ(image.Camera().Parameter(VCamera::kGain), 41);
    VImageCaptureHub::Install(&hub);
}

TEST_F(VImageCaptureTest, CaptureLocksTheFrameLayoutUntilItStopsWithoutBlocks)
{
    image.UseTemporaryFile(KString(log.Application().PathOf(L"capture.tmp").c_str()));
    KFile name;
    ASSERT_TRUE(image.StartCapture(name));
    EXPECT_TRUE(image.IsCapturing());
    EXPECT_EQ(name.FullName(), image.BlockFile().FullName());
    for (int p : {5, 6, 7, 27})
        EXPECT_TRUE(image.Camera().IsLocked(p)) << p;
    // A copy taken before the first block may still change the layout.
    VCamera copy;
    image.GetCamera(copy, VCamera::kCopyParameters | VCamera::kCopyFlags);
    EXPECT_FALSE(copy.IsLocked(7));
    EXPECT_TRUE(image.Camera().IsLocked(7));

    // Applied while the capture waits: stopped, changed and started again.
    hub.calls.clear();
    VCamera edited;
    edited.CopyFrom(image.Camera(), VCamera::kCopyParameters);
    edited.SetParameter(VCamera::kGain, 55);
    EXPECT_TRUE(image.ApplyCamera(&edited));
    EXPECT_EQ(hub.calls, (std::vector<std::string>{"stop 7", "start 7"}));
    hub.running = true;
    EXPECT_FALSE(image.ApplyCamera(&edited));

    hub.calls.clear();
    EXPECT_TRUE(image.StopCapture());
    EXPECT_EQ(hub.calls, (std::vector<std::string>{"stop 7"}));
    EXPECT_FALSE(image.IsCapturing());
    EXPECT_FALSE(image.Camera().IsLocked(7));
}

TEST_F(VImageCaptureTest, WithoutAHubNoCaptureStarts)
{
    VImageCaptureHub::Install(nullptr);
    KFile name;
    EXPECT_FALSE(image.StartCapture(name));
    EXPECT_FALSE(image.IsCapturing());
    EXPECT_FALSE(image.StopCapture());
    VImageCaptureHub::Install(&hub);
}

TEST_F(VImageCaptureTest, RefreshGainTakesTheDevicesGainOnlyUnderManualControl)
{
    EXPECT_TRUE(image.RefreshGain());
    EXPECT_EQ(image.Camera().Parameter(VCamera::kGain), 321);
    EXPECT_FALSE(image.RefreshGain());  // gain method now automatic
}
