#include "imaging/windows/VZRemotePane.h"

#include "imaging/VZWindowCodes.h"

namespace {

VZNamedBitmaps g_bitmaps;

} // namespace

void VZRemotePane::Startup()
{
    g_bitmaps.Load(kRemotePaneBitmaps, int(sizeof kRemotePaneBitmaps / sizeof kRemotePaneBitmaps[0]));
}

void VZRemotePane::Shutdown()
{
    g_bitmaps.Free();
}

const VZNamedBitmaps &VZRemotePane::Bitmaps()
{
    return g_bitmaps;
}
