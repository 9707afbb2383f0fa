#include "imaging/printer/VZPrinter.h"

#include <windows.h>

#include "imaging/printer/VZPrintImageDialog.h"
#include "shell/app/KZAppCodes.h"

namespace {

constexpr double kHeightLimit = 100.0;   // inches or centimetres; at or above it the default applies

} // namespace

VZPrinter::VZPrinter(KZPrinterDevice *device) : KZPrinter(device) {}

bool VZPrinter::SetupImagePrint(int32_t imageRows)
{
    VZPrintImageDialog dialog(this, imageRows);
    if (dialog.DoModal() != kDialogOk)
        return false;
    zoom = VZPrintImageDialog::ZoomChoice();
    smoothZoom = VZPrintImageDialog::SmoothChoice();
    resolution = VZPrintImageDialog::ResolutionChoice();
    double height = dialog.HeightValue();
    if (!(height > 0.0) || !(height < kHeightLimit))
        height = dialog.DefaultHeight();
    if (VZPrintImageDialog::CentimetresChoice())
        height *= kInchesPerCentimetre;
    imageHeight = height;
    resultCount = VZPrintImageDialog::PrintResultsSetting() ? VZPrintImageDialog::MaxResultsSetting() : 0;
    return true;
}
