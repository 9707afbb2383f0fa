// ZafPrinter: construction from the default printer, the device context and
// its page, the DEVMODE fields, margins and printable size, clipping, and the
// Print Setup and Print dialogs.
#include "framework/windows/ZafPrinter.h"

#include <winspool.h>

#include <algorithm>

#include "framework/controls/ZafDialogWindow.h"
#include "framework/core/objects/ZafWindowManager.h"
#include "framework/windows/ZafScreenDisplay.h"

namespace {

ZafPrintCalls calls = ZafPrinter::SystemCalls();

// A DEVMODE without DM_ORIENTATION is one the driver prints in portrait.
ZafUInt32 IsLandscape(HGLOBAL deviceMode)
{
    const DEVMODEA *mode = deviceMode ? static_cast<const DEVMODEA *>(GlobalLock(deviceMode)) : nullptr;
    if (!mode)
        return 0;
    ZafUInt32 landscape = (mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == DMORIENT_LANDSCAPE;
    GlobalUnlock(deviceMode);
    return landscape;
}

constexpr int defaultMargin = 500;             // thousandths of an inch
constexpr int letterWidth = 8500, letterLength = 11000;

} // namespace

ZafPrintCalls ZafPrinter::SystemCalls()
{
    return { &PrintDlgA, &StartDocA, &StartDocW, &StartPage, &::EndPage, &EndDoc };
}

const ZafPrintCalls &ZafPrinter::Calls()
{
    return calls;
}

ZafPrintCalls ZafPrinter::SetCalls(const ZafPrintCalls &newCalls)
{
    ZafPrintCalls previous = calls;
    calls = newCalls;
    return previous;
}

ZafPrinter::ZafPrinter()
{
    preSpace = postSpace = 2;
    miniNumeratorX = miniNumeratorY = 1;
    miniDenominatorX = miniDenominatorY = 10;
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (calls.printDlg && calls.printDlg(&dialog)) {
        deviceMode = dialog.hDevMode;
        deviceNames = dialog.hDevNames;
        landscape = IsLandscape(deviceMode);
        if (dialog.hDC) {
            dotsPerInchX = GetDeviceCaps(dialog.hDC, LOGPIXELSX);
            dotsPerInchY = GetDeviceCaps(dialog.hDC, LOGPIXELSY);
            leftMargin = rightMargin = ConvertXValue(defaultMargin, ZAF_MILS, ZAF_PIXEL);
            topMargin = bottomMargin = ConvertYValue(defaultMargin, ZAF_MILS, ZAF_PIXEL);
            PrepareDeviceContext(dialog.hDC);
        }
    }
    FillTables();
}

void ZafPrinter::FillTables()
{
    for (int i = 0; i < COLOR_TABLE_SIZE; ++i)
        SetColorValue(i, UNUSED_COLOR);
    for (int i = 0; i < FONT_TABLE_SIZE; ++i)
        SetFontHandle(i, nullptr);
    CreateOSFont(3, L"Helvetica", 12, 0, 0);
    CreateOSFont(1, L"Helvetica", 12, 0, 0);
    CreateOSFont(0, L"Helvetica", 8, 0, 0);
    CreateOSFont(2, L"Helvetica", 12, 1, 0);
    CreateOSFont(4, L"Courier", 12, 0, 0);
    // The screen's colours, patterns, modes and starting attributes.
    for (int i = 0; i < ZafScreenDisplay::BASE_COLORS; ++i)
        SetColorValue(i, ZafScreenDisplay::BaseColor(i));
    patternTable[0] = ZafScreenDisplay::NewPatternBitmap(0);
    patternTable[1] = ZafScreenDisplay::NewPatternBitmap(1);
    mode = 0;
    palette = { 0, 0, 0, 15, 0, 2, 1, 8, 5 };
    RebuildPalette();
}

ZafPrinter::~ZafPrinter()
{
    if (documentStarted && deviceContext && calls.endDoc)
        calls.endDoc(deviceContext);
    documentStarted = false;
    while (drawCount > 0)
        EndDraw();
    for (HBITMAP &pattern : patternTable) {
        if (pattern)
            DeleteObject(pattern);
        pattern = nullptr;
    }
    for (int i = 0; i <= 4; ++i)
        DestroyOSFont(i);
    if (osPalette)
        DeleteObject(static_cast<HGDIOBJ>(osPalette));
    osPalette = nullptr;
    if (deviceContext)
        DeleteDC(deviceContext);
    deviceContext = nullptr;
    if (deviceMode)
        GlobalFree(deviceMode);
    if (deviceNames)
        GlobalFree(deviceNames);
}

// ---- The device context and the page -----------------------------------------

HDC ZafPrinter::PrepareDeviceContext(HDC newContext)
{
    HDC previous = deviceContext;
    deviceContext = newContext;
    if (!newContext)
        return previous;
    columns = GetDeviceCaps(newContext, HORZRES);
    lines = GetDeviceCaps(newContext, VERTRES);
    dotsPerInchX = GetDeviceCaps(newContext, LOGPIXELSX);
    dotsPerInchY = GetDeviceCaps(newContext, LOGPIXELSY);
    cellWidth = dotsPerInchX / 10;
    cellHeight = dotsPerInchY / 6;
    physicalOffsetX = GetDeviceCaps(newContext, PHYSICALOFFSETX);
    physicalOffsetY = GetDeviceCaps(newContext, PHYSICALOFFSETY);
    const int across = CreatePrinterDC(landscape ? DM_PAPERLENGTH : DM_PAPERWIDTH, 0);
    const int down = CreatePrinterDC(landscape ? DM_PAPERWIDTH : DM_PAPERLENGTH, 0);
    pageWidth = across ? ConvertXValue(across, ZAF_TENTH_MM, ZAF_PIXEL)
                       : ConvertXValue(landscape ? letterLength : letterWidth, ZAF_MILS, ZAF_PIXEL);
    pageHeight = down ? ConvertYValue(down, ZAF_TENTH_MM, ZAF_PIXEL)
                      : ConvertYValue(landscape ? letterWidth : letterLength, ZAF_MILS, ZAF_PIXEL);
    RecomputePrintable();
    SetBkMode(newContext, TRANSPARENT);
    return previous;
}

void ZafPrinter::RestoreDisplayContext()
{
    if (deviceContext)
        RestoreDC(deviceContext, -1);
    ReleaseCachedObject(pen);
    ReleaseCachedObject(brush);
    pen = nullptr;
    brush = nullptr;
}

int ZafPrinter::CreatePrinterDC(ZafUInt32 field, int value)
{
    if (!deviceMode || !deviceNames)
        return 0;
    DEVMODEA *modeData = static_cast<DEVMODEA *>(GlobalLock(deviceMode));
    DEVNAMES *names = static_cast<DEVNAMES *>(GlobalLock(deviceNames));
    int result = 0;
    HANDLE printer = nullptr;
    if (modeData && names) {
        char *base = reinterpret_cast<char *>(names);
        char *driver = base + names->wDriverOffset;
        char *device = base + names->wDeviceOffset;
        char *output = base + names->wOutputOffset;
        if (OpenPrinterA(device, &printer, nullptr)) {
            if (modeData->dmFields & field) {
                if (value != 0) {
                    if (field == DM_ORIENTATION)
                        modeData->dmOrientation = short(value);
                    else if (field == DM_PAPERWIDTH)
                        modeData->dmPaperWidth = short(value);
                    else if (field == DM_PAPERLENGTH)
                        modeData->dmPaperLength = short(value);
                    DocumentPropertiesA(nullptr, printer, device, modeData, modeData, DM_IN_BUFFER | DM_OUT_BUFFER);
                    // Keep the old context when the driver gives no new one.
                    if (HDC fresh = CreateDCA(driver, device, output, modeData)) {
                        if (deviceContext)
                            DeleteDC(deviceContext);
                        deviceContext = nullptr;
                        PrepareDeviceContext(fresh);
                    }
                }
                result = field == DM_ORIENTATION ? modeData->dmOrientation
                       : field == DM_PAPERWIDTH ? modeData->dmPaperWidth
                       : field == DM_PAPERLENGTH ? modeData->dmPaperLength : 0;
            }
            ClosePrinter(printer);
        }
    }
    if (modeData)
        GlobalUnlock(deviceMode);
    if (names)
        GlobalUnlock(deviceNames);
    return result;
}

// ---- Page, margins and printable size ---------------------------------------------

void ZafPrinter::RecomputePrintable()
{
    printableWidth = std::max(0, pageWidth - leftMargin - rightMargin);
    printableHeight = std::max(0, pageHeight - topMargin - bottomMargin);
}

int ZafPrinter::PageWidth() const { return FromPixelsX(pageWidth); }
int ZafPrinter::PageHeight() const { return FromPixelsY(pageHeight); }
int ZafPrinter::PrintableWidth() const { return FromPixelsX(printableWidth); }
int ZafPrinter::PrintableHeight() const { return FromPixelsY(printableHeight); }

void ZafPrinter::Margins(int &left, int &top, int &right, int &bottom) const
{
    left = FromPixelsX(leftMargin);
    top = FromPixelsY(topMargin);
    right = FromPixelsX(rightMargin);
    bottom = FromPixelsY(bottomMargin);
}

bool ZafPrinter::SetLandscape(bool value)
{
    if (ZafUInt32(value) != landscape
        && CreatePrinterDC(DM_ORIENTATION, value ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT) != 0) {
        landscape = value;
        std::swap(pageWidth, pageHeight);
        RecomputePrintable();
    }
    return landscape != 0;
}

int ZafPrinter::SetPageWidth(int value)
{
    pageWidth = ToPixelsX(value);
    CreatePrinterDC(DM_PAPERWIDTH, ConvertXValue(pageWidth, ZAF_PIXEL, ZAF_TENTH_MM));
    RecomputePrintable();
    return PageWidth();
}

int ZafPrinter::SetPageHeight(int value)
{
    pageHeight = ToPixelsY(value);
    CreatePrinterDC(DM_PAPERLENGTH, ConvertYValue(pageHeight, ZAF_PIXEL, ZAF_TENTH_MM));
    RecomputePrintable();
    return PageHeight();
}

int ZafPrinter::SetPrintableWidth(int value)
{
    printableWidth = ToPixelsX(value);
    rightMargin = std::max(0, pageWidth - leftMargin - printableWidth);
    return PrintableWidth();
}

int ZafPrinter::SetPrintableHeight(int value)
{
    printableHeight = ToPixelsY(value);
    bottomMargin = std::max(0, pageHeight - topMargin - printableHeight);
    return PrintableHeight();
}

void ZafPrinter::SetMargins(int left, int top, int right, int bottom)
{
    leftMargin = ToPixelsX(left);
    topMargin = ToPixelsY(top);
    rightMargin = ToPixelsX(right);
    bottomMargin = ToPixelsY(bottom);
    RecomputePrintable();
}

// ---- Drawing that a printer cannot do, clipping ------------------------------------

int ZafPrinter::RegionMove(const ZafRegionStruct &, int, int)
{
    return ZAF_PRINTER_NOT_AVAILABLE;
}

int ZafPrinter::XorRectangle(const ZafRegionStruct &, const ZafRegionStruct &)
{
    return ZAF_PRINTER_NOT_AVAILABLE;
}

ZafRegionStruct ZafPrinter::SetClipRegion(const ZafRegionStruct &region)
{
    // Clip regions are in device pixels from the paper's printable corner.
    const int shiftX = leftMargin - physicalOffsetX, shiftY = topMargin - physicalOffsetY;
    ZafRegionStruct pixels;
    pixels.Assign(ConvertXValue(region.left, region.coordinateType, ZAF_PIXEL) + shiftX,
        ConvertYValue(region.top, region.coordinateType, ZAF_PIXEL) + shiftY,
        ConvertXValue(region.right, region.coordinateType, ZAF_PIXEL) + shiftX,
        ConvertYValue(region.bottom, region.coordinateType, ZAF_PIXEL) + shiftY, ZAF_PIXEL);
    const ZafRegionStruct previous = clipRegion;
    const ZafCoordinateType saved = coordinateType;
    coordinateType = ZAF_PIXEL;
    ZafGdiDisplay::SetClipRegion(pixels);
    coordinateType = saved;
    clipRegion = region;
    return previous;
}

// ---- Dialogs --------------------------------------------------------------------------

PRINTDLGA ZafPrinter::NewDialog(DWORD flags) const
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    ZafWindowManager *manager = ZafWindowManager::Shared();
    ZafWindowObject *first = manager ? static_cast<ZafWindowObject *>(manager->ZafList::First()) : nullptr;
    dialog.hwndOwner = first ? static_cast<HWND>(first->OSHandle(2)) : nullptr;
    dialog.hDevMode = deviceMode;
    dialog.hDevNames = deviceNames;
    dialog.Flags = flags;
    return dialog;
}

