#pragma once
// KZPrinter: the printing context of paged reports. It keeps the chosen
// printer (the print-dialog record's device-mode and device-names memory)
// from one job to the next and the page margins (thousandths of an inch,
// loaded from and saved to a settings group); it runs the system's
// print-setup and print dialogs and the program's page-setup dialog; for one
// job it takes the printer context of the last print dialog, measures the
// page, maps 75 logical units per inch with the origin at the top-left
// corner inside the margins, makes the report fonts, and draws text, rules,
// lines and bitmaps. All operations answer through their results; none
// throws. The system calls that reach the printer go through a
// KZPrinterDevice (the real one unless another is given, which must outlive
// the printer). Owned by its creator; GUI thread only.

#include <cstdint>
#include <memory>

#include "foundation/values/KPoint.h"
#include "foundation/values/KRect.h"

// <windows.h> maps these names to its ANSI or wide functions; include it
// before this header so that the members keep their own names.
#undef DrawText
#undef StartDoc

class KRNode;
class KString;
class KZPrinterDevice;
class ZafWindow;
struct _devicemodeW;
struct _devicemodeA;
struct tagDEVNAMES;

class KZPrinter
{
public:
    static constexpr int kFontCount = 10;            // font slots
    static constexpr int32_t kLogicalPerInch = 75;   // logical units per inch on both axes
    static constexpr int kUnitInches = 0;            // margin display units
    static constexpr int kUnitCentimeters = 1;

    // Finds the default printer without showing anything (its choice stays
    // empty when there is none).
    explicit KZPrinter(KZPrinterDevice *device = nullptr);
    // Frees the chosen printer's memory; does not end a job (call
    // EndPrinting first).
    ~KZPrinter();
    KZPrinter(const KZPrinter &) = delete;
    KZPrinter &operator=(const KZPrinter &) = delete;

    // The Int settings "Left", "Right", "Top", "Bottom" (thousandths of an
    // inch) and "Unit" of group; missing ones leave their value as it is.
    // Margins are kept at 0 or more.
    void LoadMargins(const KRNode &group);
    void SaveMargins(KRNode &group) const;
    const KRect &Margins() const { return margins; }
    void SetMargins(const KRect &thousandths);
    int Unit() const { return unit; }

    // The system print-setup dialog; true when confirmed (the choice is kept).
    // owner: a window (OS handle) the dialog is opened from, whose frame owns
    // it; none: the main window.
    bool ChoosePrinter(void *owner = nullptr);
    // The system print dialog; true when confirmed. Its printer context is
    // the one BeginPrinting takes over.
    bool PrintDialog();
    // The margins dialog; true when closed with Ok (margins and unit taken).
    // owner: the window it is opened from; none: the window underneath.
    bool PageSetup(ZafWindow *owner = nullptr);

    // Prepares a job on the last print dialog's context: page size, mapping,
    // fonts 0, 1 and 3, line height. False (nothing kept) when there is no
    // context or a font cannot be made.
    bool BeginPrinting();
    // Starts the document; with print-to-file chosen a save dialog asks for a
    // "ps" file first (cancelled: false, no job). True when the job number is above 0.
    bool StartDoc(const KString &documentName);
    // StartPage (then the page mapping again), EndPage, AbortDoc, EndDoc:
    // true when there is a context and the system call answers above 0.
    bool StartPage();
    bool EndPage();
    bool AbortDoc();
    bool EndDoc();
    // Deletes the fonts and the context; always true.
    bool EndPrinting();
    bool HasContext() const { return dc != nullptr; }
    int32_t JobNumber() const { return job; }

    // Coordinates: the page mapping (75 units per inch) or the device mapping
    // (one unit per pixel), both from the corner inside the margins.
    void UsePageUnits();
    void UseDeviceUnits();
    // Logical units to device pixels and back, in place. Unchanged while the
    // printable size is 0 (before BeginPrinting).
    void LogicalToDevice(KPoint &point) const;
    void LogicalToDevice(KRect &rect) const;
    void DeviceToLogical(KPoint &point) const;
    void DeviceToLogical(KRect &rect) const;

    // Sizes of the job in progress (zero before BeginPrinting).
    const KPoint &PrintableThousandths() const { return printableThousandths; }
    const KPoint &PrintablePixels() const { return printablePixels; }
    const KPoint &Resolution() const { return resolution; }
    const KPoint &PrintableLogical() const { return printableLogical; }
    // Whole lines on the printable height, and the page as (0, 0, logical
    // width - 1, lines - 1).
    int32_t LinesPerPage() const;
    KRect PageRect() const;

    // The chosen printer's orientation (device-mode field 2 = landscape);
    // false, and nothing set, without a chosen printer.
    bool IsLandscape() const;
    void SetLandscape(bool landscape);
    // The chosen printer's records; null when there is none. Valid while the
    // printer keeps that choice.
    _devicemodeW *DeviceModeW() const;
    _devicemodeA *DeviceModeA() const;
    tagDEVNAMES *DeviceNames() const;

    // Scale factor for printed images: 53 up to 300 dots per inch, else
    // 53 + trunc(1.85 x sqrt(dpi - 300)); -1 takes the printer's vertical resolution.
    int32_t ResolutionFactor(int32_t dotsPerInch = -1) const;

    // Text: the current font slot (0..9), the line height in logical units
    // (at least 1), slot heights (0 outside 0..9 or for an empty slot).
    void SetFont(int index);
    int Font() const { return font; }
    void SetLineHeight(int32_t height);
    int32_t LineHeight() const { return lineHeight; }
    int32_t FontHeight(int index) const;
    // Size of the first length characters (all for a negative length) in the
    // current font, logical units; (0, 0) without a context.
    KPoint TextExtent(const KString &text, int length = -1) const;
    int32_t TextWidth(const KString &text, int length = -1) const;
    // Space between a line's text and the next line: line height - font height - 2 (0 below 2).
    int32_t TextGap() const;

    // Draws text into rect (with a line height above 1 rect.top is a line
    // number and the bottom follows from it), black, cut at its end until it
    // fits. horizontal: 0 left, 1 right, 2 centred; vertical: 0 top, 1
    // bottom, other centred.
    void DrawText(KRect rect, const KString &text, int horizontal, int vertical);
    // A line along the bottom of rect (top a line number as for DrawText),
    // 1 pixel wide in font slot 3, else the thinnest.
    void DrawRule(KRect rect);
    // A solid black line of that pen width (0 thinnest).
    void DrawLine(const KPoint &from, const KPoint &to, int width);
    // Stretches top-down pixels of 15 (5-5-5 in 16-bit words) or 24 bits
    // onto destination: the stretch call's result; other depths draw nothing
    // and answer bitsPerPixel - 24.
    int DrawBitmap(const KRect &destination, const KRect &source, const void *pixels, int bitsPerPixel);

private:
    struct Records;

    void ApplyMapping(bool page);
    bool MakeFonts();
    void ReleaseFonts();
    void ComputeSizes();
    void *TakeDialogContext();

    KPoint printableThousandths;
    KPoint printablePixels;
    KPoint resolution;
    KPoint printableLogical;
    KPoint logicalPerInch { kLogicalPerInch, kLogicalPerInch };
    KRect margins { 0, 0, 0, 0 };
    int unit = kUnitInches;
    int32_t lineHeight = 1;
    int font = 1;
    void *dc = nullptr;
    int32_t job = -1;
    void *fonts[kFontCount] = {};
    int32_t fontHeights[kFontCount] = {};
    KPoint origin;   // viewport origin of the job, pixels
    KZPrinterDevice *device;
    std::unique_ptr<Records> records;
};
