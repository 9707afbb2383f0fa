// The trial download behind a scripted unit link: the walk over the ports,
// the trial choice, pairing and overwriting, false starts, download-all
// across units, failures and the overlay.
#include <gtest/gtest.h>

#include <climits>

#include "domain/results/QVResult.h"
#include "ui/results/ResultsTest.h"
#include "shell/app/KZAppCodes.h"

namespace {

const wchar_t *const kPortA = L"7,19200,8,N,1.0";
const wchar_t *const kPortB = L"8,19200,8,N,1.0";

ScriptedUnit Unit(int32_t number, std::initializer_list<int32_t> reactionMs, int32_t power = 2000)
{
    ScriptedUnit unit;
    unit.number = number;
    for (int32_t ms : reactionMs)
        unit.trials.push_back({ ms, power });
    return unit;
}

class TrialDownload : public ResultsTest
{
};

} // namespace

TEST_F(TrialDownload, WithoutUsablePortsNothingIsOpenedOrAsked)
{
    EXPECT_EQ(1, Run(false, true));
    EXPECT_TRUE(link.opened.empty());

    AddPort(L"Lane 0", L"0,19200,8,N,1.0");
    EXPECT_EQ(1, Run(false, true));
    EXPECT_TRUE(link.opened.empty());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(0, list->results.Count());
}

TEST_F(TrialDownload, FalseStartMarkFollowsTheDownloadedReactionTime)
{
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 99, 100 }));
    list->choices.push_back({ kDialogOk, -2 });   // Download All of this unit

    EXPECT_EQ(1, Run(false, true));
    ASSERT_EQ(2, list->results.Count());
    QVResult *first = list->results.MatchingAt(0, list->view);
    QVResult *second = list->results.MatchingAt(1, list->view);
    EXPECT_TRUE(first->IsFalseStart());
    EXPECT_FALSE(second->IsFalseStart());
    EXPECT_EQ(std::wstring(L"Lane 1"), first->Source().CStr());
    EXPECT_EQ(2 * 5001 * 2, first->TraceLength());
    EXPECT_EQ(ScriptedSample(1, 4321), first->Sample(1, 4321));
    EXPECT_EQ(std::wstring(L"Select Trial from Lane 1"), list->dialogTitles.at(0));
    EXPECT_EQ(KPoint(0, 1), list->selected);   // the last trial written is shown
}

TEST_F(TrialDownload, OverwritingAPairedTrialAssignsTheFalseStartMarkAfresh)
{
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 120 }));
    QVResult *existing = list->AddTrial(120, 2000, true);
    existing->SetFalseStart(true);   // marked by hand
    list->choices.push_back({ kDialogOk, 0 });
    Answer({ kDialogYes });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ(1, list->results.Count());
    EXPECT_FALSE(existing->IsFalseStart());
    EXPECT_EQ(ScriptedSample(0, 10), existing->Sample(0, 10));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(std::wstring(L"Overwrite Existing Traces: Trial 1"), boxes[0].caption);
}

TEST_F(TrialDownload, PairingNeedsEqualReactionTimeAndEqualPowerAboveZero)
{
    struct Case { int32_t listedMs, listedPower, downloadedPower; bool withTrace; int rowsAfter; int questions; };
    const Case cases[] = {
        { 153, 0, 0, false, 2, 0 },        // power 0 never pairs
        { 153, 2000, 2100, false, 2, 0 },  // other power
        { 154, 2000, 2000, false, 2, 0 },  // other reaction time
        { 153, 2000, 2000, false, 1, 0 },  // paired, no trace yet: filled without a question
        { 153, 2000, 2000, true, 1, 1 },   // paired with a trace: asked
    };
    AddPort(L"Lane 1", kPortA);
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.listedMs * 10000 + c.listedPower);
        list = std::make_unique<RecordingDownloadHost>();
        boxes.clear();
        link.Add(kPortA, Unit(1, { 153 }, c.downloadedPower));
        list->AddTrial(c.listedMs, c.listedPower, c.withTrace);
        list->choices.push_back({ kDialogOk, 0 });
        Answer({ kDialogYes });
        Run(false, true);
        EXPECT_EQ(c.rowsAfter, list->results.Count());
        EXPECT_EQ(size_t(c.questions), boxes.size());
        EXPECT_NE(0, list->results.MatchingAt(c.rowsAfter - 1, list->view)->TraceLength());
    }
}

