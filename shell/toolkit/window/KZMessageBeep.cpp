#include "shell/toolkit/window/KZMessageBeep.h"

#include <windows.h>

namespace {

KZBeepFunction g_beep = nullptr;

} // namespace

void KZMessageBeep(uint32_t type)
{
    if (g_beep)
        g_beep(type);
    else
        MessageBeep(type);
}

KZBeepFunction KZSetMessageBeep(KZBeepFunction beep)
{
    const KZBeepFunction previous = g_beep;
    g_beep = beep;
    return previous;
}
