// The program's main road end to end: quorvane.exe downloads the trials of
// the simulated block sensor on a COM pair, lists them, saves the workout
// and opens it again, driven from the keyboard as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

// The results of the first leg of the workout saved at path, read into
// saved; null when the file cannot be read or holds no results.
QVResults *SavedResults(QVEvent &saved, const std::wstring &path)
{
    if (saved.Open(QVEvent::kOpenRead, KString(path.c_str())) != 0 || !saved.Leg(0))
        return nullptr;
    return saved.Leg(0)->Results();
}

bool IsPureRed(COLORREF c)
{
    return c == RGB(255, 0, 0);
}

} // namespace

TEST(DownloadProgram, TrialsOfABlockAreDownloadedListedSavedAndOpenedAgain)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qresults", "Event\\Results\\ShowAllFSInRed:Bool=1\r\n");
    const std::wstring workout = road.Folder().PathOf(L"trials.qvw");
    ASSERT_TRUE(road.Start());
    HWND main = road.Main();
    HWND list = road.NewWorkoutWithTrials();
    ASSERT_NE(nullptr, list) << "the downloaded trials were not listed:" << WindowsOf(road.Process());
    const H::Picture before = Settled(list);

    // Three rows, their numbers drawn in the trial column; false-start red
    // only in the first row, from its number down to the second's.
    const std::vector<Band> numbers = NumberBands(before);
    ASSERT_EQ(3u, numbers.size()) << "rows of the list";
    int redInFirst = 0, redOutside = 0;
    for (int y = 0; y < before.height; ++y)
        for (int x = 0; x < before.width; ++x)
            if (IsPureRed(before.At(x, y)))
                (y >= numbers[0].top - 2 && y < numbers[1].top ? redInFirst : redOutside)++;
    EXPECT_GT(redInFirst, 0);
    EXPECT_EQ(0, redOutside);

    ASSERT_TRUE(road.SaveWorkoutAs(workout)) << "not saved:" << WindowsOf(road.Process());
    H::Focus(main);
    H::Control('W');
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) == nullptr; })) << "the workout stayed open:" << WindowsOf(road.Process());
    H::Control('O');
    ASSERT_TRUE(ChooseFile(road.Process(), workout)) << "no open dialog:" << WindowsOf(road.Process());
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(main)) != nullptr; })) << "the workout did not open:" << WindowsOf(road.Process());
    const H::Picture after = Settled(list);
    EXPECT_EQ(before.width, after.width);
    EXPECT_EQ(before.height, after.height);
    EXPECT_TRUE(before.pixels == after.pixels) << "the list looks different after opening the workout again";

    EXPECT_EQ(0u, road.Close());

    QVEvent saved;
    QVResults *results = SavedResults(saved, workout);
    ASSERT_NE(nullptr, results) << "the saved workout cannot be read";
    ASSERT_EQ(3, results->ResultCount());
    int row = 0;
    for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result), ++row)
    {
        SCOPED_TRACE(row);
        EXPECT_EQ(std::wstring(L"Lane 1"), result->Source().CStr());
        EXPECT_EQ(row == 0, result->IsFalseStart());
        const unitsim::Trial &trial = road.UnitConfig().trials[size_t(row)];
        int different = 0;
        for (int i = 0; i < unitsim::kSamples; ++i)
            different += (result->Sample(0, i) != trial.x[size_t(i)] || result->Sample(1, i) != trial.y[size_t(i)]) ? 1 : 0;
        EXPECT_EQ(0, different);
    }
}

// Escape while Download All fetches the trials of a unit holding fifty:
// the download stops, the trials fetched so far stay in the workout and the
// status bar's percentage pane is empty again.
TEST(DownloadProgram, EscapeStopsADownloadAndTheTrialsFetchedSoFarStay)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qstopped");
    road.UseUnit(unitsim::Config::BlockSensorWithTrials(50));
    const std::wstring workout = road.Folder().PathOf(L"stopped.qvw");
    ASSERT_TRUE(road.Start());
    HWND main = road.Main();
    RECT message, progress;
    ASSERT_TRUE(StatusPanes(main, message, progress));
    const H::Picture emptyBar = H::CaptureScreen(progress);
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << "no trials listed:" << WindowsOf(road.Process());
    H::Key(VK_ESCAPE);
    ASSERT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 10000))
        << "the download went on";

    ASSERT_TRUE(road.SaveWorkoutAs(workout)) << "not saved:" << WindowsOf(road.Process());
    EXPECT_EQ(0u, road.Close());
    QVEvent saved;
    QVResults *results = SavedResults(saved, workout);
    ASSERT_NE(nullptr, results) << "the saved workout cannot be read";
    EXPECT_GE(results->ResultCount(), 3);
    EXPECT_LT(results->ResultCount(), 50);
    EXPECT_EQ(50u, road.Unit()->TrialCount()) << "the unit keeps its trials";
}
