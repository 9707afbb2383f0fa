#include "foundation/log/KLog.h"

#include "foundation/support/KTestApplication.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

bool Exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadAll(const std::wstring &path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// True when text is well-formed UTF-8 (no character cut or stray byte).
bool IsUtf8(const std::string &text)
{
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0) > 0;
}

} // namespace

TEST(KLog, IsNamedLikeTheProgramWithExtensionLog)
{
    KTestApplication app(L"quorvane.v2.exe");
    KLog log;
    EXPECT_TRUE(log.IsOpen());
    EXPECT_TRUE(log.Path() == app.PathOf(L"quorvane.v2.log").c_str());
}

TEST(KLog, AnEmptyLogLeavesNoFile)
{
    KTestApplication app;
    {
        KLog log;
        EXPECT_TRUE(Exists(app.PathOf(L"test.log")));
    }
    EXPECT_FALSE(Exists(app.PathOf(L"test.log")));
}

TEST(KLog, ErrorsAndWarningsBecomeTaggedUtf8Lines)
{
    KTestApplication app;
    {
        KLog log;
        log.Error(KString(L"x\x00E4"));
        log.Warning(KString(L"careful"));
        log.Consistency(L"VImageBlocks", L"Add", L"p null");
    }
    std::vector<std::string> lines = Lines(ReadAll(app.PathOf(L"test.log")));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("E ", 0), 0u);
    EXPECT_NE(lines[0].find(" x\xC3\xA4\r"), std::string::npos); // stored as UTF-8
    EXPECT_EQ(lines[1].rfind("W ", 0), 0u);
    EXPECT_NE(lines[1].find("careful"), std::string::npos);
    EXPECT_NE(lines[2].find("VImageBlocks::Add: p null"), std::string::npos);
}

TEST(KLog, AppendsToWhatAnEarlierRunLeft)
{
    KTestApplication app;
    {
        std::ofstream old(app.PathOf(L"test.log").c_str(), std::ios::binary);
        old << "earlier line\r\n";
    }
    {
        KLog log;
        log.Error(KString(L"later"));
    }
    std::vector<std::string> lines = Lines(ReadAll(app.PathOf(L"test.log")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "earlier line\r");
    EXPECT_NE(lines[1].find("later"), std::string::npos);
}

TEST(KLog, LinesFromSeveralThreadsStayWhole)
{
    KTestApplication app;
    {
        KLog log;
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t)
            writers.emplace_back([&log] {
                for (int i = 0; i < 50; ++i)
                    log.Warning(KString(L"0123456789012345678901234567890123456789"));
            });
        for (std::thread &writer : writers)
            writer.join();
    }
    std::vector<std::string> lines = Lines(ReadAll(app.PathOf(L"test.log")));
    ASSERT_EQ(lines.size(), 200u);
    for (const std::string &line : lines) {
        EXPECT_EQ(line.rfind("W ", 0), 0u);
        EXPECT_NE(line.find("0123456789012345678901234567890123456789\r"), std::string::npos);
    }
}

TEST(KLog, AFolderThatCannotHoldTheLogMakesALogThatWritesNothing)
{
    KTestApplication app;
    app.SetProgram(app.PathOf(L"missing\\test.exe"));
    KLog log;
    EXPECT_FALSE(log.IsOpen());
    log.Error(KString(L"lost"));
}

TEST(KLog, ThePublishedLogIsWithdrawnWhenDestroyed)
{
    KTestApplication app;
    {
        KLog log;
        KSetProgramLog(&log);
        EXPECT_EQ(KProgramLog(), &log);
    }
    EXPECT_EQ(KProgramLog(), nullptr);
}

// Past its size the log drops its oldest lines, also those an earlier run
// left, and keeps the newest whole and in order; a line longer than the
// whole log is cut to fit, at a character's start.
TEST(KLog, NeverPassesItsSizeAndKeepsTheNewestLinesWhole)
{
    constexpr int64_t kMost = 1000;
    KTestApplication app;
    const std::wstring path = app.PathOf(L"test.log");
    {
        std::ofstream old(path.c_str(), std::ios::binary);
        old << std::string(3000, 'x') << "\r\n";
    }
    const auto size = [&path] { return int64_t(ReadAll(path).size()); };
    {
        KLog log(kMost);
        for (int i = 0; i < 100; ++i) {
            wchar_t text[16];
            std::swprintf(text, 16, L"line %03d", i);
            log.Warning(KString(text));
            ASSERT_LE(size(), kMost) << "after line " << i;
        }
    }
    std::vector<std::string> lines = Lines(ReadAll(path));
    ASSERT_GE(lines.size(), 5u);
    for (size_t i = 0; i < lines.size(); ++i) {
        char text[16];
        std::snprintf(text, sizeof text, " line %03d\r", int(100 - lines.size() + i));
        EXPECT_EQ(lines[i].rfind("W ", 0), 0u) << lines[i];
        EXPECT_EQ(lines[i].find(text), lines[i].size() - std::strlen(text)) << lines[i];
    }
    // An odd size, so that the cut falls inside a two-byte character.
    {
        KLog log(kMost + 1);
        log.Error(KString(std::wstring(2000, L'\x00E9').c_str()));
    }
    const std::string cut = ReadAll(path);
    EXPECT_LE(int64_t(cut.size()), kMost + 1);
    EXPECT_GE(int64_t(cut.size()), kMost - 2);
    EXPECT_EQ(cut.rfind("E ", 0), 0u);
    EXPECT_TRUE(IsUtf8(cut));
    EXPECT_EQ(cut.substr(cut.size() - 4), "\xC3\xA9\r\n");
}
