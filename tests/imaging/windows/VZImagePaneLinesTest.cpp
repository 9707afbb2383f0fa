// The image pane's result lines on real windows over a synthetic colour
// image whose leg holds timed results: the time lines in the hash colour,
// the print lines toggled or flagged in the selection (inverted, so that
// clearing the selection gives the picture back), the selection's size on
// the status bar, and a cursor moved to a result's time.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "domain/camera/VCamera.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "framework/core/base/ZafConstants.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/support/ImageWindowLegTest.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

class ImagePaneLines : public ImagePaneTest
{
protected:
    void SetUp() override
    {
        ImagePaneTest::SetUp();
        results = leg.CreateResults();
        image->SetParent(&leg);
        leg.image = image.get();
        SetInt(kKeyHashColor, 1);
    }
    void TearDown() override
    {
        leg.image = nullptr;
        ImagePaneTest::TearDown();
    }
    // A result timed at the frame's time.
    QVResult *TimedAt(int frame)
    {
        QVResult *result = results->NewResult();
        result->SetFinishTime(image->FrameTime(frame));
        return result;
    }
    void Select(KPoint from, KPoint to)
    {
        Send(ZAF_L_BEGIN_ALT, from);
        Send(ZAF_L_END_ALT, to);
    }
    // The frame a view column shows.
    int FrameAt(int x) const { return image->IsMirrored() ? 79 - x : x; }
    bool ShowsImage(KPoint unit) { return Near(ImageColour(KPoint(FrameAt(unit.x), unit.y)), UnitPixel(unit)); }
    bool ShowsInverted(KPoint unit)
    {
        const COLORREF c = ImageColour(KPoint(FrameAt(unit.x), unit.y));
        return Near(RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)), UnitPixel(unit));
    }
    std::set<int> Flagged()
    {
        std::set<int> frames;
        for (QVResult *r = results->NextFlagged(nullptr); r; r = results->NextFlagged(r))
            frames.insert(pane->ColumnOfTime(r->FinishTime()));
        return frames;
    }

    ImageOwningLeg leg;
    QVResults *results = nullptr;
};

TEST_F(ImagePaneLines, TimeLinesMarkTimedResultsInsideTheImageWhenShown)
{
    struct Case { bool mirrored; int showLines; std::vector<int> red; };
    const Case cases[] = {
        { false, 1, { 10, 30 } },
        { true, 1, { 69, 49 } },   // mirrored: frame f at column 79 - f
        { false, 0, {} },
    };
    // Frames 0 and 79 lie on the image's edges: no line there.
    for (int frame : { 10, 30, 0, 79 })
        TimedAt(frame);
    results->NewResult();          // untimed
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mirrored * 10 + c.showLines);
        image->Camera().SetParameter(VCamera::kOrientation, c.mirrored ? 1 : 0);
        SetInt(kKeyHashShowLines, c.showLines);
        MakePane(300, 200);
        for (int x : { 0, 9, 10, 11, 29, 30, 31, 48, 49, 50, 68, 69, 70, 79 }) {
            const bool line = std::find(c.red.begin(), c.red.end(), x) != c.red.end();
            for (int y : { 0, 33, 63 }) {
                if (line)
                    EXPECT_EQ(kRed, UnitPixel(KPoint(x, y))) << x << "," << y;
                else
                    EXPECT_TRUE(ShowsImage(KPoint(x, y))) << x << "," << y;
            }
        }
        RemoveFromHost(pane);
    }
}

TEST_F(ImagePaneLines, TimeLinesSitAtTheResultsColumnUnderZoomAndAppearWhenScrolledTo)
{
    view->Zoom().SetBoth(2, 1, false);
    TimedAt(10);
    TimedAt(70);
    MakePane(120, 200);
    ASSERT_EQ(159, pane->Extent().x);
    EXPECT_EQ(kRed, UnitPixel(KPoint(20, 40)));
    EXPECT_NE(kRed, UnitPixel(KPoint(21, 40)));
    ASSERT_FALSE(pane->IsUnitVisible(KPoint(140, 40), false));

    pane->ScrollTo(KPoint(100, 0), true);
    Pump();
    EXPECT_EQ(kRed, UnitPixel(KPoint(140, 40)));
    EXPECT_NE(kRed, UnitPixel(KPoint(141, 40)));
}

TEST_F(ImagePaneLines, CursorMovedToAResultsTimeLandsOnItsColumnUnderZoomAndMirroring)
{
    struct Case { bool mirrored; int zoom; int column; };
    const Case cases[] = { { false, 1, 25 }, { false, 2, 50 }, { true, 1, 54 }, { true, 2, 108 } };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.column);
        image->Camera().SetParameter(VCamera::kOrientation, c.mirrored ? 1 : 0);
        view->Zoom().SetBoth(c.zoom, 1, false);
        view->SetShowTimeTrack(false);
        MakePane(300, 200);
        pane->MoveCursorToTime(image->FrameTime(25), 12);
        EXPECT_EQ(KPoint(c.column, 12), view->TimeTrackPoint());
        pane->MoveCursorToTime(VRaceTime(), 3);
        EXPECT_EQ(KPoint(c.column, 12), view->TimeTrackPoint());
        RemoveFromHost(pane);
    }
}

