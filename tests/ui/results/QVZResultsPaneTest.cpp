// The results list on a real window: its cells, false starts in red, the
// overlay clicks, the results commands and the photobeam-break lines.
#include <gtest/gtest.h>

#include <climits>

#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "foundation/registry/KRBool.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/lists/KZEditableSelectorString.h"
#include "shell/toolkit/lists/KZListCodes.h"
#include "shell/toolkit/bars/KZTBButton.h"
#include "shell/toolkit/window/KZWindowHelpers.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/ResultsTest.h"

namespace {

class ResultsPane : public ResultsTest
{
protected:
    void SetUp() override
    {
        ResultsTest::SetUp();
        QVZResultsWindow::Startup();
    }
    void TearDown() override
    {
        RemoveFromHost(window);
        app->SetOverlayMode(false);
        QVZResultsWindow::Shutdown();
        ResultsTest::TearDown();
    }
    // A results window over the list in the fixture's window, shown.
    QVZResultsPane *ShowList()
    {
        RemoveFromHost(window);
        list->view->SetWindow(nullptr);
        window = new QVZResultsWindow(nullptr, list->view, 0, 0, 380, 260);
        window->SetCoordinateType(kCoordPixels);
        host->Add(window);
        window->Pane()->SetBreakMenu([this](KPoint, const std::vector<KString> &lines) {
            breakMenus.push_back(lines);
        });
        Pump();
        return window->Pane();
    }
    std::wstring Cell(int row, int column)
    {
        KString255 text;
        uint32_t flags = 0;
        window->Pane()->CellText(KPoint(0, row), column, text, flags);
        return text.CStr();
    }
    // A point inside a column of a row, in the pane's client pixels.
    KPoint PointIn(int row, int column)
    {
        QVZResultsPane *pane = window->Pane();
        KRect rect;
        pane->UnitRect(KPoint(0, row), rect);
        return KPoint(rect.left + list->view->ColumnPosition(column) + 2, rect.top + 2);
    }
    void ClickSelected(int row, int column = 0)
    {
        window->Pane()->Select(KPoint(0, row));
        window->Pane()->CellClicked(PointIn(row, column), 1);
    }
    std::vector<int> OverlayRows()
    {
        std::vector<int> rows;
        for (QVTraceInfo *e = window->Pane()->OverlayNext(nullptr); e; e = window->Pane()->OverlayNext(e))
            rows.push_back(e->Row());
        return rows;
    }
    ZafEventType Command(ZafEventType code) { return window->Event(ZafEventStruct(code, 0)); }

    QVZResultsWindow *window = nullptr;
    std::vector<std::vector<KString>> breakMenus;
};

bool IsPureRed(COLORREF c)
{
    return GetRValue(c) == 255 && GetGValue(c) == 0 && GetBValue(c) == 0;
}

} // namespace

TEST_F(ResultsPane, TimeCellsShowMillisecondsOrNoTime)
{
    QVResult *trial = list->AddTrial(153, 2150, false);
    trial->SetSource(KString(L"Lane 1"));
    trial->SetFirstName(KString(L"Ada"));
    ShowList();
    EXPECT_EQ(L"1", Cell(0, 0));
    EXPECT_EQ(L"Ada", Cell(0, 1));
    EXPECT_EQ(L"Lane 1", Cell(0, 3));
    EXPECT_EQ(L"0.153", Cell(0, 4));
    EXPECT_EQ(L"2150", Cell(0, 5));
    EXPECT_EQ(L"No Time", Cell(0, 6));
    EXPECT_EQ(L"No Time", Cell(0, 7));
}

