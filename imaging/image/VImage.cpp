#include "imaging/image/VImage.h"

#include "foundation/errors/KX.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VImagingSettings.h"
#include "imaging/image/VImageServices.h"
#include "imaging/store/VImageBlock.h"
#include "imaging/store/VImageBlockManager.h"
#include "imaging/views/VImageView.h"

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
    for (int i = 0; i < 256; ++i)
        itsLevelMap[i] = itsDisplay[i] = i;
    if (VImageBlockManager *manager = VImageBlockManager::Instance())
        manager->Register(&itsBlocks);
}

VImage::~VImage()
{
    itsBlocks.ReturnAll();
    if (VImageBlockManager *manager = VImageBlockManager::Instance())
        manager->Unregister(&itsBlocks);
    itsGaps.clear();
    if (itsBlockFile.IsOpen()) {
        if (itsTemporary) {
            itsBlockFile.Delete();
        } else {
            try {
                // Blocks written after the last save go; a file only read
                // stays as it is, however short or long.
                const int64_t saved = int64_t(kBlockBytes) * (itsSavedBlocks + 1);
                if (itsWroteUnsaved && itsSavedBlocks >= 0 && itsBlockFile.GetSize() > saved)
                    itsBlockFile.SetSize(saved);
                itsBlockFile.Close();
            } catch (const KX &) {
                // Nothing more can be done for the file while the image goes.
            }
        }
    }
}

KMessageObject *VImage::Find(int32_t id)
{
    if (itsCamera.GetId() == id)
        return &itsCamera;
    for (KListItem *item = itsViews.First(); item; item = itsViews.Next(item)) {
        auto *view = static_cast<VImageView *>(item);
        if (KMessageObject *found = view->KMessageObject::Find(id))
            return found;
    }
    return KMessageObject::Find(id);
}

void VImage::Handle(const KMessage &message)
{
    itsCamera.Handle(message);
    for (KListItem *item = itsViews.First(); item; item = itsViews.Next(item))
        static_cast<VImageView *>(item)->Handle(message);
}

void VImage::SendTopic(uint32_t code, uint32_t data)
{
    Send(KMessage(code, data, this));
}

void VImage::LockParameters(const int *parameters, int count, bool lock)
{
    for (int i = 0; i < count; ++i)
        itsCamera.SetParameterFlags(parameters[i], lock ? VCamera::kFlagLocked : 0);
}

void VImage::GetCamera(VCamera &camera, int flags)
{
    const bool unlock = IsCapturing() && itsBlockCount == 0;
    if (unlock)
        LockParameters(kCaptureParameters, 4, false);
    camera.CopyFrom(itsCamera, flags);
    if (unlock)
        LockParameters(kCaptureParameters, 4, true);
}

void VImage::ResetCamera(const VCamera *camera)
{
    if (camera)
        itsCamera.CopyFrom(*camera, VCamera::kCopyParameters | VCamera::kCopyIdentity | VCamera::kCopyDisplay);
    LockParameters(kLockedParameters, int(sizeof kLockedParameters / sizeof kLockedParameters[0]), true);
    itsCamera.SetBrightness(0.0);
    itsCamera.SetContrast(0.0);
    itsCamera.SetGamma(1.0);
    ResetDisplayMap();
}

bool VImage::ApplyCamera(const VCamera *camera)
{
    const int copy = VCamera::kCopyParameters | VCamera::kCopyIdentity | VCamera::kCopyDisplay;
    VImageCaptureHub *hub = VImageCaptureHub::Installed();
    const int32_t device = itsCamera.Parameter(VCamera::kDevice);
    if (!hub || !hub->IsCaptureCamera(device) || !IsCapturing()) {
        if (camera)
            itsCamera.CopyFrom(*camera, copy);
        if (hub && hub->IsCaptureIdle())
            return hub->SendCameraSettings(device, itsCamera);
        return true;
    }
    if (hub->IsCaptureRunning())
        return false;
    VImageProgress *progress = VImageProgress::Installed();
    if (progress)
        progress->SetWaitCursor(true);
    hub->StopDeviceCapture(device);
    if (camera)
        itsCamera.CopyFrom(*camera, copy);
    const bool started = hub->StartDeviceCapture(device);
    if (progress)
        progress->SetWaitCursor(false);
    return started;
}

