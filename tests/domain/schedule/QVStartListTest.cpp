#include "domain/schedule/QVStartList.h"
#include "foundation/log/KLog.h"
#include "foundation/support/KTestApplication.h"
#include "foundation/support/TestStreams.h"
#include "support/TestBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

KString Fixtures()
{
    return KString(QV_SERVICES_INPUTS L"/startlist/");
}

std::string Utf16WithBom(const std::wstring &text)
{
    std::string bytes("\xFF\xFE", 2);
    for (wchar_t c : text) {
        bytes.push_back(char(c & 0xFF));
        bytes.push_back(char((c >> 8) & 0xFF));
    }
    return bytes;
}

// Runs read with the program log in a scratch folder; answers the log.
template <typename Read>
std::string Logged(Read read)
{
    ScratchFolder scratch;
    {
        KTestApplication app;
        app.SetProgram(scratch.File(L"program.exe").CStr());
        KLog log;
        KSetProgramLog(&log);
        read();
        KSetProgramLog(nullptr);
    }
    return scratch.ReadFile(L"program.log");
}

// Last names of the people in one heat, in list order, joined by commas.
std::wstring LastNames(const QVStartList &list, const wchar_t *event, const wchar_t *round, const wchar_t *heat)
{
    std::vector<const QVStartListPerson *> people;
    list.PeopleOf(KString(event), KString(round), KString(heat), people);
    std::wstring names;
    for (const QVStartListPerson *person : people)
        names += (names.empty() ? L"" : L",") + std::wstring(person->last.CStr());
    return names;
}

} // namespace

TEST(QVStartList, ReadsTheThreeFixtureFiles)
{
    QVStartList list;
    ASSERT_TRUE(list.Load(Fixtures(), 0, KString(L"\\")));
    ASSERT_EQ(list.Heats().size(), 3u);
    EXPECT_TRUE(list.Heats()[0].done);
    EXPECT_FALSE(list.Heats()[1].done);
    EXPECT_EQ(list.FindHeat(KString(L"1"), KString(L"01"), KString(L"2")), 1);
    EXPECT_EQ(list.FindHeat(KString(L"1"), KString(L"1"), KString(L"9")), -1);
    EXPECT_EQ(list.EventName(KString(L"2"), KString(L"3")), L"60 m Men, Final");
    std::vector<const QVStartListPerson *> people;
    list.PeopleOf(KString(L"1"), KString(L"1"), KString(L"2"), people);
    ASSERT_EQ(people.size(), 3u);
    EXPECT_EQ(people[1]->last, L"O'Neill");
    EXPECT_EQ(people[1]->affiliation, L"Dublin City Harriers, AC");
    EXPECT_EQ(list.SkippedLines(), 0);
}

TEST(QVStartList, MalformedPeopleLinesAreSkippedNotMisplaced)
{
    MemoryStream stream(std::string("1,1,1,3,101,Berg,Anna\n"
                                    "1,1\n"                                // too few fields
                                    "1,1,1,x,102,Costa,Maria\n"           // lane not a number
                                    ",1,1,4,103,Nobody,Nina\n"            // no event
                                    "1,1,1,5,104,\"Open,Quote\n"          // unclosed quote
                                    "1,1,1,6,105,,\n"                     // no name
                                    "\n; comment\n# comment too\n"
                                    "1,1,1,7,106,Lund,Eva"));             // last line without a line end
    QVStartList list;
    EXPECT_EQ(list.ReadPeople(stream, KString(L"vexa.ppl")), 5);
    EXPECT_EQ(LastNames(list, L"1", L"1", L"1"), L"Berg,Lund");
    std::vector<const QVStartListPerson *> people;
    list.PeopleOf(KString(L"1"), KString(L"1"), KString(L"1"), people);
    ASSERT_EQ(people.size(), 2u);
    EXPECT_EQ(people[1]->lane, L"7");
}

TEST(QVStartList, ScheduleSkipsIncompleteAndRepeatedHeats)
{
    MemoryStream stream(std::string("1,1,1\n1,,2\n1,1,01\n2,1,1,*\n"));
    QVStartList list;
    EXPECT_EQ(list.ReadSchedule(stream, KString(L"vexa.sch"), KString(L"*")), 2);
    ASSERT_EQ(list.Heats().size(), 2u);
    EXPECT_TRUE(list.Heats()[1].done);
}

TEST(QVStartList, Utf16FilesAreReadInBothCharacterModes)
{
    ScratchFolder folder;
    folder.WriteFile(L"vexa.sch", Utf16WithBom(L"3,1,1\r\n"));
    folder.WriteFile(L"vexa.ppl", Utf16WithBom(L"3,1,1,1,9,\x017Delazny,\x0160imon,Praha\r\n"));
    for (int mode : {0, 1}) {
        QVStartList list;
        ASSERT_TRUE(list.Load(folder.Path(), mode, KString(L"\\")));
        EXPECT_EQ(LastNames(list, L"3", L"1", L"1"), L"\x017Delazny") << mode;
    }
}

TEST(QVStartList, MissingScheduleFileHoldsNothing)
{
    ScratchFolder folder;
    folder.WriteFile(L"vexa.ppl", "1,1,1,1,1,A,B\n");
    QVStartList list;
    EXPECT_FALSE(list.Load(folder.Path(), 0, KString(L"\\")));
    EXPECT_TRUE(list.Heats().empty());
    EXPECT_EQ(list.PersonCount(), 0);
}

