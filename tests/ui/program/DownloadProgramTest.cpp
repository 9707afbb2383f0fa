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
#include "shell/program/QuorvaneProgram.h"
#include "support/ComPortPair.h"
#include "tools/unitsim/UnitSim.h"
#include "ui/program/ProgramHand.h"

namespace H = ProgramHand;

namespace {

const std::wstring kMainTitle = L"Quorvane Training  v1.32";

std::string Narrow(const std::wstring &text)
{
    return std::string(text.begin(), text.end());
}

void WriteSettings(const std::wstring &path, int port)
{
    const std::string text = "Registry Version: 1.00\r\n"
                             "SerialPorts\\:=\r\n"
                             "SerialPorts\\1\\:=\r\n"
                             "SerialPorts\\1\\Name:String=Lane 1\r\n"
                             "SerialPorts\\1\\SerialPort:String=" +
                             Narrow(ComPortPair::Description(port)) +
                             "\r\n"
                             "Serial\\PromptTraceDL:Bool=1\r\n"
                             "Event\\Results\\ShowAllFSInRed:Bool=1\r\n";
    WriteBytes(path, text);
}

// A common file dialog of the process.
HWND FindFileDialog(DWORD process)
{
    return H::FindWindowWhere(nullptr, [&](HWND window) {
        return H::ProcessOf(window) == process && IsWindowVisible(window) && H::ClassOf(window) == L"#32770";
    });
}

// The visible top-level windows of the process, for failure messages.
std::string WindowsOf(DWORD process)
{
    std::string names;
    H::FindWindowWhere(nullptr, [&](HWND window) {
        if (H::ProcessOf(window) == process && IsWindowVisible(window))
        {
            wchar_t text[128] = {};
            GetWindowTextW(window, text, 128);
            names += " [" + Narrow(H::ClassOf(window)) + " \"" + Narrow(text) + "\"]";
        }
        return false;
    });
    return names;
}

// Types the full file name into the program's file dialog and confirms it.
bool ChooseFile(const QuorvaneProgram &program, const std::wstring &path)
{
    HWND dialog = nullptr;
    if (!H::WaitFor([&] { return (dialog = FindFileDialog(program.ProcessId())) != nullptr; }))
        return false;
    H::Focus(dialog);
    H::Type(path);
    H::Key(VK_RETURN);
    return H::WaitFor([&] { return FindFileDialog(program.ProcessId()) == nullptr; });
}

// The list once it stopped changing.
H::Picture SettledList(HWND list)
{
    H::Picture last = H::Capture(list);
    for (int i = 0; i < 40; ++i)
    {
        H::Rest(500);
        H::Picture now = H::Capture(list);
        if (now.pixels == last.pixels)
            return now;
        last = now;
    }
    return last;
}

bool IsPureRed(COLORREF c)
{
    return c == RGB(255, 0, 0);
}

// The rows of the picture whose pixels are mostly the highlight colour:
// the selected row. first > last when there is none.
void HighlightBand(const H::Picture &picture, int &first, int &last)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    first = picture.height;
    last = -1;
    for (int y = 0; y < picture.height; ++y)
    {
        int count = 0;
        for (int x = 0; x < picture.width; ++x)
            count += picture.At(x, y) == highlight ? 1 : 0;
        if (count > picture.width / 3)
        {
            first = std::min(first, y);
            last = std::max(last, y);
        }
    }
}

int InkIn(const H::Picture &picture, int top, int bottom, COLORREF background)
{
    int count = 0;
    for (int y = std::max(0, top); y <= bottom && y < picture.height; ++y)
        for (int x = 0; x < picture.width - 20; ++x)
            count += picture.At(x, y) != background ? 1 : 0;
    return count;
}

} // namespace

