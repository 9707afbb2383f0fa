// The chart on the program's main road: the overlay built by clicks on the
// rows of the results list, each click showing one more curve with its own
// colour and legend entry, and the chart written to a Targa file from the
// Chart menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

// The overlay's colours of series 1 to 12 as the screen shows them.
constexpr int kSeries = 12;
const COLORREF kSeriesColour[kSeries] = {
    RGB(0, 0, 0),       RGB(0, 0, 255),   RGB(0, 255, 0),     RGB(255, 0, 255), RGB(128, 0, 0),     RGB(0, 128, 0),
    RGB(0, 0, 128),     RGB(0, 128, 128), RGB(128, 0, 128),   RGB(128, 128, 0), RGB(128, 128, 128), RGB(0, 255, 255),
};

bool IsInk(COLORREF c)
{
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return 255 - r >= 60 || 255 - g >= 60 || 255 - b >= 60;
}

// The chart control of the event window: the largest framework window
// without children under the chart's pane (the one below the results list).
HWND FindChart(HWND eventWindow, HWND list)
{
    RECT listRect;
    GetWindowRect(list, &listRect);
    HWND best = nullptr;
    LONG bestArea = 0;
    H::FindWindowWhere(eventWindow, [&](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        const LONG area = (r.right - r.left) * (r.bottom - r.top);
        if (H::ClassOf(window) == L"ZafWindow" && IsWindowVisible(window) && !GetWindow(window, GW_CHILD) &&
            r.top > listRect.bottom && area > bestArea)
        {
            best = window;
            bestArea = area;
        }
        return false;
    });
    return best;
}

// One legend entry: its rows, its pixels of each series colour and which
// pixels of its rows hold ink.
struct Entry
{
    int top = 0;
    int bottom = 0;
    int colourPixels[kSeries] = {};
    std::vector<bool> ink;   // (right part of the chart) x (rows), row by row
};

// The legend's entries, top first: runs of rows in the right tenth of the
// chart's upper three quarters where the same series colour is the most
// frequent.
std::vector<Entry> Legend(const H::Picture &chart)
{
    const int left = chart.width * 9 / 10;
    std::vector<Entry> entries;
    int last = -1;
    for (int y = 0; y < chart.height * 3 / 4; ++y)
    {
        int count[kSeries] = {};
        for (int x = left; x < chart.width; ++x)
            for (int k = 0; k < kSeries; ++k)
                count[k] += chart.At(x, y) == kSeriesColour[k] ? 1 : 0;
        int dominant = -1;
        for (int k = 0; k < kSeries; ++k)
            if (count[k] > 0 && (dominant < 0 || count[k] > count[dominant]))
                dominant = k;
        if (dominant >= 0 && dominant != last)
            entries.push_back(Entry{ y, y, {}, {} });
        if (dominant >= 0)
        {
            Entry &e = entries.back();
            e.bottom = y;
            for (int k = 0; k < kSeries; ++k)
                e.colourPixels[k] += count[k];
            for (int x = left; x < chart.width; ++x)
                e.ink.push_back(IsInk(chart.At(x, y)));
        }
        last = dominant;
    }
    return entries;
}

// Pixels of a colour inside the plot (left of the legend, above the time axis).
int PlotPixels(const H::Picture &chart, COLORREF colour)
{
    int n = 0;
    for (int y = chart.height / 10; y < chart.height * 3 / 4; ++y)
        for (int x = chart.width / 8; x < chart.width * 3 / 4; ++x)
            n += chart.At(x, y) == colour ? 1 : 0;
    return n;
}

