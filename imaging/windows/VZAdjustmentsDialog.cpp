#include "imaging/windows/VZAdjustmentsDialog.h"

#include "framework/controls/ZafScrollBar.h"
#include "framework/core/data/ZafScrollData.h"
#include "framework/core/data/ZafStringData.h"
#include "framework/core/display/ZafDisplay.h"
#include "framework/core/text/ZafPrintf.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/windows/VZImagePane.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZPrompt.h"
#include "shell/toolkit/fields/KZSlider.h"

namespace {

// The value text's width in cells.
constexpr int kValueCells = 10;

int Hundredths(double value)
{
    return int(value * 100.0);
}

} // namespace

VZAdjustmentsDialog::VZAdjustmentsDialog(VZImagePane *pane, VImage *image)
    : KZDialog(VImagingText(kTextAdjustmentsTitle).CStr(), kButtonOk | kButtonCancel, kButtonOk), pane(pane),
      image(image)
{
    AddRow(kTextAdjustmentsBrightness, 0, kPercentMinimum, kPercentMaximum, image ? Hundredths(image->Brightness()) : 0);
    AddRow(kTextAdjustmentsContrast, 1, kPercentMinimum, kPercentMaximum, image ? Hundredths(image->Contrast()) : 0);
    AddRow(kTextAdjustmentsGamma, 2, kGammaMinimum, kGammaMaximum, image ? Hundredths(image->Gamma()) : 100);
    FillValues();
    // Owned by the frame of the pane it is opened from.
    if (auto *frame = pane ? dynamic_cast<ZafWindow *>(pane->RootObject()) : nullptr)
        SetOwner(frame);
}

void VZAdjustmentsDialog::AddRow(const wchar_t *labelKey, int row, int minimum, int maximum, int current)
{
    AddPrompt(VImagingText(labelKey).CStr());
    values[row] = new ZafStringData(L"", kValueLength);
    AddPrompt(values[row], kValueCells);
    NewLine();
    const int cellWidth = ZafDisplay::SharedOrDefault().cellWidth;
    const int width = cellWidth > 0 ? kSliderPixels / cellWidth : kSliderPixels;
    sliders[row] = AddSlider(minimum, maximum, current, 1, 10, width, kEvtAdjustmentSlider);
    NewLine();
}

int VZAdjustmentsDialog::SliderValue(const KZSlider *slider)
{
    ZafScrollData *data = slider ? slider->ScrollData() : nullptr;
    return data ? data->Current() : 0;
}

ZafEventType VZAdjustmentsDialog::Event(const ZafEventStruct &event)
{
    if (event.type != kEvtAdjustmentSlider)
        return KZDialog::Event(event);
    if (image) {
        image->SetBrightness(SliderValue(sliders[0]) * 0.01);
        image->SetContrast(SliderValue(sliders[1]) * 0.01);
        image->SetGamma(SliderValue(sliders[2]) * 0.01);
    }
    FillValues();
    return event.type;
}

void VZAdjustmentsDialog::FormatPercent(double fraction, wchar_t *buffer, int size)
{
    ZafSNPrintf(buffer, size, L"%+0.1lf %%", fraction * 100.0);
}

void VZAdjustmentsDialog::FormatGamma(double gamma, wchar_t *buffer, int size)
{
    ZafSNPrintf(buffer, size, L"%0.2lf", gamma);
}

void VZAdjustmentsDialog::FillValues()
{
    if (!image)
        return;
    wchar_t text[kValueLength + 1];
    FormatPercent(image->Brightness(), text, kValueLength + 1);
    values[0]->SetText(text, kValueLength);
    FormatPercent(image->Contrast(), text, kValueLength + 1);
    values[1]->SetText(text, kValueLength);
    FormatGamma(image->Gamma(), text, kValueLength + 1);
    values[2]->SetText(text, kValueLength);
}

const wchar_t *VZAdjustmentsDialog::ValueText(int row) const
{
    return row >= 0 && row < 3 && values[row] ? values[row]->Text() : L"";
}

int32_t VZAdjustmentsDialog::Adjust(VZImagePane *pane, VImage *image)
{
    if (!image)
        return kDialogCancel;
    const double brightness = image->Brightness();
    const double contrast = image->Contrast();
    const double gamma = image->Gamma();
    VZAdjustmentsDialog dialog(pane, image);
    const int32_t result = dialog.DoModal();
    if (result != kEvtDialogOk) {
        image->SetBrightness(brightness);
        image->SetContrast(contrast);
        image->SetGamma(gamma);
    }
    return result;
}