bool VImage::StartCapture(KFile &name)
{
    VImageCaptureHub *hub = VImageCaptureHub::Installed();
    if (!hub || !ApplyCamera(nullptr) || !hub->StartDeviceCapture(itsCamera.Parameter(VCamera::kDevice)))
        return false;
    itsFlags |= kFlagCapturing;
    LockParameters(kCaptureParameters, 4, true);
    name = itsBlockFile;
    return true;
}

bool VImage::StopCapture()
{
    itsFlags &= ~kFlagCapturing;
    if (itsBlockCount == 0)
        LockParameters(kCaptureParameters, 4, false);
    VImageCaptureHub *hub = VImageCaptureHub::Installed();
    return hub && hub->StopDeviceCapture(itsCamera.Parameter(VCamera::kDevice));
}

bool VImage::RefreshGain()
{
    VImageCaptureHub *hub = VImageCaptureHub::Installed();
    if (!hub || itsCamera.Parameter(VCamera::kGainMethod) != 0)
        return false;
    VCamera scratch;
    if (!hub->GetCameraSettings(itsCamera.Parameter(VCamera::kDevice), scratch))
        return false;
    const int32_t before = itsCamera.Parameter(VCamera::kGain);
    itsCamera.SetAutomaticGain(scratch.Parameter(VCamera::kGain));
    return itsCamera.Parameter(VCamera::kGain) != before;
}

void VImage::SetBrightness(double value)
{
    const double before = itsCamera.Brightness();
    itsCamera.SetBrightness(value);
    ShowDisplayValue(itsCamera.Brightness() != before);
}

void VImage::SetContrast(double value)
{
    const double before = itsCamera.Contrast();
    itsCamera.SetContrast(value);
    ShowDisplayValue(itsCamera.Contrast() != before);
}

void VImage::SetGamma(double value)
{
    const double before = itsCamera.Gamma();
    itsCamera.SetGamma(value);
    ShowDisplayValue(itsCamera.Gamma() != before);
}

// The camera announces its new value before the map is rebuilt, and the
// views only refresh their window's controls on that; the picture itself is
// redrawn on the image's own notice, sent once the map is in force.
void VImage::ShowDisplayValue(bool changed)
{
    ApplyDisplayMap();
    if (changed)
        SendTopic(kMsgTopicImage);
}

void VImage::SetOrientation(int32_t value)
{
    itsCamera.SetParameter(VCamera::kOrientation, value, true);
}

void VImage::SetIdMethod(int32_t value)
{
    if (value == -1)
        value = (itsCamera.Parameter(VCamera::kIdMethod) + 1) % 4;
    itsCamera.SetParameter(VCamera::kIdMethod, value, true);
}

int32_t VImage::IdMethodField() const
{
    const int32_t method = itsCamera.Parameter(VCamera::kIdMethod);
    return method >= 1 && method <= 3 ? method + 2 : -1;
}

int32_t VImage::PixelLevel(const uint8_t *pixels, int32_t i) const
{
    if (IsGrey())
        return pixels[i];
    if (!IsColour())
        return 0;
    const uint16_t p = reinterpret_cast<const uint16_t *>(pixels)[i];
    return (p >> 10 & 31) + (p >> 5 & 31) + (p & 31);
}

VImageView *VImage::GetView(int32_t id, bool create)
{
    if (auto *view = static_cast<VImageView *>(itsViews.Find(id)))
        return view;
    if (!create)
        return nullptr;
    auto *view = new VImageView(this, id);
    itsViews.AddItem(view);
    return view;
}

void VImage::ViewsToStored()
{
    for (KListItem *item = itsViews.First(); item; item = itsViews.Next(item))
        static_cast<VImageView *>(item)->ToStoredFrames();
}

void VImage::ViewsFromStored()
{
    for (KListItem *item = itsViews.First(); item; item = itsViews.Next(item))
        static_cast<VImageView *>(item)->FromStoredFrames();
}

void VImage::ClipViewMarks()
{
    for (KListItem *item = itsViews.First(); item; item = itsViews.Next(item))
        static_cast<VImageView *>(item)->ClipMarks();
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
