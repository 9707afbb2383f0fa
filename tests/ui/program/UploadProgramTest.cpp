// Firmware uploads as a user does them: Hardware > Update Firmware..., the
// power box, the image chosen in the open dialog and the simulated Control
// Center switched off and on again on the COM pair. While the image goes
// out, the status bar shows how far it got, the windows repaint, the
// photo-finish system's results requests are answered and Escape stops it;
// the unit then takes the next image whole.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <functional>
#include <string>

#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "foundation/comm/KSocket.h"
#include "foundation/comm/KTCPSocket.h"
#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"
#include "support/FreePort.h"
#include "support/TestBytes.h"
#include "ui/program/ProgramRoad.h"

namespace H = ProgramHand;
using ProgramHand::Narrow;

namespace {

constexpr COLORREF kCover = RGB(255, 0, 255);
// The settings line that makes the program listen for the photo-finish
// system on port.
std::string ResultsLink(int port)
{
    return "Database\\QIF\\SerialPort:String=-2,," + std::to_string(port) + "\r\n";
}

HCURSOR ShownPointer()
{
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

// Columns of the percentage pane that differ from the empty pane's over
// most of their height: the filled part of the bar (one column a
// percent, two thirds of the pane's height), not the strokes of its text
// (under half of it).
int Filled(const H::Picture &pane, const H::Picture &empty)
{
    int filled = 0;
    for (int x = 0; x < pane.width && x < empty.width; ++x)
    {
        int changed = 0;
        for (int y = 0; y < pane.height && y < empty.height; ++y)
            changed += pane.At(x, y) != empty.At(x, y) ? 1 : 0;
        filled += changed * 5 > pane.height * 3 ? 1 : 0;
    }
    return filled;
}

// A click on the box's button with that label (case ignored).
void ClickButton(HWND box, const std::wstring &label)
{
    HWND button = H::FindWindowWhere(box, [&](HWND window) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        std::wstring plain;
        for (const wchar_t *c = text; *c; ++c)
            if (*c != L'&')
                plain += wchar_t(towlower(*c));
        std::wstring wanted;
        for (wchar_t c : label)
            wanted += wchar_t(towlower(c));
        return IsWindowVisible(window) && plain == wanted;
    });
    ASSERT_NE(nullptr, button) << "no button " << Narrow(label);
    EXPECT_TRUE(ClickToClose(box, button)) << "the box stayed after " << Narrow(label);
}

// A photo-finish system on loopback asks for a heat no document holds: the
// ms until the answer "RNR" came; -1 when another or none came within 5 s.
int RequestAnsweredAfter(KTCPSocket &link)
{
    const DWORD asked = GetTickCount();
    try
    {
        link.Write("RRQ,9,9,9\r\n", 11);
    }
    catch (const KX &)
    {
        return -1;
    }
    std::string answer;
    char buffer[64];
    while (answer.find('\n') == std::string::npos && GetTickCount() - asked < 5000)
    {
        try
        {
            link.SetReadTimeout(200);
            answer.append(buffer, size_t(link.ReadSome(buffer, sizeof buffer)));
        }
        catch (const KX &error)
        {
            // Nothing yet (a wait that ran out, or a socket reported
            // readable with nothing to take): ask again until the time is up.
            if (error.Code() != kErrSocketReceive || error.Extra() != WSAETIMEDOUT)
                return -1;
        }
    }
    return answer == "RNR\r\n" ? int(GetTickCount() - asked) : -1;
}

// A photo-finish system connected to the program's results link on port
// (once it listens); false when it does not within 15 s.
bool Connect(KTCPSocket &link, int port)
{
    link.SetReadTimeout(5000);
    return H::WaitFor([&] {
        try
        {
            link.Open(KString(L"-1,127.0.0.1,").AppendInt(port));
            return true;
        }
        catch (const KX &)
        {
            return false;
        }
    });
}

class UploadProgram : public ::testing::Test
{
protected:
    // A Control Center that keeps what it receives in the folder "unit".
    bool Start()
    {
        CreateDirectoryW(road.Folder().PathOf(L"unit").c_str(), nullptr);
        unitsim::Config unit = unitsim::Config::ControlCenter();
        unit.outputDir = Narrow(road.Folder().PathOf(L"unit"));
        unit.paced = pacedBaud > 0;
        unit.baud = unit.paced ? pacedBaud : unit.baud;
        road.UseUnit(unit);
        return road.Start();
    }
    // Hardware > Update Firmware...: the power box (the unit goes off, Ok),
    // the image chosen, the unit switched on again powerOnMs later.
    void BeginUpload(const std::wstring &image, int powerOnMs = 300)
    {
        H::Focus(road.Main());
        H::Chord({ VK_MENU, 'H' });
        H::Rest(300);
        H::Key('U');
        HWND power = road.Program().WaitForWindow(L"Power");
        ASSERT_NE(nullptr, power) << "no power box:" << WindowsOf(road.Process());
        road.Unit()->PowerOff();
        ClickButton(power, L"Ok");
        ASSERT_TRUE(ChooseFile(road.Process(), image)) << "no open dialog:" << WindowsOf(road.Process());
        road.Unit()->PowerOn(powerOnMs);
    }
    std::string Received() { return ReadBytes(road.Folder().PathOf(L"unit\\firmware.img")); }
    // Polls done until it holds: true. False once the unit has received
    // giveUpAt bytes of the image (counted before done is asked), or nothing
    // for two minutes. The unit's progress, not the clock, sets the pace: a
    // busy machine sends slowly and shows slowly.
    bool WhileTheUnitReceives(const std::function<bool()> &done, size_t giveUpAt = SIZE_MAX)
    {
        size_t received = 0;
        DWORD since = GetTickCount();
        for (;;)
        {
            const size_t arrived = road.Unit()->TransferReceived();
            if (done())
                return true;
            if (arrived >= giveUpAt)
                return false;
            if (arrived != received)
                received = arrived, since = GetTickCount();
            else if (GetTickCount() - since > 120000)
                return false;
            H::Rest(50);
        }
    }
    // The percentage the pane shows once it shows at least least, for an
    // image of size bytes; -1 when the unit got four percent more first (the
    // pane stood still while the image went out).
    int ShownAtLeast(const H::Picture &emptyBar, int least, size_t size)
    {
        int shown = -1;
        const bool seen = WhileTheUnitReceives(
            [&] { return (shown = Filled(H::CaptureScreen(progress), emptyBar)) >= least; }, size * size_t(least + 4) / 100);
        return seen ? shown : -1;
    }
    // Start, then the main window, the panes of its status bar and its MDI
    // client; false when one of them is missing.
    bool StartWithWindows()
    {
        if (!Start())
            return false;
        main = road.Main();
        client = H::FindWindowWhere(main, [](HWND w) { return H::ClassOf(w) == L"MDIClient"; });
        return StatusPanes(main, message, progress) && client;
    }

