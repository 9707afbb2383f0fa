#include "foundation/log/KLog.h"

#include "LogCopyLine.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/values/KHelpers.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// A second copy of the program writing the log of program, kept to most
// bytes: log_copy, beside this test program, started when made, writing
// from when Writes answers true until Stop.
class SecondCopy
{
public:
    SecondCopy(const std::wstring &program, int64_t most)
    {
        const std::wstring tag = std::to_wstring(GetCurrentProcessId());
        itsReady = CreateEventW(nullptr, TRUE, FALSE, (L"klogtest_ready_" + tag).c_str());
        itsStop = CreateEventW(nullptr, TRUE, FALSE, (L"klogtest_stop_" + tag).c_str());
        wchar_t self[MAX_PATH];
        std::wstring copy(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
        copy.replace(copy.find_last_of(L'\\') + 1, std::wstring::npos, L"log_copy.exe");
        std::wstring line = L"\"" + copy + L"\" \"" + program + L"\" " + std::to_wstring(most) +
                            L" klogtest_ready_" + tag + L" klogtest_stop_" + tag;
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        CreateProcessW(copy.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &itsProcess);
    }
    ~SecondCopy()
    {
        Stop();
        CloseHandle(itsReady);
        CloseHandle(itsStop);
    }

    // Waits until the copy writes; false when it ended or did not start.
    bool Writes()
    {
        HANDLE waits[] = {itsReady, itsProcess.hProcess};
        return itsProcess.hProcess && WaitForMultipleObjects(2, waits, FALSE, 60 * 1000) == WAIT_OBJECT_0;
    }
    // Tells the copy to stop and waits for its end: its exit code, -1 when
    // it did not run.
    int Stop()
    {
        if (!itsProcess.hProcess)
            return -1;
        SetEvent(itsStop);
        DWORD code = DWORD(-1);
        if (WaitForSingleObject(itsProcess.hProcess, 60 * 1000) != WAIT_OBJECT_0)
            TerminateProcess(itsProcess.hProcess, DWORD(-1));
        WaitForSingleObject(itsProcess.hProcess, INFINITE);
        GetExitCodeProcess(itsProcess.hProcess, &code);
        CloseHandle(itsProcess.hProcess);
        CloseHandle(itsProcess.hThread);
        itsProcess = {};
        return int(code);
    }

private:
    HANDLE itsReady;
    HANDLE itsStop;
    PROCESS_INFORMATION itsProcess = {};
};

// Looks at a log that other copies write, kept to most bytes, as often as
// asked, without its lock: what it sees may be a moment of a copy's work,
// which never takes the file past its size, nor, once it was half full,
// below that half but one line, nor leaves a NUL byte in it.
class LogWatch
{
public:
    LogWatch(const std::wstring &path, int64_t most)
        : itsFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
          itsMost(most)
    {
    }
    ~LogWatch() { CloseHandle(itsFile); }

    bool IsOpen() const { return itsFile != INVALID_HANDLE_VALUE; }
    // Reads the file once more.
    void Look()
    {
        LARGE_INTEGER size = {}, zero = {};
        if (GetFileSizeEx(itsFile, &size)) {
            largest = std::max(largest, size.QuadPart);
            if (largest >= itsMost / 2)
                smallestOnceHalfFull = std::min(smallestOnceHalfFull, size.QuadPart);
        }
        std::vector<char> bytes(64 * 1024);
        DWORD read = 0;
        if (SetFilePointerEx(itsFile, zero, nullptr, FILE_BEGIN) &&
            ReadFile(itsFile, bytes.data(), DWORD(bytes.size()), &read, nullptr))
            nulBytes += int(std::count(bytes.begin(), bytes.begin() + read, '\0'));
    }

