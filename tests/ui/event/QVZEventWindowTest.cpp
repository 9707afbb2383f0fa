// The summary window: one row per row of the event, selection and scroll
// position kept in the event's view, no editing, GetInfo without effect,
// and the summary pane of an event window.
#include <gtest/gtest.h>

#include <memory>

#include "domain/event/QVEvent.h"
#include "domain/event/QVEventView.h"
#include "domain/timing/VLeg.h"
#include "shell/support/ListTestSupport.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/event/QVZEventPane.h"
#include "ui/event/QVZEventTitle.h"
#include "ui/event/QVZEventWindow.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/support/MainWindowTest.h"

namespace {

class QVZEventWindowTest : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        ASSERT_EQ(0, event.Initialize(QVEvent::kInitNew));
        event.AddLeg()->CreateResults();
        event.SetModified(false);
    }
    void TearDown() override
    {
        RemoveFromHost(window);
        ToolkitTest::TearDown();
    }
    QVZEventWindow *OpenWindow()
    {
        window = new QVZEventWindow(nullptr, &event.View());
        window->SetRegion(KZMakeRegion(KRect(0, 0, 399, 299), kCoordPixels));
        host->Add(window);
        Pump();
        return window;
    }

    QVEvent event;
    QVZEventWindow *window = nullptr;
};

} // namespace

TEST_F(QVZEventWindowTest, TwoLegsWithResultListsGiveFiveRowsAndTheSelectionStaysWithTheEvent)
{
    QVZEventPane *pane = OpenWindow()->Pane();
    EXPECT_EQ(KPoint(1, 5), pane->Extent());
    pane->Select(KPoint(0, 3));
    EXPECT_EQ(KPoint(0, 3), event.View().Selection());
    EXPECT_EQ(window, event.View().Pane());

    RemoveFromHost(window);
    EXPECT_EQ(nullptr, event.View().Pane());
    EXPECT_EQ(KPoint(0, 3), OpenWindow()->Pane()->Selection());
}

TEST_F(QVZEventWindowTest, AClickSelectsARowAndStartsNoEditor)
{
    QVZEventPane *pane = OpenWindow()->Pane();
    ListHand hand(pane);
    const KRect row = pane->UnitRectToPixels(KRect(0, 2, 0, 2));
    for (int i = 0; i < 2; ++i) {
        hand.Click(row.left + 5, row.top + 3);
        Pump();
    }
    EXPECT_EQ(KPoint(0, 2), pane->Selection());
    EXPECT_FALSE(pane->IsEditing());
    EXPECT_EQ(nullptr, pane->Editor());
}

TEST_F(QVZEventWindowTest, GetInfoChangesNothing)
{
    QVZEventPane *pane = OpenWindow()->Pane();
    pane->Select(KPoint(0, 1));
    EXPECT_EQ(kCmdSummaryGetInfo, window->Event(ZafEventStruct(kCmdSummaryGetInfo, 0)));
    EXPECT_EQ(KPoint(0, 1), pane->Selection());
    EXPECT_EQ(KPoint(1, 5), pane->Extent());
    EXPECT_FALSE(event.IsModified());
}

TEST_F(QVZEventWindowTest, TheSameViewTwiceChangesNothingAndNoViewDetachesPaneAndTitle)
{
    QVZEventPane *pane = OpenWindow()->Pane();
    pane->Select(KPoint(0, 4));
    window->SetView(&event.View());
    EXPECT_EQ(KPoint(0, 4), pane->Selection());
    window->SetView(nullptr);
    EXPECT_EQ(nullptr, event.View().Pane());
    EXPECT_EQ(nullptr, pane->View());
    EXPECT_EQ(nullptr, pane->Title()->View());
    EXPECT_EQ(nullptr, window->ShownEvent());
}

using QVZEventSummaryPaneTest = MainWindowTest;

TEST_F(QVZEventSummaryPaneTest, ASummaryEntryShowsTheDocumentInASummaryWindow)
{
    SetLayout({ { L"Summary1", L"0,0,30,100" }, { L"Results1", L"30,0,100,100" } });
    control->Event(ZafEventStruct(kCmdFileNew, 0));
    QVZEventMDI *window = control->ActiveEventWindow();
    ASSERT_NE(nullptr, window);
    auto *summary = dynamic_cast<QVZEventWindow *>(window->SummaryWindow());
    ASSERT_NE(nullptr, summary);
    EXPECT_EQ(&window->Event()->View(), summary->View());
    EXPECT_EQ(KPoint(1, 3), summary->Pane()->Extent());
    EXPECT_EQ(0, window->Event(ZafEventStruct(kCmdChartPrint, 0)));   // no chart pane
}