TEST(DownloadProgram, TrialsOfABlockAreDownloadedListedSavedAndOpenedAgain)
{
    QV_REQUIRE_COMPORTS(pair);
    unitsim::Config config = unitsim::Config::BlockSensor();   // 99, 100 and 153 ms
    unitsim::Unit unit(config);
    ASSERT_TRUE(unit.Start(pair.peerPort));

    ShellScratch folder(L"qresults");
    QuorvaneProgram program(folder);
    WriteSettings(program.File(L"cfg"), pair.port);
    const std::wstring workout = folder.PathOf(L"trials.qvw");
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForWindow(kMainTitle, 60000);
    ASSERT_NE(nullptr, main);

    H::Focus(main);
    H::Control('N');
    HWND list = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(main)) != nullptr; })) << "no workout window";

    H::Control('T');
    HWND choice = nullptr;
    ASSERT_TRUE(H::WaitFor([&] {
        return (choice = H::FindTopWindow(program.ProcessId(), L"Select Trial from Lane 1")) != nullptr;
    })) << "no trial choice dialog";
    H::Rest(300);
    ASSERT_TRUE(QuorvaneProgram::Press(choice, L"Download All"));
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(choice) || !IsWindowVisible(choice); }));
    const H::Picture before = SettledList(list);

    // Three rows: the last downloaded (the third) is selected; false-start
    // red lies only in the band of the first row.
    int first = 0, last = 0;
    HighlightBand(before, first, last);
    ASSERT_LE(first, last) << "no selected row";
    const int rowHeight = last - first + 1;
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    int redOutside = 0, redInFirst = 0;
    for (int y = 0; y < before.height; ++y)
        for (int x = 0; x < before.width; ++x)
            if (IsPureRed(before.At(x, y)))
                (y >= first - 2 * rowHeight && y < first - rowHeight ? redInFirst : redOutside)++;
    EXPECT_GT(redInFirst, 0);
    EXPECT_EQ(0, redOutside);
    EXPECT_GT(InkIn(before, first - rowHeight, first - 1, window), 0);          // the second row
    EXPECT_EQ(0, InkIn(before, last + 1, before.height - 1, window));           // nothing below the third

    H::Focus(main);
    H::Control('S');
    ASSERT_TRUE(ChooseFile(program, workout)) << "no save dialog:" << WindowsOf(program.ProcessId());
    ASSERT_TRUE(H::WaitFor([&] { return FileExists(workout); }));
    H::Focus(main);
    H::Control('W');
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) == nullptr; })) << "the workout stayed open:" << WindowsOf(program.ProcessId());
    H::Control('O');
    ASSERT_TRUE(ChooseFile(program, workout)) << "no open dialog:" << WindowsOf(program.ProcessId());
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(main)) != nullptr; })) << "the workout did not open:" << WindowsOf(program.ProcessId());
    const H::Picture after = SettledList(list);
    EXPECT_EQ(before.width, after.width);
    EXPECT_EQ(before.height, after.height);
    EXPECT_TRUE(before.pixels == after.pixels) << "the list looks different after opening the workout again";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.WaitForExit());
    unit.Stop();

    QVEvent saved;
    ASSERT_EQ(0, saved.Open(QVEvent::kOpenRead, KString(workout.c_str())));
    ASSERT_NE(nullptr, saved.Leg(0));
    QVResults *results = saved.Leg(0)->Results();
    ASSERT_NE(nullptr, results);
    ASSERT_EQ(3, results->ResultCount());
    int row = 0;
    for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result), ++row)
    {
        SCOPED_TRACE(row);
        EXPECT_EQ(std::wstring(L"Lane 1"), result->Source().CStr());
        EXPECT_EQ(row == 0, result->IsFalseStart());
        const unitsim::Trial &trial = config.trials[size_t(row)];
        int different = 0;
        for (int i = 0; i < unitsim::kSamples; ++i)
            different += (result->Sample(0, i) != trial.x[size_t(i)] || result->Sample(1, i) != trial.y[size_t(i)]) ? 1 : 0;
        EXPECT_EQ(0, different);
    }
}
