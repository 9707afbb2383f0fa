// A scoreboard set up in the options of a running quorvane.exe, as a user
// sets one up: clicks and keys from this process, and what the board
// receives read on the far end of a second COM pair.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "foundation/comm/KSerialPort.h"
#include "foundation/strings/KString.h"
#include "shell/support/ShellScratch.h"
#include "support/ComPortPair.h"
#include "ui/program/ProgramHand.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;

namespace {

// Chooses the entry with that text in a drop-down list as a user does: a
// click opens the list, the arrow keys step to the entry and a click on it
// takes it (Enter would also reach the dialog's default button).
bool ChooseEntry(DWORD process, HWND combo, const std::wstring &text)
{
    const LRESULT wanted = SendMessageW(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()));
    if (wanted == CB_ERR)
        return false;
    RECT rect = {};
    GetClientRect(combo, &rect);
    H::Click(combo, rect.right / 2, rect.bottom / 2);
    HWND list = nullptr;
    if (!H::WaitFor([&] {
            return (list = H::FindWindowWhere(nullptr, [&](HWND window) {
                        return H::ProcessOf(window) == process && IsWindowVisible(window) &&
                               H::ClassOf(window) == L"ComboLBox";
                    })) != nullptr;
        }, 3000))
        return false;
    LRESULT now = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (now == LB_ERR) {
        H::Key(VK_HOME);
        now = 0;
    }
    for (; now < wanted; ++now)
        H::Key(VK_DOWN);
    for (; now > wanted; --now)
        H::Key(VK_UP);
    if (!H::WaitFor([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == wanted; }, 3000))
        return false;
    const int height = int(SendMessageW(list, LB_GETITEMHEIGHT, WPARAM(wanted), 0));
    const int top = int(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    H::Click(list, 8, (int(wanted) - top) * height + height / 2);
    return H::WaitFor([&] { return SendMessageW(combo, CB_GETCURSEL, 0, 0) == wanted && !IsWindowVisible(list); },
                      3000);
}

} // namespace

TEST(ScoreboardProgram, ABoardAddedInOptionsSendsItsInitAndContentOnceWithoutARestart)
{
    const ComPortPair board = ComPortPair::SecondFromEnvironment();
    if (!board.HasPort() || !board.HasPeerPort())
        GTEST_SKIP() << "needs a second COM port pair: run through ctest";
    ProgramRoad road(L"qboard");
    WriteBytes(road.Folder().PathOf(L"board.vss"), "[Init]\r\nI\r\n[Clear]\r\nC\r\n");
    KSerialPort peer;
    peer.SetReadEncoding(0);
    peer.SetReadLineEnd(0);
    ASSERT_TRUE(peer.Open(KString(ComPortPair::Description(board.peerPort, L"9600,8,N,1.0").c_str())));
    ASSERT_TRUE(road.Start());

    H::Focus(road.Main());
    H::Chord({ VK_MENU, 'S' });
    H::Rest(300);
    H::Key('T');
    HWND dialog = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (dialog = H::FindTopWindow(road.Process(), L"Options")) != nullptr; }))
        << WindowsOf(road.Process());
    H::Rest(500);
    HWND add = H::FindChildByText(dialog, L"New");
    ASSERT_NE(nullptr, add);
    H::ClickCenter(add);
    H::Rest(500);
    HWND script = ControlAfter(dialog, L"Script:", L"ComboBox");
    HWND port = ControlAfter(dialog, L"Serial Port:", L"ComboBox");
    ASSERT_TRUE(script && port);
    ASSERT_TRUE(IsWindowVisible(dialog)) << "after New";
    ASSERT_TRUE(ChooseEntry(road.Process(), script, L"board.vss"));
    ASSERT_TRUE(IsWindowVisible(dialog)) << "after the script";
    const std::wstring portName = L"COM" + std::to_wstring(board.port);
    ASSERT_TRUE(ChooseEntry(road.Process(), port, portName)) << "no " << std::string(portName.begin(), portName.end());
    HWND ok = H::FindChildByText(dialog, L"Ok");
    ASSERT_NE(nullptr, ok) << IsWindowVisible(dialog) << WindowsOf(road.Process());
    H::ClickCenter(ok);
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));

    EXPECT_EQ("IC", CollectFromPort(peer, 2500)) << "the board does not start at Ok";
    EXPECT_EQ("", CollectFromPort(peer, 1500)) << "equal content is sent again";
    EXPECT_EQ(0u, road.Close());
}
