#pragma once
// The alert text of a block's port that cannot be opened (no such port, or
// one held by another program), told apart from a unit that does not answer.

#include <cstdint>

#include "foundation/strings/KString.h"

// settingText: the port-not-open text of the settings (kTextPortNotOpen;
// empty: the English text); port: its COM number; name: the block's name.
// Gives, for example, "Serial communication port not open: COM3 (Lane 1)".
KString QVZPortNotOpenText(const KString &settingText, int32_t port, const KString &name);
