// The program's main road end to end: quorvane.exe downloads the trials of
// the simulated block sensor on a COM pair, lists them, saves the workout
// and opens it again, driven from the keyboard as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "domain/blocksensors/QVUnitProtocol.h"
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

namespace {

// Ctrl+N, the empty workout saved at path, then Ctrl+T and "Download All" in
// the trial choice, with beforeClick done just before the click: the
// workout's results list; none.
HWND DownloadAllIntoSavedWorkout(ProgramRoad &road, const std::wstring &path,
                                 const std::function<void()> &beforeClick = nullptr)
{
    H::Focus(road.Main());
    H::Control('N');
    HWND list = nullptr;
    if (!H::WaitFor([&] { return (list = H::FindList(road.Main())) != nullptr; }) || !road.SaveWorkoutAs(path))
        return nullptr;
    H::Focus(road.Main());
    H::Control('T');
    HWND choice = nullptr;
    if (!H::WaitFor([&] { return (choice = H::FindTopWindow(road.Process(), L"Select Trial from Lane 1")) != nullptr; }))
        return nullptr;
    H::Rest(300);
    if (beforeClick)
        beforeClick();
    return ClickToClose(choice, H::FindChildByText(choice, L"Download All")) ? list : nullptr;
}

// What a close request during a long operation comes to: the operation has
// ended by the time the question about saving the workout shows (the
// percentage pane is empty again), Yes (Enter) saves it and the program
// ends (with closed, a workout window closed: that window goes); the saved
// workout holds fewest to most of the unit's trials, each whole, in the
// unit's order.
void ExpectStoppedThenSavedOnExit(ProgramRoad &road, const RECT &progress, const H::Picture &emptyBar,
                                  const std::wstring &workout, int fewest, int most, HWND closed = nullptr)
{
    HWND question = closed ? road.Program().WaitForWindow(L"Close Event Window", 30000) : WaitForSaveOnExit(road.Process());
    ASSERT_NE(nullptr, question) << "no question about saving:" << WindowsOf(road.Process());
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels) << "the question came while the operation ran";
    H::Focus(question);
    H::Key(VK_RETURN);
    if (closed)
        EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(closed); }, 30000)) << WindowsOf(road.Process());
    else
        EXPECT_EQ(0u, road.Program().WaitForExit(30000)) << WindowsOf(road.Process());

    QVEvent saved;
    QVResults *results = SavedResults(saved, workout);
    ASSERT_NE(nullptr, results) << "the saved workout cannot be read";
    const int count = results->ResultCount();
    EXPECT_GE(count, fewest);
    EXPECT_LE(count, most);
    int row = 0;
    for (QVResult *result = results->NextResult(nullptr); result; result = results->NextResult(result), ++row)
    {
        const unitsim::Trial &trial = road.UnitConfig().trials[size_t(row)];
        int different = 0;
        for (int i = 0; i < unitsim::kSamples; ++i)
            different += (result->Sample(0, i) != trial.x[size_t(i)] || result->Sample(1, i) != trial.y[size_t(i)]) ? 1 : 0;
        EXPECT_EQ(0, different) << "trial " << row + 1;
    }
}

// The program started with a unit of fifty trials and the workout to save
// them in; the status bar's percentage pane and what it shows empty.
struct FiftyTrialRoad
{
    // paced: the unit sends at the line's rate, some 10 s a trial.
    FiftyTrialRoad(const wchar_t *name, const wchar_t *file, bool paced = false)
        : road(name), workout(road.Folder().PathOf(file))
    {
        unitsim::Config unit = unitsim::Config::BlockSensorWithTrials(50);
        unit.paced = paced;
        road.UseUnit(unit);
    }
    bool Start()
    {
        RECT message;
        if (!road.Start() || !StatusPanes(road.Main(), message, progress))
            return false;
        emptyBar = H::CaptureScreen(progress);
        return true;
    }
    // Download All into the saved workout, until count trials are listed:
    // the results list; none.
    HWND TrialsListed(size_t count = 3)
    {
        HWND list = DownloadAllIntoSavedWorkout(road, workout);
        return list && H::WaitFor([&] { return NumberBands(H::Capture(list)).size() >= count; }, 60000) ? list : nullptr;
    }
    // Waits up to two minutes for Download All to end: the unit was asked
    // for its last trial and the percentage pane is empty, on two looks half
    // a second apart. The pane may look empty for a moment while the
    // download runs (a loaded machine draws it late), so that alone does
    // not tell the end.
    bool DownloadEnded()
    {
        const uint32_t last = uint32_t(road.UnitConfig().trials.size() - 1);
        auto empty = [&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; };
        return H::WaitFor([&] {
            if (!AskedForTrial(last) || !empty())
                return false;
            H::Rest(500);
            return empty();
        }, 120000);
    }
    // Whether the program asked the unit for the data of the trial at index.
    bool AskedForTrial(uint32_t index) const
    {
        for (const unitsim::Record &record : road.Unit()->Transcript())
            if (record.fromHost && record.command == kUnitTrialData && !record.args.empty() && record.args[0] == index)
                return true;
        return false;
    }
    void ExpectStoppedThenSaved(int fewest, int most, HWND closed = nullptr)
    {
        ExpectStoppedThenSavedOnExit(road, progress, emptyBar, workout, fewest, most, closed);
    }

