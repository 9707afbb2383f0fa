#include "shell/toolkit/printing/KZPrinterDevice.h"

#include <windows.h>
#include <commdlg.h>

bool KZPrinterDevice::PrintDialogW(void *record)
{
    return PrintDlgW(static_cast<PRINTDLGW *>(record)) != FALSE;
}

bool KZPrinterDevice::PrintDialogA(void *record)
{
    return PrintDlgA(static_cast<PRINTDLGA *>(record)) != FALSE;
}

int KZPrinterDevice::Capability(void *dc, int index)
{
    return GetDeviceCaps(static_cast<HDC>(dc), index);
}

int KZPrinterDevice::StartDocW(void *dc, const void *info)
{
    return ::StartDocW(static_cast<HDC>(dc), static_cast<const DOCINFOW *>(info));
}

int KZPrinterDevice::StartDocA(void *dc, const void *info)
{
    return ::StartDocA(static_cast<HDC>(dc), static_cast<const DOCINFOA *>(info));
}

int KZPrinterDevice::StartPage(void *dc)
{
    return ::StartPage(static_cast<HDC>(dc));
}

int KZPrinterDevice::EndPage(void *dc)
{
    return ::EndPage(static_cast<HDC>(dc));
}

int KZPrinterDevice::AbortDoc(void *dc)
{
    return ::AbortDoc(static_cast<HDC>(dc));
}

int KZPrinterDevice::EndDoc(void *dc)
{
    return ::EndDoc(static_cast<HDC>(dc));
}

void KZPrinterDevice::DeleteContext(void *dc)
{
    DeleteDC(static_cast<HDC>(dc));
}

KZPrinterDevice &KZPrinterDevice::System()
{
    static KZPrinterDevice device;
    return device;
}
