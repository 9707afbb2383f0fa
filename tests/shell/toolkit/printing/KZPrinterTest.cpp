#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <memory>
#include <vector>

#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/support/DefaultPrinterDevice.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/TestPrinterDevice.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"
#include "shell/toolkit/printing/KZPrinter.h"

namespace {

// A settings group holding the five margin settings.
class MarginSettings
{
public:
    MarginSettings(int left, int top, int right, int bottom, int unit = 0)
    {
        KRegistry::InitPrototypes();
        settings = std::make_unique<KRegistry>();
        const std::wstring values[] = { L"Left:Int=" + std::to_wstring(left), L"Top:Int=" + std::to_wstring(top),
                                        L"Right:Int=" + std::to_wstring(right),
                                        L"Bottom:Int=" + std::to_wstring(bottom), L"Unit:Int=" + std::to_wstring(unit) };
        for (const std::wstring &line : values)
            settings->Parse((L"Margins\\" + line).c_str());
    }
    ~MarginSettings()
    {
        settings.reset();
        KRegistry::FreePrototypes();
    }
    KRNode &Group() { return *settings->GetGroup(L"Margins"); }

private:
    std::unique_ptr<KRegistry> settings;
};

// A printer on the test device with a job prepared.
void Prepare(KZPrinter &printer)
{
    ASSERT_TRUE(printer.PrintDialog());
    ASSERT_TRUE(printer.BeginPrinting());
}

} // namespace

TEST(KZPrinter, PageMeasuresInThousandthsPixelsAndLogicalUnitsInsideTheMargins)
{
    TestPrinterDevice device;
    device.horizontalPixels = device.verticalPixels = 6000;
    MarginSettings settings(1000, 500, 1000, 500);
    KZPrinter printer(&device);
    printer.LoadMargins(settings.Group());
    Prepare(printer);

    EXPECT_EQ(KPoint(600, 600), printer.Resolution());
    EXPECT_EQ(KPoint(8000, 9000), printer.PrintableThousandths());
    EXPECT_EQ(KPoint(4800, 5400), printer.PrintablePixels());
    EXPECT_EQ(KPoint(600, 675), printer.PrintableLogical());
    POINT origin = {};
    GetViewportOrgEx(device.context, &origin);
    EXPECT_EQ(600, origin.x);
    EXPECT_EQ(300, origin.y);
    // The far corner of the logical page is the far corner of the printable pixels.
    KPoint corner(600, 675);
    printer.LogicalToDevice(corner);
    EXPECT_EQ(KPoint(4800, 5400), corner);
    printer.DeviceToLogical(corner);
    EXPECT_EQ(KPoint(600, 675), corner);
    printer.EndPrinting();
}

TEST(KZPrinter, MarginsStayAtZeroOrMoreAndLeaveAPrintableUnit)
{
    TestPrinterDevice device;
    MarginSettings negative(-300, -1, 250, -7);
    KZPrinter printer(&device);
    printer.LoadMargins(negative.Group());
    EXPECT_EQ(KRect(0, 0, 250, 0), printer.Margins());

    // Margins wider than the 10-inch page still leave one logical unit.
    printer.SetMargins(KRect(6000, 9000, 6000, 9000));
    Prepare(printer);
    EXPECT_GE(printer.PrintableLogical().x, 1);
    EXPECT_GE(printer.PrintableLogical().y, 1);
    EXPECT_EQ(KRect(6000, 9000, 6000, 9000), printer.Margins());   // the stored margins are kept
    printer.EndPrinting();
}

TEST(KZPrinter, ConversionsLeaveValuesUnchangedBeforeAJobIsPrepared)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    KPoint point(123, -45);
    printer.LogicalToDevice(point);
    EXPECT_EQ(KPoint(123, -45), point);
    KRect rect(1, 2, 3, 4);
    printer.DeviceToLogical(rect);
    EXPECT_EQ(KRect(1, 2, 3, 4), rect);
}

