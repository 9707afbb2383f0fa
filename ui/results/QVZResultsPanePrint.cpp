// QVZResultsPane: printing of the listed results as a paged list, and the
// module's results printer.
#include <memory>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "foundation/log/KLog.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/values/KDateTime.h"
#include "shell/app/KZLongOperation.h"
#include "imaging/printer/VZPrinter.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/printing/KZModulePrinter.h"
#include "ui/results/QVZResultsPane.h"
#include "ui/results/QVZResultsPrompts.h"

namespace P = QVZResultsPrompts;

namespace {

constexpr const wchar_t *kKeyPrintMargins = L"\\Event\\Results\\Print\\Margins\\";
constexpr const wchar_t *kTextPrintTitle = L"\\Strings\\Event\\Results\\Print\\Title";
constexpr const wchar_t *kTextPrintPage = L"\\Strings\\Event\\Results\\Print\\Page";
constexpr const wchar_t *kTextPrintOf = L"\\Strings\\Event\\Results\\Print\\Of";
constexpr const wchar_t *kTextPrinting = L"\\Strings\\Event\\Results\\Print\\Printing";
constexpr int32_t kErrorPrinterNotResponding = 4001;
constexpr int kHeaderLines = 6;   // header, heads and the notice line
constexpr int kFirstRowLine = 3;

KZModulePrinter<VZPrinter> resultsPrinter;

KRGroup *MarginsGroup()
{
    KRegistry *settings = P::Settings();
    return settings ? settings->GetGroup(kKeyPrintMargins) : nullptr;
}

} // namespace

KString63 QVZResultsPane::printDate;

void QVZResultsPane::Startup(KZPrinterDevice *device)
{
    resultsPrinter.Start([device] {
        auto printer = std::make_unique<VZPrinter>(device);
        if (KRGroup *group = MarginsGroup())
            printer->LoadMargins(*group);
        return printer;
    });
}

void QVZResultsPane::Shutdown()
{
    if (VZPrinter *printer = resultsPrinter.Made())
        if (KRGroup *group = MarginsGroup())
            printer->SaveMargins(*group);
    resultsPrinter.Stop();
}

VZPrinter *QVZResultsPane::Printer()
{
    return resultsPrinter.Get();
}

// A page closes before a result that no longer fits, but never while it is
// still empty; a result longer than a page fills pages of its own and its
// last lines share the next page with the results after it.
std::vector<QVZResultsPane::PrintPage> QVZResultsPane::Pages(const std::vector<int> &breakCounts,
                                                             int usableLines)
{
    std::vector<PrintPage> pages;
    PrintPage page;
    int lines = 0;
    for (size_t index = 0; index < breakCounts.size(); ++index)
    {
        const int need = breakCounts[index] + 2;
        if (page.count > 0 && usableLines < lines + need)
        {
            pages.push_back(page);
            page = PrintPage { static_cast<int>(index), 0, 0 };
            lines = 0;
        }
        ++page.count;
        lines += need;
        while (lines > usableLines)
        {
            pages.push_back(page);
            page = PrintPage { static_cast<int>(index), 1, page.skip + usableLines };
            lines -= usableLines;
        }
    }
    pages.push_back(page);
    return pages;
}

bool QVZResultsPane::Print()
{
    KZPrinter *printer = Printer();
    if (!printer || !printer->PrintDialog())
        return false;
    KString name(L"Quorvane Training ");
    name.Append(P::Text(kTextPrintTitle, L"Results Printout"));
    VZApplication *application = VZApplication::Instance();
    if (!printer->BeginPrinting() || !printer->StartDoc(name))
    {
        printer->AbortDoc();
        printer->EndPrinting();
        if (application)
            application->ShowErrorCode(kErrorPrinterNotResponding);
        return false;
    }
    const int usable = printer->LinesPerPage() - kHeaderLines;
    if (printer->LinesPerPage() < 7)
    {
        printer->AbortDoc();
        printer->EndPrinting();
        if (KLog *log = KProgramLog())
            log->Error(KString(L"QVZResultsPane::Print: page too small"));
        return false;
    }
    // From the first page to the end of the job, however it ends.
    KZLongOperation work(P::Text(kTextPrinting, L"Printing results..."));
    KDateTime now;
    now.SetNow();
    printDate.Clear();
    now.Format(printDate);
    printEdges.clear();   // laid out on the first page, kept for the job
    std::vector<int> breaks;
    for (int row = 0; ResultAt(row); ++row)
        breaks.push_back(ResultAt(row)->BreakCount());
    const std::vector<PrintPage> pages = Pages(breaks, usable);
    const int pageCount = static_cast<int>(pages.size());
    bool aborted = false;
    for (int page = 0; page < pageCount; ++page)
    {
        if (!work.Step(page * 100 / pageCount))
        {
            aborted = true;
            break;
        }
        printer->StartPage();
        PrintPageHeader(*printer, page + 1, pageCount);
        const PrintPage &part = pages[page];
        PrintRows(*printer, kFirstRowLine, part.first, part.count, part.skip, kFirstRowLine + usable);
        printer->EndPage();
    }
    if (aborted)
        printer->AbortDoc();
    else
        printer->EndDoc();
    printer->EndPrinting();
    return !aborted;
}
