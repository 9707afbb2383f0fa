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

TEST(KApplicationHooks, InstalledHooksAnswerPathAndOptions)
{
    KTestApplication app(L"quorvane.exe");
    app.AddArgument(L"-DEVELOP");
    KString path;
    KProgramPath(path);
    EXPECT_TRUE(path == app.PathOf(L"quorvane.exe").c_str());
    ASSERT_NE(KFindOption(L"-devel"), nullptr);
    EXPECT_STREQ(KFindOption(L"-devel"), L"-DEVELOP");
    EXPECT_EQ(KFindOption(L"-noserialport"), nullptr);
}
