// The image pane's mouse drags on real windows: the cursor follows the left
// button, the right button drags a selection whose frame leaves the picture
// as it was once removed, also after a repaint of part of it.
#include <gtest/gtest.h>

#include "framework/core/base/ZafConstants.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

namespace {

class ImagePaneMouse : public ImagePaneTest
{
protected:
    // Units of the rectangle's edges whose pixels differ from the image.
    int ChangedEdgeUnits(const KRect &rect)
    {
        int changed = 0;
        for (int x = rect.left; x <= rect.right; ++x)
            changed += !Near(ImageColour(KPoint(x, rect.top)), UnitPixel(KPoint(x, rect.top))) +
                       !Near(ImageColour(KPoint(x, rect.bottom)), UnitPixel(KPoint(x, rect.bottom)));
        for (int y = rect.top + 1; y < rect.bottom; ++y)
            changed += !Near(ImageColour(KPoint(rect.left, y)), UnitPixel(KPoint(rect.left, y))) +
                       !Near(ImageColour(KPoint(rect.right, y)), UnitPixel(KPoint(rect.right, y)));
        return changed;
    }
};

TEST_F(ImagePaneMouse, LeftDragCarriesTheCursorAndTheReleaseEndsTheDrag)
{
    MakePane(300, 200);
    Send(ZAF_L_BEGIN_SELECT, KPoint(10, 10));
    EXPECT_EQ(VZImagePane::kModeCursorDrag, view->RedrawSuspended());
    Send(ZAF_L_CONTINUE_SELECT, KPoint(20, 15));
    EXPECT_EQ(KPoint(20, 15), view->TimeTrackPoint());
    EXPECT_TRUE(view->ShowTimeTrack());
    Send(ZAF_L_END_SELECT, KPoint(30, 40));
    EXPECT_EQ(KPoint(30, 40), view->TimeTrackPoint());
    EXPECT_EQ(VZImagePane::kModeIdle, view->RedrawSuspended());
    EXPECT_TRUE(pane->CursorDrawn());
    EXPECT_EQ(RGB(255, 0, 0), UnitPixel(KPoint(30, 5)));
    EXPECT_TRUE(Near(ImageColour(KPoint(20, 5)), UnitPixel(KPoint(20, 5))));
}

TEST_F(ImagePaneMouse, RightDragSelectsBetweenAnchorAndPointerInAnyDirection)
{
    MakePane(300, 200);
    Send(ZAF_L_BEGIN_ALT, KPoint(40, 30));
    EXPECT_EQ(VZImagePane::kModeSelectionDrag, view->RedrawSuspended());
    Send(ZAF_L_CONTINUE_ALT, KPoint(50, 50));
    Send(ZAF_L_END_ALT, KPoint(10, 12));
    EXPECT_EQ(KRect(10, 12, 40, 30), view->FirstRect());
    EXPECT_TRUE(pane->HasSelection());
    EXPECT_EQ(VZImagePane::kModeIdle, view->RedrawSuspended());
    // A press outside the image is taken at its edge.
    Send(ZAF_L_BEGIN_ALT, KPoint(70, 60));
    Send(ZAF_L_END_ALT, KPoint(79, 63));
    EXPECT_EQ(KRect(70, 60, 79, 63), view->FirstRect());
}

TEST_F(ImagePaneMouse, SelectionFrameIsRemovedByDrawingItAgainEvenAfterAPartialRepaint)
{
    MakePane(300, 200);
    const KRect selection(10, 12, 40, 30);
    Send(ZAF_L_BEGIN_ALT, KPoint(10, 12));
    Send(ZAF_L_END_ALT, KPoint(40, 30));
    ASSERT_EQ(selection, view->FirstRect());
    EXPECT_LT(0, ChangedEdgeUnits(selection));

    pane->RedrawRect(KRect(0, 0, 20, 63), kEvtRedisplayNow);
    pane->ClearSelection();
    EXPECT_FALSE(pane->HasSelection());
    EXPECT_EQ(0, ChangedEdgeUnits(selection));
}

TEST_F(ImagePaneMouse, MovingTheCursorClearsTheSelection)
{
    MakePane(300, 200);
    Send(ZAF_L_BEGIN_ALT, KPoint(10, 12));
    Send(ZAF_L_END_ALT, KPoint(40, 30));
    pane->MoveCursorTo(KPoint(60, 20));
    EXPECT_FALSE(pane->HasSelection());
    EXPECT_EQ(0, ChangedEdgeUnits(KRect(10, 12, 40, 30)));
}

} // namespace
