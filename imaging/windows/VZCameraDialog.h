#pragma once
// VZCameraDialog: edits one camera description on three notebook pages:
// identity and set-up, image parameters with the automatic gain control,
// and the timing inputs. The controls of frame mode, averaging, density and
// frequency depend on the camera's model (101 or 102). The camera changes
// only when the user confirms with Ok, except that the constructor lowers
// the frame rate (and for model 102 the density) to their minimums, so that
// the choices pass the camera's rules; Ok writes the remembered or typed
// values back, clamped. The module's start-up and shut-down have nothing to
// do. GUI thread.

#include <cstdint>
#include <initializer_list>

#include "shell/toolkit/dialogs/KZDialog.h"

class KZButton;
class KZComboBox;
class KZInteger;
class KZPrompt;
class KZRadioGroup;
class KZString;
class VCamera;
class ZafNotebook;
class ZafStringData;

class VZCameraDialog : public KZDialog
{
public:
    static void Startup() {}
    static void Shutdown() {}

    // Camera parameters the dialog edits beyond those VCamera names.
    static constexpr int kBrightness = 13;
    static constexpr int kBrightnessLimit = 14;
    static constexpr int kFrequency = 15;
    static constexpr int kGunSensor = 33;
    static constexpr int kGunDebounce = 34;
    static constexpr int kPhotoEye = 35;
    static constexpr int kPhotoEyeDebounce = 36;
    static constexpr int kPhotoEyeOffset = 37;
    static constexpr int kGunLight = 41;
    static constexpr int kMemory = 23;

    explicit VZCameraDialog(VCamera *camera);

    // The eight reactions of the dialog's radio buttons; the rest as KZDialog.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Writes the controls into the camera on Ok.
    void Finish(int32_t result) override;
    void Apply(int32_t result);

    // "(minimum - maximum)" of a camera parameter.
    static KString RangeText(const VCamera &camera, int parameter);

    // Controls, for the program's callers.
    ZafNotebook *notebook = nullptr;
    KZString *nameField = nullptr;
    KZRadioGroup *pixelModeGroup = nullptr;
    KZInteger *frameRateField = nullptr;
    ZafStringData *frameRateRange = nullptr;
    KZRadioGroup *densityGroup = nullptr;
    KZButton *densityLow = nullptr;
    KZButton *densityMedium = nullptr;
    KZButton *densityHigh = nullptr;
    KZInteger *densityField = nullptr;
    ZafStringData *densityRange = nullptr;
    KZRadioGroup *averagingGroup = nullptr;
    KZRadioGroup *frameModeGroup = nullptr;
    KZButton *modeFull = nullptr;
    KZButton *modeTop = nullptr;
    KZButton *modeBottom = nullptr;
    KZRadioGroup *gainMethodGroup = nullptr;
    KZInteger *gainField = nullptr;
    KZInteger *brightnessField = nullptr;
    KZInteger *frequencyField = nullptr;
    KZInteger *maximumGainField = nullptr;
    KZComboBox *frequencyBox = nullptr;
    KZRadioGroup *compressionGroup = nullptr;
    KZInteger *compressionMinimumField = nullptr;
    KZInteger *redField = nullptr;
    KZInteger *greenField = nullptr;
    KZInteger *blueField = nullptr;
    KZRadioGroup *orientationGroup = nullptr;
    KZInteger *lanesField = nullptr;
    KZButton *reverseLanesBox = nullptr;
    KZRadioGroup *identifyByGroup = nullptr;
    KZRadioGroup *gunSensorGroup = nullptr;
    KZString *gunSensorDebounceField = nullptr;
    KZRadioGroup *gunSensorLightGroup = nullptr;
    KZRadioGroup *photoEyeGroup = nullptr;
    KZString *photoEyeDebounceField = nullptr;
    KZString *photoEyeOffsetField = nullptr;

private:
    // Construction, page by page.
    void BuildSetupPage();
    void BuildParametersPage();
    void BuildGainRows();
    void BuildInputsPage();
    // A radio group of the texts' entries, each enabled when the parameter
    // is not locked and the entry is a valid value of it (parameter < 0:
    // always enabled), selected from selected; buttons receives the entries.
    KZRadioGroup *AddChoice(std::initializer_list<const wchar_t *> keys, int parameter, int32_t code, int selected,
                            KZButton **buttons = nullptr);
    KZInteger *AddParameterField(int parameter, int width);
    KZString *AddTimeField(int parameter);
    void Prompt(const wchar_t *key);
    void Blank();

    // Reactions.
    void PixelModeChosen();
    void AveragingChosen();
    void CompressionChosen();
    void GainMethodChosen();
    void DensityChosen();
    void FrameModeChosen();
    void ShowFrameRateRange();
    void GunSensorChosen();
    void PhotoEyeChosen();

    // Apply's steps.
    void ApplyFrame();
    void ApplyTime(KZString *field, int parameter);
    void Set(int parameter, int32_t value);

    VCamera *camera;
    int32_t rememberedFrameRate = 0;
    int32_t rememberedDensity = 0;
};
