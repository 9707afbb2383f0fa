#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../display/ZafGuiTestSupport.h"
#include "framework/windows/ZafPrintDialog.h"

namespace {

// Recorded job calls and a scripted Print dialog.
struct Script
{
    std::vector<std::string> calls;
    std::wstring document;
    int startDocAnswer = 1;
    int startPageAnswer = 1;
    bool dialogAccepts = false;
    PRINTDLGA seen = {};            // what the dialog was given
    DWORD answerFlags = 0;          // flags it answers (besides what it was given)
    WORD copies = 1, fromPage = 1, toPage = 1;
    bool withOrientation = false;   // the answered DEVMODE has DM_ORIENTATION
    short orientation = DMORIENT_PORTRAIT;
} script;

int WINAPI RecordStartDocW(HDC, const DOCINFOW *document)
{
    script.calls.push_back("StartDoc");
    script.document = document->lpszDocName ? document->lpszDocName : L"";
    return script.startDocAnswer;
}

int WINAPI RecordStartDocA(HDC, const DOCINFOA *document)
{
    script.calls.push_back("StartDoc");
    std::string name = document->lpszDocName ? document->lpszDocName : "";
    script.document.assign(name.begin(), name.end());
    return script.startDocAnswer;
}

int WINAPI RecordStartPage(HDC) { script.calls.push_back("StartPage"); return script.startPageAnswer; }
int WINAPI RecordEndPage(HDC) { script.calls.push_back("EndPage"); return 1; }
int WINAPI RecordEndDoc(HDC) { script.calls.push_back("EndDoc"); return 1; }

HGLOBAL NewDeviceMode(bool withOrientation, short orientation)
{
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    DEVMODEA *mode = static_cast<DEVMODEA *>(GlobalLock(handle));
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = withOrientation ? DM_ORIENTATION : 0;
    mode->dmOrientation = orientation;
    GlobalUnlock(handle);
    return handle;
}

BOOL WINAPI ScriptedPrintDlg(LPPRINTDLGA dialog)
{
    script.calls.push_back("PrintDlg");
    script.seen = *dialog;
    if (!script.dialogAccepts)
        return FALSE;
    dialog->Flags |= script.answerFlags;
    dialog->nCopies = script.copies;
    dialog->nFromPage = script.fromPage;
    dialog->nToPage = script.toPage;
    dialog->hDevMode = NewDeviceMode(script.withOrientation, script.orientation);
    dialog->hDevNames = nullptr;
    dialog->hDC = CreateCompatibleDC(nullptr);
    return TRUE;
}

} // namespace

class ZafPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        script = Script();
        saved = ZafPrinter::SetCalls({ &ScriptedPrintDlg, &RecordStartDocA, &RecordStartDocW, &RecordStartPage,
            &RecordEndPage, &RecordEndDoc });
    }
    void TearDown() override { ZafPrinter::SetCalls(saved); }
    // A printer without a printer, then drawing on the surface's context.
    void Attach(ZafPrinter &printer, DibSurface &surface)
    {
        printer.PrepareDeviceContext(surface.Context());
        script.calls.clear();
    }
    // Gives the surface's context back before the printer deletes it.
    static void Detach(ZafPrinter &printer) { printer.PrepareDeviceContext(nullptr); }

    ZafPrintCalls saved;
};

TEST_F(ZafPrinterTest, WithoutAPrinterSizesAreZeroAndAJobFailsWithoutSpoolerCalls)
{
    ZafPrinter printer;
    EXPECT_EQ(std::vector<std::string>{ "PrintDlg" }, script.calls);
    EXPECT_EQ(PD_RETURNDEFAULT | PD_RETURNDC, script.seen.Flags);
    EXPECT_EQ(66u, script.seen.lStructSize);
    EXPECT_FALSE(printer.HasDevice());
    int left = -1, top = -1, right = -1, bottom = -1;
    printer.Margins(left, top, right, bottom);
    EXPECT_EQ(0, left + top + right + bottom);
    EXPECT_EQ(0, printer.PageWidth());
    EXPECT_EQ(0, printer.PageHeight());
    EXPECT_EQ(0, printer.PrintableWidth());
    EXPECT_EQ(0, printer.PrintableHeight());
    script.calls.clear();
    EXPECT_NE(0, printer.BeginPrintJob(L"nothing"));
    EXPECT_NE(0, printer.BeginPage());
    EXPECT_EQ(0, printer.EndPrintJob());
    EXPECT_EQ(0, printer.DrawCount());
    EXPECT_TRUE(script.calls.empty());
    EXPECT_EQ(ZAF_PRINTER_NOT_AVAILABLE, printer.RegionMove({ 0, 0, 9, 9, ZAF_PIXEL }, 5, 5));
    EXPECT_EQ(ZAF_PRINTER_NOT_AVAILABLE, printer.XorRectangle({ 0, 0, 9, 9, ZAF_PIXEL }, { 1, 1, 8, 8, ZAF_PIXEL }));
    EXPECT_FALSE(printer.RunPrintSetup());
}

