// The trial download over a real COM pair: against a silent line and
// against the simulated block sensor of tools/unitsim.
#include <gtest/gtest.h>

#include "domain/blocksensors/QVBlockSensors.h"
#include "domain/results/QVResult.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZUserInterface.h"
#include "support/ComPortPair.h"
#include "tools/unitsim/UnitSim.h"
#include "ui/results/QVZBlockSensorLink.h"
#include "ui/results/ResultsTest.h"

namespace {

class SerialDownload : public ResultsTest
{
protected:
    void SetUp() override
    {
        ResultsTest::SetUp();
        ui = std::make_unique<VZUserInterface>(*app);
        QVUserInterface::Install(ui.get());
        sensors = std::make_unique<QVBlockSensors>();
    }
    void TearDown() override
    {
        sensors.reset();
        QVUserInterface::Install(nullptr);
        ui.reset();
        ResultsTest::TearDown();
    }
    int Download(QVZUnitLink &serial)
    {
        QVZTrialDownload download(*list, serial);
        return download.Run(false, true);
    }

    std::unique_ptr<VZUserInterface> ui;
    std::unique_ptr<QVBlockSensors> sensors;
};

} // namespace

TEST_F(SerialDownload, ASilentUnitGivesOneTimeoutPromptNamingItsBlock)
{
    QV_REQUIRE_COMPORTS(pair);
    AddPort(L"Lane 1", ComPortPair::Description(pair.port));
    QVZBlockSensorLink serial(sensors.get(), 0, 300);
    Answer({ kDialogAbort });

    EXPECT_EQ(1, Download(serial));
    ASSERT_EQ(1u, boxes.size());   // the link's own report stays off the screen
    EXPECT_EQ(L"Communication Error", boxes[0].caption);
    EXPECT_EQ(L"A timeout error occurred when communicating with Quorvane: Lane 1\r\nCOM" + std::to_wstring(pair.port) +
                  L" (Lane 1)\r\nThe unit did not answer: is it switched on and connected?",
              boxes[0].text);
    EXPECT_EQ(0, list->results.Count());
}

TEST_F(SerialDownload, EveryTrialOfTheSimulatedUnitIsListedWithItsTrace)
{
    QV_REQUIRE_COMPORTS(pair);
    unitsim::Config config = unitsim::Config::BlockSensor();
    unitsim::Unit unit(config);
    ASSERT_TRUE(unit.Start(pair.peerPort));
    AddPort(L"Lane 1", ComPortPair::Description(pair.port));
    QVZBlockSensorLink serial(sensors.get(), 0, 1000);
    list->choices.push_back({ kDialogOk, -2 });

    EXPECT_EQ(1, Download(serial));
    unit.Stop();
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(3, list->results.Count());
    const bool falseStart[3] = { true, false, false };   // 99, 100 and 153 ms
    for (int row = 0; row < 3; ++row)
    {
        SCOPED_TRACE(row);
        const QVResult *result = list->results.MatchingAt(row, list->view);
        EXPECT_EQ(std::wstring(L"Lane 1"), result->Source().CStr());
        EXPECT_EQ(falseStart[row], result->IsFalseStart());
        const unitsim::Trial &trial = config.trials[size_t(row)];
        for (int i : { 0, 2999, 3000, 5000 })
        {
            EXPECT_EQ(trial.x[size_t(i)], result->Sample(0, i));
            EXPECT_EQ(trial.y[size_t(i)], result->Sample(1, i));
        }
    }
}
