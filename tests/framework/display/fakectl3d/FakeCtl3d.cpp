// A stand-in for "ctl3d32.dll" that records which of its ordinals are called,
// so that the platform object's use of the library can be tested where the
// real library is absent.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

char callLog[1024];
BOOL enabled = TRUE;

void Log(int ordinal)
{
    size_t used = std::strlen(callLog);
    if (used + 8 < sizeof(callLog))
        std::snprintf(callLog + used, sizeof(callLog) - used, used ? ",%d" : "%d", ordinal);
}

} // namespace

extern "C" {

BOOL WINAPI Ordinal3(HANDLE) { Log(3); return TRUE; }
BOOL WINAPI Ordinal5() { Log(5); return enabled; }
BOOL WINAPI Ordinal12(HANDLE) { Log(12); return TRUE; }
BOOL WINAPI Ordinal13(HANDLE) { Log(13); return TRUE; }
BOOL WINAPI Ordinal16(HANDLE) { Log(16); return TRUE; }

// Test access (ordinals 20 and 21): the calls so far ("12,5,16,..."), clearing them, and the
// answer of ordinal 5.
const char *WINAPI FakeCtl3dLog() { return callLog; }
void WINAPI FakeCtl3dReset(BOOL enable) { callLog[0] = 0; enabled = enable; }

}
