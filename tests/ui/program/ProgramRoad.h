#pragma once
// ProgramRoad: quorvane.exe on the program's main road, as a user starts it:
// a scratch folder with a copy of the program and a settings file that puts
// "Lane 1" on the test's COM pair, the simulated block sensor (three trials)
// answering on the other end, and the keys that open a workout and download
// its trials. The program is ended as a user ends it when the road goes out
// of scope, and the test fails unless it ended with the code expected.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/program/QuorvaneProgram.h"
#include "shell/support/ShellScratch.h"
#include "support/ComPortPair.h"
#include "tools/unitsim/UnitSim.h"
#include "ui/program/ProgramHand.h"

extern const wchar_t *const kMainTitle;   // the main window's caption

class ProgramRoad
{
public:
    // moreSettings: further lines of the settings file ("Key:Type=value\r\n").
    explicit ProgramRoad(const wchar_t *folderName, const std::string &moreSettings = "");
    ~ProgramRoad();
    ProgramRoad(const ProgramRoad &) = delete;
    ProgramRoad &operator=(const ProgramRoad &) = delete;

    // The simulated unit on the COM pair (when the test has one), then the
    // program, until its main window shows; false on failure.
    bool Start(const std::wstring &arguments = L"");
    HWND Main() const { return main; }
    DWORD Process() const { return program.ProcessId(); }
    QuorvaneProgram &Program() { return program; }
    ShellScratch &Folder() { return folder; }
    const unitsim::Config &UnitConfig() const { return config; }
    // Another simulated unit than the three-trial block sensor; before Start.
    void UseUnit(const unitsim::Config &unitConfig) { config = unitConfig; }
    // The simulated unit once started (its power switch, what it received);
    // none before or without a COM pair.
    unitsim::Unit *Unit() const { return unit.get(); }
    std::wstring SettingsFile() const { return program.File(L"cfg"); }

    // Ctrl+N, Ctrl+T and "Download All" in the trial choice: the new
    // workout's results list once its first three rows show (the download
    // of a unit with more trials goes on); null on failure.
    HWND NewWorkoutWithTrials();
    // The same up to "Download All": the new workout's results list once
    // the trial choice has gone and the download runs; null on failure.
    HWND StartDownloadAll();
    // The MDI child that holds the results list; null before a workout.
    HWND EventWindow() const;

    // Alt and a menu's letter on the main window until its menu shows
    // (three tries: a loaded machine may miss the keys), then the entry's
    // key (none for 0); false when the menu did not show.
    bool ChooseFromMenu(char menu, char entry);
    // The same, then the top-level window of the process with that title
    // once it shows, given half a second to draw; none.
    HWND OpenFromMenu(char menu, char entry, const std::wstring &title);
    // Ctrl+S on the main window and path typed into the save dialog, which
    // the main window owns and is disabled by: true once the file is there.
    bool SaveWorkoutAs(const std::wstring &path);

    // Alt+F4 on the main window, as File > Exit; waits for the end and
    // answers the exit code (STILL_ACTIVE when it runs on).
    DWORD Close();

private:
    ShellScratch folder;
    QuorvaneProgram program;
    ComPortPair pair;
    unitsim::Config config;
    std::unique_ptr<unitsim::Unit> unit;
    HWND main = nullptr;
    HWND list = nullptr;
};

// A close request from another process, as users make one: WM_CLOSE posted
// to the main window (Task Manager's "End task"), or with systemCommand
// WM_SYSCOMMAND SC_CLOSE (a window manager's close button).
void RequestClose(HWND main, bool systemCommand = false);
// The question whether to save a modified workout before the program ends
// ("Exit Quorvane Training"), once it shows and has been drawn; none.
HWND WaitForSaveOnExit(DWORD process, DWORD timeout = 30000);

// The visible top-level windows of the process ("[class "title"]..."), for
// failure messages.
std::string WindowsOf(DWORD process);
// A common file dialog of the process; none.
HWND FindFileDialog(DWORD process);
// Types the full path into the process's open or save dialog and confirms it.
// With an owner, the dialog must be owned by that window and keep it
// disabled while it is up (false otherwise, the dialog left open).
bool ChooseFile(DWORD process, const std::wstring &path, HWND owner = nullptr);
// Clicks the button of a box or dialog just shown, as a user does: once the
// box is the active window, and again when the first click missed (a box
// still settling where the window manager puts it); true once it is gone.
bool ClickToClose(HWND box, HWND button);
// The visible window of that class nearest right of a prompt's text, on
// the prompt's row (a dialog's text field or drop-down list); none.
HWND ControlAfter(HWND dialog, const std::wstring &prompt, const std::wstring &className = L"Edit");
// The main status bar's panes on the screen: the message pane and, right of
// it, the 102-pixel percentage pane (whose right edge keeps a scroll bar's
// width from the bar's); false when the main window has no status bar.
bool StatusPanes(HWND main, RECT &message, RECT &progress);
// The window's client area once it and its frame stopped changing (up to 20 s).
ProgramHand::Picture Settled(HWND window);

// A horizontal band of pixel rows.
struct Band
{
    int top;
    int bottom;
};
// The bands of the picture's rows for which inked(y) holds, top first.
std::vector<Band> RowBands(const ProgramHand::Picture &picture, const std::function<bool(int y)> &inked);
// The rows of a results list that hold a trial number near the left of the
// trial column, top first.
std::vector<Band> NumberBands(const ProgramHand::Picture &list);
// The middle of a column of a results list, laid out as the list lays it out.
int ColumnMiddle(HWND list, int column);
// A click on the first name of the list's top trial, and a second one after
// the double-click time, which opens its editor; false with no trial listed.
bool OpenFirstNameEditor(HWND list);