class ChartProgram : public ::testing::Test
{
protected:
    // A new workout with the unit's trials downloaded (the first three
    // rows shown) and its chart.
    void Open()
    {
        ASSERT_TRUE(road->Start());
        list = road->NewWorkoutWithTrials();
        ASSERT_NE(nullptr, list) << "the downloaded trials were not listed:" << WindowsOf(road->Process());
        rows = NumberBands(Settled(list));
        ASSERT_GE(rows.size(), 3u);
        chart = FindChart(road->EventWindow(), list);
        ASSERT_NE(nullptr, chart) << "no chart below the results list";
    }
    // The Chart menu by keys (its first entry is highlighted), then these keys.
    void ChartMenu(std::initializer_list<WORD> keys)
    {
        H::Focus(road->Main());
        H::Chord({ VK_MENU, 'C' });
        H::Rest(300);
        for (WORD key : keys)
            H::Key(key);
        H::Rest(300);
    }
    // A click on the trial number of row (0 is the first) and the chart
    // once it shows that many legend entries.
    H::Picture ClickRow(int row, size_t entries)
    {
        H::Click(list, 20, (rows[size_t(row)].top + rows[size_t(row)].bottom) / 2);
        H::WaitFor([&] { return Legend(H::Capture(chart)).size() == entries; }, 5000);
        return Settled(chart);
    }

    std::unique_ptr<ProgramRoad> road = std::make_unique<ProgramRoad>(L"qchart");
    HWND list = nullptr;
    HWND chart = nullptr;
    std::vector<Band> rows;
};

} // namespace

TEST_F(ChartProgram, ANewWorkoutsChartShowsItsEmptyFrameNotAGreyBox)
{
    ASSERT_TRUE(road->Start());
    H::Focus(road->Main());
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(road->Main())) != nullptr; })) << "no workout window";
    HWND eventWindow = list;
    while (eventWindow && GetParent(eventWindow) && H::ClassOf(GetParent(eventWindow)) != L"MDIClient")
        eventWindow = GetParent(eventWindow);
    chart = FindChart(eventWindow, list);
    ASSERT_NE(nullptr, chart);
    const H::Picture shown = Settled(chart);
    // The engine's bare box is a light grey square; the empty frame is the
    // white face with its black axes and labels.
    int grey = 0, black = 0;
    for (COLORREF c : shown.pixels)
    {
        grey += c == RGB(192, 192, 192) ? 1 : 0;
        black += c == RGB(0, 0, 0) ? 1 : 0;
    }
    EXPECT_LT(grey, int(shown.pixels.size()) / 100);
    EXPECT_GT(black, 1000) << "axes of the empty frame";
}

// The results' and the chart's printers are made at their first use:
// Printer Setup in the Results and in the Chart menu is where the program
// first reaches the spooler and the system's print dialog (both loaded at
// that call, not with the program). Each time the dialog (or, without a
// printer, the system's box saying so) shows, and Escape closes it.
TEST_F(ChartProgram, PrinterSetupOfTheResultsAndOfTheChartShowsTheSystemDialogAndEscapeClosesIt)
{
    QV_REQUIRE_COMPORTS(pair);
    Open();
    // Alt+R, P and Alt+C, P: each menu's "&Printer Setup...".
    const std::vector<std::pair<WORD, const char *>> menus = { { 'R', "Results" }, { 'C', "Chart" } };
    for (const auto &menu : menus)
    {
        SCOPED_TRACE(menu.second);
        H::Focus(road->Main());
        H::Chord({ VK_MENU, menu.first });
        H::Rest(300);
        H::Key('P');
        HWND dialog = nullptr;
        ASSERT_TRUE(H::WaitFor([&] {
            dialog = H::FindWindowWhere(nullptr, [&](HWND window) {
                return H::ProcessOf(window) == road->Process() && IsWindowVisible(window) &&
                       H::ClassOf(window) == L"#32770";
            });
            return dialog != nullptr;
        })) << "no print setup dialog:" << WindowsOf(road->Process());
        H::Focus(dialog);
        H::Key(VK_ESCAPE);
        ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
            << "the dialog stayed:" << WindowsOf(road->Process());
        DWORD_PTR answer = 0;
        ASSERT_NE(0, SendMessageTimeoutW(road->Main(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer))
            << "the main window does not answer";
    }
    EXPECT_TRUE(road->Program().Running());
}

// A click on the time to distance of the selected row opens its
// "Photobeam Breaks" pop-up; in overlay mode that click leaves the overlay
// as it was (the row's trace stays).
TEST_F(ChartProgram, OpeningThePhotobeamBreaksOfAnOverlaidRowKeepsItsTrace)
{
    QV_REQUIRE_COMPORTS(pair);
    Open();
    ChartMenu({ VK_RETURN });   // Overlay Mode
    ASSERT_EQ(1u, Legend(ClickRow(0, 1)).size());
    H::Rest(GetDoubleClickTime() + 200);
    const int timeToDistance = ColumnMiddle(list, 6);
    H::Click(list, timeToDistance, (rows[0].top + rows[0].bottom) / 2);
    HWND popUp = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (popUp = H::VisibleMenu(road->Process())) != nullptr; }, 5000))
        << "no pop-up:" << WindowsOf(road->Process());
    H::Key(VK_ESCAPE);
    H::Key(VK_ESCAPE);
    H::WaitFor([&] { return !IsWindowVisible(popUp); }, 3000);
    H::Rest(500);
    EXPECT_EQ(1u, Legend(Settled(chart)).size()) << "the click that opened the pop-up took the trace away";
}

