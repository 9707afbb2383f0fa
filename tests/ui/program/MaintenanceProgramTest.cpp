// The Hardware menu's unit maintenance on quorvane.exe, worked from the
// keyboard and mouse as a user works it, against the simulated block sensor
// on a COM pair: sounds chosen in the sound-file dialog and loaded into the
// unit, a firmware update, deleting all trials, and the questions that
// close each of them answered with Enter (their default, No).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/TestBytes.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

const std::wstring kConfirmTitle = L"Confirm";

// A small WAV file of size bytes whose sound differs with seed.
std::string WaveBytes(int seed, size_t size)
{
    return WaveFileBytes(size - 44, unsigned(seed));
}

std::vector<uint8_t> AsVector(const std::string &bytes)
{
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The visible descendants of parent whose text, without its mnemonic '&',
// is exactly text, top first.
std::vector<HWND> ChildrenByText(HWND parent, const std::wstring &text)
{
    std::vector<HWND> found;
    H::FindWindowWhere(parent, [&](HWND window) {
        wchar_t label[64] = {};
        GetWindowTextW(window, label, 64);
        std::wstring plain(label);
        plain.erase(std::remove(plain.begin(), plain.end(), L'&'), plain.end());
        if (IsWindowVisible(window) && plain == text)
            found.push_back(window);
        return false;
    });
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
        RECT ra = {}, rb = {};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    return found;
}

// The open dialog a Browse button of owner brings up (the program's own
// dialogs share the class of the system's file dialogs): types the path and
// confirms it; false when no such dialog came, it stayed, or it was not
// owned by owner, which it keeps disabled while it is up.
bool ChooseFileFrom(DWORD process, HWND owner, const std::wstring &path)
{
    auto fileDialog = [&] {
        return H::FindWindowWhere(nullptr, [&](HWND window) {
            return window != owner && H::ProcessOf(window) == process && IsWindowVisible(window) &&
                   H::ClassOf(window) == L"#32770";
        });
    };
    HWND dialog = nullptr;
    if (!H::WaitFor([&] { return (dialog = fileDialog()) != nullptr; }))
        return false;
    if (GetWindow(dialog, GW_OWNER) != owner || IsWindowEnabled(owner))
        return false;
    H::Rest(300);
    H::Focus(dialog);
    H::Type(path);
    H::Key(VK_RETURN);
    return H::WaitFor([&] { return fileDialog() == nullptr; });
}

// The host's monitor lines that start with prefix ("W ", "F ").
int HostLines(const unitsim::Unit &unit, const std::string &prefix)
{
    int count = 0;
    for (const unitsim::Record &record : unit.Transcript())
        if (record.fromHost && record.text.compare(0, prefix.size(), prefix) == 0)
            ++count;
    return count;
}

class MaintenanceProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QV_REQUIRE_COMPORTS(pair);
        road = std::make_unique<ProgramRoad>(L"qmaint");
        ASSERT_TRUE(road->Start()) << "the program or the simulated unit did not start";
        unit = road->Unit();
        ASSERT_NE(nullptr, unit);
    }

    // Opens the Hardware menu by keys and chooses the entry with its letter.
    void HardwareMenu(char entry)
    {
        H::Focus(road->Main());
        H::Chord({ VK_MENU, 'H' });
        H::Rest(300);
        H::Key(WORD(entry));
    }

    HWND WaitForTop(const std::wstring &title, DWORD timeout = 15000)
    {
        HWND window = nullptr;
        H::WaitFor([&] { return (window = H::FindTopWindow(road->Process(), title)) != nullptr; }, timeout);
        if (window)
            H::Rest(500);
        return window;
    }

    // Waits for the question box with that text; null when none came.
    HWND WaitForQuestion(const std::wstring &title, const std::wstring &text, DWORD timeout = 30000)
    {
        HWND box = nullptr;
        H::WaitFor(
            [&] {
                box = H::FindTopWindow(road->Process(), title);
                return box && QuorvaneProgram::BoxText(box) == text;
            },
            timeout);
        if (box)
            H::Rest(500);
        return box;
    }

    // Enter on the box, as a user answers it with the keyboard.
    void AnswerWithEnter(HWND box)
    {
        H::Focus(box);
        H::Key(VK_RETURN);
        ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000))
            << "Enter left the box open:" << WindowsOf(road->Process());
    }

    std::unique_ptr<ProgramRoad> road;
    unitsim::Unit *unit = nullptr;
};

} // namespace