    HWND main = nullptr;
    HWND client = nullptr;
    RECT message = {};
    RECT progress = {};
    int pacedBaud = 0;   // the line rate the unit keeps to (0: as fast as the pseudo-terminal)
    const int resultsPort = FreeLoopbackPort();
    ProgramRoad road{ L"qupload", ResultsLink(resultsPort) + "Event\\SingleEvent:Int=0\r\n" };
};

} // namespace

TEST_F(UploadProgram, FirmwareUploadShowsItsProgressRepaintsAndStopsOnEscapeAndTheNextOneArrivesWholeThroughASessionEnd)
{
    QV_REQUIRE_COMPORTS(pair);
    const std::wstring big = road.Folder().PathOf(L"big.img");
    const std::wstring small = road.Folder().PathOf(L"small.img");
    const size_t bigSize = 3 * 1024 * 1024;
    WriteBytes(big, RandomBytes(bigSize, 3));
    WriteBytes(small, RandomBytes(200 * 1024, 5));
    ASSERT_TRUE(StartWithWindows()) << "no status bar or MDI client";
    H::MoveTo(client, 40, 40);
    H::Rest(300);
    const HCURSOR normal = ShownPointer();
    // A workout open, whose window answers the photo-finish system.
    H::Focus(main);
    H::Control('N');
    ASSERT_TRUE(H::WaitFor([&] { return H::FindList(main) != nullptr; })) << WindowsOf(road.Process());
    ASSERT_TRUE(KSocketStartup());
    KTCPSocket link;
    // The program listens from its first idle moment with the workout.
    ASSERT_TRUE(Connect(link, resultsPort)) << "the results link does not listen";
    EXPECT_GE(RequestAnsweredAfter(link), 0) << "no answer before the upload";
    H::Rest(300);
    const H::Picture emptyBar = H::CaptureScreen(progress);
    const H::Picture quietMessage = H::CaptureScreen(message);
    RECT area = { 20, 20, 220, 120 };
    MapWindowPoints(client, nullptr, reinterpret_cast<POINT *>(&area), 2);
    const H::Picture backdrop = H::CaptureScreen(area);

    BeginUpload(big, 2000);
    // The wait for the unit shows in the status bar, without a percentage.
    // (A pane that shows one is asked no more once the unit has data.)
    EXPECT_TRUE(H::WaitFor([&] { return !(H::CaptureScreen(message).pixels == quietMessage.pixels); }))
        << "nothing in the status bar while the program waits for the unit";
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels || road.Unit()->TransferReceived() > 0);
    // The percentage rises while the image goes out.
    const int first = ShownAtLeast(emptyBar, 2, bigSize);
    ASSERT_GE(first, 2) << "no progress shown:" << WindowsOf(road.Process());
    ASSERT_GT(ShownAtLeast(emptyBar, first + 2, bigSize), first + 1)
        << "the progress stood still at " << first << " with " << road.Unit()->TransferReceived() << " bytes sent";
    EXPECT_NE(normal, ShownPointer()) << "the wait pointer while the upload runs";
    const H::Picture sending = H::CaptureScreen(message);
    EXPECT_FALSE(sending.pixels == quietMessage.pixels) << "the status bar names the upload";
    // A region of the main window covered and uncovered is drawn again.
    HWND cover = H::Cover(area, kCover);
    H::PumpOwnMessages(500);
    EXPECT_EQ(kCover, H::CaptureScreen(area).At(50, 50)) << "the cover showed";
    DestroyWindow(cover);
    EXPECT_TRUE(H::WaitFor([&] { return H::CaptureScreen(area).pixels == backdrop.pixels; }, 2000))
        << "the uncovered region was not drawn again";
    EXPECT_GT(Filled(H::CaptureScreen(progress), emptyBar), first) << "the upload ran on";
    // Results requests are answered while the image goes out, on a new
    // connection: the first may have been silent longer than the program
    // keeps a client while a busy machine sends slowly.
    KTCPSocket during;
    ASSERT_TRUE(Connect(during, resultsPort)) << "the results link does not listen during the upload";
    for (int request = 0; request < 3; ++request)
    {
        const int took = RequestAnsweredAfter(during);
        EXPECT_GE(took, 0) << "request " << request << " not answered during the upload";
        EXPECT_LE(took, 1000) << "ms until request " << request << " was answered during the upload";
        H::Rest(200);
    }
    EXPECT_GT(Filled(H::CaptureScreen(progress), emptyBar), first) << "the upload ran on";

    // Escape ends it within a second, with no alert, and gives pointer,
    // status text and percentage pane back.
    H::Key(VK_ESCAPE);
    const DWORD pressed = GetTickCount();
    ASSERT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 5000))
        << "the percentage pane stayed:" << WindowsOf(road.Process());
    EXPECT_LE(GetTickCount() - pressed, 1000u) << "ms from Escape to the end of the upload";
    H::Rest(1000);
    EXPECT_EQ(nullptr, road.Program().WaitForWindow(L"Error", 10)) << WindowsOf(road.Process());
    EXPECT_EQ(normal, ShownPointer()) << "the normal pointer after the upload";
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels);
    EXPECT_FALSE(H::CaptureScreen(message).pixels == sending.pixels) << "the upload's text stayed in the status bar";
    EXPECT_TRUE(Received().empty()) << "the stopped image was kept as firmware";

    // The next upload arrives byte for byte, through a session end asked
    // meanwhile, refused and called off: nothing stops and nothing is asked.
    BeginUpload(small);
    ASSERT_TRUE(WhileTheUnitReceives([&] { return Filled(H::CaptureScreen(progress), emptyBar) >= 1; }))
        << "no progress shown:" << WindowsOf(road.Process());
    DWORD_PTR allowed = 2, ended = 2;
    ASSERT_NE(0, SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &allowed));
    EXPECT_EQ(FALSE, allowed) << "the session may end in the middle of the upload";
    ASSERT_NE(0, SendMessageTimeoutW(main, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended));
    HWND more = nullptr;
    ASSERT_TRUE(WhileTheUnitReceives([&] { return (more = road.Program().WaitForWindow(L"Confirm", 10)) != nullptr; }))
        << "the second upload did not end:" << WindowsOf(road.Process());
    EXPECT_TRUE(Received() == ReadBytes(small)) << Received().size() << " bytes received";
    ClickButton(more, L"No");
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(more); }));
    EXPECT_EQ(nullptr, WaitForSaveOnExit(road.Process(), 1000)) << "a close nobody asked for";
    EXPECT_TRUE(road.Program().Running());
    during.Close();
    link.Close();
    KSocketCleanup();
}

