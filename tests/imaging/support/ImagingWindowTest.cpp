#include "imaging/support/ImagingWindowTest.h"

#include "domain/ui/QVSettings.h"
#include "imaging/windows/VZLaneBar.h"
#include "shell/support/ShellScratch.h"

void ImagingWindowTest::SetUp()
{
    ToolkitTest::SetUp();
    QVSetSettings(registry);
    CopyFileW((BuiltProgramFolder() + L"\\quorvane.zaf").c_str(), ProgramFolderFile(L"quorvane.zaf").c_str(), FALSE);
    ASSERT_TRUE(app->OpenDataFile());
    hub = std::make_unique<RecordingHub>();
}

void ImagingWindowTest::TearDown()
{
    hub.reset();
    QVSetSettings(nullptr);
    ToolkitTest::TearDown();
}

std::vector<std::wstring> ImagingWindowTest::LaneTexts(VZLaneBar *bar)
{
    std::vector<std::wstring> texts;
    for (int cell = 0; cell < bar->ColumnCount(); ++cell) {
        KString text;
        uint32_t flags = 0;
        bar->CellText(cell, text, flags);
        texts.push_back(text.CStr());
    }
    return texts;
}
