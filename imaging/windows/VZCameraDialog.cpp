// The camera dialog's construction: its three pages.
#include "imaging/windows/VZCameraDialog.h"

#include "domain/camera/VCamera.h"
#include "foundation/comm/KAddress.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/text/ZafPrintf.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImagingTexts.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZComboBox.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

KString DialogText(const wchar_t *key)
{
    KString path(kTextCameraDialogGroup);
    path.Append(key);
    return VImagingText(path.CStr());
}

// The information line of the set-up page.
KString InformationLine(const VCamera &camera)
{
    wchar_t number[32];
    KString line(DialogText(L"SerialNumber"));
    ZafSNPrintf(number, 32, L"  %d   ", int(camera.Parameter(VCamera::kSerialNumber)));
    line.Append(number).Append(DialogText(L"Memory"));
    ZafSNPrintf(number, 32, L"  %d", int(camera.Parameter(VZCameraDialog::kMemory)));
    line.Append(number).Append(DialogText(L"Megabytes")).Append(L"   ").Append(DialogText(L"IPAddress")).Append(L"  ");
    KString address;
    KFormatAddress(address, uint32_t(camera.Parameter(VCamera::kAddress)));
    return line.Append(address);
}

} // namespace

VZCameraDialog::VZCameraDialog(VCamera *camera)
    : KZDialog(DialogText(L"Title").CStr(), kButtonOk | kButtonCancel, kButtonOk), camera(camera)
{
    rememberedFrameRate = camera->Parameter(VCamera::kFrameRate);
    rememberedDensity = camera->Parameter(VCamera::kDensity);
    camera->SetParameter(VCamera::kFrameRate, camera->MinimumValue(VCamera::kFrameRate), true);
    if (camera->IsModel102())
        camera->SetParameter(VCamera::kDensity, camera->MinimumValue(VCamera::kDensity), true);

    BeginNotebook(0, 0);
    BuildSetupPage();
    BuildParametersPage();
    BuildInputsPage();
    notebook = EndNotebook(0);

    PixelModeChosen();
    AveragingChosen();
    CompressionChosen();
    GainMethodChosen();
    DensityChosen();
    FrameModeChosen();
    ShowFrameRateRange();
    GunSensorChosen();
    PhotoEyeChosen();
}

void VZCameraDialog::Prompt(const wchar_t *key)
{
    AddPrompt(DialogText(key).CStr());
}

void VZCameraDialog::Blank()
{
    AddPrompt(L" ");
}

KZRadioGroup *VZCameraDialog::AddChoice(std::initializer_list<const wchar_t *> keys, int parameter, int32_t code,
                                        int selected, KZButton **buttons)
{
    BeginRadioGroup();
    int entry = 0;
    for (const wchar_t *key : keys) {
        KZButton *button = AddRadioButton(DialogText(key).CStr(), code);
        if (parameter >= 0)
            button->SetDisabled(camera->IsLocked(parameter) || !camera->IsValidValue(parameter, entry));
        if (buttons)
            buttons[entry] = button;
        ++entry;
    }
    return EndRadioGroup(selected);
}

KZInteger *VZCameraDialog::AddParameterField(int parameter, int width)
{
    return AddInteger(camera->Parameter(parameter), width, camera->MinimumValue(parameter),
                      camera->MaximumValue(parameter));
}

KZString *VZCameraDialog::AddTimeField(int parameter)
{
    KZString *field = AddString(L"", 4, 20);
    field->SetTime(camera->Parameter(parameter), 0);
    return field;
}

void VZCameraDialog::BuildSetupPage()
{
    BeginPage(DialogText(L"Setup").CStr());
    Prompt(L"Information");
    AddPrompt(InformationLine(*camera).CStr());
    NewLine();
    Prompt(L"Name");
    nameField = AddString(camera->Name().CStr(), 20, 31);
    NewLine();
    Prompt(L"Orientation");
    orientationGroup = AddChoice({ L"OrientLeft", L"OrientRight" }, -1, 0, camera->Parameter(VCamera::kOrientation));
    NewLine();
    Prompt(L"IdentifyBy");
    identifyByGroup = AddChoice({ L"IdByNothing", L"IdByLane", L"IdById", L"IdByLicense" }, -1, 0,
                                camera->Parameter(VCamera::kIdMethod));
    NewLine();
    Prompt(L"Lanes");
    lanesField = AddInteger(camera->LaneCount(), 3, 0, VCamera::kMaxLanes);
    reverseLanesBox = AddCheckBox(DialogText(L"ReverseLanes").CStr(), camera->Parameter(VCamera::kReverseLanes) == 1, 0);
    NewLine();
    Prompt(L"WhiteBalance");
    Prompt(L"Red");
    redField = AddParameterField(VCamera::kColourOffsetR, 3);
    Move(1, 0);
    Prompt(L"Green");
    greenField = AddParameterField(VCamera::kColourOffsetG, 3);
    Move(1, 0);
    Prompt(L"Blue");
    blueField = AddParameterField(VCamera::kColourOffsetB, 3);
    NewLine();
    AlignColumn(0);
    EndPage();
}

