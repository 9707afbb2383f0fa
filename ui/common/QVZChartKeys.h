#pragma once
// The settings and texts of the chart area: the chart pane, its window and
// the local-algorithm dialog. Everything is read at the moment of use; the
// English texts and the setting defaults are in the application's defaults
// table.

// Time window and plotting
constexpr const wchar_t *kKeyChartMinX = L"\\Chart\\Axes\\MinX";                       // Float, s
constexpr const wchar_t *kKeyChartMaxX = L"\\Chart\\Axes\\MaxX";                       // Float, s
constexpr const wchar_t *kKeyChartFiltAvePts = L"\\Chart\\Plotting\\FiltAvePts";       // Int, samples
constexpr const wchar_t *kKeyChartSumIntegral = L"\\Chart\\Plotting\\SumIntegral";     // Int, samples
constexpr const wchar_t *kKeyChartMinScaleVal = L"\\Chart\\Plotting\\MinScaleVal";     // Int
constexpr const wchar_t *kKeyChartDefScaleVal = L"\\Chart\\Plotting\\DefScaleVal";     // Int
constexpr const wchar_t *kKeyChartPowerRoundVal = L"\\Chart\\Plotting\\PowerRoundVal"; // Int
constexpr const wchar_t *kKeyChartMultiScaleVal = L"\\Chart\\Plotting\\MultiScaleVal"; // Int, read, no effect
constexpr const wchar_t *kKeyDefaultLanes = L"\\Event\\Results\\DefaultLanes";         // read, no effect

// Presentation
constexpr const wchar_t *kKeyChartBrushWidth = L"\\Chart\\Brush\\Width";               // Int
constexpr const wchar_t *kKeyChartBrushStyle = L"\\Chart\\Brush\\Style";               // Int 0 solid, 1/2 dashed
constexpr const wchar_t *kKeyChartBrushColor = L"\\Chart\\Brush\\Color";               // Int, colour option
constexpr const wchar_t *kKeyChartBackColor = L"\\Chart\\Background\\Color";           // Int, colour option
constexpr const wchar_t *kKeyChartFaceColor = L"\\Chart\\Background\\FaceColor";       // Int, colour option
constexpr const wchar_t *kKeyChartMarginLeft = L"\\Chart\\Margins\\LeftPct";           // Float, percent
constexpr const wchar_t *kKeyChartMarginRight = L"\\Chart\\Margins\\RightPct";
constexpr const wchar_t *kKeyChartMarginTop = L"\\Chart\\Margins\\TopPct";
constexpr const wchar_t *kKeyChartMarginBottom = L"\\Chart\\Margins\\BottomPct";
constexpr const wchar_t *kKeyChartLineSet = L"\\Chart\\Lines\\ShowSet";                // Bool
constexpr const wchar_t *kKeyChartLineGun = L"\\Chart\\Lines\\ShowGun";
constexpr const wchar_t *kKeyChartLineLegal = L"\\Chart\\Lines\\ShowLegal";
constexpr const wchar_t *kKeyChartLineReaction = L"\\Chart\\Lines\\ShowReaction";
constexpr const wchar_t *kKeyChartLinePower = L"\\Chart\\Lines\\ShowPower";

// Local reaction-time detection
constexpr const wchar_t *kKeyLocalIncSlope = L"\\Chart\\LocalAlg\\IncSlope";           // Int
constexpr const wchar_t *kKeyLocalConsIncSlope = L"\\Chart\\LocalAlg\\ConsIncSlope";   // Int
constexpr const wchar_t *kKeyLocalTotalIncSlope = L"\\Chart\\LocalAlg\\TotalIncSlope"; // Int
constexpr const wchar_t *kKeyLocalSetMask = L"\\Chart\\LocalAlg\\SetMask";             // Float, s
constexpr const wchar_t *kKeyLocalShowBeforeSet = L"\\Chart\\LocalAlg\\ShowBeforeSet"; // Bool
constexpr const wchar_t *kKeyLocalCheckNegSlope = L"\\Chart\\LocalAlg\\CheckNegSlope"; // Bool

// Chart window tool bar
constexpr const wchar_t *kKeyChartBarPrint = L"\\Event\\Chart\\ToolBar\\Print";         // Int, 0 leaves it out
constexpr const wchar_t *kKeyChartBarMaximize = L"\\Event\\Chart\\ToolBar\\Maximize";   // Int, 0 leaves it out

// Texts
constexpr const wchar_t *kTextChartGun = L"\\Strings\\Chart\\Gun";
constexpr const wchar_t *kTextChartSet = L"\\Strings\\Chart\\Set";
constexpr const wchar_t *kTextChartLegal = L"\\Strings\\Chart\\Legal";
constexpr const wchar_t *kTextChartTrial = L"\\Strings\\Chart\\Trial";
constexpr const wchar_t *kTextChartAxisTime = L"\\Strings\\Event\\Chart\\Axes\\Time";
constexpr const wchar_t *kTextChartAxisPower = L"\\Strings\\Event\\Chart\\Axes\\Power";
constexpr const wchar_t *kTextChartDisplayRes = L"\\Strings\\Chart\\DisplayRes";
constexpr const wchar_t *kTextChartPrintTitle = L"\\Strings\\Event\\Chart\\Print\\Title";
constexpr const wchar_t *kTextChartSetTime = L"\\Strings\\Event\\Chart\\SetTime";
constexpr const wchar_t *kTextChartNotAvailable = L"\\Strings\\Event\\Chart\\NotAvailable";
constexpr const wchar_t *kTextChartNoSetOverlay = L"\\Strings\\Alerts\\NoSetOverlay";

// The chart's pop-up menu entry (nothing serves it).
constexpr int kCmdChartPopupOption = 10373;

// Texts of the bitmap export.
constexpr const wchar_t *kTextExportBitmapExporting = L"\\Strings\\Event\\Chart\\ExportBitmap\\Exporting";
constexpr const wchar_t *kTextExportDataExporting = L"\\Strings\\Event\\Chart\\ExportData\\Exporting";
constexpr const wchar_t *kTextExportBitmapError = L"\\Strings\\Event\\Chart\\ExportBitmap\\Error";
constexpr const wchar_t *kTextExportBitmapGeneral = L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\General";
constexpr const wchar_t *kTextExportBitmapMemory = L"\\Strings\\Event\\Chart\\ExportBitmap\\Error\\Memory";

// Chart printing: the header's competition name and texts.
constexpr const wchar_t *kTextChartPrinting = L"\\Strings\\Event\\Chart\\Print\\Printing";
constexpr const wchar_t *kTextChartPrintStart = L"\\Strings\\Event\\Chart\\Print\\Start";
constexpr const wchar_t *kTextChartPrintPage = L"\\Strings\\Event\\Chart\\Print\\Page";
constexpr const wchar_t *kTextChartPrintOf = L"\\Strings\\Event\\Chart\\Print\\Of";