    int64_t largest = 0;                          // the largest size seen, in bytes
    int64_t smallestOnceHalfFull = INT64_MAX;     // the smallest after one of at least half most
    int nulBytes = 0;                             // the NUL bytes seen, in all looks

private:
    HANDLE itsFile;
    int64_t itsMost;
};

std::wstring Wide(const std::string &ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Stands in for another copy that holds the log's lock: a thread of its own,
// since a mutex belongs to a thread. It holds the lock from when it is made
// until it goes, and then lets go of it or, told to abandon it, ends
// holding it, as a copy that dies does.
class LockHolder
{
public:
    explicit LockHolder(const KString &name)
    {
        itsThread = std::thread([this, name = std::wstring(name.CStr())] {
            HANDLE lock = CreateMutexW(nullptr, FALSE, name.c_str());
            WaitForSingleObject(lock, INFINITE);
            SetEvent(itsHeld);
            WaitForSingleObject(itsGo, INFINITE);
            if (!itsAbandons)
                ReleaseMutex(lock);
            CloseHandle(lock);
        });
        WaitForSingleObject(itsHeld, INFINITE);
    }
    ~LockHolder()
    {
        SetEvent(itsGo);
        itsThread.join();
        CloseHandle(itsHeld);
        CloseHandle(itsGo);
    }
    void Abandon() { itsAbandons = true; }

private:
    HANDLE itsHeld = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE itsGo = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    bool itsAbandons = false;
    std::thread itsThread;
};

// The copy's letter and the number of a whole line of LogCopyLine with its
// tag, time and line end; copy 0 when the line is none of them.
std::pair<char, int> CopyAndNumber(const std::string &line)
{
    const size_t text = 26; // after "E 2026-05-01 10:00:00.000 "
    int number = -1;
    if (line.size() < text + 15 || line.compare(0, 2, "E ") != 0 || line[text - 1] != ' ' || line.back() != '\r' ||
        std::sscanf(line.c_str() + text + 7, "%6d", &number) != 1 || number < 0 ||
        line.compare(text, line.size() - 1 - text, LogCopyLine(line[text + 5], number)) != 0)
        return {0, -1};
    return {line[text + 5], number};
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
    std::vector<std::string> lines = Lines(ReadWholeFile(app.PathOf(L"test.log")));
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
    std::vector<std::string> lines = Lines(ReadWholeFile(app.PathOf(L"test.log")));
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
    std::vector<std::string> lines = Lines(ReadWholeFile(app.PathOf(L"test.log")));
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

// A line waits for the lock that every copy writing the file takes, whatever
// path spelling it opened the file by, and is not written while another copy
// holds it; a lock whose holder died holding it is taken, and the log goes
// on.
TEST(KLog, ALineWaitsForTheLockOfEveryCopyAndGoesOnWhenItsHolderDied)
{
    KTestApplication app;
    KLog log;
    app.SetProgram(app.Folder() + L"\\.\\TEST.EXE");
    KLog other; // the same file, spelled otherwise
    ASSERT_TRUE(log.IsOpen() && other.IsOpen());
    {
        LockHolder holder(other.LockName());
        log.Error(KString(L"lost"));
        EXPECT_EQ(ReadWholeFile(app.PathOf(L"test.log")), "");
    }
    log.Error(KString(L"after a release"));
    LockHolder(other.LockName()).Abandon();
    log.Error(KString(L"after a holder died"));
    std::vector<std::string> lines = Lines(ReadWholeFile(app.PathOf(L"test.log")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(" after a release\r"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(" after a holder died\r"), std::string::npos) << lines[1];
}

// The lock of a log deep in folders has a name that Windows takes (fewer
// than MAX_PATH characters), another than that of another such log.
TEST(KLog, ALogDeepInFoldersHasALockNameWindowsTakes)
{
    KTestApplication app;
    app.SetProgram(app.PathOf((std::wstring(240, L'n') + L".exe").c_str()));
    KLog log;
    app.SetProgram(app.PathOf((std::wstring(240, L'm') + L".exe").c_str()));
    KLog other;
    ASSERT_TRUE(log.IsOpen() && other.IsOpen());
    EXPECT_LT(log.LockName().Length(), MAX_PATH);
    EXPECT_FALSE(log.LockName() == other.LockName());
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
    const auto size = [&path] { return int64_t(ReadWholeFile(path).size()); };
    {
        KLog log(kMost);
        for (int i = 0; i < 100; ++i) {
            wchar_t text[16];
            std::swprintf(text, 16, L"line %03d", i);
            log.Warning(KString(text));
            ASSERT_LE(size(), kMost) << "after line " << i;
        }
    }
    std::vector<std::string> lines = Lines(ReadWholeFile(path));
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
    const std::string cut = ReadWholeFile(path);
    EXPECT_LE(int64_t(cut.size()), kMost + 1);
    EXPECT_GE(int64_t(cut.size()), kMost - 2);
    EXPECT_EQ(cut.rfind("E ", 0), 0u);
    EXPECT_TRUE(IsUtf8(cut));
    EXPECT_EQ(cut.substr(cut.size() - 4), "\xC3\xA9\r\n");
}

// Two copies of the program write one log at once, each dropping the oldest
// lines in turn: no copy writes past another's cut (no run of NUL bytes),
// every line stays whole, the file keeps to its size and never loses more
// than its older half, and each copy's lines stay in order, the last one
// written last.
TEST(KLog, TwoCopiesWritingOneLogKeepItWholeAndWithinItsSize)
{
    constexpr int64_t kMost = 2000;
    KTestApplication app;
    const std::wstring path = app.PathOf(L"test.log");
    SecondCopy copy(app.PathOf(L"test.exe"), kMost);
    ASSERT_TRUE(copy.Writes());
    LogWatch watch(path, kMost);
    ASSERT_TRUE(watch.IsOpen());
    {
        KLog log(kMost);
        for (int32_t start = KTickCount(), n = 0; KTickElapsed(start) < 3000; ++n) {
            log.Error(KString(Wide(LogCopyLine('A', n)).c_str()));
            watch.Look();
        }
        EXPECT_EQ(copy.Stop(), 0) << "exit code of the second copy";
        log.Error(KString(L"copy A ends"));
    }
    // Dropping the oldest lines keeps the newest whole lines of the older
    // half: all but one line of it.
    const int64_t kFewest = kMost / 2 - int64_t(26 + kLogCopyLongest + 2);
    EXPECT_LE(watch.largest, kMost);
    EXPECT_GE(watch.largest, kMost / 2);
    EXPECT_GE(watch.smallestOnceHalfFull, kFewest);
    EXPECT_EQ(watch.nulBytes, 0);

    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.find('\0'), std::string::npos) << "NUL byte at " << text.find('\0');
    EXPECT_LE(int64_t(text.size()), kMost);
    EXPECT_GE(int64_t(text.size()), kFewest);
    std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines.back().find(" copy A ends\r"), std::string::npos) << lines.back();
    lines.pop_back();
    int last[2] = {-1, -1};
    for (const std::string &line : lines) {
        const std::pair<char, int> written = CopyAndNumber(line);
        ASSERT_TRUE(written.first == 'A' || written.first == 'B') << "torn line " << testing::PrintToString(line);
        int &before = last[written.first - 'A'];
        EXPECT_GT(written.second, before) << "copy " << written.first << " out of order";
        before = written.second;
    }
}
