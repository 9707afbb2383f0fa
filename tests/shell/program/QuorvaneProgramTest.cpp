// quorvane.exe started as a process of its own from a scratch folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/program/QuorvaneProgram.h"

namespace {

const std::wstring kMainTitle = QuorvaneProgram::kMainTitle;

} // namespace

TEST(QuorvaneProgram, AFirstStartShowsTheMainWindowAndSavesTheDefaults)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    HWND main = program.StartToMainWindow();
    ASSERT_NE(nullptr, main);
    EXPECT_GE(program.Elapsed(), 3000u);   // the start-up lasts at least 3 s
    EXPECT_EQ(0u, program.Close(main));

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
    program.ExpectExit(DWORD(-1));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));   // its only button
    EXPECT_EQ(DWORD(-1), program.WaitForExit());
}

TEST(QuorvaneProgram, ASecondCopyAsksAndCancelLeavesTheFirstRunning)
{
    ShellScratch folder;
    QuorvaneProgram first(folder);
    HWND main = first.StartToMainWindow();
    ASSERT_NE(nullptr, main);

    QuorvaneProgram second(folder);
    ASSERT_TRUE(second.Start());
    HWND box = second.WaitForBox(L"Copy 2");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"A copy of Quorvane is already running.", QuorvaneProgram::BoxText(box));
    EXPECT_EQ((std::vector<std::wstring>{ L"Ok", L"Cancel" }), QuorvaneProgram::ButtonLabels(box));
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"Cancel"));
    EXPECT_EQ(0u, second.WaitForExit());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(0u, first.Close(main));
}

TEST(QuorvaneProgram, NoRegistryLeavesTheSettingsFileAsItWas)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    const std::string settings = "Registry Version: 1.00\r\nCompetition\\Name:String=Spring Meet\r\n";
    WriteBytes(program.File(L"cfg"), settings);
    HWND main = program.StartToMainWindow(L"-NoRegistry -noddeserver");
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(0u, program.Close(main));
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
    EXPECT_EQ(0u, program.Close(main));
    CloseHandle(held);
    EXPECT_EQ(settings, ReadBytes(program.File(L"cfg")));
}

TEST(QuorvaneProgram, ALanguageFileWithBrokenLinesIsReportedOnceAndItsGoodLinesApply)
{
    ShellScratch folder;
    QuorvaneProgram program(folder);
    WriteBytes(program.File(L"cfg"), "Registry Version: 1.00\r\nLanguage\\Choice:String=de_DE\r\n");
    WriteBytes(folder.PathOf(L"Deutsch.lng"), "Deutsch,de_DE\r\n"
                                              "Registry Version: 1.00\r\n"
                                              "Strings\\Alerts\\Message:String=Meldung\r\n"
                                              "Strings\\Alerts\\Error String=Fehler\r\n"
                                              "Strings\\Alerts\\Extra:Nonsense=Kopie\r\n");
    ASSERT_TRUE(program.Start(L"-noddeserver"));
    HWND box = program.WaitForBox(L"Meldung");   // the caption comes from the file's good line
    ASSERT_NE(nullptr, box);
    const std::wstring text = QuorvaneProgram::BoxText(box);
    EXPECT_NE(std::wstring::npos, text.find(folder.PathOf(L"Deutsch.lng"))) << text;
    EXPECT_NE(std::wstring::npos, text.find(L"First unreadable line: 4")) << text;
    // On the screen: the sentence, the file and its line, and a box no wider
    // than its widest line needs.
    Sleep(500);
    const std::vector<RECT> lines = QuorvaneProgram::PaintedLines(box);
    EXPECT_EQ(3u, lines.size());
    EXPECT_LT(QuorvaneProgram::UnpaintedWidth(box), 64);
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    HWND main = program.WaitForWindow(kMainTitle);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(nullptr, program.WaitForWindow(L"Meldung", 1000));   // said once
    EXPECT_EQ(0u, program.Close(main));

    const std::string log = ReadBytes(program.File(L"log"));
    EXPECT_NE(std::string::npos, log.find("Deutsch.lng line 4 skipped: no \":\" after the path")) << log;
    EXPECT_NE(std::string::npos, log.find("Deutsch.lng line 5 skipped: unknown type")) << log;
}