void ZafPrinter::TakeDialogResult(const PRINTDLGA &dialog)
{
    deviceMode = dialog.hDevMode;
    deviceNames = dialog.hDevNames;
    landscape = IsLandscape(deviceMode);
    if (!dialog.hDC)
        return;
    if (deviceContext)
        DeleteDC(deviceContext);
    deviceContext = nullptr;
    PrepareDeviceContext(dialog.hDC);
}

bool ZafPrinter::RunPrintSetup()
{
    PRINTDLGA dialog = NewDialog(PD_PRINTSETUP | PD_RETURNDC);
    if (!calls.printDlg || !calls.printDlg(&dialog))
        return false;
    TakeDialogResult(dialog);
    return true;
}

ZafEventType ZafPrinter::RunPrintDialog(ZafPrintJobSettings &settings, bool copiesAllowed, bool collationAllowed,
    bool pageNumbersAllowed)
{
    DWORD flags = PD_RETURNDC | PD_NOSELECTION;
    if (settings.collate)
        flags |= PD_COLLATE;
    if (!pageNumbersAllowed)
        flags |= PD_NOPAGENUMS;
    if (!copiesAllowed || !collationAllowed)
        flags |= PD_USEDEVMODECOPIES;
    PRINTDLGA dialog = NewDialog(flags);
    dialog.nFromPage = WORD(settings.fromPage);
    dialog.nToPage = WORD(settings.toPage);
    dialog.nMinPage = WORD(settings.minimumPage);
    dialog.nMaxPage = WORD(settings.maximumPage);
    dialog.nCopies = WORD(settings.copies);
    if (!calls.printDlg || !calls.printDlg(&dialog))
        return ZAF_DIALOG_CANCEL;
    TakeDialogResult(dialog);
    settings.collate = (dialog.Flags & PD_COLLATE) ? 1 : 0;
    settings.copies = dialog.nCopies;
    if (dialog.Flags & PD_PAGENUMS) {
        settings.fromPage = dialog.nFromPage;
        settings.toPage = dialog.nToPage;
    } else {
        settings.fromPage = settings.minimumPage;
        settings.toPage = settings.maximumPage;
    }
    return ZAF_DIALOG_OK;
}
