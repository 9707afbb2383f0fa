#pragma once
// The command ids of the training user interface: the program events that
// menu entries, tool-bar buttons and dialog buttons send (10001 to 10606),
// with the two framework codes the File menu uses. The application layer's
// own codes (exit query, menu opening, idle tick, scoreboard Initialize and
// Refresh) are in shell/app/KZAppCodes.h, the MDI frame's in
// shell/toolkit/KZToolkitCodes.h.

#include <cstdint>

#include "shell/toolkit/KZToolkitCodes.h"

// File menu
constexpr int32_t kCmdFileNew = 10001;
constexpr int32_t kCmdFileOpen = 10002;
constexpr int32_t kEvtCloseWindow = kEvtCloseChild;           // served by the MDI frame
constexpr int32_t kCmdFileSave = 10003;
constexpr int32_t kCmdFileSaveAs = 10004;
constexpr int32_t kCmdFileSave33 = 10005;                     // no entry: save with flags 33
constexpr int32_t kCmdFileSaveQit = 10127;
constexpr int32_t kCmdFileOptions = 10131;
// ... the schedule's heats (docs/start-list-files.md)
constexpr int32_t kCmdSchedulePrevious = 10604;
constexpr int32_t kCmdScheduleGoto = 10605;
constexpr int32_t kCmdScheduleNext = 10606;
// kEvtExit ends the program after the exit query (KZAppCodes.h).

// Options dialog pages (the page index is the id minus kCmdFileOptions)
constexpr int32_t kCmdHardwareOptions = 10132;
constexpr int32_t kCmdChartOptions = 10133;
constexpr int32_t kCmdScoreboardOptions = 10134;
constexpr int32_t kCmdOptionsPage4 = 10135;                   // enabled, no entry sends it

// Chart menu
constexpr int32_t kCmdOverlayMode = 10531;
constexpr int32_t kCmdOverlayClear = 10532;
constexpr int32_t kCmdChartPrinterSetup = 10481;
constexpr int32_t kCmdChartPrint = 10482;
// ... developer entries, only with "-devel"
constexpr int32_t kCmdChartShowData = 10167;
constexpr int32_t kCmdChartDataExport = 10168;
constexpr int32_t kCmdChartRawX = 10169;
constexpr int32_t kCmdChartRawY = 10170;
constexpr int32_t kCmdChartFilteredX = 10171;
constexpr int32_t kCmdChartFilteredY = 10172;
constexpr int32_t kCmdChartSummedXY = 10173;
constexpr int32_t kCmdChartLocalAlgorithmSettings = 10174;
constexpr int32_t kCmdChartLocalAlgorithmShow = 10175;

// Results menu
constexpr int32_t kCmdResultsAddTimes = 10528;
constexpr int32_t kCmdResultsDownloadTraces = 10529;
constexpr int32_t kCmdResultsDeleteTrial = 10530;
constexpr int32_t kCmdResultsPrinterSetup = 10526;
constexpr int32_t kCmdResultsPrint = 10527;
constexpr int32_t kCmdResultsAllChartsMode = 10533;           // fly-over text only

// Hardware menu
constexpr int32_t kCmdHardwareDeleteTrials = 10181;
constexpr int32_t kCmdHardwareUpdateFirmware = 10176;
constexpr int32_t kCmdHardwareLoadAudio = 10177;

// Scoreboard menu (Initialize 10152 and Refresh 10157 are in KZAppCodes.h)
constexpr int32_t kCmdScoreboardTimeOfDay = 10158;
constexpr int32_t kCmdScoreboardTimeOfDay24Hour = 10159;
constexpr int32_t kCmdScoreboardEditMessage = 10161;
constexpr int32_t kCmdScoreboardSendMessage = 10162;

// Window menu
constexpr int32_t kCmdWindowCascade = kEvtCascade;            // 10013
constexpr int32_t kCmdWindowTileHoriz = kEvtTileHorizontal;   // 10014
constexpr int32_t kCmdWindowTileVert = kEvtTileVertical;      // 10015

// Help menu
constexpr int32_t kCmdHelpContents = 10129;
constexpr int32_t kCmdHelpAbout = 10128;

// Ranges passed on to the windows that serve them
constexpr int32_t kCmdSummaryFirst = 10185;                   // summary window
constexpr int32_t kCmdSummaryGetInfo = 10187;
constexpr int32_t kCmdSummaryLast = 10239;
constexpr int32_t kCmdChartWindowFirst = 10479;               // chart window
constexpr int32_t kCmdChartExportBitmap = 10480;
constexpr int32_t kCmdChartMaximize = 10483;
constexpr int32_t kCmdChartRestore = 10484;
constexpr int32_t kCmdChartShowSet = 10485;
constexpr int32_t kCmdChartShowGun = 10486;
constexpr int32_t kCmdChartShowLegal = 10487;
constexpr int32_t kCmdChartShowReaction = 10488;
constexpr int32_t kCmdChartShowPower = 10489;
constexpr int32_t kCmdChartWindowLast = 10490;
constexpr int32_t kCmdResultsWindowFirst = 10491;             // results window
constexpr int32_t kCmdResultsWindowLast = 10541;
constexpr int32_t kCmdHardwareBarFirst = 10577;               // hardware tool bar
constexpr int32_t kCmdHardwareBarNew = 10578;
constexpr int32_t kCmdHardwareBarOpen = 10579;
constexpr int32_t kCmdHardwareBarLast = 10591;
