// The delayed wait pointer: work over before the delay leaves the pointer as
// it was; longer work shows the wait pointer and gives the normal one back.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/app/KZAppCodes.h"
#include "shell/app/KZDelayedBusyPointer.h"
#include "shell/support/ShellAppTest.h"

namespace {

class KZDelayedBusyPointerTest : public ShellAppTest
{
protected:
    // The pointer the mouse device shows for an image code.
    HCURSOR Shown(int32_t image)
    {
        app->SetMousePointer(image);
        return GetCursor();
    }
};

TEST_F(KZDelayedBusyPointerTest, ShortWorkLeavesThePointerAndLongWorkShowsTheWaitPointerUntilItsEnd)
{
    const HCURSOR busy = Shown(kPointerBusy);
    const HCURSOR arrow = Shown(kPointerArrow);
    const HCURSOR text = Shown(-3201);
    ASSERT_NE(busy, arrow);
    ASSERT_NE(text, arrow);
    {
        KZDelayedBusyPointer pointer;
        pointer.Check();
        EXPECT_FALSE(pointer.Shown());
        EXPECT_EQ(text, GetCursor()) << "a wait pointer for work over at once";
    }
    EXPECT_EQ(text, GetCursor()) << "short work put a pointer back it never changed";
    {
        KZDelayedBusyPointer pointer;
        Sleep(DWORD(KZDelayedBusyPointer::kDelay + 10));
        EXPECT_EQ(text, GetCursor()) << "the wait pointer came before a check";
        pointer.Check();
        EXPECT_TRUE(pointer.Shown());
        EXPECT_EQ(busy, GetCursor());
        pointer.Check();
        EXPECT_EQ(busy, GetCursor());
    }
    EXPECT_EQ(arrow, GetCursor()) << "long work kept the wait pointer";
}

} // namespace