TEST_F(ZafPrinterTest, AGivenContextSetsCellsPageMarginsAndClip)
{
    ZafPrinter printer;
    DibSurface surface(300, 300, RGB(255, 255, 255));
    Attach(printer, surface);
    const int dpiX = GetDeviceCaps(surface.Context(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(surface.Context(), LOGPIXELSY);
    EXPECT_EQ(dpiX / 10, printer.cellWidth);
    EXPECT_EQ(dpiY / 6, printer.cellHeight);
    // No paper width from a driver: a letter page.
    EXPECT_EQ(dpiX * 85 / 10, printer.PageWidth());
    EXPECT_EQ(dpiY * 11, printer.PageHeight());
    EXPECT_FALSE(printer.Landscape());

    printer.SetMargins(10, 20, 30, 40);
    EXPECT_EQ(printer.PageWidth() - 40, printer.PrintableWidth());
    EXPECT_EQ(printer.PageHeight() - 60, printer.PrintableHeight());
    EXPECT_EQ(printer.PageWidth() + 100, printer.SetPrintableWidth(printer.PageWidth() + 100));
    int left, top, right, bottom;
    printer.Margins(left, top, right, bottom);
    EXPECT_EQ(0, right);
    EXPECT_EQ(10, left);

    // The clip is relative to the printable area's corner.
    printer.SetClipRegion({ 5, 6, 50, 60, ZAF_PIXEL });
    RECT box;
    GetClipBox(surface.Context(), &box);
    EXPECT_EQ(15, box.left);
    EXPECT_EQ(26, box.top);
    EXPECT_EQ(61, box.right);
    EXPECT_EQ(81, box.bottom);
    SelectClipRgn(surface.Context(), nullptr);
    Detach(printer);
}

TEST_F(ZafPrinterTest, TextBlocksWrapAndParagraphsAnswerTheLineBelowThem)
{
    ZafPrinter printer;
    DibSurface surface(300, 300, RGB(255, 255, 255));
    Attach(printer, surface);
    const wchar_t *text = L"Several words that cannot fit on one narrow line of the page";
    RECT measure = { 10, 20, 91, 21 };
    const int height = DrawTextW(surface.Context(), text, -1, &measure,
        DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX | DT_CALCRECT);
    ASSERT_GT(height, 20);   // it wraps
    EXPECT_EQ(20 + height, printer.DrawParagraph(10, 20, 90, text, -1, 0, false));
    EXPECT_EQ(250, printer.DrawTextBlock(10, 150, 90, 250, 0, text, -1, 0, 0, false));
    bool inked = false;
    for (int y = 20; y < 20 + height && !inked; ++y)
        for (int x = 10; x <= 90 && !inked; ++x)
            inked = surface.PixelAt(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(inked);
    Detach(printer);
}

TEST_F(ZafPrinterTest, AJobCallsTheSpoolerInOrderAndOnlyForTheOutermostSequence)
{
    ZafPrinter printer;
    DibSurface surface(50, 50, RGB(255, 255, 255));
    Attach(printer, surface);
    EXPECT_EQ(0, printer.BeginPrintJob());
    EXPECT_EQ(0, printer.BeginPage());
    printer.BeginDraw(nullptr, nullptr);
    printer.Rectangle(1, 1, 5, 5, 1, true);
    printer.EndDraw();
    EXPECT_EQ(0, printer.EndPage());
    EXPECT_EQ(0, printer.EndPrintJob());
    EXPECT_EQ((std::vector<std::string>{ "StartDoc", "StartPage", "EndPage", "EndDoc" }), script.calls);
    EXPECT_EQ(L"ZafPrinter Document", script.document);
    EXPECT_EQ(0, printer.DrawCount());

    script.calls.clear();
    printer.BeginDraw(nullptr, nullptr);
    EXPECT_EQ(0, printer.BeginPrintJob(L"inner"));
    EXPECT_EQ(0, printer.EndPrintJob());
    printer.EndDraw();
    EXPECT_TRUE(script.calls.empty());
    EXPECT_TRUE(printer.HasDevice());
    Detach(printer);
}

TEST_F(ZafPrinterTest, ARefusedDocumentOrPageIsReportedAndNeverEnded)
{
    ZafPrinter printer;
    DibSurface surface(50, 50, RGB(255, 255, 255));
    Attach(printer, surface);
    script.startDocAnswer = SP_ERROR;
    EXPECT_NE(0, printer.BeginPrintJob(L"refused"));
    EXPECT_EQ(1, printer.DrawCount());
    EXPECT_EQ(0, printer.EndPrintJob());
    EXPECT_EQ(std::vector<std::string>{ "StartDoc" }, script.calls);
    EXPECT_EQ(0, printer.DrawCount());

    script.startDocAnswer = 1;
    script.startPageAnswer = 0;
    EXPECT_EQ(0, printer.BeginPrintJob(L"page refused"));
    EXPECT_NE(0, printer.BeginPage());
    printer.EndPrintJob();
    EXPECT_EQ("EndDoc", script.calls.back());
    Detach(printer);
}

using ZafPrintDialogTest = ZafPrinterTest;

TEST_F(ZafPrintDialogTest, TheDialogTakesTheSettingsAndGivesTheChoiceBack)
{
    ZafPrinter printer;
    ZafPrintJobSettings settings = { 1, 2, 3, 4, 1, 9 };
    script.dialogAccepts = true;
    script.answerFlags = PD_PAGENUMS;
    script.copies = 5;
    script.fromPage = 2;
    script.toPage = 7;
    EXPECT_TRUE(printer.ShowPrintDialog(settings));
    EXPECT_EQ(DWORD(PD_RETURNDC | PD_NOSELECTION | PD_COLLATE), script.seen.Flags);
    EXPECT_EQ(2, script.seen.nCopies);
    EXPECT_EQ(3, script.seen.nFromPage);
    EXPECT_EQ(4, script.seen.nToPage);
    EXPECT_EQ(1, script.seen.nMinPage);
    EXPECT_EQ(9, script.seen.nMaxPage);
    EXPECT_EQ(1, settings.collate);
    EXPECT_EQ(5u, settings.copies);
    EXPECT_EQ(2u, settings.fromPage);
    EXPECT_EQ(7u, settings.toPage);
    EXPECT_TRUE(printer.HasDevice());

    // Without page numbers chosen, the whole allowed range.
    script.answerFlags = 0;
    settings.collate = 0;
    ZafPrintDialog dialog(0, 0, &printer, &settings);
    dialog.SetCopiesAllowed(false);
    dialog.SetPageNumbersAllowed(false);
    EXPECT_EQ(ZAF_DIALOG_OK, dialog.DoModal());
    EXPECT_EQ(DWORD(PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES), script.seen.Flags);
    EXPECT_EQ(0, settings.collate);
    EXPECT_EQ(1u, settings.fromPage);
    EXPECT_EQ(9u, settings.toPage);
}

TEST_F(ZafPrintDialogTest, ACancelledDialogLeavesThePrinterAsItWas)
{
    ZafPrinter printer;
    DibSurface surface(50, 50, RGB(255, 255, 255));
    Attach(printer, surface);
    const int width = printer.PageWidth();
    ZafPrintJobSettings settings = { 0, 1, 1, 1, 1, 1 };
    ZafPrintDialog dialog(0, 0, &printer, &settings);
    EXPECT_EQ(ZAF_DIALOG_CANCEL, dialog.DoModal());
    EXPECT_FALSE(printer.RunPrintSetup());
    EXPECT_EQ(PD_PRINTSETUP | PD_RETURNDC, script.seen.Flags);
    EXPECT_EQ(surface.Context(), printer.DeviceContext());
    EXPECT_EQ(width, printer.PageWidth());
    EXPECT_EQ(1u, settings.copies);
    Detach(printer);
}

TEST_F(ZafPrinterTest, OnlyADeviceModeThatSaysLandscapeTurnsThePage)
{
    const struct { bool field; short orientation; bool landscape; } cases[] = {
        { false, DMORIENT_LANDSCAPE, false },   // no DM_ORIENTATION: the driver prints portrait
        { true, DMORIENT_PORTRAIT, false },
        { true, DMORIENT_LANDSCAPE, true },
    };
    for (const auto &test : cases) {
        script.dialogAccepts = true;
        script.withOrientation = test.field;
        script.orientation = test.orientation;
        ZafPrinter printer;
        EXPECT_EQ(test.landscape, printer.Landscape()) << test.field << " " << test.orientation;
        ASSERT_TRUE(printer.HasDevice());
        const bool wide = printer.PageWidth() > printer.PageHeight();
        EXPECT_EQ(test.landscape, wide);
        int left, top, right, bottom;
        printer.Margins(left, top, right, bottom);
        EXPECT_EQ(printer.dotsPerInchX / 2, left);
    }
}

// One real page through the system's spooler to its default printer. The
// printing check (print-to-pdf.sh) names the document and looks at the PDF
// that the PDF printer makes of it; without that name there is nothing to
// check the page against, and the test does not run.
TEST(ZafPrinterSpooler, APagePrintsThroughTheDefaultPrinter)
{
    wchar_t name[128] = {};
    if (!GetEnvironmentVariableW(L"ZAF_PRINT_DOCUMENT", name, 128))
        GTEST_SKIP() << "run by print-to-pdf.sh";
    ZafPrinter printer;
    ASSERT_TRUE(printer.HasDevice()) << "no default printer";
    printer.SetCoordinateType(ZAF_MILS);
    ASSERT_EQ(0, printer.BeginPrintJob(name));
    ASSERT_EQ(0, printer.BeginPage());
    // A black bar one inch below and right of the printable corner, 2 by 1
    // inches, and a line of text an inch below it.
    printer.SetForeground(0);
    printer.SetBackground(0);
    printer.Rectangle(1000, 1000, 3000, 2000, 1, true);
    printer.SetFont(1);
    printer.Text(1000, 3000, L"ZafPrinter page");
    EXPECT_EQ(0, printer.EndPage());
    EXPECT_EQ(0, printer.EndPrintJob());
}
