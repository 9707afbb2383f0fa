#pragma once
// VZAdjustmentsDialog: brightness, contrast and gamma of the image shown in
// an image pane, each with a slider and its value. The image takes every
// slider movement at once, so the picture follows the sliders; Adjust keeps
// the values on Ok and puts the old ones back otherwise. GUI thread.

#include <cstdint>

#include "shell/toolkit/dialogs/KZDialog.h"

class KZPrompt;
class KZSlider;
class VImage;
class VZImagePane;
class ZafStringData;

class VZAdjustmentsDialog : public KZDialog
{
public:
    static constexpr int kValueLength = 31;
    static constexpr int kSliderPixels = 250;
    // Slider ranges in hundredths: brightness and contrast as percentages.
    static constexpr int kPercentMinimum = -100;
    static constexpr int kPercentMaximum = 100;
    static constexpr int kGammaMinimum = 25;
    static constexpr int kGammaMaximum = 175;

    // pane: the image pane it is opened from (may be none); its frame owns
    // the dialog.
    VZAdjustmentsDialog(VZImagePane *pane, VImage *image);

    // On a slider move the image takes the three values and the texts follow.
    ZafEventType Event(const ZafEventStruct &event) override;

    // Runs the dialog over the image; the values stay only on Ok. Answers the result.
    static int32_t Adjust(VZImagePane *pane, VImage *image);

    KZSlider *BrightnessSlider() const { return sliders[0]; }
    KZSlider *ContrastSlider() const { return sliders[1]; }
    KZSlider *GammaSlider() const { return sliders[2]; }
    // The shown value texts: brightness, contrast, gamma.
    const wchar_t *ValueText(int row) const;

    // "+0.0 %" for 0.0, "1.00" for gamma 1.0.
    static void FormatPercent(double fraction, wchar_t *buffer, int size);
    static void FormatGamma(double gamma, wchar_t *buffer, int size);

private:
    void AddRow(const wchar_t *labelKey, int row, int minimum, int maximum, int current);
    void FillValues();
    static int SliderValue(const KZSlider *slider);

    VZImagePane *pane;
    VImage *image;
    ZafStringData *values[3] = {};
    KZSlider *sliders[3] = {};
};
