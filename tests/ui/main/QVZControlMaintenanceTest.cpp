// Deleting all trials of a block sensor from the Hardware menu: the port of
// the first serial group, the unit identified and its status read before
// anything is deleted, and the prompts on the way. The units are simulated
// on the far end of a COM port pair.
#include <gtest/gtest.h>

#include <memory>

#include "domain/blocksensors/QVUnitProtocol.h"
#include "domain/hardware/QVSerialPort.h"
#include "foundation/registry/KRegistry.h"
#include "support/ComPortPair.h"
#include "tools/unitsim/UnitSim.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"
#include "ui/support/MainWindowTest.h"

namespace {

class QVZDeleteTrialsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QVSerialPort::Startup();
        group = QVSerialPort::AddGroup();
        ASSERT_NE(nullptr, group);
        registry->GetInt(L"\\Serial\\ShortTimeout")->SetValue(300);
    }
    void TearDown() override
    {
        if (unit)
            unit->Stop();
        MainWindowTest::TearDown();
    }
    void SetPort(const std::wstring &description)
    {
        group->GetString(L"SerialPort")->SetValue(KString(description.c_str()));
    }
    // Starts the unit on the pair's far end; the first group names the near end.
    bool Serve(const unitsim::Config &config, const ComPortPair &pair)
    {
        unit = std::make_unique<unitsim::Unit>(config);
        SetPort(ComPortPair::Description(pair.port));
        return unit->Start(pair.peerPort);
    }
    // Chooses Delete All Trials, answering every question box with answer.
    void DeleteTrials(int answer)
    {
        boxAnswer = answer;
        control->Event(ZafEventStruct(kCmdHardwareDeleteTrials, 0));
    }
    bool Sent(uint32_t command) const
    {
        for (const unitsim::Record &record : unit->Transcript())
            if (record.fromHost && record.text.empty() && record.command == command)
                return true;
        return false;
    }

    KRGroup *group = nullptr;
    std::unique_ptr<unitsim::Unit> unit;
};

} // namespace

TEST_F(QVZDeleteTrialsTest, WithoutAPortNumberNothingIsOpened)
{
    SetPort(L"0,19200,8,N,1.0");
    EXPECT_EQ(0, control->Event(ZafEventStruct(kCmdHardwareDeleteTrials, 0)));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"No COM port has been selected", boxes[0].text);
}

TEST_F(QVZDeleteTrialsTest, AnIdentifiedIdleBlockSensorLosesItsTrialsAfterYes)
{
    QV_REQUIRE_COMPORTS(pair);
    ASSERT_TRUE(Serve(unitsim::Config::BlockSensor(), pair));
    DeleteTrials(kDialogYes);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Delete All trials", boxes[0].caption);
    EXPECT_EQ(kButtonNo, boxes[0].defaultButton);
    EXPECT_TRUE(Sent(kUnitIdentify));
    EXPECT_TRUE(Sent(kUnitStatus));
    EXPECT_TRUE(Sent(kUnitDeleteAll));
    EXPECT_EQ(0u, unit->TrialCount());
}

TEST_F(QVZDeleteTrialsTest, NoKeepsTheTrials)
{
    QV_REQUIRE_COMPORTS(pair);
    ASSERT_TRUE(Serve(unitsim::Config::BlockSensor(), pair));
    DeleteTrials(kDialogNo);
    EXPECT_FALSE(Sent(kUnitDeleteAll));
    EXPECT_EQ(3u, unit->TrialCount());
}

TEST_F(QVZDeleteTrialsTest, ASilentUnitGetsTheCommunicationPromptAndNothingIsDeleted)
{
    QV_REQUIRE_COMPORTS(pair);
    ASSERT_TRUE(Serve(unitsim::Config::BlockSensor(), pair));
    unit->SetFault(kUnitIdentify, unitsim::Fault::NoReply, 1, 1);
    int prompts = 0;
    // Retry once (the unit then answers), and No at the question.
    whileBoxIsUp = [&] { boxAnswer = ++prompts == 1 ? kDialogRetry : kDialogNo; };
    DeleteTrials(kDialogRetry);
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(L"Communication Error", boxes[0].caption);
    const std::wstring name = group->GetString(L"Name")->GetValue().CStr();
    EXPECT_EQ(L"A timeout error occurred when communicating with Quorvane: " + name + L"\r\nCOM" +
                  std::to_wstring(pair.port) + L" (" + name + L")\r\nThe unit did not answer: is it switched on and connected?",
              boxes[0].text);
    EXPECT_EQ(L"Delete All trials", boxes[1].caption);   // after the retry the unit answered
    EXPECT_FALSE(Sent(kUnitDeleteAll));

    boxes.clear();
    whileBoxIsUp = nullptr;
    unit->SetFault(kUnitIdentify, unitsim::Fault::NoReply);
    DeleteTrials(kDialogAbort);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Communication Error", boxes[0].caption);
}

TEST_F(QVZDeleteTrialsTest, AControlCenterIsNamedAndNotAsked)
{
    QV_REQUIRE_COMPORTS(pair);
    ASSERT_TRUE(Serve(unitsim::Config::ControlCenter(), pair));
    DeleteTrials(kDialogYes);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"The Device you are currently communicating with is the Quorvane Control Center", boxes[0].text);
    EXPECT_FALSE(Sent(kUnitDeleteAll));
}