// A unit that stops answering in the middle of an image: while the program
// waits for its answer (up to the long time-out of 10 s) the main window
// answers and repaints within a second, and Escape ends the upload within a
// second, with no alert; the unit keeps no firmware from it.
TEST_F(UploadProgram, AUnitThatStopsAnsweringMidwayLeavesTheWindowAliveAndEscapeEndsTheWait)
{
    QV_REQUIRE_COMPORTS(pair);
    const std::wstring image = road.Folder().PathOf(L"hang.img");
    WriteBytes(image, RandomBytes(200 * 1024, 7));
    ASSERT_TRUE(StartWithWindows()) << "no status bar or MDI client";
    const H::Picture emptyBar = H::CaptureScreen(progress);
    RECT area = { 20, 20, 220, 120 };
    MapWindowPoints(client, nullptr, reinterpret_cast<POINT *>(&area), 2);
    road.Unit()->SilenceFromDataLine(1000);   // about a third of the image

    BeginUpload(image);
    ASSERT_TRUE(H::WaitFor([&] { return Filled(H::CaptureScreen(progress), emptyBar) >= 20; }, 30000))
        << "no progress shown:" << WindowsOf(road.Process());
    H::Rest(2000);   // the unit falls silent
    EXPECT_LE(H::LongestAnswer(main, 2500), 1000u) << "ms the main window took to answer while the unit was silent";
    EXPECT_LE(H::RepaintTime(area), 1000u) << "ms until an uncovered part was drawn again";
    ASSERT_FALSE(H::CaptureScreen(progress).pixels == emptyBar.pixels) << "the upload ended early";

    H::Key(VK_ESCAPE);
    const DWORD pressed = GetTickCount();
    ASSERT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 15000))
        << "the upload went on:" << WindowsOf(road.Process());
    EXPECT_LE(GetTickCount() - pressed, 1000u) << "ms from Escape to the end of the upload";
    H::Rest(1000);
    EXPECT_EQ(nullptr, road.Program().WaitForWindow(L"Error", 10)) << WindowsOf(road.Process());
    EXPECT_EQ(nullptr, road.Program().WaitForWindow(L"Confirm", 10)) << "asked about another unit";
    EXPECT_TRUE(Received().empty()) << "the stopped image was kept as firmware";
}

