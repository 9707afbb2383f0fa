// A small test program for the test harness itself. Run plainly, all of its
// tests pass. QV_HARNESS_FAULT makes its third test end the program the way
// a broken test can: "stack" overflows the stack, "null" writes through a
// null pointer, "exit" ends the process with code 0 in the middle of the
// run, "late" writes through a null pointer after gtest's summary; or in a
// way that hides a test that never ran: "skip" skips it, "summary" prints a
// summary of all four tests passed and ends the process with code 0.
// Its first test checks that GoogleTest's own thread already runs.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Fault()
{
    const char *fault = std::getenv("QV_HARNESS_FAULT");
    return fault ? fault : "";
}

// Recursion the optimiser cannot turn into a loop or see the end of.
volatile bool goDeeper = true;

int Deeper(volatile char *above, int depth)
{
    volatile char frame[4096];
    frame[0] = above ? above[0] : 1;
    return goDeeper ? Deeper(frame, depth + 1) + frame[0] : depth;
}

void WriteThroughNull()
{
    volatile int *nowhere = nullptr;
    *nowhere = 1;
}

int ThreadsOfThisProcess()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

} // namespace

// The main every test program shares starts GoogleTest's watcher of the main
// thread before the first test: started at a program's last result instead,
// it may still be setting up when the program ends, and that ends the
// program with a crash under Wine.
TEST(HarnessProbe, FirstTestFindsGoogleTestsWatcherRunning)
{
    EXPECT_EQ(2, ThreadsOfThisProcess()) << "the main thread and GoogleTest's watcher";
}

TEST(HarnessProbe, SecondTestPasses) { EXPECT_STREQ("probe", "probe"); }

TEST(HarnessProbe, ThirdTestMeetsTheFaultAskedFor)
{
    const std::string fault = Fault();
    if (fault == "stack")
        Deeper(nullptr, 0);
    else if (fault == "null")
        WriteThroughNull();
    else if (fault == "exit")
        ExitProcess(0);
    else if (fault == "late")
        std::atexit(WriteThroughNull);
    else if (fault == "skip")
        GTEST_SKIP() << "the probe was asked to skip";
    else if (fault == "summary") {
        std::printf("[==========] 4 tests from 1 test suite ran. (1 ms total)\n[  PASSED  ] 4 tests.\n");
        std::fflush(stdout);
        ExitProcess(0);
    }
    SUCCEED();
}

TEST(HarnessProbe, FourthTestPasses) { EXPECT_NE(0, 1); }
