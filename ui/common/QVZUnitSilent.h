#pragma once
// The alert text of a unit that does not answer on a block's port (a serial
// time-out), naming the port and what the user should check.

#include <cstdint>

#include "foundation/strings/KString.h"

// firstLine: the time-out sentence of the prompt; then on lines of their
// own the port and the block's name ("COM3 (Lane 1)") and what to check.
KString QVZUnitSilentText(const KString &firstLine, int32_t port, const KString &name);