TEST_F(MaintenanceProgram, LoadAudioSendsTheTwoChosenSoundsAndEnterOnAnotherUnitEndsTheLoop)
{
    const std::string onMarks = WaveBytes(1, 3000), set = WaveBytes(2, 2100);
    const std::wstring onMarksFile = road->Folder().PathOf(L"marks.wav");
    const std::wstring setFile = road->Folder().PathOf(L"set.wav");
    WriteBytes(onMarksFile, onMarks);
    WriteBytes(setFile, set);
    unit->PowerOff();

    HardwareMenu('L');
    HWND dialog = WaitForTop(L"Load Audio");
    ASSERT_NE(nullptr, dialog) << "Hardware > Load Audio... showed no sound dialog:" << WindowsOf(road->Process());
    EXPECT_NE(nullptr, H::FindChildByText(dialog, L"Turn off the Quorvane unit, press OK, then turn the unit on"));
    EXPECT_EQ(nullptr, H::FindChildByText(dialog, L"Gun:")) << "the gun sound is offered only with -gunaudio";
    const std::vector<HWND> browse = ChildrenByText(dialog, L"Browse");
    ASSERT_EQ(2u, browse.size()) << "a Browse button for on your marks and one for set";
    H::ClickCenter(browse[0]);
    ASSERT_TRUE(ChooseFileFrom(road->Process(), dialog, onMarksFile)) << "no open dialog:" << WindowsOf(road->Process());
    H::ClickCenter(browse[1]);
    ASSERT_TRUE(ChooseFileFrom(road->Process(), dialog, setFile)) << "no open dialog:" << WindowsOf(road->Process());
    HWND ok = H::FindChildByText(dialog, L"Ok");
    ASSERT_NE(nullptr, ok);
    H::ClickCenter(ok);
    unit->PowerOn(300);

    HWND another = WaitForQuestion(kConfirmTitle, L"Load audio on another Quorvane unit?");
    ASSERT_NE(nullptr, another) << "no question after the upload:" << WindowsOf(road->Process());
    EXPECT_EQ(AsVector(onMarks), unit->Sound(0));
    EXPECT_EQ(AsVector(set), unit->Sound(1));
    EXPECT_TRUE(unit->Sound(2).empty());

    // A Yes would load the same sounds into the next unit switched on: with
    // the unit ready for it, Enter must leave it alone.
    unit->ClearTranscript();
    unit->PowerOff();
    unit->PowerOn();
    AnswerWithEnter(another);
    H::Rest(4000);
    EXPECT_EQ(0, HostLines(*unit, "W ")) << "Enter loaded the sounds again";
    EXPECT_EQ(nullptr, H::FindTopWindow(road->Process(), kConfirmTitle));
}

// A sound whose format chunk gives no channels: the program names the file,
// says why on the next line and sends the unit nothing.
TEST_F(MaintenanceProgram, LoadAudioRefusesASoundWithoutChannelsSaysWhyAndSendsNothing)
{
    std::string mute = WaveBytes(3, 2000);
    mute[22] = mute[23] = 0;   // the channels of the format chunk
    const std::wstring muteFile = road->Folder().PathOf(L"mute.wav");
    WriteBytes(muteFile, mute);

    HardwareMenu('L');
    HWND dialog = WaitForTop(L"Load Audio");
    ASSERT_NE(nullptr, dialog) << "Hardware > Load Audio... showed no sound dialog:" << WindowsOf(road->Process());
    const std::vector<HWND> browse = ChildrenByText(dialog, L"Browse");
    ASSERT_FALSE(browse.empty());
    H::ClickCenter(browse[0]);
    ASSERT_TRUE(ChooseFileFrom(road->Process(), dialog, muteFile)) << "no open dialog:" << WindowsOf(road->Process());
    H::ClickCenter(H::FindChildByText(dialog, L"Ok"));

    HWND box = WaitForTop(L"Error");
    ASSERT_NE(nullptr, box) << "the sound was not refused:" << WindowsOf(road->Process());
    const std::vector<std::wstring> lines = QuorvaneProgram::BoxLines(box);
    ASSERT_EQ(2u, lines.size());
    EXPECT_TRUE(lines[0] == L"The file cannot be used: " + muteFile);
    EXPECT_TRUE(lines[1] == L"Its format chunk gives no format, no channels, no sample rate or no sample size.");
    EXPECT_EQ(2u, QuorvaneProgram::PaintedLines(box).size()) << "lines painted";
    AnswerWithEnter(box);
    H::Rest(1000);
    EXPECT_EQ(0, HostLines(*unit, "W ")) << "a sound was sent";
    EXPECT_TRUE(unit->Sound(0).empty());
}

TEST_F(MaintenanceProgram, EnterOnUpdateFirmwareOnAnotherUnitEndsTheLoop)
{
    std::string image(5000, '\0');
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = char((i * 31 + 5) & 0xff);
    const std::wstring imageFile = road->Folder().PathOf(L"unit.img");
    WriteBytes(imageFile, image);
    unit->PowerOff();

    HardwareMenu('U');
    HWND power = WaitForTop(L"Power");
    ASSERT_NE(nullptr, power) << "no power prompt:" << WindowsOf(road->Process());
    AnswerWithEnter(power);
    ASSERT_TRUE(ChooseFile(road->Process(), imageFile, road->Main()))
        << "no open dialog over the disabled main window:" << WindowsOf(road->Process());
    unit->PowerOn(300);

    HWND another = WaitForQuestion(kConfirmTitle, L"Update firmware on another Quorvane unit?");
    ASSERT_NE(nullptr, another) << "no question after the update:" << WindowsOf(road->Process());
    EXPECT_EQ(AsVector(image), unit->Firmware());
    AnswerWithEnter(another);
    H::Rest(2000);
    EXPECT_EQ(nullptr, H::FindTopWindow(road->Process(), L"Power")) << "Enter went on to the next unit";
}

// Hardware > Delete All Trials: while the port settles and the unit is
// asked, the main window answers within half a second; Enter on the
// question (its default, No) leaves the unit's trials alone.
TEST_F(MaintenanceProgram, DeleteAllTrialsKeepsTheWindowAnsweringAndEnterKeepsTheUnitsTrials)
{
    ASSERT_EQ(3u, unit->TrialCount());
    HardwareMenu('D');
    EXPECT_LE(H::LongestAnswer(road->Main(), 1500), 500u) << "ms the main window took to answer";
    HWND sure = WaitForQuestion(L"Delete All trials",
                                L"Are you sure you want to delete all trials from this Block Sensor?");
    ASSERT_NE(nullptr, sure) << "no question before deleting:" << WindowsOf(road->Process());
    AnswerWithEnter(sure);
    H::Rest(2000);
    EXPECT_EQ(3u, unit->TrialCount()) << "Enter deleted the trials";
}
