// What the image pane keeps in step with its view on real windows over a
// synthetic colour image: the lane ruler's range while the view scrolls and
// zooms, the picture, cursor and selection while the image grows (on the
// right, or on the left when mirrored), and the cursor an object search
// puts on the object's leading edge in either orientation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/camera/VCamera.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "imaging/windows/VZLaneBar.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

namespace {

class ImagePaneRange : public ImagePaneTest
{
protected:
    void TearDown() override
    {
        if (window) {
            RemoveFromHost(window);
            VZImageWindow::Shutdown();
        }
        ImagePaneTest::TearDown();
    }
    VZImageWindow *MakeWindow()
    {
        VZImageWindow::Startup();
        window = ShowImageWindow(nullptr);
        return window;
    }
    // Adds a block of frames after the ones there, keeping their pixels.
    void Grow(int framesAdded)
    {
        const TestFrames more = AddColourBlocks(*image, 1, framesAdded, 99, frames.times.back() + 10);
        frames.pixels.insert(frames.pixels.end(), more.pixels.begin(), more.pixels.end());
        frames.times.insert(frames.times.end(), more.times.begin(), more.times.end());
    }
    // The screen colours of client pixels of the pane.
    std::vector<COLORREF> Screen(VZImagePane *on, const std::vector<KPoint> &pixels)
    {
        std::vector<COLORREF> colours;
        for (KPoint pixel : pixels) {
            on->ClientToOS(pixel);
            colours.push_back(PixelOf(on, pixel.x, pixel.y));
        }
        return colours;
    }

