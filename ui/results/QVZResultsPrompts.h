#pragma once
// QVZResultsPrompts: the settings, texts and message boxes of the results
// area. Texts are read from the program's settings at each use; boxes go
// through the shell's message box (and its hook, when one is installed).
// Also the busy pointer, the main status bar's progress and the dispatch of
// pending events during long operations. GUI thread.

#include <cstdint>

#include "foundation/strings/KString.h"

class KRGroup;
class KRegistry;

namespace QVZResultsPrompts
{
// The settings in use: the application's, else the domain's; null when
// neither is installed.
KRegistry *Settings();
// The text of a String setting (empty when missing), a Bool or Int setting
// (fallback when missing).
const KString &Text(const wchar_t *key);
// The same, with english in place of a missing or empty text.
KString Text(const wchar_t *key, const wchar_t *english);
bool Flag(const wchar_t *key, bool fallback);
int32_t Number(const wchar_t *key, int32_t fallback);
void SetFlag(const wchar_t *key, bool on);

// A port group's "Name" and "SerialPort" texts, and the COM number of its
// description (field 0; 0 when it does not parse).
const KString &GroupName(const KRGroup &group);
const KString &GroupDescription(const KRGroup &group);
int32_t GroupPortNumber(const KRGroup &group);

// An error (exclamation icon, "Error" caption) and a message (information
// icon, "Message" caption), each with an Ok button.
void ShowError(const KString &text);
void ShowMessage(const KString &text);
// A question with the question icon, Yes the default; buttons are the
// message box's flags. Answers the pressed button's dialog result.
int32_t Ask(const KString &caption, const KString &text, uint32_t buttons);
// The communication-error prompt for the unit of a port group: the time-out
// text, ": " and the group's "Name", then its port and what to check on
// lines of their own; "Abort" or "Retry" under the communication-error
// caption. True for Retry; false
// without a prompt once the user aborted the long operation under way (the
// request failed because he stopped it).
bool RetryAfterFailure(const KRGroup &group);
// The same prompt for a port that cannot be opened (missing, or held by
// another program): the port-not-open text, ": ", the port's name and the
// group's "Name" in parentheses. True for Retry; false without a prompt once
// the user aborted.
bool RetryAfterOpenFailure(const KRGroup &group);
// True once the user aborted the long operation under way (Escape during
// one of its steps or waits).
bool Aborted();

// The wait pointer (busy true) or the normal one.
void BusyPointer(bool busy);
// A step of the long operation that runs (KZLongOperation): the progress
// (0..100), the pending events run, the wait pointer again. False when the
// user pressed Escape.
bool Step(int percent);
}
