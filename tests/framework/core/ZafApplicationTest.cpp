#include "framework/core/ZafApplication.h"
#include "framework/core/ZafCodeSetData.h"
#include "framework/core/ZafErrorSystem.h"
#include "framework/core/ZafEventManager.h"
#include "framework/core/ZafHelpSystem.h"
#include "framework/core/ZafStaticData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int> releaseOrder;
void ReleaseFirst(bool release) { releaseOrder.push_back(release ? 1 : -1); }
void ReleaseSecond(bool release) { releaseOrder.push_back(release ? 2 : -2); }

struct RecordingHelp : ZafHelpSystem
{
    void DisplayHelp(const ZafIChar *topic) override { topics.push_back(topic ? topic : L""); }
    std::vector<std::wstring> topics;
};

struct AnsweringErrors : ZafErrorSystem
{
    ZafInt32 ReportError(ZafWindowManager *, const ZafIChar *, ZafUInt32 options, const ZafIChar *message) override
    {
        last = message;
        return ZafInt32(options);
    }
    std::wstring last;
};

struct EndingApplication : ZafApplication
{
    using ZafApplication::ZafApplication;
    ZafInt32 SetStatus(ZafInt32 value) override { ++calls; return ZafApplication::SetStatus(value); }
    int calls = 0;
};

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

TEST(ZafApplication, MakesAndReleasesTheSharedEventManager)
{
    ASSERT_EQ(ZafEventManager::Shared(), nullptr);
    {
        wchar_t program[] = L"training.exe";
        wchar_t *argv[] = { program };
        ZafApplication application(1, argv);
        EXPECT_NE(application.EventManager(), nullptr);
        EXPECT_EQ(ZafEventManager::Shared(), application.EventManager());
        EXPECT_TRUE(application.EventManager()->Put(ZafEventStruct(-32, 0)));
    }
    EXPECT_EQ(ZafEventManager::Shared(), nullptr);
}

TEST(ZafApplication, StatusSetterIsVirtual)
{
    EndingApplication application(0, static_cast<wchar_t **>(nullptr));
    ZafApplication &base = application;
    EXPECT_EQ(base.SetStatus(ZafApplication::STATUS_BEEP_AND_END), 13);
    EXPECT_EQ(application.calls, 1);
    EXPECT_EQ(application.Status(), 13);
    EXPECT_EQ(application.ArgumentCount(), 0);
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

TEST(ZafHelpSystem, NoneByDefaultAndTopicsReachTheInstalledOne)
{
    EXPECT_EQ(ZafHelpSystem::Shared(), nullptr);
    EXPECT_FALSE(ZafHelpSystem::Show(L"Start list"));
    {
        RecordingHelp help;
        EXPECT_EQ(ZafHelpSystem::SetShared(&help), nullptr);
        EXPECT_TRUE(ZafHelpSystem::Show(L"Start list"));
        EXPECT_EQ(help.topics, (std::vector<std::wstring>{ L"Start list" }));
    }
    EXPECT_EQ(ZafHelpSystem::Shared(), nullptr);
}

TEST(ZafErrorSystem, NoneByDefaultAndReportsReachTheGivenOrSharedOne)
{
    EXPECT_EQ(ZafErrorSystem::Shared(), nullptr);
    EXPECT_EQ(ZafErrorSystem::Report(nullptr, nullptr, L"Error", 1, L"lost"), ZAF_NOT_HANDLED);
    AnsweringErrors shared, given;
    ZafErrorSystem::SetShared(&shared);
    EXPECT_EQ(ZafErrorSystem::Report(nullptr, nullptr, L"Error", 6, L"to shared"), 6);
    EXPECT_EQ(shared.last, L"to shared");
    EXPECT_EQ(ZafErrorSystem::Report(&given, nullptr, L"Error", 7, L"to given"), 7);
    EXPECT_EQ(given.last, L"to given");
    ZafErrorSystem::SetShared(nullptr);
}
