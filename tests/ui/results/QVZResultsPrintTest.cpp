// Results printing: the split of the listed results over pages and whole
// print jobs on a memory-context printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "domain/results/QVResult.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "imaging/printer/VZPrinter.h"
#include "shell/support/TestPrinterDevice.h"
#include "ui/common/QVZCommands.h"
#include "ui/results/QVZPrintColumns.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/ResultsTest.h"
#include "ui/support/PrintedMetafile.h"

namespace {

using Page = QVZResultsPane::PrintPage;

std::vector<std::vector<int>> Split(const std::vector<int> &breaks, int usable)
{
    std::vector<std::vector<int>> pages;
    for (const Page &page : QVZResultsPane::Pages(breaks, usable))
        pages.push_back({ page.first, page.count, page.skip });
    return pages;
}

int Sum(const std::vector<int32_t> &widths)
{
    int sum = 0;
    for (int32_t w : widths)
        sum += w;
    return sum;
}

TEST(PrintColumns, ShortColumnsTakeTheirNeedFromTheSpareOnesAndThePageWidthIsKept)
{
    // Enough room: nothing changes.
    std::vector<int32_t> fits{ 100, 100 };
    EXPECT_TRUE(QVZPrintColumns::Widen(fits, { 40, 100 }));
    EXPECT_EQ(fits, (std::vector<int32_t>{ 100, 100 }));

    // The middle column lacks 50; the others give it up by their spare
    // (50 and 40), the rounding unit from the first.
    std::vector<int32_t> widths{ 100, 100, 100 };
    EXPECT_TRUE(QVZPrintColumns::Widen(widths, { 50, 150, 60 }));
    EXPECT_EQ(widths, (std::vector<int32_t>{ 72, 150, 78 }));
    EXPECT_EQ(Sum(widths), 300);

    // Less room than all the columns need: the narrow one keeps its need,
    // the two widest share the rest, the page width is kept and the caller
    // is told that not everything fits.
    std::vector<int32_t> cramped{ 100, 100, 100 };
    EXPECT_FALSE(QVZPrintColumns::Widen(cramped, { 40, 200, 150 }));
    EXPECT_EQ(cramped, (std::vector<int32_t>{ 40, 130, 130 }));
}

TEST(ResultsPrintPages, SplitsResultsOverPagesWithoutEverClosingAnEmptyOne)
{
    struct Case
    {
        const char *name;
        std::vector<int> breaks;
        int usable;
        std::vector<std::vector<int>> pages;   // first, count, skip
    };
    std::vector<int> fortyOne(41, 0);
    std::vector<int> moved(18, 0);
    moved.push_back(3);
    const Case cases[] = {
        { "41 results of 2 lines", fortyOne, 40, { { 0, 20, 0 }, { 20, 20, 0 }, { 40, 1, 0 } } },
        { "3 breaks with 4 lines free", moved, 40, { { 0, 18, 0 }, { 18, 1, 0 } } },
        { "empty list", {}, 40, { { 0, 0, 0 } } },
        { "first result longer than a page", { 9, 0 }, 4, { { 0, 1, 0 }, { 0, 1, 4 }, { 0, 1, 8 }, { 1, 1, 0 } } },
        { "long result shares its last page", { 7, 0 }, 4, { { 0, 1, 0 }, { 0, 1, 4 }, { 0, 2, 8 } } },
        { "long result after a short one", { 0, 5 }, 4, { { 0, 1, 0 }, { 1, 1, 0 }, { 1, 1, 4 } } },
        { "exactly a page", { 2, 0 }, 4, { { 0, 1, 0 }, { 1, 1, 0 } } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.pages, Split(c.breaks, c.usable)) << c.name;
}

// The memory-context printer whose document can be made to fail and whose
// print-dialog context can be an enhanced metafile, the drawn texts of which
// are read back.
class Printer : public TestPrinterDevice
{
public:
    ~Printer() override
    {
        if (metafile)
            DeleteEnhMetaFile(metafile);
    }
    bool PrintDialogW(void *record) override
    {
        auto *dialog = static_cast<PRINTDLGW *>(record);
        const bool wantsContext = (dialog->Flags & PD_RETURNDC) != 0;
        if (!TestPrinterDevice::PrintDialogW(record))
            return false;
        if (recordTexts && wantsContext && dialog->hDC)
            dialog->hDC = recording = CreateEnhMetaFileW(dialog->hDC, nullptr, nullptr, nullptr);
        return true;
    }
    int StartDocW(void *dc, const void *info) override
    {
        return failStart ? 0 : TestPrinterDevice::StartDocW(dc, info);
    }
    // Notes whether the wait pointer shows, then takes pageDelay ms.
    int StartPage(void *dc) override
    {
        waitAtPage.push_back(GetCursor() == LoadCursorW(nullptr, IDC_WAIT));
        Sleep(DWORD(pageDelay));
        return TestPrinterDevice::StartPage(dc);
    }
    void DeleteContext(void *dc) override
    {
        if (dc && dc == recording)
        {
            metafile = CloseEnhMetaFile(recording);
            recording = nullptr;
            dc = context;
        }
        TestPrinterDevice::DeleteContext(dc);
    }
    // The texts drawn into the metafile, in order.
    std::vector<std::wstring> Texts() const { return MetafileTexts(metafile); }
    bool failStart = false;
    bool recordTexts = false;
    int pageDelay = 0;
    std::vector<bool> waitAtPage;

private:
    HDC recording = nullptr;
    HENHMETAFILE metafile = nullptr;
};

// Whether the file holds text, stored narrow or as UTF-16.
bool FileHolds(const KString &path, const std::string &text)
{
    std::string bytes;
    if (FILE *file = _wfopen(path.CStr(), L"rb"))
    {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        fclose(file);
    }
    std::string wide;
    for (char c : text)
        wide += std::string { c, '\0' };
    return bytes.find(text) != std::string::npos || bytes.find(wide) != std::string::npos;
}

class ResultsPrint : public ResultsTest
{
protected:
    void SetUp() override
    {
        ResultsTest::SetUp();
        QVZResultsWindow::Startup();
        QVZResultsPane::Startup(&device);
    }
    void TearDown() override
    {
        RemoveFromHost(window);
        QVZResultsPane::Shutdown();
        QVZResultsWindow::Shutdown();
        ResultsTest::TearDown();
    }
    // Gives the page lines of the results printer's line height.
    void PageOfLines(int lines)
    {
        VZPrinter probe(&device);
        ASSERT_TRUE(probe.PrintDialog());
        ASSERT_TRUE(probe.BeginPrinting());
        const int height = probe.LineHeight();
        probe.EndPrinting();
        device.verticalPixels = lines * height + height / 2;   // 75 dots per inch: one pixel a unit
        device.verticalMillimetres = device.verticalPixels * 254 / 750;
        device.calls.clear();
    }
    QVZResultsPane *ShowList()
    {
        list->view->SetWindow(nullptr);
        window = new QVZResultsWindow(nullptr, list->view, 0, 0, 380, 260);
        host->Add(window);
        Pump();
        return window->Pane();
    }
    void AddResults(int count, int breaks)
    {
        std::vector<VRaceTime> times;
        for (int i = 0; i < breaks; ++i)
            times.push_back(VRaceTime::FromMilliseconds(1000 * (i + 1)));
        for (int i = 0; i < count; ++i)
            list->AddTrial(150, 900, false)->SetTrialTimes(times.data(), breaks);
    }
    long Count(const char *call) const
    {
        return std::count(device.calls.begin(), device.calls.end(), std::string(call));
    }

    Printer device;
    QVZResultsWindow *window = nullptr;
};

// The results printer is made at its first use, not at start-up (the
// spooler's answer costs the program's start): it then takes the margins the
// settings hold, and shut-down writes its margins back; a run that never
// used it leaves the settings as they are.
TEST_F(ResultsPrint, ThePrinterIsMadeAtItsFirstUseWithTheSettingsMarginsAndGivesThemBackAtShutDown)
{
    const wchar_t *const edges[] = { L"Left", L"Top", L"Right", L"Bottom" };
    auto setMargins = [&](int32_t first) {
        registry->Parse(L"Event\\Results\\Print\\Margins\\:=");
        for (int i = 0; i < 4; ++i)
            registry->Parse((std::wstring(L"Event\\Results\\Print\\Margins\\") + edges[i] + L":Int=" +
                             std::to_wstring(first + 100 * i)).c_str());
        registry->Parse(L"Event\\Results\\Print\\Margins\\Unit:Int=0");
    };
    auto margin = [&](int i) {
        return registry->GetInt((std::wstring(L"\\Event\\Results\\Print\\Margins\\") + edges[i]).c_str())->Value();
    };
    setMargins(250);
    EXPECT_EQ(0, Count("ReturnDefault")) << "start-up asked the spooler for the default printer";

    VZPrinter *printer = QVZResultsPane::Printer();
    ASSERT_NE(nullptr, printer);
    EXPECT_EQ(printer, QVZResultsPane::Printer());
    EXPECT_EQ(1, Count("ReturnDefault"));
    EXPECT_EQ(KRect(250, 350, 450, 550), printer->Margins());
    printer->SetMargins(KRect(10, 20, 30, 40));
    QVZResultsPane::Shutdown();
    EXPECT_EQ(nullptr, QVZResultsPane::Printer());
    EXPECT_EQ((std::vector<int32_t>{ 10, 20, 30, 40 }), (std::vector<int32_t>{ margin(0), margin(1), margin(2), margin(3) }));

    setMargins(700);
    QVZResultsPane::Startup(&device);
    QVZResultsPane::Shutdown();
    EXPECT_EQ(1, Count("ReturnDefault"));
    EXPECT_EQ(700, margin(0)) << "a printer never used changed the settings";
    QVZResultsPane::Startup(&device);
}

TEST_F(ResultsPrint, PrintsOnePagePerSplitAndEndsTheDocument)
{
    struct Case { int results; int breaks; long pages; };
    for (const Case c : { Case { 41, 0, 3 }, Case { 0, 0, 1 }, Case { 1, 9, 1 } })
    {
        list = std::make_unique<RecordingDownloadHost>();
        AddResults(c.results, c.breaks);
        PageOfLines(46);
        RemoveFromHost(window);
        EXPECT_TRUE(ShowList()->Print()) << c.results;
        EXPECT_EQ(c.pages, Count("StartPage")) << c.results;
        EXPECT_EQ(c.pages, Count("EndPage")) << c.results;
        EXPECT_EQ(1, Count("EndDoc")) << c.results;
        EXPECT_EQ(L"Quorvane Training Results Printout", device.documentName);
    }
}

TEST_F(ResultsPrint, PagesAreNumberedOfTheirCountAndRowsNumberedThroughout)
{
    AddResults(41, 0);
    PageOfLines(46);
    device.recordTexts = true;
    EXPECT_TRUE(ShowList()->Print());
    const std::vector<std::wstring> texts = device.Texts();
    auto has = [&](const std::wstring &text) { return std::count(texts.begin(), texts.end(), text); };
    for (const wchar_t *page : { L"Page 1 of 3", L"Page 2 of 3", L"Page 3 of 3" })
        EXPECT_EQ(1, has(page)) << page;
    EXPECT_EQ(3, has(L"Trial"));
    for (int trial = 1; trial <= 41; ++trial)
        EXPECT_EQ(1, has(std::to_wstring(trial))) << trial;
}

TEST_F(ResultsPrint, WaitPointerShowsThroughTheJobAndEveryPageCarriesTheDateItStarted)
{
    AddResults(41, 0);
    PageOfLines(46);
    device.recordTexts = true;
    device.pageDelay = 600;   // three pages take longer than a second
    EXPECT_TRUE(ShowList()->Print());
    EXPECT_EQ((std::vector<bool> { true, true, true }), device.waitAtPage);
    EXPECT_NE(LoadCursorW(nullptr, IDC_WAIT), GetCursor());
    // Each header reads the date, then (the list has no event, so no title) "Page n of 3".
    const std::vector<std::wstring> texts = device.Texts();
    std::vector<std::wstring> dates;
    for (size_t i = 1; i < texts.size(); ++i)
        if (texts[i].rfind(L"Page ", 0) == 0)
            dates.push_back(texts[i - 1]);
    ASSERT_EQ(3u, dates.size());
    EXPECT_FALSE(dates[0].empty());
    EXPECT_EQ(dates[0], dates[1]);
    EXPECT_EQ(dates[0], dates[2]);
}

TEST_F(ResultsPrint, LongResultGoesOnOnTheNextPageWithoutAnEmptyPage)
{
    AddResults(1, 0);
    AddResults(1, 9);   // 11 lines on pages of 4 usable lines
    PageOfLines(10);
    device.recordTexts = true;
    EXPECT_TRUE(ShowList()->Print());
    EXPECT_EQ(4, Count("StartPage"));   // the short one, then 4 + 4 + 3 lines
    const std::vector<std::wstring> texts = device.Texts();
    EXPECT_EQ(1, std::count(texts.begin(), texts.end(), std::wstring(L"Page 4 of 4")));
    KString last;
    QVZResultsPane::FormatTime(VRaceTime::FromMilliseconds(9000), last);
    EXPECT_EQ(1, std::count(texts.begin(), texts.end(), std::wstring(last.CStr())));   // the last break
}

TEST_F(ResultsPrint, EveryColumnHeadIsPrintedWholeOnAnA4Page)
{
    AddResults(3, 2);
    PageOfLines(46);
    device.horizontalPixels = 620;   // 8.27 inches at one pixel a unit
    device.horizontalMillimetres = 210;
    device.recordTexts = true;
    EXPECT_TRUE(ShowList()->Print());
    const std::vector<std::wstring> texts = device.Texts();
    for (const wchar_t *head : { L"Trial", L"First Name", L"Last Name", L"Source", L"Reaction Time", L"Power",
                                 L"Time To Distance", L"TTD - RT" })
        EXPECT_EQ(1, std::count(texts.begin(), texts.end(), std::wstring(head))) << head;
}

TEST_F(ResultsPrint, PageUnderSevenLinesIsRefusedAndLogged)
{
    AddResults(2, 0);
    PageOfLines(6);
    KSetProgramLog(new KLog());
    const bool printed = ShowList()->Print();
    const KString path = KProgramLog()->Path();
    delete KProgramLog();
    KSetProgramLog(nullptr);
    EXPECT_FALSE(printed);
    EXPECT_EQ(0, Count("StartPage"));
    EXPECT_EQ(1, Count("AbortDoc"));
    EXPECT_TRUE(FileHolds(path, "QVZResultsPane::Print: page too small"));
}

TEST_F(ResultsPrint, FailedStartShowsPrinterNotResponding)
{
    AddResults(2, 0);
    device.failStart = true;
    ShowList();
    window->Event(ZafEventStruct(kCmdResultsPrint, 0));
    EXPECT_EQ(0, Count("StartPage"));
    EXPECT_EQ(1, BoxesStartingWith(L"Printer not responding (4001)."));
}

TEST_F(ResultsPrint, CancelledPrintDialogPrintsNothing)
{
    AddResults(2, 0);
    device.dialogAccepts = false;
    ASSERT_NE(nullptr, QVZResultsPane::Printer());   // made already: the calls below are the print's own
    device.calls.clear();
    EXPECT_FALSE(ShowList()->Print());
    EXPECT_EQ(std::vector<std::string> { "Print" }, device.calls);
}

} // namespace
