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
        // A box is taken once its text is there: a loaded machine shows a
        // window before its lines.
        const std::wstring text = QuorvaneProgram::BoxText(window);
        return !text.empty() && (text.rfind(L"Event:\n", 0) == 0) != message;
    });
}

void TypeInto(HWND field, const std::wstring &text)
{
    H::ClickCenter(field);
    H::Rest(200);
    H::Type(text);
}

// A field's text (GetWindowText does not read another program's controls).
std::wstring TextOf(HWND field)
{
    wchar_t text[64] = {};
    SendMessageW(field, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

// The right end of the ink of each row of a drop-down list on the screen,
// within a frame of 2 pixels (a focus frame may run around a row).
std::vector<int> RowInkEnds(HWND dropDown, int rowHeight)
{
    const H::Picture picture = H::Capture(dropDown);
    std::vector<int> ends;
    for (int top = 0; rowHeight > 4 && top + rowHeight <= picture.height; top += rowHeight) {
        ends.push_back(0);
        for (int y = top + 2; y < top + rowHeight - 2; ++y)
            for (int x = 2; x < picture.width - 2; ++x)
                if (picture.At(x, y) != picture.At(picture.width - 3, top + rowHeight / 2) && x > ends.back())
                    ends.back() = x;
    }
    return ends;
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

TEST(ScheduleProgram, GotoEventMarksDoneHeatsAsksAgainWithUnknownNumbersAndLoadsTheHeatWithItsPeopleNextEventTheNext)
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
    TypeInto(heat, L"7");
    const H::Picture typedRound = H::Capture(round);
    H::Key(VK_RETURN);

    // No heat 1-1-7: the schedule says so, and the dialog comes back with
    // the numbers as typed.
    HWND notFound = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (notFound = FindGotoWindow(road.Process(), true)) != nullptr; }));
    EXPECT_EQ(L"The event, round and heat were not found in the schedule.", QuorvaneProgram::BoxText(notFound));
    ASSERT_TRUE(QuorvaneProgram::Press(notFound, L"Ok"));
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = FindGotoWindow(road.Process(), false)) != nullptr; }))
        << "the Goto dialog did not come back:" << WindowsOf(road.Process());
    H::Rest(500);
    round = ControlAfter(dialog, L"Round:"), heat = ControlAfter(dialog, L"Heat:");
    ASSERT_TRUE(round && heat);
    EXPECT_EQ(typedRound.pixels, H::Capture(round).pixels) << "the round typed is not shown again";
    EXPECT_EQ(L"7", TextOf(heat));

    // The list marks heat 1-1-1 done: its row reads on past the same text
    // of heat 1-1-2. The entry of 1-1-2 chosen there fills the fields.
    HWND combo = H::FindWindowWhere(dialog, [](HWND w) { return H::ClassOf(w) == L"ComboBox"; }), dropDown = nullptr;
    ASSERT_NE(nullptr, combo);
    RECT box = {};
    GetClientRect(combo, &box);
    H::Click(combo, box.right - 6, box.bottom / 2);
    ASSERT_TRUE(H::WaitFor([&] {
        return (dropDown = H::FindWindowWhere(nullptr, [&](HWND w) {
                    return H::ClassOf(w) == L"ComboLBox" && IsWindowVisible(w) && H::ProcessOf(w) == road.Process();
                })) != nullptr;
    })) << "the entry list does not drop down";
    H::Rest(500);
    const int rowHeight = int(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const std::vector<int> ends = RowInkEnds(dropDown, rowHeight);
    ASSERT_GE(ends.size(), 3u);
    EXPECT_GT(ends[0], ends[1] + 15) << "heat 1-1-1 shows no done mark";
    H::Click(dropDown, 20, rowHeight + rowHeight / 2);
    EXPECT_TRUE(H::WaitFor([&] { return TextOf(heat) == L"2"; })) << "the chosen entry did not fill the fields";
    H::ClickCenter(heat);
    H::Rest(200);
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
