// Other programs' commands over DDE to quorvane.exe running as a process of
// its own: a DDE client in the test process, the user's keys on the boxes.
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "domain/event/QVEvent.h"
#include "foundation/streams/KReplacingFile.h"
#include "shell/program/QuorvaneProgram.h"
#include "ui/program/ProgramHand.h"

namespace H = ProgramHand;

namespace {

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
    // Sends the command (with its NUL) as an execute transaction; true when
    // the server acknowledged it.
    bool Execute(const std::wstring &command)
    {
        DWORD result = 0;
        const DWORD bytes = DWORD((command.size() + 1) * sizeof(wchar_t));
        HDDEDATA answer = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<wchar_t *>(command.c_str())),
                                               bytes, conversation, nullptr, 0, XTYP_EXECUTE, 5000, &result);
        return answer != nullptr;
    }

private:
    static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }
    DWORD instance = 0;
    HCONV conversation = nullptr;
};

// A new, empty workout document saved at path.
void WriteWorkout(const std::wstring &path)
{
    QVEvent event;
    ASSERT_EQ(0, event.Initialize(QVEvent::kInitNew));
    KReplacingFile file{ KString(path.c_str()) };
    file.Begin();
    event.Write(file);
    file.Commit();
}

// The titles of the document windows inside the main window, sorted.
std::vector<std::wstring> DocumentTitles(HWND main)
{
    std::vector<std::wstring> titles;
    HWND client = H::FindWindowWhere(main, [](HWND window) { return _wcsicmp(H::ClassOf(window).c_str(), L"MDIClient") == 0; });
    for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        if (IsWindowVisible(child))
            titles.push_back(text);
    }
    std::sort(titles.begin(), titles.end());
    return titles;
}

// Closes a message box with the user's Enter key.
bool CloseBox(HWND box)
{
    H::Focus(box);
    H::Key(VK_RETURN);
    return H::WaitFor([box] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
}

struct Running
{
    ShellScratch folder;
    QuorvaneProgram program{ folder };
    HWND main = nullptr;
    DdeClient client;

    // Starts the program and connects to it (the server answers once the
    // start-up has finished).
    bool Start()
    {
        if (!program.Start())
            return false;
        main = program.WaitForWindow(QuorvaneProgram::kMainTitle);
        return main && H::WaitFor([this] { return client.Connect(L"System"); }, 10000);
    }
};

} // namespace

TEST(DdeProgram, OpenEventCommandsArriveSayWhyTheirFileDoesNotOpenAndOthersAreDropped)
{
    Running run;
    ASSERT_TRUE(run.Start());
    {
        DdeClient other;
        EXPECT_FALSE(other.Connect(L"Other"));
    }
    // The files do not exist: each command the main window carries out
    // ends in the error box of the failed open.
    EXPECT_TRUE(run.client.Execute(L"OpenEvent,\"C:\\t\\a,b.qvw\""));
    HWND box = run.program.WaitForBox(L"Error");
    ASSERT_NE(nullptr, box);
    // The box names the file and why, and shows it: the error, the file and
    // the reason on three lines of the screen.
    const std::wstring text = QuorvaneProgram::BoxText(box);
    EXPECT_EQ(L"Error opening a file (3002,3).\nC:\\t\\a,b.qvw\nThe file or its folder does not exist.", text)
        << std::string(text.begin(), text.end());
    Sleep(500);
    EXPECT_EQ(3u, QuorvaneProgram::PaintedLines(box).size());
    ASSERT_TRUE(CloseBox(box));

    // A workout another program holds without sharing: the box says so.
    const std::wstring held = run.folder.PathOf(L"held.qvw");
    WriteWorkout(held);
    HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_TRUE(run.client.Execute(L"OpenEvent,\"" + held + L"\""));
    box = run.program.WaitForBox(L"Error");
    ASSERT_NE(nullptr, box);
    const std::vector<std::wstring> lines = QuorvaneProgram::BoxLines(box);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(0u, lines[0].find(L"Error opening a file (3002,"));
    EXPECT_TRUE(lines[1] == held);
    EXPECT_TRUE(lines[2] == L"The file is in use by another program.");
    Sleep(500);
    EXPECT_EQ(3u, QuorvaneProgram::PaintedLines(box).size());
    ASSERT_TRUE(CloseBox(box));
    CloseHandle(holder);

    EXPECT_TRUE(run.client.Execute(L"openevent,x"));
    EXPECT_EQ(nullptr, run.program.WaitForWindow(L"Error", 500));
    EXPECT_TRUE(run.client.Execute(L"OpenEvent,C:\\t\\next.qve"));
    box = run.program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(CloseBox(box));
    EXPECT_EQ(0u, run.program.Close(run.main));
}

// A 600-byte command whose first 255 characters name an existing file: cut
// at the limit, it would open that file, which the sender never named.
TEST(DdeProgram, ACommandOverTheLimitIsRefusedAndTheOpenDocumentStays)
{
    Running run;
    const std::wstring shown = run.folder.PathOf(L"shown.qvw");
    std::wstring cut = run.folder.Folder() + L"\\";
    cut += std::wstring(245 - cut.size() - 4, L'c') + L".qvw";   // after "OpenEvent,": 255 characters
    std::wstring command = L"OpenEvent," + cut + L"\\";
    command += std::wstring(300 - command.size() - 4, L'd') + L".qvw";
    ASSERT_EQ(300u, command.size());   // 600 bytes before its NUL
    WriteWorkout(shown);
    WriteWorkout(cut);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.client.Execute(L"OpenEvent," + shown));
    const std::vector<std::wstring> before = { L"shown" };
    ASSERT_TRUE(H::WaitFor([&] { return DocumentTitles(run.main) == before; }));

    EXPECT_FALSE(run.client.Execute(command));
    H::Rest(1000);
    EXPECT_EQ(before, DocumentTitles(run.main));
    EXPECT_EQ(nullptr, run.program.WaitForWindow(L"Error", 0));
    EXPECT_NE(std::string::npos, ReadBytes(run.program.File(L"log")).find("DDE command refused: longer than 511 bytes"));
    EXPECT_EQ(0u, run.program.Close(run.main));
}

TEST(DdeProgram, ACommandTakenWhileAnErrorBoxIsOpenRunsOnceAfterTheBoxCloses)
{
    Running run;
    const std::wstring shown = run.folder.PathOf(L"shown.qvw");
    WriteWorkout(shown);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.client.Execute(L"OpenEvent," + run.folder.PathOf(L"missing-1.qvw")));
    HWND first = run.program.WaitForWindow(L"Error");
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(run.client.Execute(L"OpenEvent," + run.folder.PathOf(L"missing-2.qvw")));
    ASSERT_TRUE(CloseBox(first));
    HWND second = run.program.WaitForWindow(L"Error", 5000);
    ASSERT_NE(nullptr, second) << "the command taken behind the box never ran";

    EXPECT_TRUE(run.client.Execute(L"OpenEvent," + shown));
    ASSERT_TRUE(CloseBox(second));
    const std::vector<std::wstring> opened = { L"shown" };
    EXPECT_TRUE(H::WaitFor([&] { return DocumentTitles(run.main) == opened; }));
    EXPECT_EQ(nullptr, run.program.WaitForWindow(L"Error", 1000)) << "a command ran twice";
    EXPECT_EQ(0u, run.program.Close(run.main));
}
