#include "domain/hardware/QVSerialPort.h"

#include "domain/ui/QVSettings.h"
#include "foundation/registry/KRegistry.h"

#include <gtest/gtest.h>

namespace
{
// Installs a fresh settings tree for one test.
struct TestSettings
{
    TestSettings() { QVSetSettings(&registry); }
    ~TestSettings() { QVSetSettings(nullptr); }
    KRegistry registry;
};
}

TEST(QVSerialPort, AddGroupTwiceGivesGroupsOneAndTwoWithTheDefaultPort)
{
    TestSettings settings;
    QVSerialPort::Startup();
    EXPECT_EQ(QVSerialPort::GroupCount(), 0);
    EXPECT_EQ(QVSerialPort::GroupAt(0), nullptr);
    KRGroup *first = QVSerialPort::AddGroup();
    KRGroup *second = QVSerialPort::AddGroup();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Name(), L"1");
    EXPECT_EQ(second->Name(), L"2");
    EXPECT_EQ(QVSerialPort::GroupCount(), 2);
    EXPECT_EQ(QVSerialPort::GroupAt(1), second);
    EXPECT_EQ(QVSerialPort::GroupAt(2), nullptr);
    EXPECT_EQ(QVSerialPort::GroupAt(-1), nullptr);
    EXPECT_EQ(settings.registry.GetText(L"\\SerialPorts\\2\\SerialPort"), L"0,19200,8,N,1.0");
    EXPECT_EQ(settings.registry.GetText(L"\\SerialPorts\\1\\Name"), L"SerialPort");
}

TEST(QVSerialPort, NewGroupsTakeTheFirstFreeNumberAndTheTranslatedName)
{
    TestSettings settings;
    settings.registry.Parse(L"\\Strings\\SerialPort\\DefaultName:String=Port");
    settings.registry.Parse(L"\\SerialPorts\\2\\Name:String=Blocks");
    KRGroup *added = QVSerialPort::AddGroup();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Name(), L"1");
    EXPECT_EQ(settings.registry.GetText(L"\\SerialPorts\\1\\Name"), L"Port");
    EXPECT_EQ(QVSerialPort::AddGroup()->Name(), L"3");
}

TEST(QVSerialPort, WithoutSettingsThereAreNoGroups)
{
    EXPECT_EQ(QVSerialPort::GroupCount(), 0);
    EXPECT_EQ(QVSerialPort::AddGroup(), nullptr);
}
