#ifndef SHELL_DEFAULT_PRINTER_DEVICE_H
#define SHELL_DEFAULT_PRINTER_DEVICE_H

// The system printer, with the print dialog answered by the default printer
// instead of a window: for the checks that print a real page.
#include <windows.h>
#include <commdlg.h>

#include "shell/toolkit/printing/KZPrinterDevice.h"

class DefaultPrinterDevice : public KZPrinterDevice
{
public:
    bool PrintDialogW(void *record) override
    {
        auto *dialog = static_cast<PRINTDLGW *>(record);
        if (dialog->Flags & PD_RETURNDC) {
            if (dialog->hDevMode)
                GlobalFree(dialog->hDevMode);
            if (dialog->hDevNames)
                GlobalFree(dialog->hDevNames);
            dialog->hDevMode = dialog->hDevNames = nullptr;
            dialog->Flags |= PD_RETURNDEFAULT;
        }
        return KZPrinterDevice::PrintDialogW(record);
    }
};

#endif