    ProgramRoad road;
    std::wstring workout;
    RECT progress = {};
    H::Picture emptyBar;
};

// The system's print dialog of the process; none.
HWND FindPrintDialog(DWORD process)
{
    return H::FindWindowWhere(nullptr, [&](HWND window) {
        return H::ProcessOf(window) == process && IsWindowVisible(window) && H::ClassOf(window) == L"#32770";
    });
}

// Results > Print Results... (the menu's last entry): the system's print
// dialog; none. The menu is asked for again should the program, still busy
// with trials it fetched, have missed the keys.
HWND OpenResultsPrint(ProgramRoad &road)
{
    if (!road.ChooseFromMenu('R', 0))
        return nullptr;
    H::Rest(150);
    H::Key(VK_UP);
    H::Key(VK_RETURN);
    HWND dialog = nullptr;
    H::WaitFor([&] { return (dialog = FindPrintDialog(road.Process())) != nullptr; });
    return dialog;
}

// Without a printer the system says so in a box without a printer list.
bool HasPrinterList(HWND dialog)
{
    return H::FindWindowWhere(dialog, [](HWND child) { return H::ClassOf(child) == L"ComboBox"; }) != nullptr;
}

// The PDF printer's file of the job whose name holds token, once it is
// whole (it ends with its end-of-file mark); empty when none came within a
// minute. The printer writes into the PDF folder of the job owner's home
// (Wine hides HOME, but keeps the user's name).
std::string PrintedPdf(const std::string &token)
{
    char user[MAX_PATH] = {};
    GetEnvironmentVariableA("USERNAME", user, MAX_PATH);
    const std::string home = std::string(user) == "root" ? "Z:/root" : std::string("Z:/home/") + user;
    const std::string folders[] = { home + "/PDF", "Z:/var/spool/cups-pdf/ANONYMOUS" };
    std::string pdf;
    H::WaitFor([&] {
        for (const std::string &folder : folders) {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA((folder + "/*" + token + "*.pdf").c_str(), &found);
            if (search == INVALID_HANDLE_VALUE)
                continue;
            FindClose(search);
            const std::string path = folder + "/" + found.cFileName;
            pdf = ReadBytes(std::wstring(path.begin(), path.end()));
            const size_t end = pdf.rfind("%%EOF");
            if (pdf.rfind("%PDF", 0) == 0 && end != std::string::npos && pdf.size() - end <= 8)
                return true;
        }
        pdf.clear();
        return false;
    }, 60000);
    return pdf;
}

} // namespace

// "End task" (WM_CLOSE from another process) while Download All fetches
// the fifty trials of a unit: the download stops as on Escape, then the
// program asks to save the workout, and the saved workout keeps every
// trial fetched. A close sent to the window of the workout being filled
// stops it the same way, and asks about that workout; so does Ctrl+W
// pressed while the trials come in at the line's pace.
TEST(DownloadProgram, ACloseRequestDuringDownloadAllStopsItThenAsksToSaveAndKeepsTheTrials)
{
    QV_REQUIRE_COMPORTS(pair);
    enum Close { ToMain, ToWorkout, CtrlW };
    for (const Close close : { ToMain, ToWorkout, CtrlW }) {
        SCOPED_TRACE(close == ToMain ? "WM_CLOSE to the main window"
                                     : close == ToWorkout ? "WM_CLOSE to the workout's window" : "Ctrl+W");
        FiftyTrialRoad t(close == ToMain ? L"qdlclose" : close == ToWorkout ? L"qdlclosew" : L"qdlctrlw",
                         L"closed.qvw", close == CtrlW);
        ProgramRoad &road = t.road;
        ASSERT_TRUE(t.Start());
        const size_t listed = close == CtrlW ? 2 : 3;
        HWND list = t.TrialsListed(listed);
        ASSERT_NE(nullptr, list) << "no trials listed:" << WindowsOf(t.road.Process());
        HWND workout = list;   // the workout's MDI child window
        while (GetParent(workout) && H::ClassOf(GetParent(workout)) != L"MDIClient")
            workout = GetParent(workout);
        if (close == CtrlW) {
            H::Focus(road.Main());
            H::Control('W');
        } else {
            RequestClose(close == ToWorkout ? workout : road.Main());
        }
        t.ExpectStoppedThenSaved(int(listed), 49, close == ToMain ? nullptr : workout);
    }
}

