// The image pane on real windows over a synthetic colour image: the strips
// it draws, the hash cursor's pixels and their erasing, and the cursor's
// moves by the arrow keys with hand-driven ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "domain/camera/VCamera.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/base/ZafConstants.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagePaneTest.h"
#include "imaging/views/VImageView.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "imaging/windows/VZImagePane.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

int32_t g_tick = 0;
int32_t HandTick() { return g_tick; }

class ImagePane : public ImagePaneTest
{
protected:
    void SetHash(int color, int crossWidth, int width)
    {
        SetInt(kKeyHashColor, color);
        SetInt(kKeyHashCrossWidth, crossWidth);
        SetInt(kKeyHashWidth, width);
    }
    bool ShowsImage(KPoint unit) { return Near(ImageColour(unit), UnitPixel(unit)); }
    bool ShowsRed(KPoint unit) { return UnitPixel(unit) == kRed; }
};

TEST_F(ImagePane, PointerOverThePaneShowsTheCameraNameInTheStatusBarUntilItLeaves)
{
    KZStatusString *message = InstallStatusBar();
    image->Camera().SetName(KString(L"Finish 2"));
    MakePane(120, 90);
    pane->Event(ZafEventStruct(ZAF_EV_POINTER_ENTERED, 0));
    EXPECT_STREQ(L"Finish 2", message->ShownText().CStr());
    pane->Event(ZafEventStruct(ZAF_EV_POINTER_LEFT, 0));
    EXPECT_STREQ(L"", message->ShownText().CStr());
}

TEST_F(ImagePane, StripsShowTheImagesPixelsAtTheirViewUnits)
{
    MakePane(300, 200);
    ASSERT_EQ(KPoint(80, 64), pane->Extent());
    for (KPoint unit : { KPoint(0, 0), KPoint(19, 5), KPoint(20, 5), KPoint(41, 33), KPoint(79, 63) })
        EXPECT_TRUE(ShowsImage(unit)) << unit.x << "," << unit.y;
}

TEST_F(ImagePane, MirroredImageShowsTheLastFrameAtTheLeft)
{
    image->Camera().SetParameter(VCamera::kOrientation, 1);
    MakePane(300, 200);
    for (int x : { 0, 7, 79 })
        EXPECT_TRUE(Near(ImageColour(KPoint(79 - x, 10)), UnitPixel(KPoint(x, 10)))) << x;
}

TEST_F(ImagePane, HashCursorDrawsItsColumnsAndStrokeAndErasingRestoresTheImage)
{
    SetHash(1, 7, 2);
    MakePane(300, 200);
    ASSERT_TRUE(pane->MoveCursorTo(KPoint(40, 30)));
    for (int y : { 0, 12, 30, 63 }) {
        EXPECT_TRUE(ShowsRed(KPoint(40, y))) << y;
        EXPECT_TRUE(ShowsRed(KPoint(39, y))) << y;
        if (y != 30) {
            EXPECT_TRUE(ShowsImage(KPoint(41, y))) << y;
        }
    }
    for (int x = 37; x <= 43; ++x)
        EXPECT_TRUE(ShowsRed(KPoint(x, 30))) << x;
    EXPECT_TRUE(ShowsImage(KPoint(36, 30)));
    EXPECT_TRUE(ShowsImage(KPoint(44, 30)));
    EXPECT_FALSE(pane->MoveCursorTo(KPoint(40, 30)));

    pane->EraseCursor();
    for (int x = 37; x <= 43; ++x)
        EXPECT_TRUE(ShowsImage(KPoint(x, 30))) << x;
    EXPECT_TRUE(ShowsImage(KPoint(39, 5)));
}

