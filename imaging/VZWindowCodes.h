#pragma once
// Constants of the image and hardware windows: program events, the settings
// keys and texts they read, and the names of their bitmaps in the program's
// data file.

#include <cstdint>

// ---- Program events ----
constexpr int32_t kEvtSaveEvent = 10003;          // hardware bar: save the event document
constexpr int32_t kEvtKeyboardCapture = 10186;    // a capture key, as the keyboard-capture dialog gets it
constexpr int32_t kEvtPrintImageChoice = 10542;   // print-image dialog: zoom, resolution or unit clicked
constexpr int32_t kEvtNewEvent = 10578;           // hardware bar: new event document
constexpr int32_t kEvtOpenEvent = 10579;          // hardware bar: open an event or workout file
constexpr int32_t kEvtCaptureKey = 10585;         // a capture key passed on to its target window
constexpr int32_t kEvtStopCapture = 10589;        // stop the running capture (asks first)
constexpr int32_t kEvtDialogOk = -2999;           // a dialog's Ok result

// ---- Settings read by the image pane (missing nodes read as the value given) ----
constexpr const wchar_t *kKeyHashColor = L"\\Event\\Image\\Hash\\Color";
constexpr int32_t kDefaultHashColor = 1;
constexpr const wchar_t *kKeyHashWidth = L"\\Event\\Image\\Hash\\Width";
constexpr int32_t kDefaultHashWidth = 1;
constexpr const wchar_t *kKeyHashCrossWidth = L"\\Event\\Image\\Hash\\CrossWidth";
constexpr int32_t kDefaultHashCrossWidth = 7;
constexpr const wchar_t *kKeyPrintLines = L"\\Event\\Image\\Selection\\PrintLines";
constexpr int32_t kDefaultPrintLines = 1;
constexpr int32_t kPrintLinesOnRelease = 2;      // the selection's release flags the results in it
constexpr const wchar_t *kKeyCompetitionName = L"\\Competition\\Name";
constexpr const wchar_t *kKeyCompetitionSponsor = L"\\Competition\\Sponsor";
constexpr const wchar_t *kKeyOverlayDpi = L"\\Event\\Image\\Print\\OverlayDPI";
constexpr int32_t kDefaultOverlayDpi = 300;
constexpr const wchar_t *kKeyExportMaxMemory = L"\\Event\\Image\\ExportBitmap\\MaxMemory";
constexpr int32_t kDefaultExportMaxMemory = 16777216;

// ---- Settings of image printing ----
constexpr const wchar_t *kKeyPrintResults = L"\\Event\\Image\\Print\\PrintResults";
constexpr int32_t kDefaultPrintResults = 0;
constexpr const wchar_t *kKeyMaxResults = L"\\Event\\Image\\Print\\MaxResults";
constexpr int32_t kDefaultMaxResults = 10;

// ---- Texts ----
constexpr const wchar_t *kTextStopCaptureTitle = L"\\Strings\\Hardware\\Capture\\Stop\\Title";
constexpr const wchar_t *kTextStopCaptureText = L"\\Strings\\Hardware\\Capture\\Stop\\Text";
constexpr const wchar_t *kTextNoStarts = L"\\Strings\\Hardware\\Status\\NoStarts";
constexpr const wchar_t *kTextNoEvents = L"\\Strings\\Hardware\\Status\\NoEvents";
constexpr const wchar_t *kTextCodeArmed = L"\\Strings\\Event\\ListCodes\\Armed";
constexpr const wchar_t *kTextCodeCapturing = L"\\Strings\\Event\\ListCodes\\Capturing";
constexpr const wchar_t *kTextCodeScoreboard = L"\\Strings\\Event\\ListCodes\\Scoreboard";
constexpr const wchar_t *kTextManualStartTitle = L"\\Strings\\Hardware\\ManualStartDlg\\Title";
constexpr const wchar_t *kTextManualStartOffset = L"\\Strings\\Hardware\\ManualStartDlg\\Offset";
constexpr const wchar_t *kTextManualStartHit = L"\\Strings\\Hardware\\ManualStartDlg\\HitSpacebar";
constexpr const wchar_t *kTextKeyboardCaptureTitle = L"\\Strings\\Hardware\\KbdCaptureDlg\\Title";
constexpr const wchar_t *kTextKeyboardCaptureSpace = L"\\Strings\\Hardware\\KbdCaptureDlg\\Spacebar";
// Serial-port panel: the text before a port's number in the port list.
constexpr const wchar_t *kTextPortLocal = L"\\Strings\\SerialPort\\PortLocal";
// Print-image dialog: the group of its texts, each key appended to it.
constexpr const wchar_t *kTextPrintDialogGroup = L"\\Strings\\Event\\Image\\PrintDlg\\";

