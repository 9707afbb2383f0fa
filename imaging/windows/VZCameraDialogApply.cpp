// The camera dialog's reactions to its radio buttons, and writing the
// controls into the camera on Ok.
#include "imaging/windows/VZCameraDialog.h"

#include <algorithm>

#include "domain/camera/VCamera.h"
#include "framework/core/data/ZafStringData.h"
#include "imaging/VZWindowCodes.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

void SetEnabled(ZafWindowObject *object, bool enabled)
{
    if (object)
        object->SetDisabled(!enabled);
}

int Entry(const KZRadioGroup *group)
{
    return group ? group->Selection() : 0;
}

} // namespace

KString VZCameraDialog::RangeText(const VCamera &camera, int parameter)
{
    KString text(L"(");
    text.AppendInt(camera.MinimumValue(parameter)).Append(L" - ").AppendInt(camera.MaximumValue(parameter));
    return text.Append(L")");
}

ZafEventType VZCameraDialog::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafEventType code = ZafWindow::MapEvent(mapped);
    switch (code) {
    case kEvtCameraPixelMode: PixelModeChosen(); break;
    case kEvtCameraAveraging: AveragingChosen(); break;
    case kEvtCameraCompression: CompressionChosen(); break;
    case kEvtCameraGainMethod: GainMethodChosen(); break;
    case kEvtCameraDensity: DensityChosen(); break;
    case kEvtCameraFrameMode: FrameModeChosen(); break;
    case kEvtCameraGunSensor: GunSensorChosen(); break;
    case kEvtCameraPhotoEye: PhotoEyeChosen(); break;
    default: return KZDialog::Event(event);
    }
    return code;
}

void VZCameraDialog::PixelModeChosen()
{
    const bool colour = Entry(pixelModeGroup) != 0;
    SetEnabled(redField, colour);
    SetEnabled(greenField, colour);
    SetEnabled(blueField, colour);
}

void VZCameraDialog::AveragingChosen()
{
    if (!camera->IsModel102())
        return;
    Set(VCamera::kFrameMode, Entry(averagingGroup));
    if (densityRange)
        densityRange->SetText(RangeText(*camera, VCamera::kDensity).CStr(), 31);
}

void VZCameraDialog::CompressionChosen()
{
    SetEnabled(compressionMinimumField, Entry(compressionGroup) == 1);
}

void VZCameraDialog::GainMethodChosen()
{
    const int method = Entry(gainMethodGroup);
    SetEnabled(gainField, method == 1);
    SetEnabled(brightnessField, method == 0);
    SetEnabled(frequencyBox, method == 0);
    SetEnabled(frequencyField, method == 0);
    SetEnabled(maximumGainField, method == 0 && camera->IsModel102());
}

void VZCameraDialog::DensityChosen()
{
    if (!camera->IsModel101())
        return;
    const int density = Entry(densityGroup);
    SetEnabled(modeTop, density != 2);
    SetEnabled(modeBottom, density != 2);
    Set(VCamera::kDensity, density);
    ShowFrameRateRange();
}

void VZCameraDialog::FrameModeChosen()
{
    if (!camera->IsModel101())
        return;
    const int mode = Entry(frameModeGroup);
    SetEnabled(densityLow, mode == 0);
    Set(VCamera::kFrameMode, mode);
    ShowFrameRateRange();
}

void VZCameraDialog::ShowFrameRateRange()
{
    if (frameRateRange)
        frameRateRange->SetText(RangeText(*camera, VCamera::kFrameRate).CStr(), 31);
}

void VZCameraDialog::GunSensorChosen()
{
    const bool present = Entry(gunSensorGroup) != 0;
    SetEnabled(gunSensorDebounceField, present);
    SetEnabled(gunSensorLightGroup, present);
}

void VZCameraDialog::PhotoEyeChosen()
{
    const int photoEye = Entry(photoEyeGroup);
    SetEnabled(photoEyeDebounceField, photoEye == 1);
    SetEnabled(photoEyeOffsetField, photoEye != 0);
}

void VZCameraDialog::Set(int parameter, int32_t value)
{
    camera->SetParameter(parameter, value, true);
}

void VZCameraDialog::Finish(int32_t result)
{
    KZDialog::Finish(result);
    Apply(result);
}

void VZCameraDialog::Apply(int32_t result)
{
    if (result != kDialogOk)
        return;
    camera->SetName(KString(nameField->Text()));
    Set(VCamera::kCompression, 0);
    Set(VCamera::kPixelFormat, Entry(pixelModeGroup));
    Set(VCamera::kCompression, Entry(compressionGroup));
    Set(VCamera::kCompressionMin, compressionMinimumField->Value());
    ApplyFrame();
    Set(VCamera::kGainMethod, Entry(gainMethodGroup));
    Set(VCamera::kGain, gainField->Value());
    const int32_t brightness = brightnessField->Value();
    Set(kBrightnessLimit, camera->MaximumValue(kBrightnessLimit));
    Set(kBrightness, brightness);
    Set(kBrightnessLimit, std::min(brightness + 3, camera->MaximumValue(kBrightnessLimit)));
    if (frequencyBox)
        Set(kFrequency, frequencyBox->Selection());
    else if (frequencyField)
        Set(kFrequency, frequencyField->Value());
    Set(VCamera::kMaxGain, maximumGainField->Value());
    Set(VCamera::kColourOffsetR, redField->Value());
    Set(VCamera::kColourOffsetG, greenField->Value());
    Set(VCamera::kColourOffsetB, blueField->Value());
    Set(VCamera::kOrientation, Entry(orientationGroup));
    camera->SetLaneCount(lanesField->Value());
    Set(VCamera::kReverseLanes, reverseLanesBox->Selected() ? 1 : 0);
    Set(VCamera::kIdMethod, Entry(identifyByGroup));
    Set(kGunSensor, Entry(gunSensorGroup));
    ApplyTime(gunSensorDebounceField, kGunDebounce);
    Set(kGunLight, Entry(gunSensorLightGroup));
    Set(kPhotoEye, Entry(photoEyeGroup));
    ApplyTime(photoEyeDebounceField, kPhotoEyeDebounce);
    ApplyTime(photoEyeOffsetField, kPhotoEyeOffset);
}

// Frame mode, density and frame rate in an order the camera's rules accept.
// A camera of neither model has no controls for mode and density: they stay,
// and the frame rate is written back all the same.
void VZCameraDialog::ApplyFrame()
{
    const auto clamped = [this](int32_t value, int parameter) {
        return std::max(camera->MinimumValue(parameter), std::min(value, camera->MaximumValue(parameter)));
    };
    Set(VCamera::kFrameRate, camera->MinimumValue(VCamera::kFrameRate));
    if (camera->IsModel101()) {
        Set(VCamera::kDensity, 1);
        Set(VCamera::kFrameMode, Entry(frameModeGroup));
        Set(VCamera::kDensity, Entry(densityGroup));
    } else if (camera->IsModel102()) {
        Set(VCamera::kDensity, camera->MinimumValue(VCamera::kDensity));
        Set(VCamera::kFrameMode, Entry(averagingGroup));
        Set(VCamera::kDensity, clamped(densityField->Value(), VCamera::kDensity));
    }
    Set(VCamera::kFrameRate, clamped(frameRateField->Value(), VCamera::kFrameRate));
}

void VZCameraDialog::ApplyTime(KZString *field, int parameter)
{
    int32_t milliseconds = 0;
    if (field && field->GetTime(milliseconds))
        Set(parameter, milliseconds);
}