// A unit that falls silent after the first lines of an image, left to the
// long time-out: the error names the port group, its COM port and what to
// check, each painted on a line of its own, and the unit keeps nothing.
TEST_F(UploadProgram, AUnitSilentAfterTheFirstLinesOfAnImageIsNamedWithItsPortAndWhatToCheck)
{
    QV_REQUIRE_COMPORTS(pair);
    const std::wstring image = road.Folder().PathOf(L"mute.img");
    WriteBytes(image, RandomBytes(200 * 1024, 9));
    ASSERT_TRUE(Start());
    road.Unit()->SilenceFromDataLine(3);

    BeginUpload(image);
    HWND box = road.Program().WaitForBox(L"Error", 40000);
    ASSERT_NE(nullptr, box) << "no error after the unit fell silent:" << WindowsOf(road.Process());
    const std::vector<std::wstring> lines = QuorvaneProgram::BoxLines(box);
    ASSERT_EQ(3u, lines.size()) << Narrow(QuorvaneProgram::BoxText(box));
    EXPECT_EQ(0u, lines[0].find(L"Serial communication receive timeout (5002")) << Narrow(lines[0]);
    EXPECT_EQ(0u, lines[1].find(L"COM")) << "no port: " << Narrow(lines[1]);
    EXPECT_EQ(lines[1].size() - 9, lines[1].find(L" (Lane 1)")) << "no port group: " << Narrow(lines[1]);
    EXPECT_EQ(L"The unit did not answer: is it switched on and connected?", lines[2]);
    H::Rest(500);
    EXPECT_EQ(3u, QuorvaneProgram::PaintedLines(box).size()) << "lines painted";
    ASSERT_TRUE(QuorvaneProgram::Press(box, L"OK"));
    EXPECT_TRUE(Received().empty()) << "the cut image was kept as firmware";
}