TEST_F(TrialDownload, ReactionTimesOnlyAskBeforeOverwritingAndCancelEndsTheUnitsLoop)
{
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 140, 150, 160 }));
    list->AddTrial(140, 2000, false);
    list->AddTrial(150, 2000, false);
    list->choices.push_back({ kDialogOk, -2 });
    Answer({ kDialogNo, kDialogCancel });

    EXPECT_EQ(1, Run(true, false));
    EXPECT_EQ(2, list->results.Count());   // the third trial was never reached
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(std::wstring(L"Overwrite Existing Trial: Trial 1"), boxes[0].caption);
    EXPECT_EQ(std::wstring(L"Overwrite Existing Trial: Trial 2"), boxes[1].caption);
    EXPECT_TRUE(link.traces.empty());
}

TEST_F(TrialDownload, DownloadAllAcrossUnitsFetchesTrialByTrial)
{
    AddPort(L"Lane 1", kPortA);
    AddPort(L"Lane 2", kPortB);
    link.Add(kPortA, Unit(1, { 150, 151, 152 }));
    link.Add(kPortB, Unit(2, { 160, 161, 162, 163, 164 }));
    list->choices.push_back({ kDialogOk, -2 });
    Answer({ kDialogYes, kDialogYes });   // download from every block; go on despite the counts

    EXPECT_EQ(1, Run(false, true));
    const std::vector<std::string> expected = { "u1t0", "u2t0", "u1t1", "u2t1", "u1t2", "u2t2", "u2t3", "u2t4" };
    EXPECT_EQ(expected, link.traces);
    EXPECT_EQ(8, list->results.Count());
    EXPECT_EQ(1, BoxesStartingWith(L"Do you want to 'Download All'"));
    EXPECT_EQ(1, BoxesStartingWith(L"The number of traces is not the same"));
    EXPECT_EQ(1u, list->dialogTitles.size());
}

TEST_F(TrialDownload, AUnitLostAfterCountingMissesOnlyItsTurnInThatPass)
{
    AddPort(L"Lane 1", kPortA);
    AddPort(L"Lane 2", kPortB);
    // Status is asked when chosen, when counted, and when opened again to fetch.
    link.Add(kPortA, Unit(1, { 150, 151 })).failStatusOn = 3;
    link.Add(kPortB, Unit(2, { 160, 161 }));
    list->choices.push_back({ kDialogOk, -2 });
    Answer({ kDialogYes, kDialogAbort });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ((std::vector<std::string>{ "u2t0", "u1t1", "u2t1" }), link.traces);
}

TEST_F(TrialDownload, AnsweringNoToTheCountMismatchRefusesTheRun)
{
    AddPort(L"Lane 1", kPortA);
    AddPort(L"Lane 2", kPortB);
    link.Add(kPortA, Unit(1, { 150, 151, 152 }));
    link.Add(kPortB, Unit(2, { 160 }));
    list->choices.push_back({ kDialogOk, -2 });
    Answer({ kDialogYes, kDialogNo });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_TRUE(link.traces.empty());
    EXPECT_EQ(0, list->results.Count());
}

TEST_F(TrialDownload, AFailedOrAbortedDownloadLeavesNoRow)
{
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 150 })).failTrace = 1;
    list->AddTrial(300, 2000, false);
    list->choices.push_back({ kDialogOk, 0 });
    Answer({ kDialogAbort });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ(1, list->results.Count());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(std::wstring(L"Communication Error"), boxes[0].caption);
    EXPECT_EQ(std::wstring(L"A timeout error occurred when communicating with Quorvane: Lane 1\r\nCOM7 (Lane 1)"
                           L"\r\nThe unit did not answer: is it switched on and connected?"),
              boxes[0].text);
}