TEST_F(ResultsPane, FalseStartsAreDrawnInRedOnlyWhenTheSettingAsks)
{
    list->AddTrial(99, 2000, false);
    list->AddTrial(100, 2000, false);
    for (bool red : { true, false })
    {
        SCOPED_TRACE(red);
        SetFlag(kKeyShowAllFSInRed, red);
        QVZResultsPane *pane = ShowList();
        pane->Redisplay();
        Pump(150);
        int redInRow[2] = { 0, 0 };
        for (int row = 0; row < 2; ++row)
        {
            KRect rect;
            pane->UnitRect(KPoint(0, row), rect);
            for (int y = rect.top; y <= rect.bottom; ++y)
                for (int x = rect.left; x <= rect.right; ++x)
                    redInRow[row] += IsPureRed(PixelOf(pane, x, y)) ? 1 : 0;
        }
        EXPECT_EQ(red, redInRow[0] > 0);
        EXPECT_EQ(0, redInRow[1]);
    }
}

TEST_F(ResultsPane, ClickingAnOverlaidRowAgainRemovesItAndKeepsTheOthersInOrder)
{
    for (int i = 0; i < 3; ++i)
        list->AddTrial(150 + i, 2000, true);
    ShowList();
    app->SetOverlayMode(true);
    ClickSelected(0);
    ClickSelected(1);
    ClickSelected(2);
    EXPECT_EQ((std::vector<int>{ 0, 1, 2 }), OverlayRows());
    ClickSelected(1);
    EXPECT_EQ((std::vector<int>{ 0, 2 }), OverlayRows());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ResultsPane, TheOverlayTakesTwelveTracesAndRefusesTheThirteenth)
{
    for (int i = 0; i < 13; ++i)
        list->AddTrial(150 + i, 2000, true);
    ShowList();
    app->SetOverlayMode(true);
    for (int row = 0; row < 13; ++row)
        ClickSelected(row);
    EXPECT_EQ(12, window->Pane()->OverlayCount());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"No more traces can be added to the overlay", boxes[0].text);
}

TEST_F(ResultsPane, DeleteIsRefusedInOverlayModeAndDropsTheSelectedRowOtherwise)
{
    list->AddTrial(150, 2000, true);
    list->AddTrial(160, 2000, true);
    QVZResultsPane *pane = ShowList();
    pane->Select(KPoint(0, 1));
    app->SetOverlayMode(true);
    Command(kCmdResultsDeleteTrial);
    EXPECT_EQ(2, list->results.Count());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"A trial cannot be delete while Quorvane is in 'Overlay Mode'", boxes[0].text);

    app->SetOverlayMode(false);
    Command(kCmdResultsDeleteTrial);
    ASSERT_EQ(1, list->results.Count());
    EXPECT_EQ(150, list->results.MatchingAt(0, list->view)->ReactionTime().Milliseconds());
}

TEST_F(ResultsPane, DownloadIsRefusedInOverlayMode)
{
    ShowList();
    app->SetOverlayMode(true);
    AddPort(L"Lane 1", L"7,19200,8,N,1.0");
    window->Pane()->SetUnitLink(&link);
    Command(kCmdResultsDownloadTraces);
    EXPECT_TRUE(link.opened.empty());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"A trial cannot be added while Quorvane is in 'Overlay Mode'", boxes[0].text);
}

TEST_F(ResultsPane, OverlayButtonSwitchesTheModeAndTheChartsSetAndReactionLines)
{
    ShowList();
    EXPECT_FALSE(window->ClearOverlayButton()->IsVisible(false));
    window->SetOverlayButton(true);
    EXPECT_TRUE(app->IsOverlayMode());
    EXPECT_TRUE(window->ClearOverlayButton()->IsVisible(false));
    EXPECT_FALSE(registry->GetBool(kKeyChartLineSet)->Value());
    EXPECT_FALSE(registry->GetBool(kKeyChartLineReaction)->Value());
    Command(kCmdOverlayMode);
    EXPECT_FALSE(app->IsOverlayMode());
    EXPECT_FALSE(window->ClearOverlayButton()->IsVisible(false));

    app->SetOverlayMode(true);
    ShowList();   // a window made in overlay mode offers to clear the overlay
    EXPECT_TRUE(window->ClearOverlayButton()->IsVisible(false));
}

