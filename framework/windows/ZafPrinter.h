#ifndef ZAF_PRINTER_H
#define ZAF_PRINTER_H

#include <windows.h>
#include <commdlg.h>

#include "framework/windows/ZafGdiDisplay.h"

// Printer answers.
constexpr int ZAF_PRINTER_NOT_AVAILABLE = 20;   // an operation a printer cannot do
constexpr int ZAF_PRINTER_FAILED = -1;          // no printer, or the spooler refused

// The job settings the print dialog shows and returns (owned by the caller;
// packed as stored by the program).
#pragma pack(push, 1)
struct ZafPrintJobSettings
{
    ZafUInt8 collate;          // collation requested
    ZafUInt32 copies;
    ZafUInt32 fromPage;        // first page to print
    ZafUInt32 toPage;          // last page to print
    ZafUInt32 minimumPage;     // lowest page number allowed
    ZafUInt32 maximumPage;     // highest page number allowed
};
#pragma pack(pop)

// The system calls printing goes through; any other table (one that records
// the job calls and answers the Print dialogs, say) may be put in their place.
struct ZafPrintCalls
{
    BOOL (WINAPI *printDlg)(LPPRINTDLGA dialog);
    int (WINAPI *startDocA)(HDC context, const DOCINFOA *document);
    int (WINAPI *startDocW)(HDC context, const DOCINFOW *document);
    int (WINAPI *startPage)(HDC context);
    int (WINAPI *endPage)(HDC context);
    int (WINAPI *endDoc)(HDC context);
};

// ZafPrinter: a display that draws on the pages of a Windows printer through
// the same operations as the screen. It owns the printer's DEVMODE and
// DEVNAMES, its device context, five fonts and its pattern bitmaps, and keeps
// the page size, the margins and the orientation in device pixels. Without a
// printer (none installed, none chosen) it has no device context: sizes are
// 0 and drawing has no effect until RunPrintSetup or the print dialog gives
// it one. A job runs from BeginPrintJob to EndPrintJob, its pages from
// BeginPage to EndPage. GUI thread only.
//
// Sizes given to or answered by the page and margin operations are in the
// display's current coordinate type.
class ZafPrinter : public ZafGdiDisplay
{
public:
    // Takes the system's default printer (no dialog), when there is one.
    ZafPrinter();
    ~ZafPrinter() override;

    const ZafIChar *ClassName() const override { return L"ZafPrinter"; }

    // Not available on a printer: answer 20 and draw nothing.
    int RegionMove(const ZafRegionStruct &region, int newLeft, int newTop) override;
    int XorRectangle(const ZafRegionStruct &oldRegion, const ZafRegionStruct &newRegion) override;
    // The region is relative to the printable area; answers the previous one.
    ZafRegionStruct SetClipRegion(const ZafRegionStruct &region) override;
    // Makes the context current and reads the page, resolution and offsets
    // from it; answers the previous one, which the caller owns again. The
    // printer deletes the context it holds when a dialog replaces it and
    // when it is destroyed (take a borrowed one back with a null context).
    HDC PrepareDeviceContext(HDC newContext) override;
    // Ends a drawing sequence without giving up the printer's own context.
    void RestoreDisplayContext() override;

    // Word-wrapped text in a box (answers the box's bottom) or in a
    // paragraph as high as the text needs (answers the y below it).
    virtual int DrawTextBlock(int left, int top, int right, int bottom, int ignored, const ZafIChar *text,
        int length, int horizontal, int vertical, bool fill);
    virtual int DrawParagraph(int left, int top, int right, const ZafIChar *text, int length, int horizontal,
        bool fill);
    // The system Print dialog for the settings; true when the user accepted.
    virtual bool ShowPrintDialog(ZafPrintJobSettings &settings);
    // The system Print Setup dialog; true when the user chose a printer.
    virtual bool RunPrintSetup();
    virtual bool Landscape() const { return landscape != 0; }
    virtual int PageWidth() const;
    virtual int PageHeight() const;
    virtual int PrintableWidth() const;
    virtual int PrintableHeight() const;
    virtual void Margins(int &left, int &top, int &right, int &bottom) const;
    // Turns the paper when the driver accepts it; answers the flag in force.
    virtual bool SetLandscape(bool value);
    virtual int SetPageWidth(int value);
    virtual int SetPageHeight(int value);
    // The right (bottom) margin takes the rest of the page, at least 0.
    virtual int SetPrintableWidth(int value);
    virtual int SetPrintableHeight(int value);
    virtual void SetMargins(int left, int top, int right, int bottom);

    // Jobs and pages. BeginPrintJob shares the draw count: only the
    // outermost call starts a document (named "ZafPrinter Document" without
    // a name). It answers 0, or -1 when there is no printer or the spooler
    // refused the document; the count is raised either way, so the caller
    // ends every job with EndPrintJob, which ends only a started document.
    int BeginPrintJob(const ZafIChar *documentName = nullptr);
    // 0, or -1 when there is no printer or the page could not start.
    int BeginPage();
    int EndPage();
    int EndPrintJob();
    // Writes a DEVMODE field (DM_ORIENTATION, DM_PAPERWIDTH, DM_PAPERLENGTH)
    // when value is not 0, making a new device context for it, and answers
    // the field's value; 0 when the printer cannot be opened or lacks it.
    int CreatePrinterDC(ZafUInt32 field, int value);

    // The print dialog's run (ZafPrintDialog): answers ZAF_DIALOG_OK when the
    // user accepted (the printer and the settings take the choice) and
    // ZAF_DIALOG_CANCEL when the dialog was cancelled or failed (nothing
    // changes).
    ZafEventType RunPrintDialog(ZafPrintJobSettings &settings, bool copiesAllowed, bool collationAllowed,
        bool pageNumbersAllowed);

    // The system calls in use; SetCalls answers the ones it replaces.
    static const ZafPrintCalls &Calls();
    static ZafPrintCalls SetCalls(const ZafPrintCalls &calls);
    static ZafPrintCalls SystemCalls();
    bool HasDevice() const { return deviceContext != nullptr; }
    bool DocumentStarted() const { return documentStarted; }

private:
    void FillTables();
    void TakeDialogResult(const PRINTDLGA &dialog);
    void RecomputePrintable();
    PRINTDLGA NewDialog(DWORD flags) const;
    int FromPixelsX(int value) const { return ConvertXValue(value, ZAF_PIXEL, coordinateType); }
    int FromPixelsY(int value) const { return ConvertYValue(value, ZAF_PIXEL, coordinateType); }
    int ToPixelsX(int value) const { return ConvertXValue(value, coordinateType, ZAF_PIXEL); }
    int ToPixelsY(int value) const { return ConvertYValue(value, coordinateType, ZAF_PIXEL); }
    int DrawTextRect(RECT &rect, const ZafIChar *text, int length, UINT format, bool fill);

    int leftMargin = 0, topMargin = 0, rightMargin = 0, bottomMargin = 0;
    int printableWidth = 0, printableHeight = 0;
    int pageWidth = 0, pageHeight = 0;
    ZafUInt32 landscape = 0;
    HGLOBAL deviceMode = nullptr;
    HGLOBAL deviceNames = nullptr;
    int physicalOffsetX = 0, physicalOffsetY = 0;
    bool documentStarted = false;
};

#endif
