#pragma once
// KZMessageBeep: the system message beep of the program's refusals. The
// sound can be replaced by any other call (or none). GUI thread only.

#include <cstdint>

// Sounds the system beep of the given type (0 the default beep, else a
// message-box type such as MB_ICONHAND).
void KZMessageBeep(uint32_t type);

// Replaces the beep (null: the system beep again); answers the previous one.
using KZBeepFunction = void (*)(uint32_t type);
KZBeepFunction KZSetMessageBeep(KZBeepFunction beep);
