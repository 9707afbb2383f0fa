// A small test program for the test harness itself. Run plainly, all of its
// tests pass. QV_HARNESS_FAULT makes its third test end the program the way
// a broken test can: "stack" overflows the stack, "null" writes through a
// null pointer, "exit" ends the process with code 0 in the middle of the
// run, "late" writes through a null pointer after gtest's summary.
#include <windows.h>

#include <gtest/gtest.h>

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

} // namespace

TEST(HarnessProbe, FirstTestPasses) { EXPECT_EQ(4, 2 + 2); }

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
    SUCCEED();
}

TEST(HarnessProbe, FourthTestPasses) { EXPECT_NE(0, 1); }