TEST(KZPrinter, AJobCallsTheDocumentAndPageOperationsInOrder)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    EXPECT_EQ(std::vector<std::string>{ "ReturnDefault" }, device.calls);
    Prepare(printer);
    // The line height follows the bold font.
    EXPECT_EQ(printer.FontHeight(3) + 7, printer.LineHeight());
    EXPECT_TRUE(printer.StartDoc(KString(L"Results")));
    EXPECT_TRUE(printer.StartPage());
    EXPECT_TRUE(printer.EndPage());
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_TRUE(printer.EndPrinting());
    EXPECT_FALSE(printer.HasContext());
    const std::vector<std::string> expected = { "ReturnDefault", "Print", "StartDoc", "StartPage",
                                                "EndPage", "EndDoc", "DeleteContext" };
    EXPECT_EQ(expected, device.calls);
    EXPECT_EQ(L"Results", device.documentName);
    EXPECT_EQ(L"", device.outputFile);
    EXPECT_EQ(7, printer.JobNumber());
}

TEST(KZPrinter, WithoutAPrinterEveryStepOfAJobFails)
{
    TestPrinterDevice device;
    device.hasDefaultPrinter = false;
    device.dialogAccepts = false;
    KZPrinter printer(&device);
    EXPECT_EQ(nullptr, printer.DeviceModeW());
    EXPECT_EQ(nullptr, printer.DeviceNames());
    EXPECT_FALSE(printer.IsLandscape());
    EXPECT_FALSE(printer.PrintDialog());
    EXPECT_FALSE(printer.BeginPrinting());
    EXPECT_FALSE(printer.StartDoc(KString(L"Results")));
    EXPECT_FALSE(printer.StartPage());
    EXPECT_FALSE(printer.EndPage());
    EXPECT_FALSE(printer.AbortDoc());
    EXPECT_FALSE(printer.EndDoc());
    EXPECT_TRUE(printer.EndPrinting());
    printer.DrawText(KRect(0, 0, 100, 0), KString(L"x"), 0, 0);   // draws nothing, does not crash
    EXPECT_EQ(KPoint(0, 0), printer.TextExtent(KString(L"x")));
}

TEST(KZPrinter, PrintToFileAsksForAPostScriptFileAndACancelStartsNoJob)
{
    TestPrinterDevice device;
    device.printToFile = true;
    std::vector<std::wstring> extensions;
    std::wstring answer;
    KFile::SetDialogHook([&](int kind, KFile &file, const KString &list, const KString &) {
        EXPECT_EQ(KFile::kDialogSave, kind);
        extensions.push_back(list.CStr());
        if (answer.empty())
            return -1;
        file.SetFullName(answer.c_str());
        return 0;
    });
    KZPrinter printer(&device);
    Prepare(printer);
    EXPECT_FALSE(printer.StartDoc(KString(L"Results")));
    answer = L"C:\\out\\report.ps";
    EXPECT_TRUE(printer.StartDoc(KString(L"Results")));
    KFile::SetDialogHook({});
    EXPECT_EQ((std::vector<std::wstring>{ L"ps", L"ps" }), extensions);
    EXPECT_EQ(1, std::count(device.calls.begin(), device.calls.end(), "StartDoc"));
    EXPECT_EQ(L"C:\\out\\report.ps", device.outputFile);
    printer.EndPrinting();
}

TEST(KZPrinter, OrientationIsKeptInTheChosenPrintersRecord)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    ASSERT_NE(nullptr, printer.DeviceModeW());
    printer.SetLandscape(true);
    EXPECT_TRUE(printer.IsLandscape());
    EXPECT_EQ(DMORIENT_LANDSCAPE, reinterpret_cast<DEVMODEW *>(printer.DeviceModeW())->dmOrientation);
    printer.SetLandscape(false);
    EXPECT_FALSE(printer.IsLandscape());
}

TEST(KZPrinter, ResolutionFactorGrowsWithTheSquareRootAbove300Dpi)
{
    KZPrinter printer(nullptr);
    const std::pair<int, int> cases[] = { { 150, 53 }, { 300, 53 }, { 400, 71 }, { 600, 85 } };
    for (const auto &test : cases)
        EXPECT_EQ(test.second, printer.ResolutionFactor(test.first)) << test.first;
}

