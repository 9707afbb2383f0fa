#include "framework/windows/ZafPrintDialog.h"

ZafPrintDialog::ZafPrintDialog(int left, int top, ZafPrinter *newPrinter, ZafPrintJobSettings *newSettings)
    : ZafDialogWindow(left, top, 0, 0), printer(newPrinter), settings(newSettings)
{
}

ZafInt32 ZafPrintDialog::DoModal(ZafUInt32)
{
    if (!printer || !settings)
        return ZAF_DIALOG_CANCEL;
    return printer->RunPrintDialog(*settings, copiesAllowed, collationAllowed, pageNumbersAllowed);
}
