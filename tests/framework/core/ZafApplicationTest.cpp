#include "framework/core/objects/ZafApplication.h"
#include "framework/core/text/ZafCodeSetData.h"
#include "framework/core/base/ZafStaticData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> releaseOrder;
void ReleaseFirst(bool release) { releaseOrder.push_back(release ? 1 : -1); }
void ReleaseSecond(bool release) { releaseOrder.push_back(release ? 2 : -2); }

} // namespace

TEST(ZafApplication, KeepsTheArgumentsAsWideTexts)
{
    char program[] = "training.exe";
    char option[] = "/l=caf\xE9";
    char *argv[] = { program, option };
    ZafApplication application(2, argv);
    ASSERT_EQ(application.ArgumentCount(), 2);
    EXPECT_STREQ(application.Argument(0), L"training.exe");
    EXPECT_EQ(application.Argument(1)[6], ZafCodeSetData::Shared()->LocalToWide("\xE9")[0]);
    EXPECT_EQ(application.Argument(2), nullptr);
    EXPECT_EQ(application.Argument(-1), nullptr);
    EXPECT_EQ(application.Status(), 0);
}

TEST(ZafStaticData, ReleaseCallsEachFunctionOnceWithTrueLastFirst)
{
    releaseOrder.clear();
    EXPECT_TRUE(ZafRegisterStaticData(ReleaseFirst));
    EXPECT_TRUE(ZafRegisterStaticData(ReleaseSecond));
    EXPECT_FALSE(ZafRegisterStaticData(ReleaseFirst));
    EXPECT_FALSE(ZafRegisterStaticData(nullptr));
    ZafReleaseStaticData();
    EXPECT_EQ(releaseOrder, (std::vector<int>{ 2, 1 }));
    ZafReleaseStaticData();
    EXPECT_EQ(releaseOrder.size(), 2u);
}

TEST(ZafStaticData, AReleasedTableIsDeletedAndClearedOnlyWhenReleaseIsTrue)
{
    struct Counted
    {
        explicit Counted(int &alive) : alive(alive) { ++alive; }
        ~Counted() { --alive; }
        int &alive;
    };
    int alive = 0;
    Counted *table[3] = { new Counted(alive), nullptr, new Counted(alive) };
    ZafReleaseTable(false, table);
    EXPECT_EQ(alive, 2);
    EXPECT_NE(table[0], nullptr);
    ZafReleaseTable(true, table);
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(table[0], nullptr);
    EXPECT_EQ(table[2], nullptr);
}

TEST(ZafStaticData, TheApplicationReleasesStaticDataWhenItEnds)
{
    releaseOrder.clear();
    {
        ZafApplication application(0, static_cast<char **>(nullptr));
        ZafRegisterStaticData(ReleaseFirst);
        EXPECT_TRUE(releaseOrder.empty());
    }
    EXPECT_EQ(releaseOrder, (std::vector<int>{ 1 }));
}
