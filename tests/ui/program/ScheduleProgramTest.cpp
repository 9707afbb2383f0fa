// The schedule's heats in quorvane.exe, reached as a user reaches them: the
// File menu's Goto event and Next event with the start-list files of
// docs/start-list-files.md beside the program, checked on the screen and in
// the workouts the program saves.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

const std::wstring kGotoTitle = L"Goto Event";

// The complete example of docs/start-list-files.md; the people file ends
// with a line whose lane is no number (its line 8).
void WriteStartList(ShellScratch &folder)
{
    WriteBytes(folder.PathOf(L"vexa.sch"), "; Schedule of the indoor meeting, in running order\r\n"
                                           "; event,round,heat[,status]\r\n"
                                           "1,1,1,\\\r\n"
                                           "1,1,2\r\n"
                                           "2,1,1\r\n");
    WriteBytes(folder.PathOf(L"vexa.evt"), "; event,round,name\r\n"
                                           "1,1,60 m Women Heats\r\n"
                                           "2,,\"60 m Men, Final\"\r\n");
    WriteBytes(folder.PathOf(L"vexa.ppl"), "; event,round,heat,lane,id,last name,first name,affiliation,licence\r\n"
                                           "1,1,1,3,101,Berg,Anna,Oslo IL,N-2231\r\n"
                                           "1,1,1,4,102,Costa,Maria,SL Benfica\r\n"
                                           "1,1,2,2,201,Dubois,Claire,Stade Francais\r\n"
                                           "1,1,2,5,202,\"O'Neill\",Siobhan,\"Dublin City Harriers, AC\",IE-77\r\n"
                                           "1,1,2,6,203,Ekberg,Lisa,\r\n"
                                           "2,1,1,4,301,Fischer,Jonas,LG Nord\r\n"
                                           "1,1,2,x,204,Lane,Bad\r\n");
}

// A top-level window of the process titled "Goto Event" whose first text
// passes the test (the dialog's first text is its "Event:" prompt, a
// message's its message); none.
HWND FindGotoWindow(DWORD process, bool message)
{
    return H::FindWindowWhere(nullptr, [&](HWND window) {
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        if (H::ProcessOf(window) != process || !IsWindowVisible(window) || kGotoTitle != title)
            return false;
        return (QuorvaneProgram::BoxText(window).rfind(L"Event:\n", 0) == 0) != message;
    });
}

void TypeInto(HWND field, const std::wstring &text)
{
    H::ClickCenter(field);
    H::Rest(200);
    H::Type(text);
}

// The workout the program shows, saved under path with Ctrl+S.
bool SaveShownWorkout(ProgramRoad &road, const std::wstring &path)
{
    return road.SaveWorkoutAs(path) && H::WaitFor([&] { return ReadBytes(path).size() > 18; });
}

struct Saved
{
    std::wstring name;
    std::vector<std::wstring> lastNames;
};

Saved ReadWorkout(const std::wstring &path)
{
    Saved saved;
    QVEvent event;
    if (event.Open(QVEvent::kOpenRead, KString(path.c_str())) != 0 || !event.Leg(0) || !event.Leg(0)->Results())
        return saved;
    saved.name = event.Name().CStr();
    QVResults *results = event.Leg(0)->Results();
    for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result))
        saved.lastNames.push_back(result->LastName().CStr());
    return saved;
}

} // namespace

TEST(ScheduleProgram, GotoEventLoadsTheHeatWithItsPeopleNextEventTheNextAndABadLineIsNamedOnce)
{
    ProgramRoad road(L"qsched", "Database\\File\\WriteVIF:Bool=0\r\n");
    WriteStartList(road.Folder());
    ASSERT_TRUE(road.Start());

    road.ChooseFromMenu('F', 'G');
    HWND warning = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (warning = FindGotoWindow(road.Process(), true)) != nullptr; }))
        << "no word of the bad line:" << WindowsOf(road.Process());
    EXPECT_NE(std::wstring::npos, QuorvaneProgram::BoxText(warning).find(L"vexa.ppl line 8 skipped: lane is not a number"))
        << std::string(QuorvaneProgram::BoxText(warning).begin(), QuorvaneProgram::BoxText(warning).end());
    ASSERT_TRUE(QuorvaneProgram::Press(warning, L"Ok"));

    HWND dialog = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = FindGotoWindow(road.Process(), false)) != nullptr; }))
        << "File > Goto event shows no dialog:" << WindowsOf(road.Process());
    H::Rest(500);
    HWND event = ControlAfter(dialog, L"Event:"), round = ControlAfter(dialog, L"Round:"),
         heat = ControlAfter(dialog, L"Heat:");
    ASSERT_TRUE(event && round && heat);
    TypeInto(event, L"1");
    TypeInto(round, L"1");
    TypeInto(heat, L"2");
    H::Key(VK_RETURN);
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(road.Main()) != nullptr; }))
        << "no workout for the heat:" << WindowsOf(road.Process());
    H::Rest(500);
    const std::wstring first = road.Folder().PathOf(L"heat112.qvw");
    ASSERT_TRUE(SaveShownWorkout(road, first)) << WindowsOf(road.Process());
    const Saved heat112 = ReadWorkout(first);
    EXPECT_EQ(L"60 m Women Heats", heat112.name);
    EXPECT_EQ((std::vector<std::wstring>{ L"Dubois", L"O'Neill", L"Ekberg" }), heat112.lastNames);

    road.ChooseFromMenu('F', 'X');
    H::Rest(1500);
    EXPECT_EQ(nullptr, FindGotoWindow(road.Process(), true)) << "the same bad line was reported again";
    const std::wstring second = road.Folder().PathOf(L"heat211.qvw");
    ASSERT_TRUE(SaveShownWorkout(road, second)) << WindowsOf(road.Process());
    const Saved heat211 = ReadWorkout(second);
    EXPECT_EQ(L"60 m Men, Final", heat211.name);
    EXPECT_EQ((std::vector<std::wstring>{ L"Fischer" }), heat211.lastNames);

    // The last heat is shown: Next event is grey, so its letter loads nothing
    // and brings no message.
    road.ChooseFromMenu('F', 'X');
    H::Rest(1500);
    EXPECT_EQ(nullptr, FindGotoWindow(road.Process(), true)) << "Next event is offered after the last heat";
    H::Key(VK_ESCAPE);
    H::Key(VK_ESCAPE);
    H::Rest(300);
    EXPECT_EQ(0u, road.Close());
}
