// The image printer and its print-image dialog on real windows: the choices
// kept only on Ok, the default height for the zoom, resolution and unit, and
// the results count from the settings.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "foundation/registry/KRegistry.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/printer/VZPrintImageDialog.h"
#include "imaging/printer/VZPrinter.h"
#include "imaging/support/ImagingWindowTest.h"
#include "imaging/support/ModalTestSupport.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZRadioGroup.h"
#include "shell/toolkit/fields/KZReal.h"

namespace {

class PrintImage : public ImagingWindowTest
{
protected:
    void SetUp() override
    {
        ImagingWindowTest::SetUp();
        VZPrintImageDialog::SetChoices(1, true, 300, false);
    }
    void TearDown() override
    {
        VZPrintImageDialog::SetChoices(1, true, 300, false);
        ImagingWindowTest::TearDown();
    }
    void SetInt(const wchar_t *key, int32_t value) { registry->GetInt(key)->SetValue(value); }
    int32_t Int(const wchar_t *key) { return registry->GetInt(key)->Value(); }
    // Runs SetupImagePrint; inside the dialog, change runs, then result ends it.
    bool Setup(VZPrinter &printer, int32_t rows, std::function<void(VZPrintImageDialog &)> change, ZafEventType result)
    {
        WhileModal([change, result] {
            if (auto *dialog = FrontWindowAs<VZPrintImageDialog>())
                change(*dialog);
            QueueEvent(result);
        });
        return printer.SetupImagePrint(rows);
    }
    // Selects a radio entry as a click would, and tells the dialog.
    static void Choose(VZPrintImageDialog &dialog, KZRadioGroup *group, int entry)
    {
        group->SetSelection(entry);
        dialog.Event(ZafEventStruct(kEvtPrintImageChoice, 0));
    }
    static std::wstring HeightText(VZPrintImageDialog &dialog) { return dialog.HeightField()->Text(); }
};

} // namespace

TEST_F(PrintImage, ANewPrinterHasNoImageChoicesAndCancelKeepsItSo)
{
    VZPrinter printer;
    EXPECT_EQ(0, printer.Zoom());
    EXPECT_FALSE(printer.SmoothZoom());
    EXPECT_EQ(0, printer.Resolution());
    EXPECT_EQ(0.0, printer.ImageHeight());
    EXPECT_EQ(0, printer.ResultCount());

    SetInt(kKeyPrintResults, 0);
    EXPECT_FALSE(Setup(printer, 795, [](VZPrintImageDialog &dialog) {
        Choose(dialog, dialog.ZoomGroup(), 3);
        dialog.ResultsGroup()->SetSelection(1);
    }, kDialogCancel));
    EXPECT_EQ(0, printer.Zoom());
    EXPECT_EQ(0.0, printer.ImageHeight());
    EXPECT_EQ(1, VZPrintImageDialog::ZoomChoice());
    EXPECT_EQ(0, Int(kKeyPrintResults));
}

TEST_F(PrintImage, OkKeepsTheChoicesAndTheHeightInInches)
{
    VZPrinter printer;
    SetInt(kKeyMaxResults, 12);
    SetInt(kKeyPrintResults, 0);
    EXPECT_TRUE(Setup(printer, 795, [](VZPrintImageDialog &dialog) {
        Choose(dialog, dialog.UnitGroup(), 1);
        Choose(dialog, dialog.ZoomGroup(), 1);
        Choose(dialog, dialog.ResolutionGroup(), 1);
        dialog.SmoothBox()->SetSelected(false);
        dialog.HeightField()->SetValue(5.08);
    }, kDialogOk));
    EXPECT_EQ(2, printer.Zoom());
    EXPECT_FALSE(printer.SmoothZoom());
    EXPECT_EQ(600, printer.Resolution());
    EXPECT_NEAR(2.0, printer.ImageHeight(), 1e-9);
    EXPECT_EQ(0, printer.ResultCount());
    EXPECT_TRUE(VZPrintImageDialog::CentimetresChoice());

    SetInt(kKeyPrintResults, 1);
    EXPECT_TRUE(Setup(printer, 795, [](VZPrintImageDialog &) {}, kDialogOk));
    EXPECT_EQ(12, printer.ResultCount());
}

TEST_F(PrintImage, AHeightOutsideTheRangeBecomesTheDefaultHeight)
{
    // 795 rows at zoom 1 and 300 dpi: 10 inches.
    for (double typed : { 0.0, -1.0, 100.0 }) {
        VZPrinter printer;
        EXPECT_TRUE(Setup(printer, 795, [typed](VZPrintImageDialog &dialog) {
            dialog.HeightField()->SetValue(typed);
        }, kDialogOk));
        EXPECT_NEAR(10.0, printer.ImageHeight(), 1e-9) << typed;
    }
}

TEST_F(PrintImage, TheDialogShowsTheDefaultHeightForTheChoicesShown)
{
    VZPrinter printer;
    VZPrintImageDialog dialog(&printer, 795);
    EXPECT_EQ(L"10.00", HeightText(dialog));
    dialog.HeightField()->SetValue(3.0);
    Choose(dialog, dialog.UnitGroup(), 1);
    EXPECT_EQ(L"25.40", HeightText(dialog));
    EXPECT_FALSE(VZPrintImageDialog::CentimetresChoice());   // shown, not kept

    Choose(dialog, dialog.UnitGroup(), 0);
    Choose(dialog, dialog.ResolutionGroup(), 2);   // factor 108
    EXPECT_NEAR(std::floor(795 / (108 * 1.5) * 100) * 0.01, dialog.DefaultHeight(), 1e-9);
}

TEST_F(PrintImage, TheDialogOpensOnTheKeptChoices)
{
    VZPrintImageDialog::SetChoices(8, false, 600, true);
    SetInt(kKeyPrintResults, 1);
    SetInt(kKeyMaxResults, 7);
    VZPrinter printer;
    VZPrintImageDialog dialog(&printer, 795);
    EXPECT_EQ(3, dialog.ZoomGroup()->Selection());
    EXPECT_EQ(1, dialog.ResolutionGroup()->Selection());
    EXPECT_EQ(1, dialog.UnitGroup()->Selection());
    EXPECT_EQ(1, dialog.ResultsGroup()->Selection());
    EXPECT_FALSE(dialog.SmoothBox()->Selected());
    EXPECT_EQ(7, dialog.CountField()->Value());
}
