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

struct Band
{
    int top;
    int bottom;
};

// Ink: a pixel that differs from the row's background, taken at the left
// edge of the trial column.
bool IsInk(COLORREF c, COLORREF background)
{
    auto apart = [](int a, int b) { return a - b > 30 || b - a > 30; };
    return apart(GetRValue(c), GetRValue(background)) || apart(GetGValue(c), GetGValue(background)) ||
           apart(GetBValue(c), GetBValue(background));
}

// The runs of rows holding a few ink pixels near the left of the trial
// column (a row number; edge lines across the column hold many).
std::vector<Band> NumberBands(const H::Picture &picture)
{
    std::vector<Band> bands;
    bool inside = false;
    for (int y = 0; y < picture.height; ++y)
    {
        int ink = 0;
        const COLORREF background = picture.At(3, y);
        for (int x = 6; x < 30 && x < picture.width; ++x)
            ink += IsInk(picture.At(x, y), background) ? 1 : 0;
        const bool glyph = ink > 0 && ink < 12;
        if (glyph && !inside)
            bands.push_back({ y, y });
        if (glyph)
            bands.back().bottom = y;
        inside = glyph;
    }
    return bands;
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
    // The download goes on after the dialog has gone (the port settles for a
    // second first): wait for its rows before the list counts as settled.
    ASSERT_TRUE(H::WaitFor([&] { return NumberBands(H::Capture(list)).size() >= 3; }, 60000))
        << "the downloaded trials were not listed";
    const H::Picture before = SettledList(list);

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
