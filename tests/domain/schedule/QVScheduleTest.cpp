#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/schedule/QVScheduleItem.h"
#include "domain/timing/VLeg.h"
#include "domain/ui/QVSettings.h"
#include "domain/fakes/QVRecordingFakes.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/support/TestStreams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class QVScheduleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static const wchar_t *const settings[] = {
            L"\\Database\\File\\DataInDir:String=" QV_SERVICES_INPUTS L"/startlist/",
            L"\\Database\\Mode:Int=1",
            L"\\Database\\CharMode:Int=0",
            L"\\Database\\SetStatusChar:String=\\",
            L"\\Strings\\Database\\NotFound:String=NotFound",
            L"\\Strings\\Database\\AtStart:String=AtStart",
            L"\\Strings\\Database\\AtEnd:String=AtEnd",
            L"\\Strings\\Database\\Empty:String=Empty",
            nullptr,
        };
        m_settings.AddDefaults(settings);
        QVSetSettings(&m_settings);
    }
    void TearDown() override { QVSetSettings(nullptr); }

    KRegistry m_settings;
    FakeUserInterface m_ui;
};

} // namespace

TEST_F(QVScheduleTest, BuildListGivesOneEntryPerScheduledHeat)
{
    QVSchedule schedule;
    schedule.BuildList();
    ASSERT_EQ(schedule.EntryCount(), 3);
    QVScheduleItem *second = schedule.EntryAt(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->HeatText(), L"2");
    KString text;
    second->Text(text);
    EXPECT_EQ(text, L"1-1-2  60 m Women Heats");
    EXPECT_EQ(schedule.NextEntry(schedule.EntryAt(2)), nullptr);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_TRUE(m_ui.errors.empty());
}

TEST_F(QVScheduleTest, LoadEventFillsTheFirstLegWithTheHeatsPeople)
{
    QVSchedule schedule;
    std::unique_ptr<QVEvent> event(schedule.LoadEvent(nullptr, 0, KString(L"1"), KString(L"1"), KString(L"2")));
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->EventNumber(), L"1");
    EXPECT_EQ(event->HeatNumber(), L"2");
    EXPECT_EQ(event->Name(), L"60 m Women Heats");
    QVResults *results = event->Leg(0)->Results();
    ASSERT_NE(results, nullptr);
    ASSERT_EQ(results->ResultCount(), 3);
    QVResult *first = results->NextResult(nullptr);
    EXPECT_EQ(first->LastName(), L"Dubois");
    EXPECT_EQ(first->FirstName(), L"Claire");
    EXPECT_EQ(first->TextField(QVResult::kIdentity), L"201");
    EXPECT_EQ(first->TextField(QVResult::kLane), L"2");
    KString current;
    schedule.CurrentHeat(current);
    EXPECT_EQ(current, L"2");
}

TEST_F(QVScheduleTest, NavigateStopsAtEitherEndWithItsMessage)
{
    QVSchedule schedule;
    std::unique_ptr<QVEvent> event(schedule.Navigate(nullptr, 0, 1));   // no current heat: the first
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->HeatNumber(), L"1");
    EXPECT_EQ(schedule.Navigate(event.get(), 0, -1), nullptr);
    EXPECT_EQ(m_ui.messages, std::vector<std::wstring>{L"AtStart"});
    ASSERT_EQ(schedule.LoadEvent(event.get(), 0, KString(L"2"), KString(L"1"), KString(L"1")), event.get());
    EXPECT_EQ(event->Name(), L"60 m Men, Final");
    EXPECT_EQ(schedule.Navigate(event.get(), 0, 1), nullptr);
    EXPECT_EQ(m_ui.messages.back(), L"AtEnd");
    EXPECT_EQ(event->EventNumber(), L"2");   // the document is left as it was
}

TEST_F(QVScheduleTest, UnknownHeatShowsNotFoundAndLoadsNothing)
{
    QVSchedule schedule;
    EXPECT_EQ(schedule.LoadEvent(nullptr, 0, KString(L"1"), KString(L"1"), KString(L"7")), nullptr);
    EXPECT_EQ(m_ui.messages, std::vector<std::wstring>{L"NotFound"});
}

TEST_F(QVScheduleTest, EmptyOrSwitchedOffDatabaseShowsEmpty)
{
    m_settings.Parse(L"\\Database\\Mode:Int=0");
    QVSchedule schedule;
    EXPECT_EQ(schedule.Navigate(nullptr, 0, 1), nullptr);
    schedule.BuildList();
    EXPECT_EQ(schedule.EntryCount(), 0);
    EXPECT_EQ(m_ui.messages, std::vector<std::wstring>{L"Empty"});
}

