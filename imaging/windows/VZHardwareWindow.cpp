#include "imaging/windows/VZHardwareWindow.h"

#include "imaging/VZWindowCodes.h"

namespace {

VZNamedBitmaps g_bitmaps;

} // namespace

void VZHardwareWindow::Startup()
{
    g_bitmaps.Load(kHardwareWindowBitmaps, int(sizeof kHardwareWindowBitmaps / sizeof kHardwareWindowBitmaps[0]));
}

void VZHardwareWindow::Shutdown()
{
    g_bitmaps.Free();
}

const VZNamedBitmaps &VZHardwareWindow::Bitmaps()
{
    return g_bitmaps;
}
