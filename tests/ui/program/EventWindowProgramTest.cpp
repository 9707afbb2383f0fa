// An event window of quorvane.exe worked as a user works it: names typed
// into the results list and ended the ways a user ends them, and the
// window's caption buttons as the screen shows them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "shell/support/ShellScratch.h"
#include "support/ComPortPair.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

// The middle of each row of the list that holds a trial, top first.
std::vector<int> RowMiddles(HWND list)
{
    std::vector<int> middles;
    for (const Band &band : NumberBands(Settled(list)))
        middles.push_back((band.top + band.bottom) / 2);
    return middles;
}

// A click on a cell of the selected row opens its editor; a pause first so
// that the two clicks are not one double click.
void EditCell(HWND list, int x, int y)
{
    H::Click(list, x, y);
    H::Rest(GetDoubleClickTime() + 200);
    H::Click(list, x, y);
    H::Rest(300);
}

std::set<std::wstring> SavedFirstNames(const std::wstring &path)
{
    std::set<std::wstring> names;
    QVEvent saved;
    if (saved.Open(QVEvent::kOpenRead, KString(path.c_str())) != 0 || !saved.Leg(0) || !saved.Leg(0)->Results())
        return names;
    QVResults *results = saved.Leg(0)->Results();
    for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result))
        names.insert(result->FirstName().CStr());
    return names;
}

// The MDI child around the first list of the main window; none.
HWND EventChild(HWND main)
{
    HWND window = H::FindList(main);
    while (window && GetParent(window) && _wcsicmp(H::ClassOf(GetParent(window)).c_str(), L"MDIClient") != 0)
        window = GetParent(window);
    return window && GetParent(window) ? window : nullptr;
}

int Brightness(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

} // namespace

TEST(EventWindowProgram, NamesEndedWithTabAndEnterOrWithAClickOnAnotherRowAreKeptAndSaved)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qnames");
    ASSERT_TRUE(road.Start());
    HWND list = road.NewWorkoutWithTrials();
    ASSERT_NE(nullptr, list) << WindowsOf(road.Process());
    const std::vector<int> rows = RowMiddles(list);
    ASSERT_EQ(3u, rows.size());
    const int first = ColumnMiddle(list, 1);

    EditCell(list, first, rows[0]);
    H::Type(L"Ann");
    H::Key(VK_TAB);
    H::Rest(300);
    H::Key(VK_RETURN);
    H::Rest(500);

    EditCell(list, first, rows[1]);
    H::Type(L"Bob");
    H::Click(list, first, rows[2]);
    H::Rest(500);

    const std::wstring workout = road.Folder().PathOf(L"names.qvw");
    ASSERT_TRUE(road.SaveWorkoutAs(workout)) << "not saved:" << WindowsOf(road.Process());
    H::Rest(500);
    EXPECT_EQ(0u, road.Close());
    const std::set<std::wstring> names = SavedFirstNames(workout);
    EXPECT_EQ(1u, names.count(L"Ann")) << "the name ended with Tab and Enter was lost";
    EXPECT_EQ(1u, names.count(L"Bob")) << "the name ended with a click on another row was lost";
}

namespace {

// The program's box on top of its windows once it shows (up to 10 s); none.
HWND WaitForBox(DWORD process)
{
    HWND box = nullptr;
    H::WaitFor([&] {
        box = H::FindWindowWhere(nullptr, [&](HWND window) {
            return H::ProcessOf(window) == process && IsWindowVisible(window) && H::ClassOf(window) == L"#32770";
        });
        return box != nullptr;
    }, 10000);
    return box;
}

// Ctrl+S on the saved workout: the write error shows, with the file it
// failed on on the second line of the screen and, when given, why on the
// third; Enter closes it.
void SaveAndExpectTheWriteError(ProgramRoad &road, const std::wstring &file, const std::wstring &why = L"")
{
    H::Focus(road.Main());
    H::Control('S');
    HWND box = WaitForBox(road.Process());
    ASSERT_NE(nullptr, box) << "no error shown:" << WindowsOf(road.Process());
    const std::vector<std::wstring> lines = QuorvaneProgram::BoxLines(box);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(0u, lines[0].find(L"Error writing to a file"));
    EXPECT_TRUE(lines[1] == file) << "the file is not named on a line of its own";
    if (!why.empty()) {
        ASSERT_EQ(3u, lines.size());
        EXPECT_TRUE(lines[2] == why) << "not the reason";
    }
    H::Rest(500);
    EXPECT_EQ(lines.size(), QuorvaneProgram::PaintedLines(box).size()) << "lines on the screen";
    H::Focus(box);
    H::Key(VK_RETURN);
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

} // namespace

// A saved workout made read-only, then its temporary name held by another
// program, then the workout itself held open by it until after the
// program has ended: each Ctrl+S shows the write error naming the file it
// failed on and why, and the workout keeps its bytes and its mark, with
// nothing of the save beside it.
TEST(EventWindowProgram, SavingOverAReadOnlyOrAHeldWorkoutShowsTheWriteErrorAndLeavesNothingBesideIt)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qrefused");
    ASSERT_TRUE(road.Start());
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
    const std::wstring workout = road.Folder().PathOf(L"w.qvw");
    const std::wstring temporary = workout + L".tmp";
    ASSERT_TRUE(road.SaveWorkoutAs(workout)) << "not saved:" << WindowsOf(road.Process());
    H::Rest(500);
    const std::string before = ReadBytes(workout);
    ASSERT_FALSE(before.empty());
    auto nothingBeside = [&] { return !FileExists(temporary) && !FileExists(workout + L".old"); };

