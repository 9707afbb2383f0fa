#include "foundation/values/KHelpers.h"

#include <windows.h>

#include <chrono>

int KRoundDown(int value, int step)
{
    if (step <= 0)
        return value;
    int r = value % step;
    if (r < 0)
        r += step;
    return value - r;
}

namespace {

KTickSource g_tickSource = nullptr;

} // namespace

int32_t KTickCount()
{
    return g_tickSource ? g_tickSource() : int32_t(GetTickCount());
}

void KSetTickSource(KTickSource source)
{
    g_tickSource = source;
}

int64_t KSteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void KSleep(int milliseconds)
{
    Sleep(milliseconds < 0 ? 0 : DWORD(milliseconds));
}

uint32_t KOrderU32(uint32_t value, int from, int to)
{
    if (from == to)
        return value;
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

namespace {

int gForcedAnsiApi = -1;

} // namespace

bool KIsAnsiOnlyPlatform(uint32_t platformId)
{
    return platformId != VER_PLATFORM_WIN32_NT;
}

void KForceAnsiApi(int forced)
{
    gForcedAnsiApi = forced < 0 ? -1 : forced > 0 ? 1 : 0;
}

bool KUseAnsiApi()
{
    if (gForcedAnsiApi >= 0)
        return gForcedAnsiApi == 1;
    // Windows 95/98/ME report the 9x platform id; everything since NT is wide.
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info))
        return true;
    return KIsAnsiOnlyPlatform(info.dwPlatformId);
}
