#pragma once
// VZPrinter: the program's printer: the toolkit printer with the choices
// for printing a photo-finish image (zoom, smoothing, resolution, printed
// height in inches, number of results printed with it), all 0 until the
// user confirms them in the print-image dialog. Owned by the module that
// made it; GUI thread only.

#include <cstdint>

#include "shell/toolkit/printing/KZPrinter.h"

class VZPrinter : public KZPrinter
{
public:
    static constexpr double kInchesPerCentimetre = 0.39370078740157477;

    explicit VZPrinter(KZPrinterDevice *device = nullptr);

    // Runs the print-image dialog for an image of imageRows pixel rows. Ok
    // keeps its choices (a height not above 0 or not below 100 becomes the
    // default height; centimetres become inches; the result count is the
    // MaxResults setting when results are printed, else 0) and answers true;
    // anything else changes nothing and answers false.
    bool SetupImagePrint(int32_t imageRows);

    int32_t Zoom() const { return zoom; }
    bool SmoothZoom() const { return smoothZoom; }
    int32_t Resolution() const { return resolution; }
    double ImageHeight() const { return imageHeight; }
    int32_t ResultCount() const { return resultCount; }

private:
    int32_t zoom = 0;
    bool smoothZoom = false;
    int32_t resolution = 0;
    double imageHeight = 0.0;
    int32_t resultCount = 0;
};
