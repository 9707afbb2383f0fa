// Entering results from the image window on real windows: the time at the
// cursor goes to the result the identification names, or to a new one, with
// the questions before a time is overwritten and the refusals; the automatic
// time resolution follows the leg's start.
#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include "domain/camera/VCamera.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/timing/VLeg.h"
#include "domain/timing/VRaceTime.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImageWindowLegTest.h"
#include "imaging/views/VImageView.h"
#include "imaging/windows/VZImagePane.h"
#include "imaging/windows/VZImageWindow.h"
#include "shell/app/KZAppCodes.h"

namespace {

using ImageWindowResults = ImageWindowLegTest;

TEST_F(ImageWindowResults, EnterGivesTheCursorTimeToTheResultTheIdentificationNames)
{
    QVResult *first = AddResult(L"3");
    QVResult *second = AddResult(L"5");
    const VRaceTime time = PlaceCursor(KPoint(30, 10));
    ASSERT_TRUE(time.IsValid());
    second->SetResultCode(QVResult::kCodeNone);
    EnterId(L"5");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(0, beeps);
    EXPECT_EQ(time.Ticks(), second->FinishTime().Ticks());
    EXPECT_EQ(VRaceTime::kHundredth, second->FinishTime().Resolution());
    EXPECT_FALSE(first->FinishTime().IsValid());
    EXPECT_EQ(2, results->ResultCount());
}

TEST_F(ImageWindowResults, AnUnknownIdentificationMakesANewResultUnlessTheUserCancelsTheQuestion)
{
    AddResult(L"3");
    const VRaceTime time = PlaceCursor(KPoint(30, 10));
    EnterId(L"9");
    ASSERT_EQ(2, results->ResultCount());
    QVResult *added = results->FindByField(QVResult::kLane, KString(L"9"));
    ASSERT_NE(nullptr, added);
    EXPECT_EQ(time.Ticks(), added->FinishTime().Ticks());
    EXPECT_TRUE(boxes.empty());

    // With the list's option set the user is asked first.
    results->SetOptionFlags(kResultsAskNotInList);
    PlaceCursor(KPoint(60, 10));
    boxAnswer = kDialogCancel;
    EnterId(L"11");
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"NotInList", boxes[0].text);
    EXPECT_EQ(L"Title", boxes[0].caption);
    EXPECT_EQ(2, results->ResultCount());
    boxAnswer = kDialogOk;
    EnterId(L"11");
    EXPECT_EQ(3, results->ResultCount());
}

TEST_F(ImageWindowResults, TimedCodedAndNearbyResultsAskBeforeTheTimeIsStored)
{
    struct Case
    {
        const char *name;
        int32_t ms;      // the result's own time, -1 none
        int32_t code;    // its result code
        bool neighbour;  // another result is timed 5 ms after the cursor's time
        const wchar_t *question;
    };
    const Case cases[] = {
        { "timed", 1234, QVResult::kCodeNone, false, L"HasTime" },
        { "coded", -1, QVResult::kCodeDidNotFinish, false, L"Invalid" },
        { "near another", -1, QVResult::kCodeNone, true, L"CloseToAnother" },
    };
    for (const Case &c : cases) {
        results->DeleteAllResults();
        const VRaceTime time = PlaceCursor(KPoint(40, 10));
        QVResult *result = AddResult(L"7", L"", c.ms);
        result->SetResultCode(c.code);
        if (c.neighbour) {
            QVResult *other = AddResult(L"8");
            other->SetFinishTime(VRaceTime(time.Ticks() + 5 * VRaceTime::kMillisecond, 1, VRaceTime::kMillisecond));
        }
        const VRaceTime before = result->FinishTime();
        boxes.clear();
        boxAnswer = kDialogCancel;
        EnterId(L"7");
        ASSERT_EQ(1u, boxes.size()) << c.name;
        EXPECT_EQ(c.question, boxes[0].text) << c.name;
        EXPECT_EQ(kButtonOk | kButtonCancel, boxes[0].buttons) << c.name;
        EXPECT_EQ(before, result->FinishTime()) << c.name;
        EXPECT_EQ(c.code, result->ResultCode()) << c.name;

        boxAnswer = kDialogOk;
        EnterId(L"7");
        EXPECT_EQ(time.Ticks(), result->FinishTime().Ticks()) << c.name;
        EXPECT_EQ(QVResult::kCodeNone, result->ResultCode()) << c.name;
    }
    EXPECT_EQ(0, beeps);
}