    VZImageWindow *window = nullptr;
};

TEST_F(ImagePaneRange, LaneRulerSpansTheViewsRowsAndFollowsScrolling)
{
    image->Camera().SetLaneCount(4);
    image->Camera().SetParameter(VCamera::kReverseLanes, 1);
    MakePane(300, 50);
    VZLaneBar *bar = pane->LaneBar();
    ASSERT_LT(pane->KZScroller::VisibleRows(), 54);
    EXPECT_EQ(64, bar->Length());
    EXPECT_EQ(0, bar->Offset());
    EXPECT_EQ((std::vector<std::wstring>{ L"4", L"3", L"2", L"1" }), LaneTexts(bar));
    EXPECT_EQ(16, bar->DividerPosition(1));
    EXPECT_EQ(64, bar->DividerPosition(4));

    pane->ScrollTo(KPoint(0, 10), true);
    EXPECT_EQ(10, bar->Offset());
    EXPECT_EQ(16, bar->DividerPosition(1));
    // The ruler's position 40 is the view's row 40, the third lane from the top.
    EXPECT_EQ(2, bar->LaneAt(40));

    // A boundary dragged while scrolled is kept as a share of the whole frame.
    bar->MoveDivider(1, 32);
    EXPECT_EQ(5000, image->Camera().LaneBoundary(1));
}

TEST_F(ImagePaneRange, LaneRulerFollowsTheZoomOfTheWindowsView)
{
    image->Camera().SetLaneCount(4);
    MakeWindow();
    VZLaneBar *bar = window->Pane()->LaneBar();
    EXPECT_EQ(64, bar->Length());
    window->Event(ZafEventStruct(kEvtImageZoomIn, 0));
    window->Event(ZafEventStruct(kEvtImageZoomIn, 0));
    EXPECT_EQ(view->Height(), bar->Length());
    EXPECT_EQ(253, bar->Length());
    EXPECT_EQ(63, bar->DividerPosition(1));
    window->Pane()->ScrollTo(KPoint(0, 30), true);
    EXPECT_EQ(30, bar->Offset());
    window->Event(ZafEventStruct(kEvtImageZoomOut, 0));
    EXPECT_EQ(127, bar->Length());
}

TEST_F(ImagePaneRange, GrowingImageDrawsItsNewColumnsOnTheRightAndLeavesTheRestAlone)
{
    MakePane(300, 200);
    pane->MoveCursorTo(KPoint(30, 20));
    Grow(20);
    pane->ImageGrown();
    Pump();
    EXPECT_EQ(KPoint(100, 64), pane->Extent());
    EXPECT_EQ(KPoint(30, 20), view->TimeTrackPoint());
    EXPECT_EQ(0, pane->ScrollPosition().x);
    for (int x : { 80, 90, 99 })
        EXPECT_TRUE(Near(ImageColour(KPoint(x, 40)), UnitPixel(KPoint(x, 40)))) << x;
}

TEST_F(ImagePaneRange, MirroredImageGrowingOnTheLeftKeepsPictureCursorAndSelectionInPlace)
{
    image->Camera().SetParameter(VCamera::kOrientation, 1);
    MakePane(110, 200);
    ASSERT_LT(pane->VisibleColumns(), 60);
    ASSERT_GE(pane->VisibleColumns(), 36);
    pane->ScrollTo(KPoint(10, 0), true);
    pane->MoveCursorTo(KPoint(30, 20));
    view->SetFirstRect(KRect(15, 5, 25, 40));
    view->SetShowFirstRect(true);
    Pump();
    std::vector<KPoint> pixels;
    for (int x = 0; x < pane->ClientSize().x; x += 3)
        pixels.push_back(KPoint(x, 50));
    pixels.push_back(pane->UnitToPixel(KPoint(30, 40)));
    const std::vector<COLORREF> before = Screen(pane, pixels);

    Grow(20);
    pane->ImageGrown();
    Pump();
    EXPECT_EQ(30, pane->ScrollPosition().x);
    EXPECT_EQ(KPoint(50, 20), view->TimeTrackPoint());
    EXPECT_EQ(KRect(35, 5, 45, 40), view->FirstRect());
    EXPECT_EQ(before, Screen(pane, pixels));

    // The new frames come in at the left.
    pane->ScrollTo(KPoint(0, 0), true);
    Pump();
    for (int x : { 0, 10, 19 })
        EXPECT_TRUE(Near(ImageColour(KPoint(99 - x, 60)), UnitPixel(KPoint(x, 60)))) << x;
}

TEST_F(ImagePaneRange, MirroredImageNarrowerThanTheWindowGrowsLeftwardsOnScreen)
{
    image->Camera().SetParameter(VCamera::kOrientation, 1);
    MakeWindow();
    VZImagePane *shown = window->Pane();
    ASSERT_GT(shown->VisibleColumns(), 100);
    shown->MoveCursorTo(KPoint(30, 20));
    Pump();
    // The picture lies against the right edge.
    const KPoint lastFrame = shown->UnitToPixel(KPoint(0, 0));
    EXPECT_EQ(shown->ClientSize().x - 80, lastFrame.x);
    std::vector<KPoint> pixels;
    for (int x = lastFrame.x; x < shown->ClientSize().x; x += 4)
        pixels.push_back(KPoint(x, 50));
    const std::vector<COLORREF> before = Screen(shown, pixels);

    // The image tells its views; the window hands the growth to the pane.
    Grow(20);
    Pump();
    EXPECT_EQ(100, shown->Extent().x);
    EXPECT_EQ(KPoint(50, 20), view->TimeTrackPoint());
    EXPECT_EQ(before, Screen(shown, pixels));
    EXPECT_EQ(lastFrame.x - 20, shown->UnitToPixel(KPoint(0, 0)).x);
}

TEST_F(ImagePaneRange, FoundObjectPutsTheCursorOnItsLeadingFrameInEitherOrientation)
{
    // Where the search finds the first two objects, read on a second view.
    VImageView *probe = image->GetView(1, true);
    ASSERT_TRUE(probe->FindNextObject());
    const KRect plain = probe->ObjectRect();
    const int leading = plain.left;
    const bool second = probe->FindNextObject();
    const int nextLeading = probe->ObjectRect().left;

    image->Camera().SetParameter(VCamera::kOrientation, 1);
    MakeWindow();
    window->Event(ZafEventStruct(kEvtImageFindObject, 0));
    ASSERT_TRUE(view->ObjectFound());
    const KRect &found = view->ObjectRect();
    EXPECT_EQ(79 - plain.right, found.left);
    EXPECT_EQ(79 - leading, found.right);
    EXPECT_TRUE(view->ShowTimeTrack());
    EXPECT_EQ(KPoint(found.right, (found.top + found.bottom) / 2), view->TimeTrackPoint());
    EXPECT_EQ(leading, image->ViewToFrame(view->TimeTrackPoint().x, view->Zoom()));
    EXPECT_TRUE(window->Pane()->CursorDrawn());

    // The next search goes on past that object, towards the left.
    window->Event(ZafEventStruct(kEvtImageFindObject, 0));
    ASSERT_EQ(second, view->ObjectFound());
    if (second) {
        EXPECT_EQ(79 - nextLeading, view->TimeTrackPoint().x);
    }
}

} // namespace
