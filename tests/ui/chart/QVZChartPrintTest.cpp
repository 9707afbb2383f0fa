// Chart printing on real windows: the page goes to a metafile printer whose
// job calls are recorded; the header texts and the traces drawn are read
// back from the recording.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ChartTest.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/timing/VLeg.h"
#include "foundation/streams/KFile.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/app/VZUserInterface.h"
#include "ui/chart/QVZChartTraces.h"
#include "foundation/registry/KRegistry.h"
#include "framework/windows/ZafPrinter.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"
#include "ui/support/PrintedMetafile.h"

namespace {

using Calls = std::vector<std::string>;

class ChartPrint : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        printing = std::make_unique<MetafilePrintCalls>();
        QVZChartPane::Startup();
        for (int level : { 300, 600, 900 })
            AddTrial(-1, 150, -1, level);
        window = MakeWindow();
        Select(0);
        window->Pane()->Plot(KPoint(-1, -1), true);
        Pump();
    }
    void TearDown() override
    {
        QVZChartPane::Shutdown();
        printing.reset();
        ChartTest::TearDown();
    }
    // Sends the command to the chart window and reads the page back.
    void Send(int32_t command)
    {
        window->Event(ZafEventStruct(command, 0));
        printing->Collect(*QVZChartPane::Printer());
    }
    bool HasText(const std::wstring &text) const
    {
        const std::vector<std::wstring> texts = printing->Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    bool HasTextStarting(const std::wstring &start) const
    {
        for (const std::wstring &text : printing->Texts())
            if (text.rfind(start, 0) == 0)
                return true;
        return false;
    }

    std::unique_ptr<MetafilePrintCalls> printing;
    QVZChartWindow *window = nullptr;
};

} // namespace

TEST_F(ChartPrint, PrintsOnePageWithItsHeaderAndTheSelectedTrace)
{
    registry->Parse(L"Competition\\Name:String=Indoor Cup");
    QVZChartPane *pane = window->Pane();
    ZafChartControl *shown = pane->Control();
    const int series = pane->SeriesNumber();
    Send(kCmdChartPrint);
    EXPECT_EQ((Calls { "PrintSetup", "StartDoc", "StartPage", "EndPage", "EndDoc" }), printing->calls);
    EXPECT_EQ(L"Quorvane Training Chart Printout", printing->document);
    EXPECT_TRUE(HasText(L"Page 1 of 1"));
    EXPECT_TRUE(HasText(L"Indoor Cup - "));
    EXPECT_TRUE(HasTextStarting(L"Start: "));
    EXPECT_EQ(1, printing->Traces());
    // The chart on the screen is the pane's own as before.
    EXPECT_EQ(shown, pane->Control());
    EXPECT_EQ(series, pane->SeriesNumber());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartPrint, TitleNamesTheEventFileWithItsEventRoundAndHeat)
{
    // The event's save-file dialog goes through the program's user interface.
    VZUserInterface saving(*app);
    QVUserInterface::Install(&saving);
    QVEvent event;
    QVResults *legResults = event.AddLeg()->CreateResults();
    event.SetEventRoundHeat(KString(L"12"), KString(L"2"), KString(L"3"));
    const std::wstring path = ProgramFolderFile(L"Heats.qve");
    AnswerFileDialogs(path);
    const int saved = event.Save(QVEvent::kSaveWrite);
    KFile::SetDialogHook({});
    QVUserInterface::Install(nullptr);
    ASSERT_EQ(0, saved);
    std::vector<int16_t> x(QVZChartTraces::kSamples, 500), y(QVZChartTraces::kSamples, 0);
    legResults->NewResult()->SetTrace(x.data(), y.data());
    QVResultsView *own = view;
    view = legResults->NewView();
    Select(0);
    Send(kCmdChartPrint);
    view = own;   // the event goes before the window
    EXPECT_TRUE(HasText(L"Heats (12-2-3)"));
    EXPECT_EQ(1, printing->Traces());
}

TEST_F(ChartPrint, OverlayPrintDrawsEveryOverlaidTrial)
{
    SetOverlayMode(true);
    for (int row : { 0, 1, 2 })
        ASSERT_TRUE(overlay.Add(row));
    window->Pane()->Plot(KPoint(-1, -1), true);
    Send(kCmdChartPrint);
    EXPECT_EQ(1, printing->Count("StartPage"));
    EXPECT_EQ(3, printing->Traces());
}

TEST_F(ChartPrint, AJobThatDoesNotStartShowsPrinterNotRespondingAndDrivesNoPage)
{
    printing->startDocAnswer = 0;
    Send(kCmdChartPrint);
    EXPECT_EQ((Calls { "PrintSetup", "StartDoc" }), printing->calls);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.rfind(L"Printer not responding (4001).", 0)) << boxes[0].text;
    EXPECT_EQ(0, QVZChartPane::Printer()->DrawCount());
}

TEST_F(ChartPrint, SetupDialogAloneOrCancelledPrintsNothing)
{
    const struct { int32_t command; bool accepts; } cases[] = {
        { kCmdChartPrint, false },          // the setup dialog of a print cancelled
        { kCmdChartPrinterSetup, true },    // printer setup chooses a printer only
        { kCmdChartPrinterSetup, false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        printing->calls.clear();
        printing->dialogAccepts = c.accepts;
        Send(c.command);
        EXPECT_EQ(Calls { "PrintSetup" }, printing->calls);
        EXPECT_EQ(0, printing->Traces());
    }
    EXPECT_TRUE(boxes.empty());
}
