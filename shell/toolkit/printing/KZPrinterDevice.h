#pragma once
// KZPrinterDevice: the system calls through which KZPrinter reaches a
// printer: the print dialog (in its return-default, print-setup and print
// uses), the device capabilities of a printer context, the document and page
// calls, and the deletion of the context. The base class makes the real
// calls; a derived device can answer them itself (a memory context standing
// in for a printer, a recording job). Device contexts and records are passed
// as the system's types behind plain pointers, so that this header needs no
// system header. Stateless; GUI thread only.

#include <cstdint>

class KZPrinterDevice
{
public:
    virtual ~KZPrinterDevice() = default;

    // PrintDlgW / PrintDlgA on the record (a PRINTDLGW / PRINTDLGA): true
    // when the dialog was confirmed (or the default printer was found).
    virtual bool PrintDialogW(void *record);
    virtual bool PrintDialogA(void *record);
    // GetDeviceCaps of the context (an HDC).
    virtual int Capability(void *dc, int index);
    // StartDocW / StartDocA with a DOCINFOW / DOCINFOA: the job number, 0 or
    // less on failure.
    virtual int StartDocW(void *dc, const void *info);
    virtual int StartDocA(void *dc, const void *info);
    // The page and job calls: above 0 on success.
    virtual int StartPage(void *dc);
    virtual int EndPage(void *dc);
    virtual int AbortDoc(void *dc);
    virtual int EndDoc(void *dc);
    // Releases a context that a print dialog returned.
    virtual void DeleteContext(void *dc);

    // The device of every printer made without one of its own.
    static KZPrinterDevice &System();
};
