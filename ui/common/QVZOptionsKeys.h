#pragma once
// Settings the options dialog edits, and the group of its texts. The chart
// settings it edits are the chart's own keys.

#include "ui/common/QVZChartKeys.h"

namespace QVZOptionsKeys {

constexpr const wchar_t *kSingleEvent = L"\\Event\\SingleEvent";
constexpr const wchar_t *kEventDirectory = L"\\Event\\Directory";
constexpr const wchar_t *kPromptTraceDL = L"\\Serial\\PromptTraceDL";
constexpr const wchar_t *kAddDLToOverlay = L"\\Serial\\AddDLToOvly";
constexpr const wchar_t *kScripts = L"\\Scoreboards\\Scripts\\";

// The chart boxes, in the order of the Chart page: brush width, pen style,
// brush colour, background colour, chart background colour.
constexpr const wchar_t *kChartBoxes[5] = { kKeyChartBrushWidth, kKeyChartBrushStyle, kKeyChartBrushColor,
                                            kKeyChartBackColor, kKeyChartFaceColor };

// The sixteen chart colours, by stored index, as keys under kColors.
constexpr const wchar_t *kColors = L"\\Strings\\Options\\Chart\\Colors\\";
constexpr const wchar_t *kColorNames[16] = {
    L"Black", L"White", L"Red", L"Green", L"Blue", L"Yellow", L"Cyan", L"Magenta",
    L"DarkRed", L"DarkGreen", L"DarkBlue", L"DarkCyan", L"DarkMagenta", L"Brown", L"DarkGray", L"LightGray",
};
// Pen styles by stored index (the key "Dash" holds the text of index 1).
constexpr const wchar_t *kPenStyles[3] = {
    L"\\Strings\\Options\\Chart\\BrushStyle\\Solid",
    L"\\Strings\\Options\\Chart\\BrushStyle\\Dash",
    L"\\Strings\\Options\\Chart\\BrushStyle\\Dot",
};

} // namespace QVZOptionsKeys
