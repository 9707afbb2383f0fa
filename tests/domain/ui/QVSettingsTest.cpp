#include "domain/timing/VRaceTime.h"

#include "domain/event/QVEvent.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/strings/KString.h"

#include <gtest/gtest.h>

namespace
{
struct TestSettings
{
    TestSettings() { QVSetSettings(&registry); }
    ~TestSettings()
    {
        QVSetSettings(nullptr);
        VRaceTime::LoadSeparators();
    }
    KRegistry registry;
};
}

TEST(QVSettings, RaceTimeSeparatorsComeFromTheTimeTextsWithBuiltInFallbacks)
{
    TestSettings settings;
    VRaceTime::LoadSeparators();
    EXPECT_EQ(VRaceTime::Separator(), L':');
    EXPECT_EQ(VRaceTime::DecimalPoint(), L'.');

    settings.registry.Parse(L"\\Strings\\Time\\Separator:String='");
    settings.registry.Parse(L"\\Strings\\Time\\Decimal:String=,");
    VRaceTime::LoadSeparators();
    KString text;
    VRaceTime(62500, VRaceTime::kMillisecond, 80).Format(text, VRaceTime::kHundredth);
    EXPECT_EQ(text, L"1'02,50");

    // A digit would make every time unreadable: the built-in one is kept.
    settings.registry.Parse(L"\\Strings\\Time\\Decimal:String=5");
    VRaceTime::LoadSeparators();
    EXPECT_EQ(VRaceTime::DecimalPoint(), L'.');
}

TEST(QVSettings, TheEventFolderComesFromTheSettingsAndFollowsTheLastFile)
{
    TestSettings settings;
    settings.registry.Parse(L"\\Event\\Directory:String=C:\\Events");
    KString folder;
    QVEvent::Directory(folder);
    EXPECT_EQ(folder, L"C:\\Events\\");
    QVEvent::SetDirectory(KString(L"D:\\Meets\\spring.qvw"));
    folder.Clear();
    QVEvent::Directory(folder);
    EXPECT_EQ(folder, L"D:\\Meets\\");
}
