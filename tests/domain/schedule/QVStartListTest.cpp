#include "domain/schedule/QVStartList.h"
#include "foundation/support/TestStreams.h"

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
    std::vector<const QVStartListPerson *> people;
    list.PeopleOf(KString(L"1"), KString(L"1"), KString(L"1"), people);
    ASSERT_EQ(people.size(), 2u);
    EXPECT_EQ(people[0]->last, L"Berg");
    EXPECT_EQ(people[1]->last, L"Lund");
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
        std::vector<const QVStartListPerson *> people;
        list.PeopleOf(KString(L"3"), KString(L"1"), KString(L"1"), people);
        ASSERT_EQ(people.size(), 1u) << mode;
        EXPECT_EQ(people[0]->last, L"\x017Delazny");
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
    std::vector<const QVStartListPerson *> people;
    list.PeopleOf(KString(L"4"), KString(L"1"), KString(L"1"), people);
    ASSERT_EQ(people.size(), 1u);
    EXPECT_EQ(people[0]->last, L"Also");
    list.PeopleOf(KString(L"1"), KString(L"1"), KString(L"1"), people);
    ASSERT_EQ(people.size(), 1u);
    EXPECT_EQ(people[0]->last, L"Good");
}
