#pragma once
// KZMessageBox: the one place that puts a modal message box on screen for the
// application's prompts and error display. It shows a caption, a text, the
// buttons given as kButton... flags with one of them as the default and a
// kIcon... image, and answers the pressed button's dialog result (Ok kDialogOk
// ... Cancel kDialogCancel; closing the box counts as its Cancel when it offers
// one, else it answers kEvtWindowGone, which confirms nothing). An installed
// hook answers in place of the screen. GUI thread only.

#include <cstdint>
#include <functional>

class KString;

int32_t KZMessageBox(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton,
                     int icon);

using KZMessageBoxHook =
    std::function<int32_t(const KString &caption, const KString &text, uint32_t buttons, uint32_t defaultButton,
                          int icon)>;
// Installs the hook (an empty one restores the screen).
void KZSetMessageBoxHook(KZMessageBoxHook hook);