TEST_F(QVScheduleTest, AMissingScheduleFileIsNamedInsteadOfAnEmptySchedule)
{
    m_settings.Parse(L"\\Database\\File\\DataInDir:String=" QV_SERVICES_INPUTS L"/no-such-folder/");
    QVSchedule schedule;
    EXPECT_EQ(schedule.LoadEvent(nullptr, 0, KString(L"1"), KString(L"1"), KString(L"1")), nullptr);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(m_ui.errors, std::vector<int32_t>{3002});
    ASSERT_EQ(1u, m_ui.abouts.size());
    EXPECT_NE(std::wstring::npos, m_ui.abouts[0].find(L"no-such-folder")) << m_ui.abouts[0];
    EXPECT_NE(std::wstring::npos, m_ui.abouts[0].find(L"vexa.sch")) << m_ui.abouts[0];
}

TEST_F(QVScheduleTest, LoadingIntoADocumentKeepsMeasuredTrials)
{
    QVSchedule schedule;
    QVEvent event;
    ASSERT_EQ(event.Initialize(QVEvent::kInitNew), 0);
    QVResults *results = event.Leg(0)->Results();
    QVResult *measured = results->NewResult();
    measured->SetLastName(KString(L"Measured"));
    measured->SetReactionTime(VRaceTime::FromMilliseconds(150));
    results->NewResult()->SetLastName(KString(L"Placeholder"));
    ASSERT_EQ(schedule.LoadEvent(&event, 0, KString(L"1"), KString(L"1"), KString(L"1")), &event);
    ASSERT_EQ(results->ResultCount(), 3);
    EXPECT_EQ(results->NextResult(nullptr)->LastName(), L"Measured");
    EXPECT_EQ(results->FindByField(QVResult::kLastName, KString(L"Placeholder")), nullptr);
    EXPECT_NE(results->FindByField(QVResult::kLastName, KString(L"Berg")), nullptr);
}

TEST_F(QVScheduleTest, FillResultTakesThePersonByTheirId)
{
    QVSchedule schedule;
    QVResult result;
    result.SetTextField(QVResult::kIdentity, KString(L"0202"));
    EXPECT_TRUE(schedule.FillResult(result));
    EXPECT_EQ(result.LastName(), L"O'Neill");
    EXPECT_EQ(result.TextField(QVResult::kLane), L"5");
    EXPECT_EQ(result.TextField(QVResult::kLicence), L"IE-77");
    QVResult unknown;
    unknown.SetTextField(QVResult::kIdentity, KString(L"999"));
    unknown.SetLastName(KString(L"kept"));
    EXPECT_FALSE(schedule.FillResult(unknown));
    EXPECT_EQ(unknown.LastName(), L"kept");
}

TEST_F(QVScheduleTest, SkippedLinesAreNamedOnScreenOnceUntilAnotherLineIsTheFirstSkipped)
{
    ScratchFolder folder;
    folder.WriteFile(L"vexa.sch", "1,1,1\r\n1,1,2\r\n");
    folder.WriteFile(L"vexa.ppl", "1,1,1,3,101,Berg,Anna\r\n1,1,1,x,102,Costa,Maria\r\n");
    KString in(L"\\Database\\File\\DataInDir:String=");
    m_settings.Parse(in.Append(folder.Path()));
    m_settings.Parse(L"\\Strings\\Database\\LinesSkipped:String=Skipped:");
    QVSchedule schedule;
    schedule.BuildList();
    EXPECT_EQ(m_ui.messages, std::vector<std::wstring>{L"Skipped: vexa.ppl line 2 skipped: lane is not a number"});
    std::unique_ptr<QVEvent> event(schedule.Navigate(nullptr, 0, 1));
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->Leg(0)->Results()->ResultCount(), 1);   // the good line is used
    EXPECT_EQ(m_ui.messages.size(), 1u) << "the same first skipped line is named again";

    folder.WriteFile(L"vexa.ppl", ",1,1,3,101,Berg,Anna\r\n");
    ASSERT_NE(schedule.Navigate(event.get(), 0, 1), nullptr);
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages.back(), L"Skipped: vexa.ppl line 1 skipped: event, round, heat, lane, id, last and "
                                    L"first name are needed");
}

TEST_F(QVScheduleTest, PreviousAndNextAreOfferedExceptAtTheirEndAndNothingWithTheDatabaseOff)
{
    QVSchedule schedule;
    EXPECT_TRUE(schedule.Offers(-1) && schedule.Offers(0) && schedule.Offers(1));   // no heat loaded yet
    std::unique_ptr<QVEvent> event(schedule.Navigate(nullptr, 0, 1));
    ASSERT_NE(event, nullptr);
    EXPECT_FALSE(schedule.Offers(-1));
    EXPECT_TRUE(schedule.Offers(1));
    ASSERT_NE(schedule.LoadEvent(event.get(), 0, KString(L"2"), KString(L"1"), KString(L"1")), nullptr);
    EXPECT_TRUE(schedule.Offers(-1));
    EXPECT_FALSE(schedule.Offers(1));
    QVSchedule::Settings off = schedule.CurrentSettings();
    off.mode = QVSchedule::kModeOff;
    schedule.SetSettings(off);
    EXPECT_FALSE(schedule.Offers(-1) || schedule.Offers(0) || schedule.Offers(1));
}