TEST_F(ChartProgram, EachClickedRowJoinsTheOverlayWithItsCurveColourAndTrialLabel)
{
    QV_REQUIRE_COMPORTS(pair);
    Open();
    ChartMenu({ VK_RETURN });   // Overlay Mode
    // Rows 3, 1, 2, then, after Clear Overlay, rows 2 and 3 (the second has
    // neither a power nor a time to distance).
    const std::vector<std::vector<int>> orders = { { 2, 0, 1 }, { 1, 2 } };
    std::vector<std::vector<std::vector<bool>>> labels(orders.size());   // ink of each entry, by order
    for (size_t o = 0; o < orders.size(); ++o)
    {
        if (o > 0)
            ChartMenu({ VK_DOWN, VK_RETURN });   // Clear Overlay
        for (size_t k = 0; k < orders[o].size(); ++k)
        {
            SCOPED_TRACE("order " + std::to_string(o) + ", click " + std::to_string(k + 1));
            const H::Picture shown = ClickRow(orders[o][k], k + 1);
            const std::vector<Entry> legend = Legend(shown);
            ASSERT_EQ(k + 1, legend.size()) << "legend entries";
            // The newest curve lies on top of the others, in its own colour.
            EXPECT_GT(PlotPixels(shown, kSeriesColour[k]), 300) << "curve " << k + 1;
            for (size_t e = 0; e < legend.size(); ++e)
                EXPECT_GT(legend[e].colourPixels[e], 10) << "legend entry " << e + 1 << " in its series' colour";
            labels[o].clear();
            for (const Entry &e : legend)
                labels[o].push_back(e.ink);
        }
    }
    // "Trial 3", "Trial 1", "Trial 2", then "Trial 2", "Trial 3": each row
    // names its own trial, whatever the order of the clicks.
    ASSERT_EQ(3u, labels[0].size());
    ASSERT_EQ(2u, labels[1].size());
    EXPECT_NE(labels[0][0], labels[0][1]);
    EXPECT_NE(labels[0][0], labels[0][2]);
    EXPECT_NE(labels[0][1], labels[0][2]);
    EXPECT_EQ(labels[0][2], labels[1][0]) << "Trial 2";
    EXPECT_EQ(labels[0][0], labels[1][1]) << "Trial 3";
}

