#pragma once
// The data files zafwrite makes. Each writer creates (or replaces) the file
// and answers 0, or the storage's error code.
//
// "program": the program's own data file: the named bitmaps the windows load
//   by name (ZafBitmapData by name), 16 x 16 pixels each.
// "test": a storage the framework tests read back: the window "sample"
//   (40 x 10 cells at 2, 1; help topic "Sample window") with the children
//   "first" (number id 1) and an unnamed one (number id 2, stored as
//   "FIELD_2"); the 4 x 3 bitmap "TestBitmap" whose pixel (x, y) is
//   (x + 4y) mod 16 except (3, 2), which is transparent; the string data
//   "Greeting" holding "Hello, data file".

#include "framework/core/base/ZafTypes.h"

// Names of the program's bitmaps, in the order they are written.
constexpr const wchar_t *ZAF_PROGRAM_BITMAPS[] = {
    L"Print", L"MaximizeChart", L"RestoreChart",
    L"ShowSetLine", L"HideSetLine", L"ShowGunLine", L"HideGunLine", L"ShowLegalLine", L"HideLegalLine",
    L"ShowReactionTimeLine", L"HideReactionTimeLine", L"ShowPowerLine", L"HidePowerLine",
    L"AddReactionTimes", L"DownloadData", L"DeleteTrace", L"OverlayModeOn", L"OverlayModeOff", L"OverlayClear",
    L"GetInfo", L"AlignOn", L"AlignOff",
    // Image window tool bar ("ZoomIn" and "ZoomOut" serve the remote pad too).
    L"IdMethodNone", L"IdMethodId", L"IdMethodLane", L"IdMethodLicense", L"ZoomOut", L"ZoomIn",
    L"Crop", L"Uncrop", L"AutoCrop", L"FindObject", L"Enhance", L"Unenhance", L"MaximizeImage", L"RestoreImage",
    // Remote pad of a camera.
    L"PositionUp", L"PositionDown", L"PositionLeft", L"PositionRight", L"PositionCW", L"PositionCCW",
    L"IrisClose", L"IrisOpen", L"FocusNear", L"FocusFar",
    // Main window's hardware tool bar.
    L"New", L"Open", L"Save",
    // Summary window's armed and capture-mode indicators.
    L"ArmedOn", L"ArmedOff", L"CaptureModeOn", L"CaptureModeOff",
};
constexpr int ZAF_PROGRAM_BITMAP_SIZE = 16;

// The test bitmap's pixel at (x, y).
constexpr ZafInt8 ZafTestBitmapPixel(int x, int y)
{
    return x == 3 && y == 2 ? ZafInt8(-1) : ZafInt8((x + 4 * y) % 16);
}

ZafError ZafWriteProgramData(const wchar_t *fileName);
ZafError ZafWriteTestData(const wchar_t *fileName);