// End task while the trial choice is up waits for it: Download All, which
// the user then pressed, fetches every trial, and the program then asks to
// save the workout; all of them are saved.
TEST(DownloadProgram, ACloseRequestMadeWhileTheTrialChoiceIsUpLetsDownloadAllEndThenAsksToSave)
{
    QV_REQUIRE_COMPORTS(pair);
    FiftyTrialRoad t(L"qdlwaiting", L"waiting.qvw");
    ProgramRoad &road = t.road;
    ASSERT_TRUE(t.Start());
    ASSERT_NE(nullptr, DownloadAllIntoSavedWorkout(road, t.workout, [&] { RequestClose(road.Main()); }))
        << WindowsOf(road.Process());
    // A loaded machine takes longer for fifty trials than the question's
    // wait: the question is looked for from the download's end.
    ASSERT_TRUE(t.DownloadEnded()) << "the download did not end:" << WindowsOf(road.Process());
    t.ExpectStoppedThenSaved(50, 50);
}

namespace {

FILETIME LastWritten(const std::wstring &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

} // namespace

// The session ends (the system asks WM_QUERYENDSESSION) during Download
// All: the program answers "not now" and the download goes on. Should the
// session end all the same (WM_ENDSESSION TRUE), the settings are written
// as at any session end; nothing else changes: the download fetches every
// trial and no question comes until the user closes the program.
TEST(DownloadProgram, ASessionEndDuringDownloadAllIsRefusedAndLeavesTheDownloadAloneButKeepsTheSettings)
{
    QV_REQUIRE_COMPORTS(pair);
    FiftyTrialRoad t(L"qdlsession", L"session.qvw");
    ProgramRoad &road = t.road;
    ASSERT_TRUE(t.Start());
    ASSERT_NE(nullptr, t.TrialsListed()) << "no trials listed:" << WindowsOf(t.road.Process());
    const FILETIME before = LastWritten(road.SettingsFile());
    H::Rest(100);
    DWORD_PTR answer = 1, ended = 1;
    ASSERT_NE(0, SendMessageTimeoutW(road.Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer))
        << "the main window does not answer";
    EXPECT_EQ(0u, answer) << "the session may end in the middle of the download";
    ASSERT_NE(0, SendMessageTimeoutW(road.Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &ended));
    const FILETIME after = LastWritten(road.SettingsFile());
    EXPECT_NE(0, CompareFileTime(&before, &after)) << "the settings were not written";
    ASSERT_TRUE(t.DownloadEnded()) << "the download did not end";
    EXPECT_EQ(nullptr, WaitForSaveOnExit(road.Process(), 1000)) << "a close nobody asked for";
    RequestClose(road.Main());
    t.ExpectStoppedThenSaved(50, 50);
}

// "End task" as the results of fifty trials (some ten pages) go to the
// printer: the printout is cancelled, then the program asks to save the
// workout and every trial is saved.
TEST(DownloadProgram, ACloseRequestDuringAResultsPrintStopsItThenAsksToSaveAndKeepsTheTrials)
{
    QV_REQUIRE_COMPORTS(pair);
    FiftyTrialRoad t(L"qprintclose", L"printed.qvw");
    ProgramRoad &road = t.road;
    ASSERT_TRUE(t.Start());
    ASSERT_NE(nullptr, t.TrialsListed()) << "no trials listed:" << WindowsOf(t.road.Process());
    ASSERT_TRUE(t.DownloadEnded()) << "the download did not end";

    // Results > Print Results... and Print in the system's dialog.
    HWND dialog = OpenResultsPrint(road);
    ASSERT_NE(nullptr, dialog) << "no print dialog:" << WindowsOf(road.Process());
    if (!HasPrinterList(dialog))
        GTEST_SKIP() << "no printer to print on";
    H::Rest(500);
    H::Focus(dialog);
    H::Key(VK_RETURN);
    ASSERT_TRUE(H::WaitFor([&] { return FindPrintDialog(road.Process()) == nullptr; }));
    RequestClose(road.Main());
    t.ExpectStoppedThenSaved(50, 50);
}

// End task while the print dialog is up waits for it: Print, which the user
// then pressed, sends the whole printout to the printer, and the close then
// runs and asks to save the workout. A close sent to the workout's own window
// waits the same way, then asks about that workout and closes it.
TEST(DownloadProgram, ACloseRequestMadeWhileThePrintDialogIsUpLetsThePrintoutEndThenRuns)
{
    QV_REQUIRE_COMPORTS(pair);
    for (const bool toWorkout : { false, true }) {
        SCOPED_TRACE(toWorkout ? "WM_CLOSE to the workout's window" : "WM_CLOSE to the main window");
        const std::string job = "qvheldclose" + std::to_string(GetCurrentProcessId()) + "x" +
                                std::to_string(GetTickCount()) + (toWorkout ? "w" : "m");
        ProgramRoad road(toWorkout ? L"qprintheldw" : L"qprintheld",
                         "Strings\\Event\\Results\\Print\\Title:String=" + job + "\r\n");
        ASSERT_TRUE(road.Start());
        ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << WindowsOf(road.Process());
        HWND workout = road.EventWindow();
        ASSERT_NE(nullptr, workout);
        HWND dialog = OpenResultsPrint(road);
        ASSERT_NE(nullptr, dialog) << "no print dialog:" << WindowsOf(road.Process());
        if (!HasPrinterList(dialog))
            GTEST_SKIP() << "no printer to print on";
        H::Rest(500);
        PostMessageW(toWorkout ? workout : road.Main(), WM_CLOSE, 0, 0);
        H::Rest(500);
        H::Focus(dialog);
        H::Key(VK_RETURN);
        EXPECT_FALSE(PrintedPdf(job).empty()) << "no whole printout named " << job;
        HWND question = toWorkout ? road.Program().WaitForWindow(L"Close Event Window", 30000)
                                  : WaitForSaveOnExit(road.Process());
        ASSERT_NE(nullptr, question) << "the held close did not run:" << WindowsOf(road.Process());
        ASSERT_TRUE(QuorvaneProgram::Press(question, L"No"));
        if (toWorkout) {
            EXPECT_TRUE(H::WaitFor([&] { return !IsWindow(workout); }, 5000)) << "the workout stayed open";
            EXPECT_TRUE(road.Program().Running());
        } else {
            EXPECT_EQ(0u, road.Program().WaitForExit(30000)) << WindowsOf(road.Process());
        }
    }
}

namespace {

// The settings line that moves "Lane 1" to COM73, a port this machine does
// not have.
const char *const kLaneOnAbsentPort = "SerialPorts\\1\\SerialPort:String=73,19200,8,N,1.0\r\n";

// Download All on the open workout once more, answering each overwrite
// question (trials 1 to count) from the keyboard, Yes (the default) or No;
// what the status bar's message pane shows while each question is up. The
// pointer waits on the main window's caption, where it shows no fly-over
// text of its own in the status bar.
std::vector<H::Picture> AnswerOverwriteQuestions(ProgramRoad &road, const RECT &message, int count, bool yes)
{
    std::vector<H::Picture> shown;
    // The download before may still run, holding keys back: Ctrl+T is
    // pressed again until the trial choice shows.
    HWND choice = nullptr;
    for (int attempt = 0; attempt < 6 && !choice; ++attempt)
    {
        H::Focus(road.Main());
        H::Control('T');
        H::WaitFor([&] { return (choice = H::FindTopWindow(road.Process(), L"Select Trial from Lane 1")) != nullptr; },
                   5000);
    }
    if (!choice)
        return shown;
    ClickToClose(choice, H::FindChildByText(choice, L"Download All"));
    H::MoveTo(road.Main(), 200, -8);
    for (int trial = 1; trial <= count; ++trial)
    {
        const std::wstring title = L"Overwrite Existing Traces: Trial " + std::to_wstring(trial);
        HWND box = nullptr;
        if (!H::WaitFor([&] { return (box = H::FindTopWindow(road.Process(), title)) != nullptr; }, 30000))
            return shown;
        H::Rest(500);
        shown.push_back(H::CaptureScreen(message));
        H::Focus(box);
        if (!yes)
            H::Key(VK_TAB);
        H::Key(VK_RETURN);
        H::WaitFor([&] { return !IsWindow(box); }, 5000);
    }
    return shown;
}

} // namespace

// While the question about overwriting a trial's traces is up, the status
// bar names that trial, whether the trial before it was downloaded (Yes) or
// left as it was (No).
TEST(DownloadProgram, TheStatusBarNamesTheTrialAnOverwriteQuestionIsAbout)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qdlstatus");
    road.UseUnit(unitsim::Config::BlockSensorWithTrials(3));
    ASSERT_TRUE(road.Start());
    RECT message, progress;
    ASSERT_TRUE(StatusPanes(road.Main(), message, progress));
    const H::Picture emptyBar = H::CaptureScreen(progress);
    ASSERT_NE(nullptr, road.NewWorkoutWithTrials()) << "no trials listed:" << WindowsOf(road.Process());
    ASSERT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 30000))
        << "the first download did not end";

    const std::vector<H::Picture> afterYes = AnswerOverwriteQuestions(road, message, 3, true);
    ASSERT_EQ(3u, afterYes.size()) << "overwrite questions:" << WindowsOf(road.Process());
    ASSERT_TRUE(H::WaitFor([&] { return H::CaptureScreen(progress).pixels == emptyBar.pixels; }, 30000));
    const std::vector<H::Picture> afterNo = AnswerOverwriteQuestions(road, message, 3, false);
    ASSERT_EQ(3u, afterNo.size()) << "overwrite questions:" << WindowsOf(road.Process());
    for (size_t k = 0; k < 3; ++k)
    {
        SCOPED_TRACE(k + 1);
        EXPECT_TRUE(afterYes[k].pixels == afterNo[k].pixels) << "the status bar depends on the answer before";
        EXPECT_FALSE(afterYes[k].pixels == afterYes[(k + 1) % 3].pixels) << "two trials, one status text";
    }
}

