// The start-up's early ends, run in-process so that the boxes' texts are seen.
#include <windows.h>

#include <gtest/gtest.h>

#include "domain/ui/QVSettings.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/log/KLog.h"
#include "framework/core/storage/ZafStorage.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/ShellAppTest.h"

namespace {

class VZStartUp : public ShellAppTest
{
protected:
    void SetUp() override
    {
        ShellAppTest::SetUp();
        MakeApplication({ L"-noddeserver" });
        DropRegistry();
    }
    void TearDown() override
    {
        // The start-up raises the process; the other tests run as before.
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
        ShellAppTest::TearDown();
    }
    void WriteDataFile()
    {
        ZafStorage storage(ProgramFolderFile(L"quorvane.zaf").c_str(), ZAF_FILE_CREATE);
        ASSERT_EQ(0, storage.Save());
    }
    // Everything the start-up published is withdrawn again.
    void ExpectCleanedUp()
    {
        EXPECT_EQ(nullptr, VZApplication::Registry());
        EXPECT_EQ(nullptr, VZApplication::MainControl());
        EXPECT_EQ(nullptr, QVSettings());
        EXPECT_EQ(nullptr, KProgramLog());
        EXPECT_EQ(nullptr, KGetApplicationHooks());
        EXPECT_FALSE(FileExists(ProgramFolderFile(L"quorvane.log")));
    }
};

} // namespace

TEST_F(VZStartUp, WithoutTheDataFileItReportsAndAnswersMinusOne)
{
    EXPECT_EQ(-1, app->Run());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Error", boxes[0].caption);
    // The error, then the data file it looked for.
    EXPECT_EQ(L"Error loading application resources (1003).\r\n" + ProgramFolderFile(L"quorvane.zaf"), boxes[0].text);
    EXPECT_EQ(kButtonOk, boxes[0].buttons);
    EXPECT_EQ(kIconExclamation, boxes[0].icon);
    ExpectCleanedUp();
}

TEST_F(VZStartUp, AnUnreadableSettingsFileIsReportedAndTheStartUpGoesOn)
{
    WriteBytes(ProgramFolderFile(L"quorvane.cfg"), "Registry Version: 1.00\r\n");
    HANDLE held = CreateFileW(ProgramFolderFile(L"quorvane.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(-1, app->Run());
    CloseHandle(held);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"Error loading the configuration file (6001).\r\n" + ProgramFolderFile(L"quorvane.cfg"), boxes[0].text);
    EXPECT_EQ(0u, boxes[1].text.rfind(L"Error loading application resources (1003).\r\n", 0));
    EXPECT_TRUE(app->SettingsUnreadable());
}

TEST_F(VZStartUp, ASecondCopyAsksAndEndsWhenCancelled)
{
    WriteDataFile();
    const std::wstring name = L"QuorvaneShellTest" + std::to_wstring(GetCurrentProcessId());
    app->CountInstance(name.c_str());   // as if another copy ran first
    boxAnswer = kDialogCancel;
    EXPECT_EQ(0, app->Run());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Copy 2", boxes[0].caption);
    EXPECT_EQ(L"A copy of Quorvane is already running.", boxes[0].text);
    EXPECT_EQ(kButtonOk | kButtonCancel, boxes[0].buttons);
    EXPECT_EQ(kButtonCancel, boxes[0].defaultButton);
    EXPECT_EQ(kIconQuestion, boxes[0].icon);
    ExpectCleanedUp();
    EXPECT_FALSE(FileExists(ProgramFolderFile(L"quorvane.cfg")));
}
