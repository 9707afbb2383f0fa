#pragma once
// The settings, texts and codes of the results area: the results pane and
// window, the trial download and the trial choice dialog. Texts are looked
// up under these keys at the moment of use (their English defaults are in
// the application's defaults table).

#include <cstdint>

// Settings
constexpr const wchar_t *kKeyPortName = L"Name";                             // String, in a port group
constexpr const wchar_t *kKeyPortDescription = L"SerialPort";                // String, in a port group
constexpr const wchar_t *kKeyShortTimeout = L"\\Serial\\ShortTimeout";       // Int, ms
constexpr const wchar_t *kKeyShowAllFSInRed = L"\\Event\\Results\\ShowAllFSInRed";   // Bool

// Texts
constexpr const wchar_t *kTextCommErrorTitle = L"\\Strings\\Alerts\\CommErrorTitle";
constexpr const wchar_t *kTextTimeoutError = L"\\Strings\\Alerts\\TimeoutError";
// The error text of a port that cannot be opened, with its English text.
constexpr const wchar_t *kTextPortNotOpen = L"\\Strings\\Errors\\5007";
constexpr const wchar_t *kEnglishPortNotOpen = L"Serial communication port not open";
// Why a results file was not handed over on the results link (error 35001).
constexpr const wchar_t *kTextLinkNotSetUp = L"\\Strings\\Database\\LinkNotSetUp";
constexpr const wchar_t *kTextLinkNotOpen = L"\\Strings\\Database\\LinkNotOpen";
constexpr const wchar_t *kTextLinkNoClient = L"\\Strings\\Database\\NoClient";
constexpr const wchar_t *kTextLinkNoAcknowledge = L"\\Strings\\Database\\NoAcknowledge";
constexpr const wchar_t *kTextLinkNoNumbers = L"\\Strings\\Database\\NoNumbers";
// The status text of a hand-over on the results link.
constexpr const wchar_t *kTextSendingResults = L"\\Strings\\Event\\SendingResults";
constexpr const wchar_t *kTextDeviceIsCC = L"\\Strings\\Alerts\\DeviceIsCC";
constexpr const wchar_t *kTextDeviceIsBS = L"\\Strings\\Alerts\\DeviceIsBS";
constexpr const wchar_t *kTextDeviceBusy = L"\\Strings\\Alerts\\DeviceBusy";
constexpr const wchar_t *kTextNoTracesOn = L"\\Strings\\Alerts\\NoTracesOn";
constexpr const wchar_t *kTextNoMoreOverlay = L"\\Strings\\Alerts\\NoMoreOverlay";
constexpr const wchar_t *kTextNoAddOverlay = L"\\Strings\\Alerts\\NoAddOverlay";
constexpr const wchar_t *kTextNoDeleteOvly = L"\\Strings\\Alerts\\NoDeleteOvly";
constexpr const wchar_t *kTextNoComSelected = L"\\Strings\\SerialPort\\NoComSelected";
constexpr const wchar_t *kTextDLAll = L"\\Strings\\Event\\Results\\DLAll";
constexpr const wchar_t *kTextDLAllTitle = L"\\Strings\\Event\\Results\\DLAllTitle";
constexpr const wchar_t *kTextDLAllBadCount = L"\\Strings\\Event\\Results\\DLAllBadCount";
constexpr const wchar_t *kTextDLAllBadTitle = L"\\Strings\\Event\\Results\\DLAllBadTitle";
constexpr const wchar_t *kTextOverTrialText = L"\\Strings\\Event\\Results\\OverTrialText";
constexpr const wchar_t *kTextOverTrialTitle = L"\\Strings\\Event\\Results\\OverTrialTitle";
constexpr const wchar_t *kTextOverTrcText = L"\\Strings\\Event\\Results\\OverTrcText";
constexpr const wchar_t *kTextOverTrcTitle = L"\\Strings\\Event\\Results\\OverTrcTitle";
constexpr const wchar_t *kTextPhotobreaks = L"\\Strings\\Event\\Results\\Photobreaks";
constexpr const wchar_t *kTextNoTime = L"\\Strings\\Event\\Results\\Time\\NoTime";
constexpr const wchar_t *kTextResultFields = L"\\Strings\\Event\\Results\\Fields\\";   // + column key
constexpr const wchar_t *kTextTrialNum = L"\\Strings\\Event\\Results\\Fields\\TrialNum";
constexpr const wchar_t *kTextChartTitle = L"\\Strings\\Chart\\Title";         // "Select Trial"
constexpr const wchar_t *kTextChartFrom = L"\\Strings\\Chart\\From";           // "from"
constexpr const wchar_t *kTextTrialCount = L"\\Strings\\Chart\\TrialCount";    // "Available Trials: "
constexpr const wchar_t *kTextTrialNumber = L"\\Strings\\Chart\\TrialNumber";
constexpr const wchar_t *kTextReactionTime = L"\\Strings\\Chart\\ReactionTime";
constexpr const wchar_t *kTextDownload = L"\\Strings\\Chart\\Download";
constexpr const wchar_t *kTextDownloadAll = L"\\Strings\\Chart\\DownloadAll";

// Result-code commands: the code is the id minus kCmdResultCodeFirst
// (0 none, 1 did not start, 2 false start, 3 did not finish,
// 4 disqualified, 5 scratched, 6 advanced)
constexpr int32_t kCmdResultCodeFirst = 10492;
constexpr int32_t kCmdResultCodeLast = 10498;

// Trial choice dialog buttons
constexpr int32_t kCmdWaveformDownload = 10165;      // the selected trial
constexpr int32_t kCmdWaveformDownloadAll = 10166;   // every trial of the unit

// Trial choices the download works with
constexpr int32_t kTrialNone = -1;        // nothing chosen
constexpr int32_t kTrialAll = -2;         // every trial of the unit
constexpr int32_t kTrialCancelled = -3;   // the choice was cancelled
constexpr int32_t kTrialRefused = -99;    // the run was refused

// Limits
constexpr int kMaxOverlayTraces = 12;     // entries of the overlay list
constexpr int32_t kMaxUnitTrials = 1000;  // a trial count above this is a failed request
constexpr uint32_t kPortBufferRepeat = 1024;   // the pane's port
constexpr uint32_t kPortBufferRead = 1024;
constexpr uint32_t kPortUsageBit = 0x80;
constexpr int32_t kPortSettleMs = 1100;   // wait after opening a unit's port