TEST(QVStartList, DamagedFilesKeepOnlyTheirGoodLines)
{
    QVStartList list;
    ASSERT_TRUE(list.Load(KString(QV_SERVICES_INPUTS L"/startlist-damaged/"), 0, KString(L"\\")));
    EXPECT_GT(list.SkippedLines(), 3);
    ASSERT_GE(list.Heats().size(), 2u);
    EXPECT_EQ(list.Heats().front().event, L"1");
    EXPECT_GE(list.FindHeat(KString(L"4"), KString(L"1"), KString(L"1")), 0);
    EXPECT_EQ(list.EventName(KString(L"4"), KString(L"1")), L"Final");
    EXPECT_EQ(LastNames(list, L"4", L"1", L"1"), L"Also");
    EXPECT_EQ(LastNames(list, L"1", L"1", L"1"), L"Good");
}

TEST(QVStartList, LongHeatNumbersAreRefusedNotCutIntoOneHeat)
{
    MemoryStream schedule(std::string("1,1,1\n"
                                      "1,1,HEAT-0000000000001\n"
                                      "1,1,HEAT-0000000000002\n"
                                      "1,1,HEAT-0000000000\n"));   // 15 characters: kept
    MemoryStream people(std::string("1,1,HEAT-0000000000001,1,11,Amsel,Ada\n"
                                    "1,1,HEAT-0000000000002,2,12,Bauer,Ben\n"
                                    "1,1,HEAT-0000000000,3,13,Claes,Cora\n"
                                    "1,1,1,4,14,Dahl,Dora\n"));
    QVStartList list;
    std::string log = Logged([&] {
        EXPECT_EQ(list.ReadSchedule(schedule, KString(L"vexa.sch"), KString(L"\\")), 2);
        EXPECT_EQ(list.ReadPeople(people, KString(L"vexa.ppl")), 2);
    });
    ASSERT_EQ(list.Heats().size(), 2u);
    EXPECT_EQ(list.Heats()[1].heat, L"HEAT-0000000000");
    EXPECT_EQ(LastNames(list, L"1", L"1", L"HEAT-0000000000"), L"Claes");
    EXPECT_EQ(LastNames(list, L"1", L"1", L"1"), L"Dahl");
    EXPECT_EQ(CountOf(log, "vexa.sch line 2 skipped: heat longer than 15 characters"), 1);
    EXPECT_EQ(CountOf(log, "vexa.sch line 3 skipped: heat longer than 15 characters"), 1);
    EXPECT_EQ(CountOf(log, "vexa.ppl line 1 skipped: heat longer than 15 characters"), 1);
    EXPECT_EQ(CountOf(log, "vexa.ppl line 2 skipped: heat longer than 15 characters"), 1);
}

TEST(QVStartList, EveryFieldIsKeptWholeOrItsLineIsSkipped)
{
    const std::string name63(63, 'n'), id31(31, 'i');
    struct Case
    {
        std::string line;
        const char *field;   // the field named in the log, none when the line is kept
    };
    const Case cases[] = {
        {"1,1,1,0000000000000001,1,A,B", "lane"},
        {"1,1,1,1," + id31 + "x,A,B", "id"},
        {"1,1,1,1,1," + name63 + "x,B", "last name"},
        {"1,1,1,1,1,A," + name63 + "x", "first name"},
        {"1,1,1,1,1,A,B," + name63 + "x", "affiliation"},
        {"1,1,1,1,1,A,B,C," + id31 + "x", "licence"},
        {"1234567890123456,1,1,1,1,A,B", "event"},
        {"1,1,1,123456789012345," + id31 + "," + name63 + "," + name63 + "," + name63 + "," + id31, nullptr},
    };
    for (const Case &c : cases) {
        MemoryStream stream(c.line + "\n");
        QVStartList list;
        std::string log = Logged([&] { list.ReadPeople(stream, KString(L"vexa.ppl")); });
        EXPECT_EQ(list.PersonCount(), c.field ? 0 : 1) << c.line;
        if (c.field)
            EXPECT_EQ(CountOf(log, std::string("line 1 skipped: ") + c.field + " longer than"), 1) << c.line;
        else
            EXPECT_EQ(list.PersonAt(0).licence, std::wstring(31, L'i').c_str());
    }
    MemoryStream events(std::string("1,," + name63 + "x\n1,2," + name63 + "\n"));
    QVStartList list;
    EXPECT_EQ(list.ReadEvents(events, KString(L"vexa.evt")), 1);
    EXPECT_EQ(list.EventName(KString(L"1"), KString(L"1")), L"");
    EXPECT_EQ(list.EventName(KString(L"1"), KString(L"2")).Length(), 63);
}

TEST(QVStartList, ALineListedTwiceIsKeptOnce)
{
    MemoryStream people(std::string("1,1,2,3,201,Dubois,Claire\n"
                                    "1,1,2,4,202,Ekberg,Lisa\n"
                                    "01,1,2,3,201,Dubois,Claire\n"     // the first line again
                                    "1,1,2,5,201,Dubois,Claire\n"));   // another lane: kept
    MemoryStream events(std::string("1,1,60 m\n1,1,60 m\n"));
    QVStartList list;
    std::string log = Logged([&] {
        EXPECT_EQ(list.ReadPeople(people, KString(L"vexa.ppl")), 1);
        EXPECT_EQ(list.ReadEvents(events, KString(L"vexa.evt")), 1);
    });
    std::vector<const QVStartListPerson *> heat;
    list.PeopleOf(KString(L"1"), KString(L"1"), KString(L"2"), heat);
    ASSERT_EQ(heat.size(), 3u);
    EXPECT_EQ(heat[2]->lane, L"5");
    EXPECT_EQ(CountOf(log, "vexa.ppl line 3 skipped: line listed twice"), 1);
    EXPECT_EQ(CountOf(log, "vexa.evt line 2 skipped: line listed twice"), 1);
}