// A block on a port that cannot be opened is reported as such, naming the
// port, not as a unit that does not answer; Retry tries the port again and
// Abort gives the block up without a trial.
TEST(DownloadProgram, APortThatCannotBeOpenedIsToldByItsNameNotAsATimeOut)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qdlnoport", kLaneOnAbsentPort);
    ASSERT_TRUE(road.Start());
    H::Focus(road.Main());
    H::Control('N');
    HWND list = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (list = H::FindList(road.Main())) != nullptr; }));
    H::Control('T');
    for (const wchar_t *answer : { L"Retry", L"Abort" })
    {
        SCOPED_TRACE(answer[0] == L'R' ? "before Retry" : "before Abort");
        HWND box = road.Program().WaitForBox(L"Communication Error");
        ASSERT_NE(nullptr, box) << "no error:" << WindowsOf(road.Process());
        const std::wstring text = QuorvaneProgram::BoxText(box);
        EXPECT_NE(std::wstring::npos, text.find(L"Serial communication port not open: COM73 (Lane 1)"))
            << std::string(text.begin(), text.end());
        EXPECT_EQ(std::wstring::npos, text.find(L"timeout"));
        ASSERT_TRUE(ClickToClose(box, H::FindChildByText(box, answer)));
    }
    H::Rest(2500);
    EXPECT_EQ(nullptr, H::FindTopWindow(road.Process(), L"Communication Error")) << "asked again after Abort";
    EXPECT_EQ(nullptr, H::FindTopWindow(road.Process(), L"Select Trial from Lane 1"));
    EXPECT_TRUE(NumberBands(H::Capture(list)).empty()) << "a row was listed";
    EXPECT_EQ(0u, road.Close());
}