TEST_F(ResultsPane, ResultCodesNeedASelectedResultAndAreSentAtOnce)
{
    QVZResultsPane *pane = ShowList();
    AddPort(L"Centre", L"0,19200,8,N,1.0");
    Command(kCmdResultCodeFirst + 2);   // an empty list has no selection: nothing happens
    EXPECT_TRUE(boxes.empty());

    list->AddTrial(150, 2000, false);
    pane->Redisplay();
    pane->Select(KPoint(0, 0));
    Command(kCmdResultCodeFirst + 2);
    EXPECT_EQ(QVResult::kCodeFalseStart, list->results.MatchingAt(0, list->view)->ResultCode());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"No COM port has been selected", boxes[0].text);
}

TEST_F(ResultsPane, ShowResultSelectsTheDownloadedRow)
{
    for (int i = 0; i < 30; ++i)
        list->AddTrial(150 + i, 2000, false);
    QVZResultsPane *pane = ShowList();
    QVResult *last = list->results.MatchingAt(29, list->view);
    list->results.ShowInViews(last);
    EXPECT_EQ(KPoint(0, 29), pane->Selection());
    EXPECT_TRUE(pane->IsUnitVisible(KPoint(0, 29), true));
    EXPECT_EQ(KPoint(0, 29), list->view->Selection());   // kept in the view
}

TEST_F(ResultsPane, ClickOnTheTimeToDistanceShowsTheBreaks)
{
    QVResult *trial = list->AddTrial(150, 2000, false);
    VRaceTime breaks[3] = { VRaceTime::FromMilliseconds(1000), VRaceTime(), VRaceTime::FromMilliseconds(2250) };
    trial->SetTrialTimes(breaks, 3);
    trial->SetTimeToDistance(VRaceTime::FromMilliseconds(3000));
    ShowList();
    ClickSelected(0, QVZResultsPane::kColumnTimeToDistance);
    ClickSelected(0, 1);
    ASSERT_EQ(1u, breakMenus.size());
    const std::vector<std::wstring> expected = { L"1.000", L"2.250 (1.250)", L"3.000 (0.750)" };
    ASSERT_EQ(expected.size(), breakMenus[0].size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], breakMenus[0][i].CStr());
}

TEST(ResultsPaneBreaks, WithoutBreaksOnlyTheTimeToDistanceIsListed)
{
    QVResult trial;
    std::vector<KString> lines;
    trial.SetTimeToDistance(VRaceTime::FromMilliseconds(3000));
    QVZResultsPane::BreakLines(trial, lines);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(std::wstring(L"3.000"), lines[0].CStr());
}

TEST_F(ResultsPane, OnlyTheNameCellsAreEditedInPlace)
{
    QVResult *trial = list->AddTrial(150, 2000, false);
    QVZResultsPane *pane = ShowList();
    pane->Select(KPoint(0, 0));
    EXPECT_TRUE(pane->CellClicked(PointIn(0, 4), 1));   // reaction time: no field
    EXPECT_FALSE(pane->IsEditing());

    pane->CellClicked(PointIn(0, 2), 1);
    ASSERT_TRUE(pane->IsEditing());
    ASSERT_NE(nullptr, pane->Editor());
    EXPECT_EQ(trial, pane->EditedResult());
    KZSetText(pane->Editor(), L"Hopper");
    pane->EndEdit(kEvtEnter);
    EXPECT_EQ(std::wstring(L"Hopper"), trial->LastName().CStr());
    EXPECT_FALSE(pane->IsEditing());
    EXPECT_EQ(nullptr, pane->EditedResult());
}

TEST_F(ResultsPane, EditingStepsThroughTheFirstAndLastNameOnly)
{
    list->AddTrial(150, 2000, false);
    QVZResultsPane *pane = ShowList();
    const KPoint row(0, 0);
    const int cases[][3] = { { -1, 1, 2 }, { 1, 2, -1 }, { 2, -1, 1 } };   // from, next, previous
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(c[1], pane->NextEditableColumn(row, c[0]));
        EXPECT_EQ(c[2], pane->PrevEditableColumn(row, c[0]));
    }
}
