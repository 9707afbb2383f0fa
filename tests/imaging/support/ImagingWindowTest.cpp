#include "imaging/support/ImagingWindowTest.h"

#include "domain/ui/QVSettings.h"

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

std::wstring ImagingWindowTest::BuiltProgramFolder()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring folder = path;
    for (int level = 0; level < 3; ++level)
        folder.erase(folder.find_last_of(L"\\/"));
    return folder + L"\\bin";
}