namespace {

// A part of the results list in screen coordinates: what a covering window
// hides there must come back.
RECT ListArea(HWND list)
{
    RECT area = { 10, 30, 210, 130 };
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT *>(&area), 2);
    return area;
}

// Escape on a running download: the milliseconds until the status bar's
// message pane no longer shows what it showed while the download ran (it
// says that the user aborted); 15000 when it stayed.
DWORD EscapeToEnd(const RECT &message, const H::Picture &running)
{
    H::Key(VK_ESCAPE);
    const DWORD pressed = GetTickCount();
    if (!H::WaitFor([&] { return !(H::CaptureScreen(message).pixels == running.pixels); }, 15000))
        return 15000;
    return GetTickCount() - pressed;
}

} // namespace

// Download All of full trials at the line's own pace (19,200 baud: about
// 10 s of samples a trial): from the moment the trial choice has gone the
// main window answers within half a second, and a covered part of it is
// drawn again within a second; Escape ends the download within a second,
// in the middle of the first trial, which is not listed.
TEST(DownloadProgram, ATrialAtTheLineRateKeepsTheWindowAliveAndEscapeEndsItWithinASecond)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qpaced");
    unitsim::Config unit = unitsim::Config::BlockSensorWithTrials(3);
    unit.paced = true;
    road.UseUnit(unit);
    ASSERT_TRUE(road.Start());
    HWND main = road.Main();
    RECT message, progress;
    ASSERT_TRUE(StatusPanes(main, message, progress));
    const H::Picture emptyBar = H::CaptureScreen(progress);
    HWND list = road.StartDownloadAll();
    ASSERT_NE(nullptr, list) << "no download:" << WindowsOf(road.Process());

    EXPECT_LE(H::LongestAnswer(main, 3000), 500u) << "ms the main window took to answer while the trial came in";
    const H::Picture downloading = H::CaptureScreen(message);
    EXPECT_LE(H::RepaintTime(ListArea(list)), 1000u) << "ms until an uncovered part was drawn again";
    EXPECT_LE(H::LongestAnswer(main, 1000), 500u);
    ASSERT_TRUE(H::CaptureScreen(message).pixels == downloading.pixels) << "the first trial's download ended early";

    EXPECT_LE(EscapeToEnd(message, downloading), 1000u) << "ms from Escape to the end of the download";
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels) << "the percentage pane stayed";
    H::Rest(500);
    EXPECT_TRUE(NumberBands(H::Capture(list)).empty()) << "a trial cut short was listed";
    EXPECT_EQ(nullptr, H::FindTopWindow(road.Process(), L"Communication Error"));
    EXPECT_EQ(0u, road.Close());
}

