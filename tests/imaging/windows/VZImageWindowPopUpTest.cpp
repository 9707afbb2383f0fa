// The image window's pop-up menus, read back from the system's open menu
// and chosen from with the keyboard: Shift with the left button offers the
// leg's untimed results, the end of a selection drag offers the selection's
// commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/camera/VCamera.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VRaceTime.h"
#include "framework/core/base/ZafConstants.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImageWindowLegTest.h"
#include "imaging/support/PopUpMenuProbe.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/toolkit/KZToolkitCodes.h"

namespace {

using ImageWindowPopUps = ImageWindowLegTest;

TEST_F(ImageWindowPopUps, ShiftClickOffersTheUntimedResultsAndTheChoiceGetsTheCursorTime)
{
    QVResult *north = AddResult(L"1", L"North");
    AddResult(L"2", L"East", 5000);
    QVResult *south = AddResult(L"3", L"Smith & Sons");
    const VRaceTime time = PlaceCursor(KPoint(30, 10));
    {
        PopUpMenuProbe probe(1);
        SendTo(window->Pane(), ZAF_L_BEGIN_SELECT, KPoint(50, 20), ZAF_SHIFT);
        ASSERT_TRUE(probe.Opened());
        // Windows shows a doubled "&" as one.
        EXPECT_EQ((std::vector<std::wstring>{ L"1\tNorth", L"3\tSmith && Sons" }), probe.Texts());
    }
    EXPECT_EQ(std::vector<int32_t>{ kEvtImageResultFirst + 1 }, DeliverCommands());
    EXPECT_EQ(time.Ticks(), south->FinishTime().Ticks());
    EXPECT_FALSE(north->FinishTime().IsValid());
    EXPECT_EQ(KPoint(30, 10), view->TimeTrackPoint());
    EXPECT_EQ(VZImagePane::kModeIdle, view->RedrawSuspended());
    EXPECT_EQ(0, beeps);
}

TEST_F(ImageWindowPopUps, TheResultMenuUsesTheFieldOfTheIdentificationMethodAndListsAtMostAHundred)
{
    for (int i = 1; i <= 101; ++i) {
        QVResult *result = AddResult(std::to_wstring(i).c_str(), L"Club");
        result->SetTextField(QVResult::kIdentity, KString(std::to_wstring(1000 + i).c_str()));
    }
    image->Camera().SetParameter(VCamera::kIdMethod, 2);
    const VRaceTime time = PlaceCursor(KPoint(30, 10));
    {
        PopUpMenuProbe probe(99);
        SendTo(window->Pane(), ZAF_L_BEGIN_SELECT, KPoint(50, 20), ZAF_SHIFT);
        ASSERT_TRUE(probe.Opened());
        ASSERT_EQ(100u, probe.Entries().size());
        EXPECT_EQ(L"1001\tClub", probe.Texts().front());
        EXPECT_EQ(L"1100\tClub", probe.Texts().back());
    }
    EXPECT_EQ(std::vector<int32_t>{ kEvtImageResultFirst + 99 }, DeliverCommands());
    QVResult *chosen = results->FindByField(QVResult::kLane, KString(L"100"));
    EXPECT_EQ(time.Ticks(), chosen->FinishTime().Ticks());
}

TEST_F(ImageWindowPopUps, WithNothingToOfferNoMenuOpensAndThePaneBeeps)
{
    struct Case
    {
        const char *name;
        int32_t method;
        bool untimed;
    };
    const Case cases[] = {
        { "no identification method", 0, true },
        { "every result timed", 1, false },
    };
    for (const Case &c : cases) {
        results->DeleteAllResults();
        AddResult(L"1", L"", c.untimed ? -1 : 3000);
        image->Camera().SetParameter(VCamera::kIdMethod, c.method);
        beeps = 0;
        PopUpMenuProbe probe;
        SendTo(window->Pane(), ZAF_L_BEGIN_SELECT, KPoint(50, 20), ZAF_SHIFT);
        Pump();
        EXPECT_FALSE(probe.Opened()) << c.name;
        EXPECT_EQ(1, beeps) << c.name;
    }
    // A choice that no longer names an untimed result changes nothing.
    PlaceCursor(KPoint(30, 10));
    window->Event(ZafEventStruct(kEvtImageResultFirst + 5, 0));
    EXPECT_EQ(VRaceTime::FromMilliseconds(3000), results->NextResult(nullptr)->FinishTime());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ImageWindowPopUps, TheEndOfASelectionDragOffersItsCommandsAndTheChoiceActsOnTheSelection)
{
    struct Case
    {
        int choose;
        int32_t code;
    };
    const Case cases[] = { { 0, kEvtImageCrop }, { 1, kEvtImageEnhance } };
    for (const Case &c : cases) {
        SendTo(window->Pane(), ZAF_L_BEGIN_ALT, KPoint(10, 5));
        SendTo(window->Pane(), ZAF_L_CONTINUE_ALT, KPoint(29, 40));
        {
            PopUpMenuProbe probe(c.choose);
            SendTo(window->Pane(), ZAF_L_END_ALT, KPoint(29, 40));
            ASSERT_TRUE(probe.Opened()) << c.code;
            EXPECT_EQ((std::vector<std::wstring>{ L"&Crop", L"&Enhance", L"E&xport bitmap", L"&Print" }),
                      probe.Texts());
        }
        EXPECT_EQ(std::vector<int32_t>{ c.code }, DeliverCommands());
        EXPECT_FALSE(view->ShowFirstRect()) << c.code;
    }
    EXPECT_TRUE(image->HasGaps());
    EXPECT_FALSE(image->DisplayIsIdentity());
}

TEST_F(ImageWindowPopUps, TheSelectionsOtherCommandsReachThePane)
{
    // White balance takes the selection away as it uses it.
    view->SetFirstRect(KRect(10, 5, 29, 40));
    view->SetShowFirstRect(true);
    EXPECT_EQ(kEvtImageWhiteBalancePopup, window->Event(ZafEventStruct(kEvtImageWhiteBalancePopup, 0)));
    EXPECT_FALSE(view->ShowFirstRect());
    // Export without a selection only says so.
    window->Event(ZafEventStruct(kEvtImageExportPopup, 0));
    EXPECT_EQ(1u, boxes.size());
    EXPECT_EQ(kEvtImagePrintPopup, window->Event(ZafEventStruct(kEvtImagePrintPopup, 0)));
    EXPECT_EQ(1u, boxes.size());
}

} // namespace