void VZCameraDialog::BuildParametersPage()
{
    BeginPage(DialogText(L"Parameters").CStr());
    Prompt(L"PixelMode");
    pixelModeGroup = AddChoice({ L"Gray8", L"Color15" }, VCamera::kPixelFormat, kEvtCameraPixelMode,
                               camera->Parameter(VCamera::kPixelFormat));
    NewLine();
    const int32_t frameMode = camera->Parameter(VCamera::kFrameMode);
    if (camera->IsModel101()) {
        Prompt(L"FrameMode");
        KZButton *modes[3] = {};
        frameModeGroup = AddChoice({ L"ModeFull", L"ModeTop", L"ModeBottom" }, -1, kEvtCameraFrameMode, frameMode, modes);
        modeFull = modes[0];
        modeTop = modes[1];
        modeBottom = modes[2];
    } else if (camera->IsModel102()) {
        Prompt(L"PixelAveraging");
        averagingGroup = AddChoice({ L"Average1", L"Average2", L"Average3", L"Average4" }, VCamera::kFrameMode,
                                   kEvtCameraAveraging, frameMode);
    }
    NewLine();
    Prompt(L"Compression");
    compressionGroup = AddChoice({ L"CompOff", L"CompOn" }, VCamera::kCompression, kEvtCameraCompression,
                                 camera->Parameter(VCamera::kCompression));
    Prompt(L"CompMinimum");
    compressionMinimumField = AddParameterField(VCamera::kCompressionMin, 3);
    NewLine();
    Prompt(L"FrameRate");
    frameRateField = AddInteger(rememberedFrameRate, 4, 1, 9999);
    frameRateRange = new ZafStringData(L" ", 31);
    AddPrompt(frameRateRange, 14);
    NewLine();
    Prompt(L"FrameDensity");
    if (camera->IsModel101()) {
        KZButton *densities[3] = {};
        densityGroup = AddChoice({ L"DensityHigh", L"DensityMedium", L"DensityLow" }, -1, kEvtCameraDensity,
                                 camera->Parameter(VCamera::kDensity), densities);
        densityHigh = densities[0];
        densityMedium = densities[1];
        densityLow = densities[2];
    } else if (camera->IsModel102()) {
        densityField = AddInteger(rememberedDensity, 4, 1, 9999);
        densityField->SetDisabled(camera->IsLocked(VCamera::kDensity));
        densityRange = new ZafStringData(L" ", 31);
        AddPrompt(densityRange, 14);
    }
    NewLine();
    BuildGainRows();
    AlignColumn(0);
    EndPage();
}

void VZCameraDialog::BuildGainRows()
{
    Prompt(L"GainMethod");
    KZButton *methods[2] = {};
    gainMethodGroup = AddChoice({ L"AGC", L"Manual" }, -1, kEvtCameraGainMethod, camera->Parameter(VCamera::kGainMethod),
                                methods);
    methods[0]->SetDisabled(camera->IsLocked(VCamera::kGainMethod) || !camera->IsValidValue(VCamera::kGainMethod, 0));
    Prompt(L"Gain");
    gainField = AddParameterField(VCamera::kGain, 3);
    NewLine();
    Prompt(L"AGCParameters");
    Prompt(L"Brightness");
    brightnessField = AddInteger(camera->Parameter(kBrightness), 3, camera->MinimumValue(kBrightness),
                                 camera->MaximumValue(kBrightnessLimit));
    Move(1, 0);
    Prompt(L"Frequency");
    if (camera->IsModel101()) {
        // The entries queue nothing: Apply reads the chosen index.
        BeginComboBox();
        for (const wchar_t *key : { L"FreqEighth", L"FreqQuarter", L"FreqHalf", L"FreqOne", L"FreqTwo", L"FreqFour",
                                    L"FreqEight", L"FreqSixteen" })
            AddComboItem(DialogText(key).CStr(), 0);
        frequencyBox = EndComboBox(camera->Parameter(kFrequency), false, 8);
    } else if (camera->IsModel102()) {
        frequencyField = AddParameterField(kFrequency, 4);
    }
    NewLine();
    Blank();
    Prompt(L"MaximumGain");
    maximumGainField = AddParameterField(VCamera::kMaxGain, 3);
    NewLine();
}

void VZCameraDialog::BuildInputsPage()
{
    BeginPage(DialogText(L"Inputs").CStr());
    Prompt(L"GunSensor");
    gunSensorGroup = AddChoice({ L"GunSensorNone", L"GunSensorNO", L"GunSensorNC" }, kGunSensor, kEvtCameraGunSensor,
                               camera->Parameter(kGunSensor));
    NewLine();
    Blank();
    Prompt(L"GSDebounce");
    gunSensorDebounceField = AddTimeField(kGunDebounce);
    NewLine();
    Blank();
    Prompt(L"GSLight");
    gunSensorLightGroup = AddChoice({ L"GSLightOn", L"GSLightSwitched" }, kGunLight, 0, camera->Parameter(kGunLight));
    NewLine();
    Prompt(L"PhotoEye");
    photoEyeGroup = AddChoice({ L"PENone", L"PEExternal" }, kPhotoEye, kEvtCameraPhotoEye, camera->Parameter(kPhotoEye));
    NewLine();
    Blank();
    Prompt(L"PEDebounce");
    photoEyeDebounceField = AddTimeField(kPhotoEyeDebounce);
    Move(1, 0);
    Prompt(L"PEOffset");
    photoEyeOffsetField = AddTimeField(kPhotoEyeOffset);
    Move(1, 0);
    NewLine();
    AlignColumn(0);
    EndPage();
}
