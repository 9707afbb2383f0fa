// quorvane.exe started as a process of its own from a scratch folder.
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/program/QuorvaneProgram.h"

namespace {

const std::wstring kMainTitle = L"Quorvane Training  v1.32";

// Ends the program through its main window, as the user's close does.
DWORD Close(QuorvaneProgram &program, HWND main)
{
    PostMessageW(main, WM_CLOSE, 0, 0);
    return program.WaitForExit();
}

// A DDE client of the running program.
class DdeClient
{
public:
    DdeClient()
    {
        DdeInitializeW(&instance, &Callback, APPCMD_CLIENTONLY, 0);
    }
    ~DdeClient()
    {
        if (conversation)
            DdeDisconnect(conversation);
        DdeUninitialize(instance);
    }
    bool Connect(const wchar_t *topic)
    {
        HSZ service = DdeCreateStringHandleW(instance, L"Quorvane Training", CP_WINUNICODE);
        HSZ topicName = DdeCreateStringHandleW(instance, topic, CP_WINUNICODE);
        conversation = DdeConnect(instance, service, topicName, nullptr);
        DdeFreeStringHandle(instance, service);
        DdeFreeStringHandle(instance, topicName);
        return conversation != nullptr;
    }
    // Sends bytes as an execute command; true when the server took it.
    bool Execute(const void *bytes, DWORD count)
    {
        DWORD result = 0;
        HDDEDATA answer = DdeClientTransaction(static_cast<LPBYTE>(const_cast<void *>(bytes)), count, conversation,
                                               nullptr, 0, XTYP_EXECUTE, 5000, &result);
        return answer != nullptr;
    }
    bool Execute(const std::wstring &command)
    {
        return Execute(command.c_str(), DWORD((command.size() + 1) * sizeof(wchar_t)));
    }

private:
    static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }
    DWORD instance = 0;
    HCONV conversation = nullptr;
};

} // namespace

TEST(QuorvaneProgram, AFirstStartShowsTheMainWindowAndSavesTheDefaults)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);
    EXPECT_GE(program.Elapsed(), 3000u);   // the start-up lasts at least 3 s
    EXPECT_EQ(0u, Close(program, main));

    const std::string cfg = ReadBytes(program.File(L"cfg"));
    EXPECT_EQ(0u, cfg.rfind("Registry Version: 1.00", 0));
    EXPECT_NE(std::string::npos, cfg.find("Hardware\\MenuTimeOut:Int=5000"));
    EXPECT_EQ(std::string::npos, cfg.find("\nStrings\\"));
    EXPECT_FALSE(FileExists(program.File(L"log")));   // a clean run leaves no log
}

TEST(QuorvaneProgram, WithoutTheDataFileItReportsAndEndsWithMinusOne)
{
    ShellScratch folder;
    QuorvaneProgram program(folder, false);
    ASSERT_TRUE(program.Start(L"-noddeserver"));
    HWND box = program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(nullptr, program.WaitForWindow(kMainTitle, 200));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));   // its only button
    EXPECT_EQ(DWORD(-1), program.WaitForExit());
}

TEST(QuorvaneProgram, ASecondCopyAsksAndCancelLeavesTheFirstRunning)
{
    ShellScratch folder;
    QuorvaneProgram first(folder);
    ASSERT_TRUE(first.Start());
    HWND main = first.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);

    QuorvaneProgram second(folder);
    ASSERT_TRUE(second.Start());
    HWND box = second.WaitForWindow(L"Copy 2");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"A copy of Quorvane is already running.", QuorvaneProgram::BoxText(box));
    EXPECT_EQ((std::vector<std::wstring>{ L"Ok", L"Cancel" }), QuorvaneProgram::ButtonLabels(box));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"Cancel"));
    EXPECT_EQ(0u, second.WaitForExit());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(0u, Close(first, main));
}

TEST(QuorvaneProgram, NoRegistryLeavesTheSettingsFileAsItWas)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    const std::string settings = "Registry Version: 1.00\r\nCompetition\\Name:String=Spring Meet\r\n";
    WriteBytes(program.File(L"cfg"), settings);
    ASSERT_TRUE(program.Start(L"-NoRegistry -noddeserver"));
    HWND main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(0u, Close(program, main));
    EXPECT_EQ(settings, ReadBytes(program.File(L"cfg")));
}

TEST(QuorvaneProgram, AnUnreadableSettingsFileIsReportedAndKept)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    const std::string settings = "Registry Version: 1.00\r\nCompetition\\Name:String=Spring Meet\r\n";
    WriteBytes(program.File(L"cfg"), settings);
    HANDLE held = CreateFileW(program.File(L"cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ASSERT_TRUE(program.Start(L"-noddeserver"));
    HWND box = program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    HWND main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(0u, Close(program, main));
    CloseHandle(held);
    EXPECT_EQ(settings, ReadBytes(program.File(L"cfg")));
}

TEST(QuorvaneProgram, OpenEventCommandsArriveOverDde)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);

    {
        DdeClient other;
        EXPECT_FALSE(other.Connect(L"Other"));
    }
    DdeClient client;
    ASSERT_TRUE(client.Connect(L"System"));
    // The files do not exist: each command the main window carries out
    // ends in the error box of the failed open.
    EXPECT_TRUE(client.Execute(L"OpenEvent,\"C:\\t\\a,b.qvw\""));
    HWND box = program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));

    EXPECT_TRUE(client.Execute(L"openevent,x"));
    Sleep(300);   // one command waits at a time: let the idle step drop this one
    const std::string oversized(600, 'z');   // no NUL: cut, and the program runs on
    EXPECT_TRUE(client.Execute(oversized.data(), DWORD(oversized.size())));
    EXPECT_EQ(nullptr, program.WaitForWindow(L"Error", 500));
    EXPECT_TRUE(client.Execute(L"OpenEvent,C:\\t\\next.qve"));
    box = program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(0u, Close(program, main));
}