// 254 mm and 750 pixels make 75 pixels per inch: one logical unit is one pixel.
TEST(KZPrinter, TextOnALineStaysWithinThatLinesRows)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    Prepare(printer);
    printer.SetLineHeight(20);
    printer.DrawText(KRect(10, 3, 400, 999), KString(L"Hg Quorvane |"), 0, 0);
    const auto rows = device.InkedRows();
    ASSERT_GE(rows.first, 0) << "no text drawn";
    EXPECT_GE(rows.first, 60);
    EXPECT_LE(rows.second, 77);
    printer.EndPrinting();
}

TEST(KZPrinter, TextIsCutAtItsEndToFitItsRectangle)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    Prepare(printer);
    printer.SetLineHeight(1);
    const KString text(L"WWWWWWWWWWWWWWWWWWWW");
    ASSERT_GT(printer.TextWidth(text), 60);
    printer.DrawText(KRect(100, 100, 159, 130), text, 0, 0);
    const auto columns = device.InkedColumns();
    ASSERT_GE(columns.first, 0) << "nothing of the text drawn";
    EXPECT_GE(columns.first, 100);
    EXPECT_LE(columns.second, 159);
    // A rectangle of width 0 draws nothing.
    TestPrinterDevice empty;
    KZPrinter second(&empty);
    Prepare(second);
    second.DrawText(KRect(100, 100, 99, 130), text, 0, 0);
    EXPECT_EQ(-1, empty.InkedRows().first);
    printer.EndPrinting();
    second.EndPrinting();
}

TEST(KZPrinter, RulesRunAlongTheBottomOfTheirLine)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    Prepare(printer);
    printer.SetLineHeight(20);
    printer.DrawRule(KRect(50, 2, 300, 0));
    EXPECT_EQ(std::make_pair(59, 59), device.InkedRows());
    EXPECT_EQ(50, device.InkedColumns().first);
    printer.EndPrinting();
}

TEST(KZPrinter, BitmapsOf15And24BitsAreStretchedAndOtherDepthsRefused)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    Prepare(printer);
    const uint16_t red15[4] = { 0x7C00, 0x7C00, 0x7C00, 0x7C00 };
    EXPECT_NE(0, printer.DrawBitmap(KRect(10, 10, 29, 29), KRect(0, 0, 1, 1), red15, 15));
    const uint8_t blue24[8] = { 255, 0, 0, 255, 0, 0, 0, 0 };   // two pixels and the row padding
    EXPECT_NE(0, printer.DrawBitmap(KRect(100, 10, 139, 29), KRect(0, 0, 1, 0), blue24, 24));
    EXPECT_EQ(RGB(255, 0, 0), device.Pixel(20, 20));
    EXPECT_EQ(RGB(0, 0, 255), device.Pixel(120, 20));
    EXPECT_EQ(RGB(255, 255, 255), device.Pixel(50, 50));

    const uint8_t grey8[4] = { 0, 0, 0, 0 };
    EXPECT_EQ(-16, printer.DrawBitmap(KRect(200, 200, 299, 299), KRect(0, 0, 1, 1), grey8, 8));
    EXPECT_EQ(RGB(255, 255, 255), device.Pixel(250, 250));
    printer.EndPrinting();
}

TEST(KZPrinter, OnAnAnsiOnlySystemTheEightBitCallsPrint)
{
    KForceAnsiApi(1);
    {
        TestPrinterDevice device;
        KZPrinter printer(&device);
        Prepare(printer);
        EXPECT_TRUE(printer.StartDoc(KString(L"Results")));
        printer.SetLineHeight(20);
        printer.DrawText(KRect(10, 1, 400, 0), KString(L"Quorvane"), 0, 0);
        EXPECT_EQ("8-bit", device.calls.front());
        EXPECT_EQ(L"Results", device.documentName);
        EXPECT_GE(device.InkedRows().first, 20);
        printer.EndPrinting();
    }
    KForceAnsiApi(-1);
}