// ---- Named bitmaps of the program's data file ----
// Image window tool bar, indexed as listed (the identification methods 0 to 3 first).
inline constexpr const wchar_t *kImageWindowBitmaps[] = {
    L"IdMethodNone", L"IdMethodId", L"IdMethodLane", L"IdMethodLicense", L"ZoomOut", L"ZoomIn",
    L"Crop", L"Uncrop", L"AutoCrop", L"FindObject", L"Enhance", L"Unenhance", L"Print",
    L"MaximizeImage", L"RestoreImage",
};
// Remote pad: up, down, left, right, clockwise, counter-clockwise, iris
// close and open, focus near and far, zoom in and out.
inline constexpr const wchar_t *kRemotePaneBitmaps[] = {
    L"PositionUp", L"PositionDown", L"PositionLeft", L"PositionRight", L"PositionCW", L"PositionCCW",
    L"IrisClose", L"IrisOpen", L"FocusNear", L"FocusFar", L"ZoomIn", L"ZoomOut",
};
inline constexpr const wchar_t *kHardwareWindowBitmaps[] = { L"GetInfo", L"AlignOn", L"AlignOff" };
inline constexpr const wchar_t *kHardwareBarBitmaps[] = { L"New", L"Open", L"Save" };

// ---- Hardware list, alignment and remote windows ----
constexpr int32_t kEvtHardwareFirst = 10549;      // 10549..10560: the hardware list's own events
constexpr int32_t kEvtHardwareLast = 10560;
constexpr int32_t kEvtRemoteFirst = 10561;        // 10561..10574: the remote pad's events
constexpr int32_t kEvtRemoteLast = 10574;
constexpr int32_t kEvtAlignFirst = 10575;         // 10575, 10576: the alignment window's events
constexpr int32_t kEvtAlignLast = 10576;
constexpr int32_t kEvtHardwareRefresh = 10187;    // to the hardware list: the hub's devices changed
constexpr const wchar_t *kTextHardwareTitle = L"\\Strings\\Hardware\\Title";
constexpr const wchar_t *kTextAlignWhileCapturing = L"\\Strings\\Hardware\\Align\\WhileCapturing";
// Palette type of a hardware row's cells that shows a marked device.
constexpr uint16_t kHardwareMarkedPalette = 8;
constexpr int32_t kHardwareMarkedColor = 12;

// ---- Adjustments dialog ----
constexpr int32_t kEvtAdjustmentSlider = 10543;   // a slider of the adjustments dialog moved
constexpr const wchar_t *kTextAdjustmentsTitle = L"\\Strings\\Event\\Image\\AdjustmentsDlg\\Title";
constexpr const wchar_t *kTextAdjustmentsBrightness = L"\\Strings\\Event\\Image\\AdjustmentsDlg\\Brightness";
constexpr const wchar_t *kTextAdjustmentsContrast = L"\\Strings\\Event\\Image\\AdjustmentsDlg\\Contrast";
constexpr const wchar_t *kTextAdjustmentsGamma = L"\\Strings\\Event\\Image\\AdjustmentsDlg\\Gamma";

// ---- Camera dialog ----
constexpr int32_t kEvtCameraPixelMode = 10593;
constexpr int32_t kEvtCameraAveraging = 10594;
constexpr int32_t kEvtCameraCompression = 10595;
constexpr int32_t kEvtCameraGainMethod = 10596;
constexpr int32_t kEvtCameraDensity = 10597;
constexpr int32_t kEvtCameraFrameMode = 10598;
constexpr int32_t kEvtCameraGunSensor = 10599;
constexpr int32_t kEvtCameraPhotoEye = 10600;
// The group of the dialog's texts, each key appended to it.
constexpr const wchar_t *kTextCameraDialogGroup = L"\\Strings\\Hardware\\CameraDlg\\";

