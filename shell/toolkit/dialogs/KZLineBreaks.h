#pragma once
// KZBreakLine: cuts a line of text that is too wide for its place into
// lines that fit, so that a message box stays on the screen and every part
// of a long file path is shown. Pure: the caller measures. Any thread.

#include <functional>
#include <string>
#include <vector>

// How wide a piece of text is, in the caller's unit (pixels or cells).
using KZMeasure = std::function<int(const std::wstring &text)>;

// The line as it stands when it fits within width; otherwise cut after a
// path separator ('\' or '/') or a blank, each piece as long as fits. A
// piece without such a place that fits (a file name wider than width) is
// shortened in its middle with "...", keeping its start and its end. No cut
// parts the two units of a surrogate pair, nor a character from the
// combining marks, variation selector or joiner that follow it.
std::vector<std::wstring> KZBreakLine(const std::wstring &line, int width, const KZMeasure &measure);
