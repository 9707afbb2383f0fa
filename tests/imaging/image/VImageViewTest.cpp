// Image views: their record, their marks across zoom changes, and the
// messages they turn into window calls.
#include "imaging/views/VImageView.h"

#include "domain/QVDomainCodes.h"
#include "foundation/errors/KX.h"
#include "foundation/support/TestStreams.h"
#include "imaging/VImagingCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagingTestSupport.h"
#include "imaging/views/VImageViewWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class RecordingWindow : public VImageViewWindow
{
public:
    void Redraw(bool fullRepaint) override { calls.push_back(fullRepaint ? "redraw full" : "redraw"); }
    void LanesChanged() override { calls.push_back("lanes"); }
    void ExtentChanged() override { calls.push_back("extent"); }
    void BlockAdded() override { calls.push_back("block"); }
    bool HasPane() const override { return pane; }
    void MoveTimeTrack(const VRaceTime &time, int32_t y) override
    {
        calls.push_back("time track " + std::to_string(time.Ticks()) + " at " + std::to_string(y));
    }
    void Follow(uint32_t value) override { calls.push_back("follow " + std::to_string(value)); }
    void ShowLines(bool on) override { calls.push_back(on ? "lines on" : "lines off"); }

    bool pane = true;
    std::vector<std::string> calls;
};

// Records every message and passes it down to the image, as an event does.
struct RelayOwner : RecordingOwner
{
    void Handle(const KMessage &message) override
    {
        RecordingOwner::Handle(message);
        if (image)
            image->Handle(message);
    }
    VImage *image = nullptr;
};

class VImageViewTest : public ImageTest
{
protected:
    void SetUp() override
    {
        ImageTest::SetUp();
        image = new VImage(&owner, 1);
        owner.image = image;
        SetCodedCamera(image->Camera(), 64, 1);
        AddColourBlocks(*image, 2, 20, 9);
        view = image->GetView(0, true);
        view->SetWindow(&window);
    }
    void TearDown() override
    {
        delete image;
        ImageTest::TearDown();
    }

    RelayOwner owner;
    VImage *image = nullptr;
    VImageView *view = nullptr;
    RecordingWindow window;
};
} // namespace

TEST_F(VImageViewTest, RecordsRoundTripAndTheOlderOneTakesFlagsOneAndTheNextId)
{
    view->SetPosition(KPoint(3, 4));
    view->Zoom().SetBoth(2, 1, false);
    view->SetTimeTrackPoint(KPoint(11, 12));
    view->SetShowTimeTrack(true);
    view->SetFirstRect(KRect(1, 2, 30, 40));
    view->SetFlag(true);
    MemoryStream stream;
    view->Write(stream);
    EXPECT_EQ(stream.Bytes().size(), 26u * 4);

    VImageView *copy = image->GetView(4, true);
    stream.Rewind();
    copy->Read(stream);
    EXPECT_EQ(copy->Id(), 0);
    EXPECT_EQ(copy->Position(), KPoint(3, 4));
    EXPECT_TRUE(copy->Zoom().Equals(view->Zoom()));
    EXPECT_EQ(copy->TimeTrackPoint(), KPoint(11, 12));
    EXPECT_TRUE(copy->ShowTimeTrack());
    EXPECT_EQ(copy->FirstRect(), KRect(1, 2, 30, 40));
    EXPECT_EQ(copy->Flags(), 1u);

    // The older record: without the last two words.
    std::vector<uint8_t> old(stream.Bytes().begin(), stream.Bytes().end() - 8);
    old[0] = 0x0b;
    view->SetFlag(false);
    MemoryStream older(old);
    VImageView *third = image->GetView(7, true);
    third->Read(older);
    EXPECT_EQ(third->Flags(), 1u);
    EXPECT_EQ(third->Id(), 1);  // after 0 and 0

    old[0] = 0x0a;
    MemoryStream unknown(old);
    try {
        third->Read(unknown);
        FAIL() << "version 0x2000a was read";
    } catch (const KXPersistent &error) {
        EXPECT_EQ(error.Code(), kErrFileVersion);
    }
}

TEST_F(VImageViewTest, ZoomingKeepsTheMarksOnTheSameFrames)
{
    view->SetTimeTrackPoint(KPoint(10, 20));
    view->SetFirstRect(KRect(5, 8, 12, 16));
    view->Zoom().ZoomIn(true);
    EXPECT_EQ(view->TimeTrackPoint(), KPoint(20, 40));
    EXPECT_EQ(view->FirstRect(), KRect(10, 16, 24, 32));
    view->Zoom().ZoomOut(true);
    view->Zoom().ZoomOut(true);
    EXPECT_EQ(image->ViewToFrame(view->TimeTrackPoint().x, view->Zoom()), 10);
    EXPECT_EQ(view->FirstRect().left, 3);  // frame 5 at 1:2, rounded up
    // Every zoom change redraws fully.
    EXPECT_EQ(window.calls, (std::vector<std::string>{"redraw full", "redraw full", "redraw full"}));
}

TEST_F(VImageViewTest, MessagesBecomeTheWindowCallsOfTheirTopics)
{
    struct Case
    {
        uint32_t code;
        KMessageObject *sender;
        std::vector<std::string> calls;
    };
    VImageView *other = image->GetView(1, true);
    const std::vector<Case> cases = {
        {kMsgTopicImage, image, {"redraw full"}},
        {kMsgImageRedraw, image, {"redraw"}},
        {kMsgImageExtent, image, {"extent"}},
        {kMsgImageBlockAdded, image, {"block"}},
        {kMsgImageBlockAdded, other, {}},
        {kMsgCameraParameters, &image->Camera(), {"redraw full"}},
        {kMsgCameraDisplay, &image->Camera(), {"redraw"}},
        {kMsgCameraLanes, &image->Camera(), {"lanes"}},
        {kMsgViewRedraw, view, {"redraw full"}},
        {kMsgViewRedraw, other, {}},
        {kMsgShowLines, other, {"lines on"}},
        {kMsgShowLines, view, {}},
        {kMsgFollow, other, {"follow 1"}},
    };
    for (const Case &c : cases) {
        window.calls.clear();
        view->Handle(KMessage(c.code, 1, c.sender));
        EXPECT_EQ(window.calls, c.calls) << "topic " << c.code;
    }
    // Without the pane, lines and follow are not shown.
    window.pane = false;
    window.calls.clear();
    view->Handle(KMessage(kMsgShowLines, 1, other));
    view->Handle(KMessage(kMsgFollow, 1, other));
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(VImageViewTest, TheTimeTrackReachesTheOtherViewsOfTheImage)
{
    VImageView *other = image->GetView(1, true);
    RecordingWindow otherWindow;
    other->SetWindow(&otherWindow);
    other->Zoom().SetVertical(2, 1, false);
    view->SetTimeTrackPoint(KPoint(4, 30));
    view->BroadcastTimeTrack();
    ASSERT_EQ(otherWindow.calls.size(), 1u);
    // Row 30 of 64 is row 59 of the other view's 127.
    EXPECT_EQ(otherWindow.calls[0], "time track " + std::to_string(image->FrameTime(4).Ticks()) + " at 59");
    EXPECT_TRUE(window.calls.empty());

    settings.Parse(L"\\Event\\Image\\Hash\\TimeTrack:Int=0");
    otherWindow.calls.clear();
    view->BroadcastTimeTrack();
    EXPECT_TRUE(otherWindow.calls.empty());
}
