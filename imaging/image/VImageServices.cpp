#include "imaging/image/VImageServices.h"

namespace
{
VImageCaptureHub *g_hub = nullptr;
VImageProgress *g_progress = nullptr;
} // namespace

VImageCaptureHub *VImageCaptureHub::Installed()
{
    return g_hub;
}

void VImageCaptureHub::Install(VImageCaptureHub *hub)
{
    g_hub = hub;
}

VImageProgress *VImageProgress::Installed()
{
    return g_progress;
}

void VImageProgress::Install(VImageProgress *progress)
{
    g_progress = progress;
}
