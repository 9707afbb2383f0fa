#include "imaging/image/VImage.h"

#include "domain/timing/VRaceTime.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VImagingSettings.h"

namespace
{
int64_t g_printTimeSteps[VImage::kPrintTimeSteps] = {};
KRInt *g_printLineColor = nullptr;
} // namespace

VImage::VImage(KMessageObject *owner, int32_t id) : KMessageObject(owner, id)
{
    itsCamera.SetParent(this);
    if (id != -1)
        itsCamera.SetId(itsCamera.NewId());
}

void VImage::Startup()
{
    g_printTimeSteps[0] = VRaceTime::kSecond;
    g_printTimeSteps[1] = VRaceTime::kTenth;
    g_printTimeSteps[2] = VRaceTime::kHundredth;
    g_printLineColor = VImagingSettingNode(kKeyPrintLineColor);
}

void VImage::Shutdown()
{
    g_printLineColor = nullptr;
}

int64_t VImage::PrintTimeStep(int index)
{
    return index >= 0 && index < kPrintTimeSteps ? g_printTimeSteps[index] : 0;
}

KRInt *VImage::PrintLineColorNode()
{
    return g_printLineColor;
}