namespace {

// The middle of the close box in the caption of an MDI child window, in
// the client coordinates of its MDI client.
POINT CloseBoxOf(HWND child, HWND client)
{
    RECT frame = {};
    GetWindowRect(child, &frame);
    const int border = GetSystemMetrics(SM_CXFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
    POINT middle = { frame.right - border - 2 - GetSystemMetrics(SM_CXSIZE) / 2, frame.top + border + caption / 2 };
    ScreenToClient(client, &middle);
    return middle;
}

// The middle of the close box a maximised MDI child window shows at the
// right end of the main window's menu bar, in the main window's client
// coordinates.
POINT MenuBarCloseBox(HWND main)
{
    RECT area = {};
    GetClientRect(main, &area);
    const int bar = GetSystemMetrics(SM_CYMENU);
    return { area.right - bar / 2, -bar / 2 };
}

} // namespace

// Two workouts, cascaded: a new one behind the example workout, changed. A
// click on the new one's close box a fifth into a 200,000-byte image going
// out at the line's pace waits for the upload, which the unit gets whole;
// once the user has answered "another unit?" the window closes (unchanged,
// unasked). During the next upload a click on the close box of a third
// workout, maximised (on the menu bar), waits, and Alt+F4 stops the upload
// as on Escape (the unit keeps the first image) and asks to save the changed
// workout: Cancel keeps the program and the changed workout, and the
// waiting close then closes the third one. A window manager's close button
// (WM_SYSCOMMAND SC_CLOSE from another process) asks again, and what was
// typed into the workout is saved.
TEST_F(UploadProgram, AWorkoutClosedDuringAnUploadWaitsForItsEndButAProgramCloseStopsItAndAsksToSave)
{
    QV_REQUIRE_COMPORTS(pair);
    const size_t size = 200000;
    const std::wstring whole = road.Folder().PathOf(L"whole.img");
    const std::wstring stopped = road.Folder().PathOf(L"stopped.img");
    const std::wstring workout = road.Folder().PathOf(L"example.qvw");
    WriteBytes(whole, RandomBytes(size, 7));
    WriteBytes(stopped, RandomBytes(size, 8));
    WriteBytes(workout, ReadBytes(QV_EXAMPLES L"/example-workout.qvw"));
    pacedBaud = 115200;
    ASSERT_TRUE(StartWithWindows()) << "no status bar or MDI client";
    const H::Picture emptyBar = H::CaptureScreen(progress);
    auto active = [&] { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); };

