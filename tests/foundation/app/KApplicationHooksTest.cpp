#include "foundation/support/KTestApplication.h"

#include <gtest/gtest.h>

TEST(KApplicationHooks, WithoutHooksTheExecutableIsTheProgram)
{
    KSetApplicationHooks(nullptr);
    KString path;
    KProgramPath(path);
    KString tail;
    path.Extract(tail, path.Length() - 20, 20);
    EXPECT_TRUE(tail.EqualsIgnoreCase(KString(L"foundation_tests.exe")));
    EXPECT_EQ(KFindOption(L"-devel"), nullptr);
}
