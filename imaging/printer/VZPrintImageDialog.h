#pragma once
// VZPrintImageDialog: the modal dialog in which the user chooses how an
// image is printed: zoom 1, 2, 4 or 8, smoothing, 300, 600 or 1200 dots per
// inch, the printed height in inches or centimetres, and whether (and how
// many) results are printed with it. Clicking a zoom, resolution or unit
// choice puts the default height for the choices shown into the height
// field. Only Ok keeps the choices: the zoom, smoothing, resolution and unit
// for the rest of the run (in memory), whether results are printed and their
// count in the settings. Made on the stack by the printer; owns its fields;
// GUI thread only.

#include <cstdint>

#include "shell/toolkit/dialogs/KZDialog.h"

class KZButton;
class KZInteger;
class KZPrinter;
class KZRadioGroup;
class KZReal;

class VZPrintImageDialog : public KZDialog
{
public:
    // printer gives the resolution factor (not owned); imageRows: the
    // image's pixel rows.
    VZPrintImageDialog(KZPrinter *printer, int32_t imageRows);

    // A zoom, resolution or unit choice (kEvtPrintImageChoice) renews the
    // height field; every other event as the dialog.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Keeps the choices when the result is Ok.
    void Finish(int32_t result) override;
    // Keeps the dialog's choices and writes the two settings.
    void StoreChoices();

    // The default printed height in inches or centimetres, for the choices
    // shown (the kept choices before the fields exist), cut to two decimals.
    double DefaultHeight() const;
    // The height field's value.
    double HeightValue() const;

    // The kept choices of the run.
    static int32_t ZoomChoice();
    static bool SmoothChoice();
    static int32_t ResolutionChoice();
    static bool CentimetresChoice();
    // Sets the kept choices (as at the start of a run: 1, true, 300, false).
    static void SetChoices(int32_t zoom, bool smooth, int32_t resolution, bool centimetres);
    // The settings: whether results are printed with an image, and how many.
    static bool PrintResultsSetting();
    static int32_t MaxResultsSetting();

    // Zoom and resolution of a radio entry, and back.
    static int32_t ZoomOfEntry(int entry);
    static int EntryOfZoom(int32_t zoom);
    static int32_t ResolutionOfEntry(int entry);
    static int EntryOfResolution(int32_t resolution);

    KZRadioGroup *ZoomGroup() const { return zoomGroup; }
    KZRadioGroup *ResolutionGroup() const { return resolutionGroup; }
    KZRadioGroup *UnitGroup() const { return unitGroup; }
    KZRadioGroup *ResultsGroup() const { return resultsGroup; }
    KZButton *SmoothBox() const { return smoothBox; }
    KZReal *HeightField() const { return heightField; }
    KZInteger *CountField() const { return countField; }

private:
    void Build();
    void AddRadios(const wchar_t *const *keys, int count, int32_t code);

    KZPrinter *printer;
    int32_t imageRows;
    KZRadioGroup *zoomGroup = nullptr;
    KZButton *smoothBox = nullptr;
    KZRadioGroup *resolutionGroup = nullptr;
    KZReal *heightField = nullptr;
    KZRadioGroup *unitGroup = nullptr;
    KZRadioGroup *resultsGroup = nullptr;
    KZInteger *countField = nullptr;
};