    // A new workout, then the example one opened and a first name typed
    // into its first row.
    H::Focus(main);
    H::Control('N');
    HWND spare = nullptr, example = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (spare = active()) != nullptr; })) << WindowsOf(road.Process());
    H::Control('O');
    ASSERT_TRUE(ChooseFile(road.Process(), workout)) << "no open dialog:" << WindowsOf(road.Process());
    HWND list = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (example = active()) != spare && (list = H::FindList(example)) != nullptr; }))
        << WindowsOf(road.Process());
    ASSERT_TRUE(OpenFirstNameEditor(list)) << "no trial listed";
    H::Rest(300);
    H::Type(L"Ann");
    H::Key(VK_RETURN);
    H::Rest(500);
    H::Chord({ VK_MENU, 'W' });
    H::Rest(300);
    H::Key('C');
    ASSERT_TRUE(H::WaitFor([&] { return !IsZoomed(spare) && !IsZoomed(example); })) << "not cascaded";

    BeginUpload(whole);
    ASSERT_TRUE(WhileTheUnitReceives([&] { return road.Unit()->TransferReceived() >= size / 5; }))
        << "the upload did not start:" << WindowsOf(road.Process());
    const POINT box = CloseBoxOf(spare, client);
    H::Click(client, box.x, box.y);
    HWND more = nullptr;
    ASSERT_TRUE(WhileTheUnitReceives([&] {
        return (more = H::FindTopWindow(road.Process(), L"Confirm")) != nullptr || !IsWindow(spare);
    })) << "the upload did not end:" << WindowsOf(road.Process());
    ASSERT_NE(nullptr, more) << "the upload stopped and the workout closed";
    EXPECT_TRUE(Received() == ReadBytes(whole)) << Received().size() << " bytes received";
    EXPECT_TRUE(IsWindow(spare)) << "the workout closed before the question was answered";
    ClickButton(more, L"No");
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(spare); }, 5000)) << "the held close did not run";
    EXPECT_EQ(nullptr, road.Program().WaitForWindow(L"Close Event Window", 10)) << "the unchanged workout was asked about";
    ASSERT_EQ(example, active());

    H::Focus(main);
    H::Control('N');
    HWND third = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (third = active()) != example && third && IsZoomed(third); }))
        << WindowsOf(road.Process());
    BeginUpload(stopped);
    ASSERT_GE(ShownAtLeast(emptyBar, 2, size), 2) << "no progress shown:" << WindowsOf(road.Process());
    const POINT barBox = MenuBarCloseBox(main);
    H::Click(main, barBox.x, barBox.y);
    H::Focus(main);
    H::Chord({ VK_MENU, VK_F4 });
    HWND question = WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "no question about saving:" << WindowsOf(road.Process());
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels) << "the question came while the upload ran";
    EXPECT_TRUE(Received() == ReadBytes(whole)) << "the stopped image was kept as firmware";
    ClickButton(question, L"Cancel");
    EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(third); }, 5000)) << "the waiting close did not run";
    EXPECT_TRUE(IsWindow(example)) << "the changed workout closed";
    EXPECT_TRUE(road.Program().Running());

    RequestClose(main, true);
    question = WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "no question about saving:" << WindowsOf(road.Process());
    H::Focus(question);
    H::Key(VK_RETURN);
    EXPECT_EQ(0u, road.Program().WaitForExit(30000)) << WindowsOf(road.Process());

    QVEvent saved;
    ASSERT_EQ(0, saved.Open(QVEvent::kOpenRead, KString(workout.c_str())));
    ASSERT_NE(nullptr, saved.Leg(0));
    QVResults *results = saved.Leg(0)->Results();
    ASSERT_NE(nullptr, results);
    QVResult *first = results->NextResult(nullptr);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(std::wstring(L"Ann"), first->FirstName().CStr());
}
