#ifndef ZAF_PRINTDIALOG_H
#define ZAF_PRINTDIALOG_H

#include "framework/controls/ZafDialogWindow.h"
#include "framework/windows/ZafPrinter.h"

// ZafPrintDialog: the system Print dialog for a printer and a job-settings
// record, as a framework dialog. Neither the printer nor the record is
// owned; both must outlive the dialog. Its modal run shows the system
// dialog with the record's copies, pages and collation and, when the user
// accepts, gives the printer the chosen printer and the record the choice.
// Events are the dialog window's. GUI thread only.
class ZafPrintDialog : public ZafDialogWindow
{
public:
    // Copies, collation and page numbers all allowed.
    ZafPrintDialog(int left, int top, ZafPrinter *printer, ZafPrintJobSettings *settings);

    // Runs the system Print dialog instead of the framework's loop (it hides
    // ZafDialogWindow::DoModal; call it on the print dialog): answers
    // ZAF_DIALOG_OK when the user accepted, ZAF_DIALOG_CANCEL when the dialog
    // was cancelled or failed (the printer and the record are then unchanged).
    ZafInt32 DoModal(ZafUInt32 flags = 0);

    bool SetCopiesAllowed(bool value) { return copiesAllowed = value; }
    bool SetCollationAllowed(bool value) { return collationAllowed = value; }
    bool SetPageNumbersAllowed(bool value) { return pageNumbersAllowed = value; }
    bool CopiesAllowed() const { return copiesAllowed; }
    bool CollationAllowed() const { return collationAllowed; }
    bool PageNumbersAllowed() const { return pageNumbersAllowed; }

private:
    ZafPrinter *printer;
    ZafPrintJobSettings *settings;
    bool copiesAllowed = true;
    bool collationAllowed = true;
    bool pageNumbersAllowed = true;
};

#endif