TEST_F(ImagePane, CursorSettingsDecideColourColumnsAndStroke)
{
    struct Case { int color, crossWidth, width; bool mirrored; COLORREF colour; std::vector<int> columns; int stroke; };
    const Case cases[] = {
        { 1, 0, 2, false, kRed, { 40 }, 0 },                  // no cross: one column, no stroke
        { 3, 3, 4, false, RGB(0, 255, 0), { 40 }, 1 },         // width limited by the half cross
        { 2, 9, 3, false, RGB(255, 255, 255), { 40, 39, 38 }, 4 },
        { 0, 5, 2, true, RGB(0, 0, 0), { 40, 41 }, 2 },        // mirrored: lines step right
        { 7, 4, 2, false, kRed, { 40, 39 }, 2 },               // unknown colours are red
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.color * 100 + c.crossWidth);
        SetHash(c.color, c.crossWidth, c.width);
        image->Camera().SetParameter(VCamera::kOrientation, c.mirrored ? 1 : 0);
        view->SetShowTimeTrack(false);
        MakePane(300, 200);
        ASSERT_TRUE(pane->MoveCursorTo(KPoint(40, 30)));
        for (int x = 36; x <= 44; ++x) {
            const bool line = std::find(c.columns.begin(), c.columns.end(), x) != c.columns.end();
            EXPECT_EQ(line, UnitPixel(KPoint(x, 8)) == c.colour) << x;
            const bool stroked = line || (x >= 40 - c.stroke && x <= 40 + c.stroke);
            EXPECT_EQ(stroked, UnitPixel(KPoint(x, 30)) == c.colour) << x;
        }
        RemoveFromHost(pane);
    }
}

TEST_F(ImagePane, CursorSurvivesARepaintOfItsBand)
{
    SetHash(1, 3, 1);
    MakePane(300, 200);
    pane->MoveCursorTo(KPoint(20, 10));
    pane->RedrawRect(KRect(15, 0, 25, 63), kEvtRedisplayNow);
    EXPECT_TRUE(ShowsRed(KPoint(20, 40)));
    EXPECT_TRUE(ShowsImage(KPoint(19, 40)));
}

TEST_F(ImagePane, ArrowRunMovesOneUnitUntil1500MillisecondsThenFiveAndAPauseStartsAgain)
{
    KSetTickSource(&HandTick);
    g_tick = 100000;
    MakePane(300, 200);
    pane->MoveCursorTo(KPoint(0, 30));
    auto right = [this]() {
        pane->Event(ZafEventStruct(ZAF_L_RIGHT, 0));
        return view->TimeTrackPoint().x;
    };
    int x = right();
    EXPECT_EQ(1, x);
    for (int step = 1; step <= 15; ++step) {
        g_tick += 100;
        const int before = x;
        x = right();
        EXPECT_EQ(1, x - before) << step;     // up to 1500 ms into the run
    }
    g_tick += 100;
    EXPECT_EQ(x + 5, right());
    x += 5;
    g_tick += 150;
    EXPECT_EQ(x + 1, right());
    x += 1;
    // Another key starts its own run.
    g_tick += 100;
    pane->Event(ZafEventStruct(ZAF_L_DOWN, 0));
    EXPECT_EQ(KPoint(x, 31), view->TimeTrackPoint());
    pane->Event(ZafEventStruct(ZAF_L_UP, 0));
    pane->Event(ZafEventStruct(ZAF_L_LEFT, 0));
    EXPECT_EQ(KPoint(x - 1, 30), view->TimeTrackPoint());
    KSetTickSource(nullptr);
}

TEST_F(ImagePane, ArrowsDoNothingWithoutAShownCursorAndStopAtTheImagesEdge)
{
    MakePane(300, 200);
    pane->Event(ZafEventStruct(ZAF_L_RIGHT, 0));
    EXPECT_FALSE(view->ShowTimeTrack());
    pane->MoveCursorTo(KPoint(79, 0));
    pane->Event(ZafEventStruct(ZAF_L_UP, 0));
    pane->Event(ZafEventStruct(ZAF_L_RIGHT, 0));
    EXPECT_TRUE(view->ShowTimeTrack());
    EXPECT_EQ(KPoint(79, 0), view->TimeTrackPoint());
}

} // namespace
