// The chart data dialog on a real window: the list's cell texts from the
// working arrays, and the text export through the file dialog seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/streams/KFile.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ShellScratch.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "ui/chart/QVZChartDataDialog.h"
#include "ui/chart/QVZChartTraces.h"
#include "ui/common/QVZCommands.h"

namespace {

// Runs action inside the dialog's modal loop; the action ends the loop.
int32_t RunWith(QVZChartDataDialog &dialog, std::function<void()> action)
{
    WhileModal(std::move(action));
    return dialog.DoModal();
}

std::vector<std::string> ReadLines(const std::wstring &path)
{
    std::vector<std::string> lines;
    std::ifstream in(path.c_str(), std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

class ChartDataDialog : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        QVZChartTraces &traces = QVZChartTraces::Shared();
        for (int i = 0; i < QVZChartTraces::kSamples; ++i) {
            traces.RawX()[i] = 0.0;
            traces.RawY()[i] = 0.0;
        }
    }
    void TearDown() override
    {
        KFile::SetDialogHook({});
        ToolkitTest::TearDown();
    }
    // The file dialogs answer in turn: a name (Ok) or an empty one (Cancel).
    void AnswerDialogs(std::vector<std::wstring> names)
    {
        auto queue = std::make_shared<std::vector<std::wstring>>(std::move(names));
        KFile::SetDialogHook([queue](int, KFile &file, const KString &, const KString &) {
            if (queue->empty())
                return -1;
            const std::wstring name = queue->front();
            queue->erase(queue->begin());
            if (name.empty())
                return -1;
            file.SetFullName(name.c_str());
            return 0;
        });
    }
};

} // namespace

TEST_F(ChartDataDialog, CellsShowTimeToMillisecondsAndRawValuesAsIntegers)
{
    QVZChartTraces &traces = QVZChartTraces::Shared();
    traces.RawX()[0] = 123.75;
    traces.RawY()[0] = -5.25;
    const struct { int row; int column; const wchar_t *text; } cases[] = {
        { 0, 0, L"-3.000" }, { 3000, 0, L"0.000" }, { 5000, 0, L"2.000" },
        { 0, 1, L"123" }, { 0, 2, L"-5" }, { 5001, 0, L"" },
    };
    for (const auto &c : cases)
        EXPECT_STREQ(QVZChartDataDisplaySelector::Text(c.row, c.column).CStr(), c.text)
            << "row " << c.row << " column " << c.column;
}

TEST_F(ChartDataDialog, ListOpensAtTheGunOverAllSamples)
{
    QVZChartDataDialog dialog;
    EXPECT_EQ(dialog.List()->Extent(), KPoint(1, QVZChartTraces::kSamples));
    EXPECT_EQ(dialog.List()->Selection(), KPoint(0, QVZChartTraces::kGunSample));
    EXPECT_EQ(dialog.List()->ColumnCount(KPoint(0, 0)), QVZChartDataDisplaySelector::kColumns);
}

TEST_F(ChartDataDialog, TheShownListHasTheGunRowInViewNotTheFirstSample)
{
    QVZChartDataDialog dialog;
    KRect shown;
    const int32_t result = RunWith(dialog, [&dialog, &shown] {
        shown = dialog.List()->VisibleUnitRect(true);
        ZafEventManager::Shared()->Put(ZafEventStruct(kDialogCancel, 0));
    });
    EXPECT_EQ(result, kDialogCancel);
    EXPECT_GT(shown.Height(), 1) << "the list shows no rows";
    EXPECT_LE(shown.top, QVZChartTraces::kGunSample);
    EXPECT_GE(shown.bottom, QVZChartTraces::kGunSample) << "rows " << shown.top << " to " << shown.bottom << " shown";
}

TEST_F(ChartDataDialog, ExportWritesOneLinePerSampleToATxtFileAndCloses)
{
    QVZChartTraces &traces = QVZChartTraces::Shared();
    traces.RawX()[0] = 812.9;
    traces.RawY()[0] = 70000.0; // beyond 16 bits: the sensor's signed word
    const std::wstring base = ProgramFolderFile(L"trace");
    AnswerDialogs({ base });
    QVZChartDataDialog dialog;
    const int32_t result = RunWith(dialog, [&dialog] {
        dialog.Export();
    });
    EXPECT_EQ(result, kDialogOk);
    EXPECT_EQ(dialog.Status(), QVZChartDataDialog::kStatusNone);
    const std::vector<std::string> lines = ReadLines(base + L".txt");
    ASSERT_EQ(lines.size(), 5001u);
    EXPECT_EQ(lines[0].rfind("-3.000000\t812\t4464", 0), 0u) << lines[0];
    EXPECT_EQ(lines[3000].rfind("0.000000\t", 0), 0u) << lines[3000];
    EXPECT_EQ(lines[5000].rfind("2.000000\t", 0), 0u) << lines[5000];
}

TEST_F(ChartDataDialog, ExportAfterACancelledFileDialogStillWrites)
{
    const std::wstring name = ProgramFolderFile(L"second.txt");
    AnswerDialogs({ L"", name });
    QVZChartDataDialog dialog;
    bool writtenAfterCancel = true;
    int statusAfterCancel = 0;
    const int32_t result = RunWith(dialog, [&] {
        dialog.Export();
        statusAfterCancel = dialog.Status();
        writtenAfterCancel = FileExists(name);
        dialog.Export();
    });
    EXPECT_EQ(statusAfterCancel, QVZChartDataDialog::kStatusCancelled);
    EXPECT_FALSE(writtenAfterCancel);
    EXPECT_EQ(result, kDialogOk);
    EXPECT_EQ(ReadLines(name).size(), 5001u);
}

TEST_F(ChartDataDialog, ClickOnExportWritesTheFileAndCloses)
{
    const std::wstring name = ProgramFolderFile(L"clicked.txt");
    AnswerDialogs({ name });
    QVZChartDataDialog dialog;
    const int32_t result = RunWith(dialog, [&dialog] {
        for (KZButton *button : FieldsOf<KZButton>(&dialog))
            if (button->Text() && std::wstring(button->Text()) == L"Export")
                SendMessageW(static_cast<HWND>(button->OSWindow()), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, kDialogOk);
    EXPECT_EQ(ReadLines(name).size(), 5001u);
}
