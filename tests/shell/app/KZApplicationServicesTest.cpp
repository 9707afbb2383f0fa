#include "shell/app/KZCommandLine.h"

#include <gtest/gtest.h>

#include "shell/support/ShellAppTest.h"

namespace {

using Arguments = std::vector<std::wstring>;

} // namespace

TEST(KZCommandLine, QuotesGroupAndBlanksSeparate)
{
    const struct
    {
        const wchar_t *line;
        Arguments expected;
    } cases[] = {
        { L"\"a b\" \"c\"", { L"a b", L"c" } },
        { L"x\"\"y", { L"x", L"", L"y" } },
        { L"\"\"", { L"" } },
        { L"  -devel\t-noregistry  ", { L"-devel", L"-noregistry" } },
        { L"C:\\t\\x.qvw \"C:\\Program Files\\a.qve", { L"C:\\t\\x.qvw", L"C:\\Program Files\\a.qve" } },
        { L"a\"b c\"d", { L"a", L"b c", L"d" } },
        { L"", {} },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, KZSplitCommandLine(c.line)) << c.line;
}

TEST(KZCommandLine, TheProgramNameIsSkippedQuotedOrNot)
{
    EXPECT_STREQ(L" -devel", KZSkipProgramName(L"\"C:\\Program Files\\q.exe\" -devel"));
    EXPECT_STREQ(L" \"a b\"", KZSkipProgramName(L"q.exe \"a b\""));
    EXPECT_STREQ(L"", KZSkipProgramName(L"q.exe"));
}

class KZApplicationServices : public ShellAppTest
{
};

TEST_F(KZApplicationServices, FindOptionMatchesTheBeginningOfAnArgumentInAnyCase)
{
    MakeApplication({ L"file.qvw", L"-DEVEL", L"-develop" });
    EXPECT_STREQ(L"-DEVEL", app->FindOption(L"-devel"));
    EXPECT_STREQ(nullptr, app->FindOption(L"-noregistry"));
    EXPECT_STREQ(nullptr, app->FindOption(L"quorvane"));   // argument 0 is the program, never an option

    MakeApplication({ L"-develop" });
    EXPECT_STREQ(L"-develop", app->FindOption(L"-devel"));
    EXPECT_STREQ(nullptr, app->FindOption(L"-developer"));
}

TEST_F(KZApplicationServices, TheInstanceCountNeverGoesDown)
{
    const std::wstring name = L"QuorvaneCountTest" + std::to_wstring(GetCurrentProcessId());
    app->CountInstance(name.c_str());
    EXPECT_EQ(1, app->InstanceNumber());
    app->CountInstance(name.c_str());
    EXPECT_EQ(2, app->InstanceNumber());
    app->CountInstance(name.c_str());   // the second copy's handle is gone meanwhile
    EXPECT_EQ(3, app->InstanceNumber());
}
