#pragma once
// The accelerator value of a menu entry and its text forms. The value holds
// the key character in its low 16 bits and the modifier bits of
// KZToolkitCodes.h (Ctrl, Alt, Shift); 0 is no accelerator. An entry text is
// "label,ACC": in ACC the letters A, C and S set Alt, Ctrl and Shift, other
// characters (such as "+") are ignored, and the last character is the key.

#include <cstdint>

#include "foundation/strings/KString.h"

// The accelerator of the text after the comma; 0 when it is empty.
uint32_t KZParseAccelerator(const KString &field);
// A value as it is shown and matched: Ctrl is added when no modifier is set.
uint32_t KZEffectiveAccelerator(uint32_t accelerator);
// Appends the shown form, for example "Ctrl+N" or "Shift+Ctrl+S", with the
// modifier names of "\Strings\Menu\" (Shift, Ctrl, Alt); nothing for 0.
void KZAppendAcceleratorText(uint32_t accelerator, KString &out);
// Whether a key press matches the accelerator: the same key, case ignored,
// and exactly the same Shift, Ctrl and Alt (either Shift key counts).
// modifiers are the framework's bits (Shift 1|2, Ctrl 4, Alt 8).
bool KZAcceleratorMatches(uint32_t accelerator, wchar_t key, uint32_t modifiers);
