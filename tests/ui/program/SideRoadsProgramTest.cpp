// Roads off the main one on quorvane.exe, walked with the keyboard as a
// user walks them: switching event windows by their Window-menu keys and
// going on with the next command key.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

const std::wstring kChoiceTitle = L"Select Trial from Lane 1";

HWND WaitForTop(const ProgramRoad &road, const std::wstring &title, DWORD timeout)
{
    HWND window = nullptr;
    H::WaitFor([&] { return (window = H::FindTopWindow(road.Process(), title)) != nullptr; }, timeout);
    return window;
}

} // namespace

// Alt+1 picks the first event window from the Window menu's keys; releasing
// Alt afterwards must not leave the menu bar waiting for a key, or the
// next command key (here Ctrl+T, Download Trace) is lost.
TEST(SideRoadsProgram, ACommandKeyRightAfterAltAndAWindowNumberIsCarriedOut)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qaltkeys");
    ASSERT_TRUE(road.Start()) << "the program or the simulated unit did not start";
    H::Focus(road.Main());
    H::Control('N');
    HWND list = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(road.Main())) != nullptr; })) << WindowsOf(road.Process());
    H::Rest(500);
    // The keyboard stays with the new workout's list, as after a click on it.
    H::Click(list, 60, 60);
    H::Rest(300);

    for (int round = 0; round < 2; ++round) {
        H::Chord({ VK_MENU, '1' });
        H::Rest(700);
        H::Control('T');
        HWND choice = WaitForTop(road, kChoiceTitle, 10000);
        ASSERT_NE(nullptr, choice) << "Ctrl+T after Alt+1 did nothing (round " << round + 1
                                   << "):" << WindowsOf(road.Process());
        H::Rest(300);
        H::Key(VK_ESCAPE);
        ASSERT_TRUE(H::WaitFor([&] { return H::FindTopWindow(road.Process(), kChoiceTitle) == nullptr; }));
        H::Rest(500);
    }
}
