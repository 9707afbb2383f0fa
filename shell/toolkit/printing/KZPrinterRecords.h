#pragma once
// The print-dialog records of a KZPrinter, in the wide and the 8-bit form
// (only the printer's own sources see the system headers).

#include <windows.h>
#include <commdlg.h>

#include "shell/toolkit/printing/KZPrinter.h"

struct KZPrinter::Records
{
    PRINTDLGW wide {};
    PRINTDLGA narrow {};
};
