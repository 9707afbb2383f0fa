#pragma once
// Helpers shared by the text-bearing controls (string field, multi-line text,
// prompt) on Windows: putting a data object's text into an OS control and
// back in the platform's wide or 8-bit form, the control's font, which keys
// an edit control keeps, and pasting as typing. GUI thread only.

#include <windows.h>

#include "framework/core/base/ZafTypes.h"

class ZafStringData;
class ZafWindowObject;
struct ZafEventStruct;

// WM_SETFONT with the font of the object's text palette.
void ZafTextControlSetFont(ZafWindowObject *object);
// WM_SETTEXT of the text (the data's text when text is null), wide or
// converted to the local code set on an 8-bit platform.
void ZafTextControlWrite(ZafOSWindow control, const ZafStringData *data, const ZafIChar *text = nullptr);
// The control's whole text into the data (only when it differs).
void ZafTextControlRead(ZafOSWindow control, ZafStringData *data);
// A key message of an edit control after the window object's handling:
// 0 when the control keeps the key (letters, digits, the keypad, blank,
// the cursor keys, Backspace), else -2.
ZafEventType ZafTextControlKey(ZafWindowObject *object, const ZafEventStruct &event);
// Feeds the clipboard's text to the control as typed characters (so that
// the control's own character handling applies), while there is room:
// maximumLength - (length - selection), unlimited for -1. Control
// characters are skipped. Answers the number of characters fed.
int ZafTextControlPasteAsTyping(ZafOSWindow control, int maximumLength);
