// The link's settings and texts come from the program's settings.
#include <gtest/gtest.h>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/blocksensors/QVLinkTexts.h"
#include "domain/hardware/QVSerialPort.h"
#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

namespace
{
struct TestSettings
{
    TestSettings() { QVSetSettings(&registry); }
    ~TestSettings() { QVSetSettings(nullptr); }
    KRegistry registry;
};
} // namespace

TEST(QVBlockSensorsSettings, ReadsWindowTimeoutSoundsAndTheFirstPort)
{
    TestSettings settings;
    settings.registry.Parse(L"\\Hardware\\BlockSensor\\StartTimeDL:Float=2.5");
    settings.registry.Parse(L"\\Hardware\\BlockSensor\\EndTimeDL:Float=4");
    settings.registry.Parse(L"\\Hardware\\BlockSensor\\SetFName:String=C:\\sounds\\set.wav");
    settings.registry.Parse(L"\\Serial\\LongTimeout:Int=8000");
    QVSerialPort::Startup();
    KRGroup *group = QVSerialPort::AddGroup();
    ASSERT_NE(nullptr, group);
    group->GetString(L"SerialPort")->SetValue(KString(L"7,19200,8,N,1.0"));
    QVSerialPort::AddGroup();

    QVBlockSensors link;
    EXPECT_DOUBLE_EQ(2.5, link.Settings().startTimeDL);
    EXPECT_DOUBLE_EQ(4.0, link.Settings().endTimeDL);
    EXPECT_EQ(8000, link.Settings().longTimeout);
    EXPECT_TRUE(link.Settings().soundNames[1] == L"C:\\sounds\\set.wav");
    EXPECT_TRUE(link.Settings().soundNames[0].IsEmpty());
    EXPECT_TRUE(link.Settings().portDescription == L"7,19200,8,N,1.0");
}

TEST(QVBlockSensorsSettings, TextsComeFromTheStringsWithEnglishFallback)
{
    KString text;
    QVLinkText(kTextDeviceBusy, text);
    EXPECT_TRUE(text == L"The Block Sensor/Control Center is currently busy");

    TestSettings settings;
    settings.registry.Parse(L"\\Strings\\Alerts\\DeviceBusy:String=Occupato");
    text.Clear();
    QVLinkText(kTextDeviceBusy, text);
    EXPECT_TRUE(text == L"Occupato");
}
