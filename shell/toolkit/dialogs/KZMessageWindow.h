#pragma once
// KZMessageWindow: the program's message box, a KZDialog holding an optional
// icon and the message above the standard buttons, one prompt per line of the
// message (lines end at CR, LF or CR LF), so that every line shows and the box
// is as wide as its widest line. A line wider than the screen allows is cut
// into rows that fit (see KZBreakLine), so that the box stays on the screen and
// a long path's file name shows in full. The caller runs it with DoModal and
// reads the result (kDialogOk, kDialogYes, ... kDialogCancel; kEvtWindowGone
// when it was closed from its frame). It opens with the focus on its default
// button, so that Enter gives the default answer. GUI thread only.

#include <cstdint>

#include "shell/toolkit/dialogs/KZDialog.h"

class KZPrompt;
class ZafIcon;

class KZMessageWindow : public KZDialog
{
public:
    // icon: the number of one of the framework's system icons (kIcon...),
    // 0 for none.
    KZMessageWindow(const wchar_t *title, const wchar_t *message, uint32_t buttons, uint32_t defaultButton,
                    int icon);

    // The dialog's layout, then the default button becomes the current child.
    void Prepare() override;

    ZafIcon *Icon() const { return icon; }
    // The prompt of the message's first line.
    KZPrompt *Message() const { return message; }

private:
    // Adds one prompt per line of text at the cursor, each on a row of its
    // own, a line too wide for the screen on several; an empty line keeps
    // its row.
    void AddLines(const wchar_t *text);

    ZafIcon *icon = nullptr;
    KZPrompt *message = nullptr;
};
