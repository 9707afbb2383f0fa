#pragma once
// Helpers shared by the text-bearing controls (string field, multi-line text,
// prompt, combo box) on Windows: putting a data object's text into an OS
// control and back in the platform's wide or 8-bit form, the control's font,
// which keys an edit control keeps, the selection, the clipboard commands
// and pasting as typing. GUI thread only.

#include <windows.h>

#include "framework/core/base/ZafTypes.h"

class ZafStringData;
class ZafWindowObject;
struct ZafEventStruct;

// WM_SETFONT with the font of the object's text palette.
void ZafTextControlSetFont(ZafWindowObject *object);
// EM_LIMITTEXT: at most maximumLength characters; the control's own
// maximum for a negative length.
void ZafTextControlSetLimit(ZafOSWindow control, int maximumLength);
// WM_SETTEXT of the text (the data's text when text is null), wide or
// converted to the local code set on an 8-bit platform.
void ZafTextControlWrite(ZafOSWindow control, const ZafStringData *data, const ZafIChar *text = nullptr);
// The control's whole text into the data (only when it differs).
void ZafTextControlRead(ZafOSWindow control, ZafStringData *data);
// The same for the field's own data: the data tells the field nothing while
// it takes the text, and marks later notices to the field as read and
// changed.
void ZafTextControlReadField(ZafWindowObject *field, ZafOSWindow control, ZafStringData *data);
// Whether an edit control keeps the virtual key for itself: letters,
// digits, the keypad, blank, the cursor keys, Backspace.
bool ZafTextControlKeepsKey(WPARAM key);
// A key message of an edit control: Tab is left to the window around
// (ZAF_NOT_HANDLED); other keys after the window object's handling: 0 when
// the control keeps the key, else ZAF_NOT_HANDLED.
ZafEventType ZafTextControlKey(ZafWindowObject *object, const ZafEventStruct &event);
// Selects start..end (-1 for the end of the text) and scrolls the caret
// into view.
void ZafTextControlSelect(ZafOSWindow control, int start, int end);
// On gaining the focus, a field that selects its whole text does so unless
// the focus only comes back to it from another application: then its caret
// and selection stay as the user left them.
void ZafTextControlAutoSelect(ZafWindowObject *object, ZafOSWindow control);
// WM_CUT, WM_COPY or WM_PASTE for ZAF_EV_CUT, ZAF_EV_COPY or ZAF_EV_PASTE.
void ZafTextControlClipboard(ZafOSWindow control, ZafEventType type);
// Feeds the clipboard's text to the control as typed characters (so that
// the control's own character handling applies), while there is room:
// maximumLength - (length - selection), unlimited for -1. Control
// characters are skipped. Answers the number of characters fed.
int ZafTextControlPasteAsTyping(ZafOSWindow control, int maximumLength);
