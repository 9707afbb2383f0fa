// The chart's bitmap export on a real window: the picture is the chart
// control as it stands on the screen, written as Targa whatever extension
// was typed; the row walk over a padded device-independent bitmap.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ChartTest.h"
#include "chart/view/ZafChartControl.h"
#include "foundation/streams/KFile.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ShellScratch.h"
#include "shell/toolkit/bars/KZStatusBar.h"
#include "ui/chart/QVZChartPane.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/support/PrintedMetafile.h"

namespace {

std::vector<uint8_t> ReadAll(const std::wstring &path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ChartExport : public ChartTest
{
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        AddTrial(-1, 150, -1, 400);
        window = MakeWindow();
        Select(0);
        window->Pane()->Plot(KPoint(-1, -1), true);
        Pump(200);
    }
    void TearDown() override
    {
        KFile::SetDialogHook({});
        ChartTest::TearDown();
    }

    QVZChartWindow *window = nullptr;
};

// A main status bar that keeps its messages and presses Escape on the
// target window as soon as the export says it is writing.
class EscapeWhileExporting : public KZStatusBar
{
public:
    explicit EscapeWhileExporting(HWND target) : KZStatusBar(20, 0), target(target) {}
    void SetMessage(const wchar_t *text) override
    {
        KZStatusBar::SetMessage(text);
        messages.emplace_back(text ? text : L"");
        if (messages.back() == L"Exporting bitmap...") {
            PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        }
    }
    std::vector<std::wstring> messages;

private:
    HWND target;
};

} // namespace

TEST_F(ChartExport, StartsInTheProgramFolderThenWhereTheLastExportWent)
{
    MetafilePrintCalls noPrinter;
    QVZChartPane::Startup();
    const std::wstring folder = ProgramFolderFile(L"exports");
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> offered;
    KFile::SetDialogHook([&](int, KFile &file, const KString &, const KString &) {
        offered.emplace_back(file.FullName().CStr());
        file.SetFullName((folder + L"\\chart.tga").c_str());
        return 0;
    });
    window->Pane()->ExportBitmap();
    window->Pane()->ExportBitmap();
    QVZChartPane::Shutdown();
    ASSERT_EQ(2u, offered.size());
    EXPECT_EQ(ProgramFolderFile(L"QV-"), offered[0]);
    EXPECT_EQ(folder + L"\\QV-", offered[1]);
    EXPECT_TRUE(FileExists(folder + L"\\chart.tga"));
}

TEST_F(ChartExport, EscapeWhileWritingAbortsAndKeepsThePictureThereBefore)
{
    const std::wstring path = ProgramFolderFile(L"stopped.tga");
    const std::vector<uint8_t> before = { 'o', 'l', 'd' };
    std::ofstream(path.c_str(), std::ios::binary).write(reinterpret_cast<const char *>(before.data()), 3);
    AnswerFileDialogs(path);
    HWND target = static_cast<HWND>(host->OSWindow());
    EscapeWhileExporting bar(target);
    KZSetMainStatusBar(&bar);
    KZApplication::SetMainWindow(host);
    window->Pane()->ExportBitmap();
    KZApplication::SetMainWindow(nullptr);
    KZSetMainStatusBar(nullptr);
    EXPECT_EQ(before, ReadAll(path));
    EXPECT_FALSE(FileExists(path + L".tmp"));
    ASSERT_FALSE(bar.messages.empty());
    EXPECT_EQ(L"Operation aborted by user.", bar.messages.back());
}

TEST_F(ChartExport, WritesTheChartsScreenPixelsAsTargaUnderATgaName)
{
    AnswerFileDialogs(ProgramFolderFile(L"x.jpg"));
    window->Pane()->ExportBitmap();
    EXPECT_FALSE(FileExists(ProgramFolderFile(L"x.jpg")));
    const std::vector<uint8_t> tga = ReadAll(ProgramFolderFile(L"x.tga"));
    ASSERT_GT(tga.size(), 18u);

    HWND chart = static_cast<HWND>(window->Pane()->Control()->OSHandle());
    RECT rect;
    ASSERT_TRUE(GetWindowRect(chart, &rect));
    const int width = tga[12] | tga[13] << 8;
    const int height = tga[14] | tga[15] << 8;
    EXPECT_EQ(width, rect.right - rect.left);
    EXPECT_EQ(height, rect.bottom - rect.top);
    EXPECT_EQ(tga[16], 24);
    ASSERT_EQ(tga.size(), 18u + tga[0] + size_t(width) * height * 3);

    HDC screen = GetDC(nullptr);
    const POINT points[] = { { 0, 0 }, { width - 1, 0 }, { 0, height - 1 }, { width - 1, height - 1 },
                             { width / 2, height / 2 } };
    for (const POINT &p : points) {
        const size_t at = 18 + tga[0] + (size_t(height - 1 - p.y) * width + p.x) * 3; // rows bottom first
        const COLORREF written = RGB(tga[at + 2], tga[at + 1], tga[at]);
        EXPECT_EQ(written, GetPixel(screen, rect.left + p.x, rect.top + p.y)) << p.x << "," << p.y;
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(ChartExport, ACancelledFileDialogWritesNothing)
{
    AnswerFileDialogs(L"");
    window->Pane()->ExportBitmap();
    EXPECT_FALSE(FileExists(ProgramFolderFile(L"QV-.tga")));
}

TEST_F(ChartExport, RowsStepByThePaddedStrideAndEndWhenUsedUp)
{
    // Three rows of 5 pixels at 24 bits: 15 bytes each, padded to 16.
    std::vector<uint8_t> bits(3 * 16);
    QVZChartPane::ExportRowContext context = { nullptr, 3, bits.data(), 16, 3, false };
    EXPECT_EQ(QVZChartPane::ExportRow(0, &context), bits.data());
    EXPECT_EQ(QVZChartPane::ExportRow(1, &context), bits.data() + 16);
    EXPECT_EQ(QVZChartPane::ExportRow(2, &context), bits.data() + 32);
    EXPECT_EQ(QVZChartPane::ExportRow(3, &context), nullptr);
    EXPECT_FALSE(context.aborted);
}