// The overlay's full twelve traces, reached as a user reaches them: with
// "Add trace downloads to the overlay" ticked in the options (Serial page),
// Results > Download Trace and "Download All" on a block sensor holding
// twelve trials (by hand: tools/unitsim "unitsim COM -trials 12") put every
// downloaded trace into the overlay.
TEST_F(ChartProgram, TwelveTracesDownloadedIntoTheOverlayShowTwelveCurvesAndLegendEntries)
{
    QV_REQUIRE_COMPORTS(pair);
    road = std::make_unique<ProgramRoad>(L"qchart12", "Serial\\AddDLToOvly:Bool=1\r\n");
    road->UseUnit(unitsim::Config::BlockSensorWithTrials(12));
    Open();
    ASSERT_TRUE(H::WaitFor([&] { return Legend(H::Capture(chart)).size() == 12; }, 120000))
        << Legend(H::Capture(chart)).size() << " legend entries";
    const H::Picture shown = Settled(chart);
    const std::vector<Entry> legend = Legend(shown);
    ASSERT_EQ(12u, legend.size());
    for (int k = 0; k < kSeries; ++k)
        EXPECT_GT(legend[size_t(k)].colourPixels[k], 10) << "legend entry " << k + 1 << " in its series' colour";
    EXPECT_GT(PlotPixels(shown, kSeriesColour[kSeries - 1]), 300) << "the twelfth curve";
}

// Export Bitmap... asks where over the disabled main window; End task
// meanwhile waits: the chart is written whole, and the close then asks to
// save the workout.
TEST_F(ChartProgram, ExportBitmapAsksOverTheDisabledMainWindowWritesTheChartWholeThenRunsACloseMadeWhileItAsked)
{
    QV_REQUIRE_COMPORTS(pair);
    Open();
    const H::Picture shown = Settled(chart);
    RECT message, progress;
    ASSERT_TRUE(StatusPanes(road->Main(), message, progress));
    const H::Picture emptyBar = H::CaptureScreen(progress);
    const std::wstring path = road->Folder().PathOf(L"chart.tga");
    ChartMenu({ 'B' });   // Export Bitmap...
    ASSERT_TRUE(H::WaitFor([&] { return FindFileDialog(road->Process()) != nullptr; })) << WindowsOf(road->Process());
    RequestClose(road->Main());
    H::Rest(500);
    ASSERT_TRUE(ChooseFile(road->Process(), path, road->Main()))
        << "no save dialog over the disabled main window:" << WindowsOf(road->Process());
    ASSERT_TRUE(H::WaitFor([&] { return FileExists(path) && ReadBytes(path).size() > 18; }));
    H::Rest(500);
    const std::string file = ReadBytes(path);
    ASSERT_GT(file.size(), 18u);
    auto byte = [&](size_t i) { return uint8_t(file[i]); };
    auto word = [&](size_t i) { return int(byte(i) | (byte(i + 1) << 8)); };
    EXPECT_EQ(2, byte(2)) << "uncompressed true colour";
    ASSERT_EQ(shown.width, word(12));
    ASSERT_EQ(shown.height, word(14));
    const int bytesPerPixel = byte(16) / 8;
    ASSERT_GE(bytesPerPixel, 3);
    const bool topFirst = (byte(17) & 0x20) != 0;
    const size_t start = 18 + byte(0);
    ASSERT_EQ(start + size_t(shown.width) * size_t(shown.height) * size_t(bytesPerPixel), file.size());
    int different = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
        {
            const int row = topFirst ? y : shown.height - 1 - y;
            const size_t at = start + (size_t(row) * size_t(shown.width) + size_t(x)) * size_t(bytesPerPixel);
            different += RGB(byte(at + 2), byte(at + 1), byte(at)) != shown.At(x, y) ? 1 : 0;
        }
    EXPECT_EQ(0, different) << "pixels of the file that differ from the chart on the screen";
    EXPECT_GT(PlotPixels(shown, RGB(0, 0, 255)), 300) << "the chart showed its trace";
    EXPECT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 3000))
        << "the status bar's percentage pane kept a value after the export";
    HWND question = WaitForSaveOnExit(road->Process());
    ASSERT_NE(nullptr, question) << "the held close did not run:" << WindowsOf(road->Process());
    ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
    EXPECT_EQ(0u, road->Program().WaitForExit(30000)) << WindowsOf(road->Process());
}