    ASSERT_TRUE(SetFileAttributesW(workout.c_str(), FILE_ATTRIBUTE_READONLY));
    SaveAndExpectTheWriteError(road, workout, L"You may not open or change the file.");
    EXPECT_TRUE(ReadBytes(workout) == before) << "the read-only workout was changed";
    EXPECT_NE(0u, GetFileAttributesW(workout.c_str()) & FILE_ATTRIBUTE_READONLY) << "the read-only mark was dropped";
    EXPECT_TRUE(nothingBeside());
    SetFileAttributesW(workout.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A file under the temporary name, held by another program that shares
    // nothing: the save names that file, not the workout.
    HANDLE tmpHolder = CreateFileW(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, tmpHolder);
    SaveAndExpectTheWriteError(road, temporary, L"The file is in use by another program.");
    CloseHandle(tmpHolder);
    DeleteFileW(temporary.c_str());
    EXPECT_TRUE(ReadBytes(workout) == before) << "the workout was changed";

    // Read by another program that does not let it be deleted meanwhile.
    HANDLE holder = CreateFileW(workout.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    SaveAndExpectTheWriteError(road, workout);
    EXPECT_EQ(0u, road.Close());
    EXPECT_TRUE(nothingBeside()) << "a file of the save was left while the workout is held";
    CloseHandle(holder);
    H::Rest(1000);
    EXPECT_TRUE(ReadBytes(workout) == before);
    EXPECT_TRUE(nothingBeside()) << "a file of the save was left after the workout was let go";
}

// The close button of a window's caption shows a cross, which is the same
// mirrored left to right; the letter "r" that stands in for it without
// the symbol font is not.
TEST(EventWindowProgram, CaptionButtonsOfACascadedEventWindowArePicturesNotLetters)
{
    ProgramRoad road(L"qcaption");
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('N');
    HWND child = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (child = EventChild(road.Main())) != nullptr; })) << WindowsOf(road.Process());
    // The new window comes maximised; Cascade gives it its own caption.
    ASSERT_TRUE(road.ChooseFromMenu('W', 'C')) << WindowsOf(road.Process());
    ASSERT_TRUE(H::WaitFor([&] { return !IsZoomed(child); })) << "Window > Cascade did not act";
    Settled(child);

    RECT frame = {};
    GetWindowRect(child, &frame);
    const int border = GetSystemMetrics(SM_CXFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
    const int button = GetSystemMetrics(SM_CXSIZE);
    // The close button stands 2 pixels in from the frame's border.
    RECT close = { frame.right - border - 2 - button, frame.top + border + 2, frame.right - border - 2,
                   frame.top + border + caption - 2 };
    const H::Picture picture = H::CaptureScreen(close);
    ASSERT_GT(picture.width, 4);
    // The glyph: the black pixels inside the button's edges, and the box
    // around them.
    auto black = [&](int x, int y) { return Brightness(picture.At(x, y)) < 3 * 40; };
    int left = picture.width, right = -1, ink = 0;
    for (int y = 3; y < picture.height - 3; ++y)
        for (int x = 3; x < picture.width - 3; ++x)
            if (black(x, y))
            {
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(ink, 4) << "the close button shows nothing";
    int mirrored = 0;
    for (int y = 3; y < picture.height - 3; ++y)
        for (int x = left; x <= right; ++x)
            if (black(x, y) && black(left + right - x, y))
                ++mirrored;
    EXPECT_GE(mirrored * 10, ink * 9) << "the close button shows a letter: " << mirrored << " of " << ink
                                      << " black pixels have a mirror image";
}