// One real page through the system's spooler to its default printer. The
// printing check (print-report-to-pdf.sh) names the document and looks at
// the PDF the PDF printer makes of it; without that name the test does not run.
TEST(KZPrinterSpooler, AReportPagePrintsThroughTheDefaultPrinter)
{
    wchar_t name[128] = {};
    if (!GetEnvironmentVariableW(L"KZ_PRINT_DOCUMENT", name, 128))
        GTEST_SKIP() << "run by print-report-to-pdf.sh";
    DefaultPrinterDevice device;
    KZPrinter printer(&device);
    printer.SetMargins(KRect(1000, 1000, 1000, 1000));
    ASSERT_TRUE(printer.PrintDialog()) << "no default printer";
    ASSERT_TRUE(printer.BeginPrinting());
    ASSERT_TRUE(printer.StartDoc(KString(name)));
    ASSERT_TRUE(printer.StartPage());
    // From the corner one inch in: a black square of one inch (a 24-bit
    // bitmap), a rule below it and a line of text below that.
    std::vector<uint8_t> black(4 * 4 * 3, 0);
    printer.DrawBitmap(KRect(0, 0, 74, 74), KRect(0, 0, 3, 3), black.data(), 24);
    printer.SetFont(3);
    printer.DrawRule(KRect(0, 6, 149, 0));
    printer.SetFont(1);
    printer.DrawText(KRect(0, 8, 299, 0), KString(L"Quorvane report page"), 0, 0);
    EXPECT_TRUE(printer.EndPage());
    EXPECT_TRUE(printer.EndDoc());
    printer.EndPrinting();
}

// The page-setup dialog, answered by a hand at the open dialog.
namespace {

class PageSetupDialog : public ToolkitTest
{
protected:
    // Opens the dialog; while it is open, reads the four margin fields' texts
    // and the unit, lets change act on the fields, then presses answer.
    bool Run(KZPrinter &printer, std::function<void(std::vector<KZReal *> &, KZRadioGroup &)> change,
             int32_t answer = -2999)
    {
        WhileModal([&] {
            ZafWindow *dialog = FrontWindow();
            std::vector<KZReal *> fields = FieldsOf<KZReal>(dialog);
            std::vector<KZRadioGroup *> units = FieldsOf<KZRadioGroup>(dialog);
            texts.clear();
            for (KZReal *field : fields)
                texts.push_back(field->Text() ? field->Text() : L"");
            if (fields.size() == 4 && units.size() == 1 && change)
                change(fields, *units[0]);
            ZafEventManager::Shared()->Put(ZafEventStruct(answer, 0));
        });
        return printer.PageSetup();
    }
    std::vector<std::wstring> texts;   // left, right, top, bottom as shown
};

} // namespace

TEST_F(PageSetupDialog, MarginsShowInTheirUnitAndAreStoredInThousandths)
{
    TestPrinterDevice device;
    KZPrinter printer(&device);
    printer.SetMargins(KRect(1000, 500, 250, 0));
    EXPECT_TRUE(Run(printer, nullptr));
    EXPECT_EQ((std::vector<std::wstring>{ L"1.00", L"0.25", L"0.50", L"0.00" }), texts);

    // Switched to centimetres, 2.00 for the left margin stores 787.
    EXPECT_TRUE(Run(printer, [](std::vector<KZReal *> &fields, KZRadioGroup &unit) {
        unit.SetSelection(1);
        fields[0]->SetValue(2.00);
        fields[1]->SetValue(2.54);
        fields[2]->SetValue(1.27);
        fields[3]->SetValue(0.0);
    }));
    EXPECT_EQ(KZPrinter::kUnitCentimeters, printer.Unit());
    EXPECT_EQ(KRect(787, 500, 1000, 0), printer.Margins());
    // Shown as 2.00 again; Ok without a change keeps 787 (the shown value counts).
    EXPECT_TRUE(Run(printer, nullptr));
    EXPECT_EQ(L"2.00", texts[0]);
    EXPECT_EQ(L"1.27", texts[2]);
    EXPECT_EQ(KRect(787, 500, 1000, 0), printer.Margins());

    // Cancel keeps everything.
    EXPECT_FALSE(Run(printer, [](std::vector<KZReal *> &fields, KZRadioGroup &unit) {
        unit.SetSelection(0);
        fields[0]->SetValue(9.0);
    }, -2993));
    EXPECT_EQ(KRect(787, 500, 1000, 0), printer.Margins());
    EXPECT_EQ(KZPrinter::kUnitCentimeters, printer.Unit());
}