TEST_F(TrialDownload, RetryRepeatsTheFailedRequest)
{
    AddPort(L"Lane 1", kPortA);
    ScriptedUnit &unit = link.Add(kPortA, Unit(1, { 150 }));
    unit.failIdentify = 1;
    unit.failHeader = 1;
    list->choices.push_back({ kDialogOk, 0 });
    Answer({ kDialogRetry, kDialogRetry });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ(1, list->results.Count());
    EXPECT_EQ(2u, boxes.size());
}

TEST_F(TrialDownload, ControlCenterOrSilentUnitIsReportedAndTheNextUnitFollows)
{
    AddPort(L"Centre", kPortA);
    AddPort(L"Lane 2", kPortB);
    AddPort(L"Lane 3", L"9,19200,8,N,1.0");
    link.Add(kPortA, Unit(5, {})).deviceType = 0x20001;
    link.Add(kPortB, Unit(2, { 150 })).deviceType = 0;
    link.Add(L"9,19200,8,N,1.0", Unit(3, { 170 }));
    list->choices.push_back({ kDialogOk, 0 });
    Answer({ kDialogOk, kDialogAbort });

    EXPECT_EQ(1, Run(false, true));
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(std::wstring(L"The Device you are currently communicating with is the Quorvane Control Center"),
              boxes[0].text);
    EXPECT_EQ(std::wstring(L"Error"), boxes[0].caption);
    EXPECT_EQ(std::wstring(L"A timeout error occurred when communicating with Quorvane: Lane 2\r\nCOM8 (Lane 2)"
                           L"\r\nThe unit did not answer: is it switched on and connected?"),
              boxes[1].text);
    EXPECT_EQ(std::vector<std::string>{ "u3t0" }, link.traces);
}

TEST_F(TrialDownload, BusyUnitCancelledChoiceAndEmptyUnitFetchNothing)
{
    AddPort(L"Lane 1", kPortA);
    AddPort(L"Lane 2", kPortB);
    link.Add(kPortA, Unit(1, { 150 })).status = 3;
    link.Add(kPortB, Unit(2, { 160 }));
    // no scripted choice: the dialog of Lane 2 is cancelled
    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ(1, BoxesStartingWith(L"The Block Sensor/Control Center is currently busy"));
    EXPECT_TRUE(link.headers.empty());

    boxes.clear();
    SetFlag(L"\\Serial\\PromptTraceDL", false);
    link.Add(kPortA, Unit(1, {}));
    EXPECT_EQ(1, Run(false, true));
    EXPECT_EQ(1, BoxesStartingWith(L"No Traces on: Lane 1"));
    EXPECT_EQ(std::vector<std::string>{ "u2t0" }, link.traces);   // the latest trial without a dialog
}

TEST_F(TrialDownload, ImpossibleTrialCountIsAFailedRequest)
{
    SetFlag(L"\\Serial\\PromptTraceDL", false);
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 150 })).reportedCount = 5000;
    Answer({ kDialogAbort });

    EXPECT_EQ(1, Run(false, true));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(std::wstring(L"Communication Error"), boxes[0].caption);
    EXPECT_TRUE(link.headers.empty());
}

TEST_F(TrialDownload, DownloadsGoToTheOverlayUntilItIsFull)
{
    SetFlag(L"\\Serial\\AddDLToOvly", true);
    AddPort(L"Lane 1", kPortA);
    link.Add(kPortA, Unit(1, { 150, 151 }));
    for (int row = 0; row < 11; ++row)
    {
        list->AddTrial(200 + row, 2000, true);
        list->overlay.Add(row);
    }
    list->choices.push_back({ kDialogOk, -2 });

    EXPECT_EQ(1, Run(false, true));
    EXPECT_TRUE(list->overlayMode);
    EXPECT_EQ(13, list->results.Count());   // both traces are stored
    EXPECT_EQ(12, list->overlay.Count());
    EXPECT_TRUE(list->overlay.Contains(11));
    EXPECT_EQ(1, BoxesStartingWith(L"No more traces can be added to the overlay"));
}
