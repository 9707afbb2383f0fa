// VZNamedBitmaps: a window module's bitmaps, read by name from the program's
// data file.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/log/KLog.h"
#include "shell/support/ShellScratch.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/window/KZBitmap.h"
#include "shell/toolkit/window/VZNamedBitmaps.h"

namespace {

class NamedBitmaps : public ToolkitTest
{
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        ASSERT_TRUE(OpenProgramDataFile());
        log = std::make_unique<KLog>();   // in the test's own folder
        KSetProgramLog(log.get());
    }
    void TearDown() override
    {
        KSetProgramLog(nullptr);
        log.reset();
        ToolkitTest::TearDown();
    }
    std::string Logged() const { return ReadBytes(log->Path().CStr()); }

    std::unique_ptr<KLog> log;
};

} // namespace

TEST_F(NamedBitmaps, ABitmapMissingFromTheDataFileIsEmptyAndLogged)
{
    VZNamedBitmaps bitmaps;
    const wchar_t *const names[] = { L"Print", L"NoSuchPicture" };
    bitmaps.Load(names, 2);
    EXPECT_GT(bitmaps.At(0)->Width(), 0);
    EXPECT_EQ(0, bitmaps.At(1)->Width());
    EXPECT_EQ(nullptr, bitmaps.At(2));
    EXPECT_NE(std::string::npos, Logged().find("NoSuchPicture"));
}

// A window made before its module's start-up loads the bitmaps for its
// buttons; the start-up must leave those very bitmaps in place: a second
// LoadOnce reads nothing (not even another list) until Free.
TEST_F(NamedBitmaps, LoadOnceKeepsTheBitmapsButtonsAlreadyShowUntilTheyAreFreed)
{
    VZNamedBitmaps bitmaps;
    const wchar_t *const names[] = { L"Print" };
    const wchar_t *const others[] = { L"NoSuchPicture", L"Print" };
    bitmaps.LoadOnce(names, 1);
    ASSERT_NE(nullptr, bitmaps.Find(L"Print"));
    bitmaps.LoadOnce(others, 2);
    EXPECT_EQ(1, bitmaps.Count());
    EXPECT_EQ(nullptr, bitmaps.Find(L"NoSuchPicture"));
    EXPECT_EQ(std::string::npos, Logged().find("NoSuchPicture"));
    bitmaps.Free();
    EXPECT_EQ(nullptr, bitmaps.Find(L"Print"));
    bitmaps.LoadOnce(others, 2);
    EXPECT_EQ(2, bitmaps.Count());
}