TEST_F(ImageWindowResults, RefusalsBeepAndStoreNothingAndShowTheirTextWhenTheImageHasALeg)
{
    AddResult(L"3");
    // No cursor: no time.
    EnterId(L"3");
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Title", boxes[0].caption);
    EXPECT_EQ(L"NoTime", boxes[0].text);
    EXPECT_EQ(1, beeps);
    // A cursor, but no identification while the method names a field.
    PlaceCursor(KPoint(30, 10));
    EnterId(L"");
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"NoValue", boxes[1].text);
    EXPECT_EQ(2, beeps);
    // An image without a leg beeps without a text.
    image->SetParent(nullptr);
    EXPECT_EQ(nullptr, window->Leg());
    EnterId(L"3");
    EXPECT_EQ(3, beeps);
    EXPECT_EQ(2u, boxes.size());
    EXPECT_EQ(1, results->ResultCount());
    EXPECT_EQ(nullptr, results->NextTimed(nullptr));
}

TEST_F(ImageWindowResults, WithoutAnIdentificationMethodEachEnterMakesANewTimedResult)
{
    image->Camera().SetParameter(VCamera::kIdMethod, 0);
    PlaceCursor(KPoint(20, 10));
    EnterId(L"");
    PlaceCursor(KPoint(70, 10));
    EnterId(L"ignored");
    ASSERT_EQ(2, results->ResultCount());
    for (QVResult *r = results->NextResult(nullptr); r; r = results->NextResult(r)) {
        EXPECT_TRUE(r->FinishTime().IsValid());
        EXPECT_TRUE(r->TextField(QVResult::kLane).IsEmpty());
    }
}

TEST_F(ImageWindowResults, AutomaticResolutionIsATenthForAHandStartAndAHundredthOtherwise)
{
    AddResult(L"3");
    AddResult(L"4");
    EXPECT_EQ(kEvtImageResolutionFirst + 3, CheckedResolution());   // 1/100 s
    PlaceCursor(KPoint(30, 10));
    EnterId(L"3");
    EXPECT_EQ(VRaceTime::kHundredth, results->FindByField(QVResult::kLane, KString(L"3"))->FinishTime().Resolution());

    leg->Start().SetManual(true);
    EXPECT_EQ(kEvtImageResolutionFirst + 2, CheckedResolution());   // 1/10 s
    PlaceCursor(KPoint(60, 10));
    EnterId(L"4");
    EXPECT_EQ(VRaceTime::kTenth, results->FindByField(QVResult::kLane, KString(L"4"))->FinishTime().Resolution());

    // A chosen resolution holds whatever the start.
    window->Event(ZafEventStruct(kEvtImageResolutionFirst + 4, 0));
    EXPECT_EQ(kEvtImageResolutionFirst + 4, CheckedResolution());
    EXPECT_EQ(80, window->TimeResolution());
}

TEST_F(ImageWindowResults, ANewResultByIdIsFilledFromTheStartListUnlessTheListAsksFirst)
{
    // A start list of one heat in the program's folder.
    const std::pair<const wchar_t *, const char *> files[] = {
        { L"vexa.sch", "1,1,1\n" },
        { L"vexa.evt", "1,1,100 m Heats\n" },
        { L"vexa.ppl", "1,1,1,3,101,Berg,Anna,Oslo IL,N-2231\n1,1,1,4,102,Costa,Maria,Lisboa\n" },
    };
    for (const auto &file : files) {
        FILE *out = _wfopen(ProgramFolderFile(file.first).c_str(), L"wb");
        ASSERT_NE(nullptr, out);
        std::fputs(file.second, out);
        std::fclose(out);
    }
    QVSchedule schedule;
    QVSchedule::Settings settings;
    settings.mode = QVSchedule::kModeFiles;
    settings.dataInDir = KString(ProgramFolderFile(L"").c_str());
    schedule.SetSettings(settings);
    QVSchedule::SetInstance(&schedule);
    image->Camera().SetParameter(VCamera::kIdMethod, 2);

    PlaceCursor(KPoint(30, 10));
    EnterId(L"101");
    QVResult *filled = results->FindByField(QVResult::kIdentity, KString(L"101"));
    ASSERT_NE(nullptr, filled);
    EXPECT_EQ(filled->LastName(), L"Berg");
    EXPECT_EQ(filled->TextField(QVResult::kLane), L"3");
    EXPECT_TRUE(filled->FinishTime().IsValid());

    // When the list asks before adding, the new result holds the identification only.
    results->SetOptionFlags(kResultsAskNotInList);
    PlaceCursor(KPoint(60, 10));
    EnterId(L"102");
    QVResult *asked = results->FindByField(QVResult::kIdentity, KString(L"102"));
    ASSERT_NE(nullptr, asked);
    EXPECT_TRUE(asked->LastName().IsEmpty());
    EXPECT_EQ(1u, boxes.size());
    QVSchedule::SetInstance(nullptr);
}

} // namespace
