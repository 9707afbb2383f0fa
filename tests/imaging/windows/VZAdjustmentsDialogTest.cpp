// The adjustments dialog over an image: the value texts, the sliders' ranges
// and start positions, the image following a slider at once, and Cancel
// putting the old values back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/core/data/ZafScrollData.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/support/ModalTestSupport.h"
#include "imaging/windows/VZAdjustmentsDialog.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZSlider.h"

namespace {

using Adjustments = ImagingWindowTest;

// Moves the slider as the user would and tells the dialog, as the slider does.
void Slide(VZAdjustmentsDialog &dialog, KZSlider *slider, int value)
{
    slider->ScrollData()->SetCurrent(value);
    dialog.Event(ZafEventStruct(kEvtAdjustmentSlider, 0));
}

} // namespace

TEST_F(Adjustments, OpensWithTheImagesValuesAndTheGammaRange25To175)
{
    VImage image;
    std::wstring texts[3];
    int gammaStart = 0;
    int low = 0;
    int high = 0;
    LRESULT osSpan = 0;
    WhileModal([&] {
        if (auto *dialog = FrontWindowAs<VZAdjustmentsDialog>()) {
            for (int row = 0; row < 3; ++row)
                texts[row] = dialog->ValueText(row);
            gammaStart = dialog->GammaSlider()->ScrollData()->Current();
            const ZafScrollData *gamma = dialog->GammaSlider()->ScrollData();
            low = gamma->Minimum();
            high = gamma->Maximum();
            // The track bar on screen offers as many positions.
            HWND bar = static_cast<HWND>(dialog->GammaSlider()->OSHandle(2));
            osSpan = SendMessageW(bar, TBM_GETRANGEMAX, 0, 0) - SendMessageW(bar, TBM_GETRANGEMIN, 0, 0);
        }
        QueueEvent(kDialogOk);
    });
    EXPECT_EQ(kDialogOk, VZAdjustmentsDialog::Adjust(nullptr, &image));
    EXPECT_EQ(L"+0.0 %", texts[0]);
    EXPECT_EQ(L"+0.0 %", texts[1]);
    EXPECT_EQ(L"1.00", texts[2]);
    EXPECT_EQ(100, gammaStart);
    EXPECT_EQ(25, low);
    EXPECT_EQ(175, high);
    EXPECT_EQ(150, osSpan);
}

TEST_F(Adjustments, TheImageFollowsTheSlidersAndOnlyOkKeepsTheValues)
{
    for (int32_t answer : { kDialogCancel, kDialogOk }) {
        VImage image;
        image.SetBrightness(0.2);
        double contrastWhileOpen = 0;
        std::wstring contrastText;
        WhileModal([&] {
            if (auto *dialog = FrontWindowAs<VZAdjustmentsDialog>()) {
                Slide(*dialog, dialog->ContrastSlider(), -100);
                contrastWhileOpen = image.Contrast();
                contrastText = dialog->ValueText(1);
                Slide(*dialog, dialog->BrightnessSlider(), 55);
                Slide(*dialog, dialog->GammaSlider(), 150);
            }
            QueueEvent(answer);
        });
        EXPECT_EQ(answer, VZAdjustmentsDialog::Adjust(nullptr, &image));
        EXPECT_DOUBLE_EQ(-1.0, contrastWhileOpen);
        EXPECT_EQ(L"-100.0 %", contrastText);
        const bool kept = answer == kDialogOk;
        EXPECT_DOUBLE_EQ(kept ? 0.55 : 0.2, image.Brightness()) << answer;
        EXPECT_DOUBLE_EQ(kept ? -1.0 : 0.0, image.Contrast()) << answer;
        EXPECT_DOUBLE_EQ(kept ? 1.5 : 1.0, image.Gamma()) << answer;
    }
}

TEST(AdjustmentTexts, AreSignedPercentagesAndTwoDecimalGammasCutToTheBuffer)
{
    const struct
    {
        double value;
        bool gamma;
        const wchar_t *text;
    } cases[] = {
        { 0.123, false, L"+12.3 %" }, { -0.5, false, L"-50.0 %" }, { 1.0, false, L"+100.0 %" },
        { 1.756, true, L"1.76" },     { 0.25, true, L"0.25" },
    };
    for (const auto &c : cases) {
        wchar_t text[32];
        if (c.gamma)
            VZAdjustmentsDialog::FormatGamma(c.value, text, 32);
        else
            VZAdjustmentsDialog::FormatPercent(c.value, text, 32);
        EXPECT_STREQ(c.text, text) << c.value;
    }
    wchar_t small[5] = { L'x', L'x', L'x', L'x', L'#' };
    VZAdjustmentsDialog::FormatPercent(-0.5, small, 4);
    EXPECT_STREQ(L"-50", small);
    EXPECT_EQ(L'#', small[4]);
}