TEST_F(ImagePaneLines, SelectionSizeShowsOnTheStatusBarInFramesAndPixels)
{
    KZStatusString *message = InstallStatusBar();
    MakePane(300, 200);
    Send(ZAF_L_BEGIN_ALT, KPoint(40, 30));
    Send(ZAF_L_CONTINUE_ALT, KPoint(10, 12));
    EXPECT_STREQ(L"(31,19)", message->ShownText().CStr());
    Send(ZAF_L_END_ALT, KPoint(12, 12));
    EXPECT_STREQ(L"(29,19)", message->ShownText().CStr());

    RemoveFromHost(pane);
    view->Zoom().SetBoth(2, 1, false);
    MakePane(300, 200);
    Select(KPoint(10, 12), KPoint(48, 31));
    EXPECT_STREQ(L"(20,10)", message->ShownText().CStr());
}

TEST_F(ImagePaneLines, PressInTheSelectionTogglesThePrintLineOfTheNearestResult)
{
    SetInt(kKeyHashShowLines, 0);
    SetInt(kKeyPrintLines, 1);
    TimedAt(20);
    TimedAt(30);
    MakePane(300, 200);
    Select(KPoint(10, 5), KPoint(26, 50));

    Send(ZAF_L_BEGIN_SELECT, KPoint(22, 20));
    EXPECT_EQ(VZImagePane::kModeIdle, view->RedrawSuspended());
    EXPECT_EQ(std::set<int>{ 20 }, Flagged());
    EXPECT_TRUE(pane->HasSelection());
    for (int y : { 6, 30, 49 })
        EXPECT_TRUE(ShowsInverted(KPoint(20, y))) << y;
    EXPECT_TRUE(ShowsImage(KPoint(20, 52)));
    EXPECT_TRUE(ShowsImage(KPoint(21, 30)));

    // A repaint keeps the line; a second press takes it away again.
    pane->RedrawRect(KRect(15, 0, 25, 63), kEvtRedisplayNow);
    EXPECT_TRUE(ShowsInverted(KPoint(20, 30)));
    Send(ZAF_L_BEGIN_SELECT, KPoint(19, 40));
    EXPECT_TRUE(Flagged().empty());
    EXPECT_TRUE(ShowsImage(KPoint(20, 30)));

    // Nearest to the selection's edge is the result at 30, outside it: the
    // press drags the cursor instead.
    Send(ZAF_L_BEGIN_SELECT, KPoint(26, 20));
    EXPECT_EQ(VZImagePane::kModeCursorDrag, view->RedrawSuspended());
    EXPECT_FALSE(pane->HasSelection());
    EXPECT_TRUE(Flagged().empty());
    Send(ZAF_L_END_SELECT, KPoint(26, 20));
}

TEST_F(ImagePaneLines, PressWithPrintLinesOffOrOutsideTheSelectionStartsACursorDrag)
{
    SetInt(kKeyHashShowLines, 0);
    TimedAt(20);
    for (int printLines : { 0, 1 }) {
        SCOPED_TRACE(printLines);
        SetInt(kKeyPrintLines, printLines);
        MakePane(300, 200);
        Select(KPoint(10, 5), KPoint(40, 50));
        Send(ZAF_L_BEGIN_SELECT, printLines ? KPoint(60, 20) : KPoint(20, 20));
        EXPECT_EQ(VZImagePane::kModeCursorDrag, view->RedrawSuspended());
        EXPECT_FALSE(pane->HasSelection());
        EXPECT_TRUE(Flagged().empty());
        Send(ZAF_L_END_SELECT, KPoint(60, 20));
        RemoveFromHost(pane);
    }
}

TEST_F(ImagePaneLines, ReleaseWithPrintLinesTwoFlagsTheResultsBetweenTheEdgesWhateverTheirOrder)
{
    SetInt(kKeyHashShowLines, 0);
    SetInt(kKeyPrintLines, 2);
    // Not in order of time, and one far outside.
    for (int frame : { 60, 30, 5, 20, 45 })
        TimedAt(frame);
    struct Case { bool mirrored; KRect selection; std::set<int> flagged; };
    const Case cases[] = {
        { false, KRect(18, 5, 40, 50), { 20, 30, 45 } },    // edges nearest to 20 and 45
        { true, KRect(18, 5, 40, 50), { 19, 34 } },         // frames 60 and 45 at 79 - f
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mirrored);
        image->Camera().SetParameter(VCamera::kOrientation, c.mirrored ? 1 : 0);
        MakePane(300, 200);
        Select(KPoint(c.selection.left, c.selection.top), KPoint(c.selection.right, c.selection.bottom));
        EXPECT_TRUE(pane->HasSelection());
        EXPECT_EQ(c.flagged, Flagged());
        for (int x : c.flagged)
            if (x > c.selection.left && x < c.selection.right) {
                EXPECT_TRUE(ShowsInverted(KPoint(x, 30))) << x;
            }
        pane->ClearSelection();
        EXPECT_TRUE(Flagged().empty());
        for (int x : c.flagged)
            EXPECT_TRUE(ShowsImage(KPoint(x, 30))) << x;
        RemoveFromHost(pane);
    }
}

} // namespace
