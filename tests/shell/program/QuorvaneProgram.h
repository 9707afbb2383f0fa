#ifndef QUORVANE_PROGRAM_H
#define QUORVANE_PROGRAM_H

// Runs quorvane.exe as a second process from a scratch folder that holds a
// copy of the program (and, unless asked otherwise, its data file), finds
// its windows and boxes (by their captions), presses their buttons and
// waits for its end. The boxes' messages are checked in-process.
//
// Every test's program ends here: when the object goes, a program still
// running is ended as a user ends it (its boxes and dialogs answered No or
// Cancel, then its main window closed), and the test fails unless the
// program ended, and with the exit code the test expects: 0 unless the test
// said otherwise (ExpectExit). A crash while the program ends therefore
// fails the test that ran it.
#include <windows.h>

#include <string>
#include <vector>

#include "shell/support/ShellScratch.h"

class QuorvaneProgram
{
public:
    static const wchar_t *const kMainTitle;   // the main window's caption

    explicit QuorvaneProgram(ShellScratch &folder, bool withDataFile = true);
    ~QuorvaneProgram();
    QuorvaneProgram(const QuorvaneProgram &) = delete;
    QuorvaneProgram &operator=(const QuorvaneProgram &) = delete;

    // Starts the program with these arguments; false when it cannot start.
    bool Start(const std::wstring &arguments = L"");
    // Starts the program and answers its main window once shown; null when
    // it cannot start or no main window appeared.
    HWND StartToMainWindow(const std::wstring &arguments = L"");
    // The top-level window of this process with that title, waiting up to
    // timeout ms; null when none appeared.
    HWND WaitForWindow(const std::wstring &title, DWORD timeout = 15000) const;
    // The same for a message box, taken only once its message text is
    // there: a loaded machine may show the box before its lines.
    HWND WaitForBox(const std::wstring &title, DWORD timeout = 15000) const;
    // The text of a message box's message: its static texts that are not
    // blank, at any depth, one line each, joined by line feeds.
    static std::wstring BoxText(HWND box);
    // The same text as a list of its lines.
    static std::vector<std::wstring> BoxLines(HWND box);
    // True when the whole box lies on the screen and each line of its
    // message lies inside the box's client area.
    static bool WholeOnScreen(HWND box);
    // The lines of text the box paints for its message (right of its icon,
    // above its buttons), as ProgramHand::TextLines finds them on the screen.
    static std::vector<RECT> PaintedLines(HWND box);
    // The pixels between the box's widest painted line and its right edge.
    static int UnpaintedWidth(HWND box);
    // The labels of the box's buttons, at any depth, in window order.
    static std::vector<std::wstring> ButtonLabels(HWND box);
    // Presses the box's button with that label (case ignored).
    static bool Press(HWND box, const std::wstring &label);
    // The exit code after the process ended; STILL_ACTIVE when it runs on
    // after timeout ms.
    DWORD WaitForExit(DWORD timeout = 15000) const;
    bool Running() const;
    // Ends the program through its main window, as the user's close does,
    // and answers its exit code.
    DWORD Close(HWND main) const;
    // The test ends the program on purpose with this exit code (or makes it
    // end so); the end is checked against it instead of 0.
    void ExpectExit(DWORD code) { expectedExit = code; }
    // Ends a program that still runs as a user does, within about 30 s: what
    // is up is answered (No, else Cancel, else closed), then the main window
    // is closed. Answers the exit code; STILL_ACTIVE when it runs on.
    DWORD End();
    // Milliseconds since Start.
    DWORD Elapsed() const { return GetTickCount() - started; }
    DWORD ProcessId() const { return process.dwProcessId; }

    std::wstring File(const wchar_t *extension) const;   // beside the program: "cfg", "log"

private:
    ShellScratch &folder;
    // Fails the running test unless the program ended with expectedExit.
    void CheckEnd();
    HWND WaitTitled(const std::wstring &title, DWORD timeout, bool lettered) const;

    PROCESS_INFORMATION process = {};
    DWORD started = 0;
    DWORD expectedExit = 0;
};

#endif