// A unit whose reply breaks off and that then sends a byte of noise every
// half second: after Retry the program waits for the line to fall quiet,
// and meanwhile the main window answers and repaints within a second and
// Escape ends the download within a second, without another error box.
TEST(DownloadProgram, ATricklingUnitAfterADamagedReplyKeepsTheWindowAliveAndEscapeEndsTheWait)
{
    QV_REQUIRE_COMPORTS(pair);
    ProgramRoad road(L"qtrickle");
    unitsim::Config unit = unitsim::Config::BlockSensorWithTrials(3);
    unit.trickleMs = 500;
    road.UseUnit(unit);
    ASSERT_TRUE(road.Start());
    HWND main = road.Main();
    RECT message, progress;
    ASSERT_TRUE(StatusPanes(main, message, progress));
    const H::Picture emptyBar = H::CaptureScreen(progress);
    road.Unit()->SetFault(kUnitTrialData, unitsim::Fault::Trickle, 1, 1);
    HWND list = road.StartDownloadAll();
    ASSERT_NE(nullptr, list) << "no download:" << WindowsOf(road.Process());
    HWND box = nullptr;
    ASSERT_TRUE(H::WaitFor([&] { return (box = H::FindTopWindow(road.Process(), L"Communication Error")) != nullptr; }))
        << "the damaged reply was not reported:" << WindowsOf(road.Process());
    H::Rest(300);
    H::Focus(box);
    H::Key(VK_RETURN);   // Retry
    ASSERT_TRUE(H::WaitFor([&] { return !IsWindow(box); }, 5000));

    H::Rest(300);
    const H::Picture downloading = H::CaptureScreen(message);
    EXPECT_LE(H::LongestAnswer(main, 2500), 1000u) << "ms the main window took to answer while the line trickled";
    EXPECT_LE(H::RepaintTime(ListArea(list)), 1000u) << "ms until an uncovered part was drawn again";
    ASSERT_TRUE(H::CaptureScreen(message).pixels == downloading.pixels) << "the wait ended early";

    EXPECT_LE(EscapeToEnd(message, downloading), 1000u) << "ms from Escape to the end of the download";
    EXPECT_TRUE(H::CaptureScreen(progress).pixels == emptyBar.pixels) << "the percentage pane stayed";
    H::Rest(1000);
    EXPECT_EQ(nullptr, H::FindTopWindow(road.Process(), L"Communication Error")) << "an error after Escape";
    EXPECT_EQ(0u, road.Close());
}
