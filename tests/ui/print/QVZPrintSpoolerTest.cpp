// A results page and a chart page through the system's spooler to its
// default printer. The printing check (print-to-pdf.sh) names the documents
// and looks at the PDFs the PDF printer makes of them; without that name the
// tests do not run.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>

#include "domain/results/QVResult.h"
#include "foundation/registry/KRegistry.h"
#include "framework/windows/ZafPrinter.h"
#include "shell/support/DefaultPrinterDevice.h"
#include "ui/chart/ChartTest.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/ResultsTest.h"

namespace {

// The document name the check chose, with what tells the two pages apart.
std::wstring DocumentName(const wchar_t *page)
{
    wchar_t name[128] = {};
    if (!GetEnvironmentVariableW(L"UI_PRINT_DOCUMENT", name, 128))
        return std::wstring();
    return std::wstring(name) + L"-" + page;
}

void SetText(KRegistry *registry, const wchar_t *key, const std::wstring &text)
{
    registry->Parse((std::wstring(key) + L":String=" + text).c_str());
}

// The chart printer's setup dialog answered by the default printer.
BOOL WINAPI DefaultPrinterDialog(LPPRINTDLGA dialog)
{
    dialog->hDevMode = dialog->hDevNames = nullptr;
    dialog->Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    return PrintDlgA(dialog);
}

class ResultsSpooler : public ResultsTest
{
};

class ChartSpooler : public ChartTest
{
};

} // namespace

TEST_F(ResultsSpooler, AResultsPageWithAFalseStartPrintsThroughTheDefaultPrinter)
{
    const std::wstring name = DocumentName(L"results");
    if (name.empty())
        GTEST_SKIP() << "run by print-to-pdf.sh";
    // The document is "Quorvane Training" and the print title.
    SetText(registry, L"Strings\\Event\\Results\\Print\\Title", name);
    DefaultPrinterDevice device;
    QVZResultsWindow::Startup();
    QVZResultsPane::Startup(&device);
    // Trials as the example event holds them: downloaded from a block
    // sensor, without names.
    for (QVResult *trial : { list->AddTrial(152, 900, false), list->AddTrial(87, 850, false),   // a false start
                             list->AddTrial(131, 910, false) })
        trial->SetSource(KString(L"Block Sensor"));
    list->view->SetWindow(nullptr);
    auto *window = new QVZResultsWindow(nullptr, list->view, 0, 0, 380, 260);
    host->Add(window);
    Pump();
    EXPECT_TRUE(window->Pane()->Print());
    RemoveFromHost(window);
    QVZResultsPane::Shutdown();
    QVZResultsWindow::Shutdown();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartSpooler, AChartPagePrintsThroughTheDefaultPrinter)
{
    const std::wstring name = DocumentName(L"chart");
    if (name.empty())
        GTEST_SKIP() << "run by print-to-pdf.sh";
    SetText(registry, L"Strings\\Event\\Chart\\Print\\Title", name);
    ZafPrintCalls calls = ZafPrinter::SystemCalls();
    calls.printDlg = &DefaultPrinterDialog;
    const ZafPrintCalls saved = ZafPrinter::SetCalls(calls);
    QVZChartPane::Startup();
    AddTrial(1500, 160, 2400, 3390);   // a power axis up to 716000
    QVZChartWindow *window = MakeWindow();
    Select(0);
    window->Pane()->Plot(KPoint(-1, -1), true);
    Pump();
    window->Event(ZafEventStruct(kCmdChartPrint, 0));
    QVZChartPane::Shutdown();
    ZafPrinter::SetCalls(saved);
    EXPECT_TRUE(boxes.empty());
}
