#pragma once
// KZLongOperation: one long operation of the program (a trial download, a
// firmware or sound upload, printing, an export) from its start to its end.
// While it lives the mouse shows the wait pointer and the main status bar
// shows its text and its progress (0 to 100). Each Step lets the pending
// window messages run, so that every window repaints, while the user's keys
// and clicks are held back: the keys are read for the Escape key (the
// user's abort), clicks are dropped, so that no other command starts in the
// middle; only the closes the user makes (a close box, Alt+F4, Ctrl+W)
// still count, as close requests. Its end, however the operation ends,
// gives the normal pointer back and clears the status bar, which then says
// "Operation aborted by user." when the user aborted.
//
// Operations may nest (an upload inside a command that already waits): an
// inner one shows its own text and progress and gives the outer one's back
// at its end; an abort seen by either counts for both. A close request
// (closing the main window, the Exit command) that reaches the program while
// one runs stops it as Escape does; the application runs the request once
// the operation has ended (KZApplication::HoldClose), and until then each
// further operation stops at its start. A close of a child window stops only
// an operation that works on that window (a download into it); any other
// runs to its end before that close runs. A close held while a dialog was
// up stops nothing: what the user confirmed there runs to its end. A
// session end asked meanwhile is refused and stops nothing. GUI thread only.

#include <cstdint>

#include "foundation/strings/KString.h"

class ZafWindowObject;

class KZLongOperation
{
public:
    // Shows the wait pointer, the text and the progress (0, or -1 for an
    // empty pane until the first step), and lets the screen repaint (a
    // closed dialog leaves no picture behind). window: the window the
    // operation works on, which outlives it (none: no window's own).
    explicit KZLongOperation(const KString &text, int percent = 0, const ZafWindowObject *window = nullptr);
    ~KZLongOperation();
    KZLongOperation(const KZLongOperation &) = delete;
    KZLongOperation &operator=(const KZLongOperation &) = delete;

    // A new text in the status bar.
    void SetText(const KString &text);
    // Shows percent (0 to 100; -1 clears the pane) and, at most every
    // kPumpInterval ms, lets pending messages run and looks for Escape.
    // False once the user aborted.
    bool Step(int percent);
    // As Step, keeping the progress shown.
    bool Step() { return Step(percent); }
    bool Aborted() const { return aborted; }
    // Stops the operation as Escape does: the next Step answers false.
    void Abort() { aborted = true; }
    // True when this operation or one it runs inside works on window or on
    // a window inside it.
    bool WorksOn(const ZafWindowObject *window) const;

    // The innermost running operation; none.
    static KZLongOperation *Current() { return current; }

    static constexpr int kPumpInterval = 25;   // ms between two looks at the queue

private:
    void Show() const;
    void Pump();

    KZLongOperation *outer;
    const ZafWindowObject *window;
    KString text;
    int percent = 0;
    bool aborted = false;
    bool pumped = false;
    int64_t lastPump = 0;   // ms of a steady clock
    static KZLongOperation *current;
};