// ---- Image pane commands ----
constexpr int32_t kEvtImageAdjustments = 10254;     // the adjustments dialog
constexpr int32_t kEvtImageWhiteBalance = 10257;    // white balance from the selection (also 10375)
constexpr int32_t kEvtImageOverlayMenu = 10258;     // the overlay sub-menu
constexpr int32_t kEvtImageClearOverlays = 10259;   // removes every placed overlay
constexpr int32_t kEvtImagePlaceOverlay = 10260;    // 10260 + id: places overlay id at the cursor
constexpr int32_t kImageOverlayLastId = 99;         // overlays above have no command
constexpr int32_t kEvtImageExport = 10360;          // exports the selection (also 10376)
constexpr int32_t kEvtImagePageSetup = 10361;
constexpr int32_t kEvtImageChoosePrinter = 10362;
constexpr int32_t kEvtImagePrint = 10363;           // prints the selection (also 10377)
constexpr int32_t kEvtImageCrop = 10373;            // selection pop-up: crop
constexpr int32_t kEvtImageEnhance = 10374;         // selection pop-up: enhance
constexpr int32_t kEvtImageWhiteBalancePopup = 10375;
constexpr int32_t kEvtImageExportPopup = 10376;
constexpr int32_t kEvtImagePrintPopup = 10377;
constexpr const wchar_t *kTextBadSelection = L"\\Strings\\Event\\Image\\BadSelection";
constexpr const wchar_t *kTextExportingBitmap = L"\\Strings\\Event\\Image\\ExportingBitmap";

// ---- Image window ----
constexpr int32_t kEvtImageZoomOut = 10241;
constexpr int32_t kEvtImageZoomIn = 10242;
constexpr int32_t kEvtImageZoomChoice = 10243;      // an entry of the zoom selector was chosen
constexpr int32_t kEvtImageSmooth = 10244;
constexpr int32_t kEvtImageIdMethod = 10245;        // 10245 + method: steps to the next method
constexpr int32_t kEvtImageEnterResult = 10249;
constexpr int32_t kEvtImageCropButton = 10250;
constexpr int32_t kEvtImageUncrop = 10251;
constexpr int32_t kEvtImageAutoCrop = 10252;
constexpr int32_t kEvtImageFindObject = 10253;
constexpr int32_t kEvtImageEnhanceButton = 10255;
constexpr int32_t kEvtImageUnenhance = 10256;
constexpr int32_t kEvtImageMaximize = 10364;
constexpr int32_t kEvtImageRestore = 10365;
constexpr int32_t kEvtImageResolutionFirst = 10367; // 10367..10372: 1 s down to 1/10000 s
constexpr int32_t kImageResolutionCount = 6;
constexpr int64_t kImageResolutions[kImageResolutionCount] = { 80000, 16000, 8000, 800, 80, 8 };
constexpr const wchar_t *kKeyImageToolBar = L"\\Event\\Image\\ToolBar\\";
constexpr const wchar_t *kTextUncropTitle = L"\\Strings\\Event\\Image\\UncropTitle";
constexpr const wchar_t *kTextUncropText = L"\\Strings\\Event\\Image\\UncropText";
constexpr const wchar_t *kTextEnterResultTitle = L"\\Strings\\Event\\Image\\EnterResultDlg\\Title";
constexpr const wchar_t *kTextEnterResultNoTime = L"\\Strings\\Event\\Image\\EnterResultDlg\\NoTime";
constexpr const wchar_t *kTextEnterResultNoValue = L"\\Strings\\Event\\Image\\EnterResultDlg\\NoValue";
constexpr int32_t kEvtImageResultFirst = 10378;     // 10378 + n: the n-th untimed result of the pop-up
constexpr int32_t kImageResultPopUpCount = 100;     // most results the pop-up lists
constexpr uint32_t kResultsAskNotInList = 1;        // result list option: ask before adding a result
constexpr const wchar_t *kTextEnterResultHasTime = L"\\Strings\\Event\\Image\\EnterResultDlg\\HasTime";
constexpr const wchar_t *kTextEnterResultInvalid = L"\\Strings\\Event\\Image\\EnterResultDlg\\Invalid";
constexpr const wchar_t *kTextEnterResultCloseToAnother =
    L"\\Strings\\Event\\Image\\EnterResultDlg\\CloseToAnother";
constexpr const wchar_t *kTextEnterResultNotInList = L"\\Strings\\Event\\Image\\EnterResultDlg\\NotInList";
// The selection's pop-up menu: each entry's label key and command, top to bottom.
struct VZImagePopUpEntry
{
    const wchar_t *label;
    int32_t code;
};
constexpr VZImagePopUpEntry kImageSelectionPopUp[] = {
    { L"\\Strings\\Event\\Image\\SelectionPopup\\Crop", kEvtImageCrop },
    { L"\\Strings\\Event\\Image\\SelectionPopup\\Enhance", kEvtImageEnhance },
    { L"\\Strings\\Event\\Image\\SelectionPopup\\ExportBitmap", kEvtImageExportPopup },
    { L"\\Strings\\Event\\Image\\SelectionPopup\\Print", kEvtImagePrintPopup },
};
