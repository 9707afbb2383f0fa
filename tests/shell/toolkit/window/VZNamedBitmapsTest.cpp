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
        wchar_t path[MAX_PATH * 4] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
        std::wstring built = path;
        for (int level = 0; level < 3; ++level)
            built.erase(built.find_last_of(L"\\/"));
        ASSERT_TRUE(app->OpenDataFile((built + L"\\bin\\quorvane.zaf").c_str()));
        log = std::make_unique<KLog>();
        KSetProgramLog(log.get());
    }
    void TearDown() override
    {
        KSetProgramLog(nullptr);
        log.reset();
        ToolkitTest::TearDown();
    }
    // True when the program log holds a line tagged E.
    bool LogHasErrors() const
    {
        const std::string text = ReadBytes(log->Path().CStr());
        return text.rfind("E ", 0) == 0 || text.find("\nE ") != std::string::npos;
    }

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
    EXPECT_TRUE(LogHasErrors());
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
    EXPECT_FALSE(LogHasErrors());
    bitmaps.Free();
    EXPECT_EQ(nullptr, bitmaps.Find(L"Print"));
    bitmaps.LoadOnce(others, 2);
    EXPECT_EQ(2, bitmaps.Count());
}
