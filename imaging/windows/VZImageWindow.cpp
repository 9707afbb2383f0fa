#include "imaging/windows/VZImageWindow.h"

#include "imaging/VZWindowCodes.h"

namespace {

VZNamedBitmaps g_bitmaps;

} // namespace

void VZImageWindow::Startup()
{
    g_bitmaps.Load(kImageWindowBitmaps, int(sizeof kImageWindowBitmaps / sizeof kImageWindowBitmaps[0]));
}

void VZImageWindow::Shutdown()
{
    g_bitmaps.Free();
}

const VZNamedBitmaps &VZImageWindow::Bitmaps()
{
    return g_bitmaps;
}
